#pragma once
// Text comparisons of the original, on UTF-8 texts: by their Windows-1252
// bytes, as the original's files and lists order them.
#include <string>
#include <string_view>

// Byte order of the Windows-1252 forms (unsigned bytes): <0, 0, >0.
int CompareCp1252(std::string_view a, std::string_view b);

// Case-insensitive in German dictionary order, as a locale-aware comparison
// orders names on a German system: umlauts and accented letters sort with
// their base letters (Ä with A, Ö with O, Ü with U), ß as ss, Æ and Œ as AE
// and OE. Names equal so far go by the case-folded Windows-1252 bytes
// ("Apfel" before "Äpfel"), so 0 means equal without regard to case (Ä/ä,
// À..Þ, Š, Œ, Ž, Ÿ folded as in ASCII): <0, 0, >0.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualNoCase(std::string_view a, std::string_view b) {
    return CompareNoCase(a, b) == 0;
}

// A name's CompareNoCase forms, made once: a sorted list of thousands of
// names compares these instead of converting both names in every step.
struct NoCaseKey {
    std::string woerterbuch; // dictionary form
    std::string gefaltet;    // case-folded Windows-1252 bytes
};
NoCaseKey MakeNoCaseKey(std::string_view utf8);
// The same result as CompareNoCase on the names the keys were made from.
int CompareNoCaseKeys(const NoCaseKey& a, const NoCaseKey& b);

// Upper-case form of a UTF-8 text with the same folding as CompareNoCase.
std::string ToUpperCp1252(std::string_view utf8);
