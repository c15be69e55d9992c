#pragma once
// The "Symbol" face draws Greek letters and mathematical signs in place of
// the Windows-1252 characters of its text ("l" is lambda, "J" is theta
// symbol, 0xB0 the degree sign). Text drawn in that face is turned into the
// Unicode characters it shows, so that any font with Greek can draw it.
#include <string>
#include <string_view>

std::string SymbolToUnicode(std::string_view utf8);
