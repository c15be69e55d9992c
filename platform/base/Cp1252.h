#pragma once
// Windows-1252 at the file boundary: text is UTF-8 in memory, Windows-1252 in
// every file the original wrote.
#include <optional>
#include <string>
#include <string_view>

namespace cp1252 {

// UTF-8 to Windows-1252 bytes; nullopt when a character has no Windows-1252
// form or the input is not valid UTF-8.
std::optional<std::string> Encode(std::string_view utf8);

// Like Encode, but a character without a form becomes `replacement`.
std::string EncodeLossy(std::string_view utf8, char replacement = '?');

// Windows-1252 bytes to UTF-8; every byte has a meaning (the five unassigned
// ones decode to the C1 control of the same number, as Windows does).
std::string Decode(std::string_view bytes);

// True when every character of the UTF-8 text has a Windows-1252 form.
bool Representable(std::string_view utf8);

// Appends the UTF-8 form of a character below U+10000.
void AppendUtf8(std::string& out, char32_t c);

} // namespace cp1252
