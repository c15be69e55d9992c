#pragma once
// What the navigator takes from the author's help project (*.hpj): the
// navigator title and the topics' map numbers from its [MAP] section.
#include "lmbpilot32/CNavItem.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

class CNavDoc;

// The navigator title holds at most this many characters.
constexpr size_t kNavigatorTitleChars = 32;

// The project file that belongs to the document's help file.
std::string ProjectPathOf(const CNavDoc& doc);
// "Can't read <path>:" and the cause's name, as the navigator's messages say it.
std::string CantReadMessage(const std::string& path);
// A map value as the help compiler reads it: "0x" hex, leading "0" octal,
// else decimal, optional sign; 0 without digits.
int32_t ParseMapValue(std::string_view text);
// Gives each [MAP] entry's number to the first topic whose context string
// begins with the entry's name; the section ends at an empty line, "[" or ";".
void ReadMapNumbers(CNavList& items, std::istream& project);
// Title (when the document has none) and map numbers from the project file;
// false with the message in *error when the file cannot be read.
bool LoadProjectInformation(CNavDoc& doc, std::string* error);
