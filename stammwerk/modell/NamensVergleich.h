#pragma once
// Names of reference entries compare like strncmp over their first bytes in
// Windows-1252: byte by byte, case-sensitive, stopping at the end.
#include <cstddef>
#include <string_view>

int NamensVergleich(std::string_view a, std::string_view b, size_t laenge);
