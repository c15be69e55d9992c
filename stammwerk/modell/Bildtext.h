#pragma once
// Fixed-width text fields inside a sequentially written record image: UTF-8 in
// memory, Windows-1252 with a terminating NUL and zeros behind it on disk.
#include <cstddef>
#include <string>
#include <string_view>

class ByteReader;
class ByteWriter;

void SchreibeText(ByteWriter& out, std::string_view utf8, size_t breite);
std::string LeseText(ByteReader& in, size_t breite);

// Byte-wise comparison of the Windows-1252 forms of two texts over at most
// `laenge` bytes, stopping at the end of the shorter (strncmp): <0, 0, >0.
int VergleicheTextAnfang(std::string_view a, std::string_view b, size_t laenge);
