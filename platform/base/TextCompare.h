#pragma once
// Text comparisons of the original, on UTF-8 texts: by their Windows-1252
// bytes, as the original's files and lists order them.
#include <string>
#include <string_view>

// Byte order of the Windows-1252 forms (unsigned bytes): <0, 0, >0.
int CompareCp1252(std::string_view a, std::string_view b);

// Case-insensitive, folding ASCII and the Windows-1252 letters (Ä/ä, Ö/ö, Ü/ü,
// À..Þ, Š, Œ, Ž, Ÿ); then byte order of the folded forms: <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }

// Upper-case form of a UTF-8 text with the same folding as CompareNoCase.
std::string ToUpperCp1252(std::string_view utf8);
