#pragma once
// Linking the navigator to its help file: the help file's header gets the
// navigator's block of macros and its tab line (in place of the help
// project's [CONFIG] lines and the contents file's ":Tab" line), between two
// marker comments that the navigator owns. The author's own lines stay.
#include <string>
#include <string_view>

struct CNavDocValues;

// The help file's text with its old navigator block dropped and, when the
// values ask for anything, the new one at the end of the header.
std::string WithNavigatorBlock(std::string_view helpText, const CNavDocValues& values);

// Rewrites the help file in place; false with a message naming the file when
// it cannot be read or written, or when the result would not be a help file.
bool LinkNavigatorToHelp(const std::string& helpPath, const CNavDocValues& values,
                         std::string* error);
