#pragma once
// Linking the navigator to its help file: the help file's header gets the
// navigator's block of macros and its tab line (in place of the help
// project's [CONFIG] lines and the contents file's ":Tab" line), between two
// marker comments that the navigator owns. The author's own lines stay.
#include <optional>
#include <string>
#include <string_view>

struct CNavDocValues;
class TopicTypeAddIn;

// The help file's text with its old navigator block dropped and, when the
// values ask for anything, the new one at the end of the header. With the
// tab, a window names the help file's default window ("Basis: name>window"),
// unless the author's own lines name one.
std::string WithNavigatorBlock(std::string_view helpText, const CNavDocValues& values,
                               const std::optional<std::string>& window = std::nullopt);

// Takes the link settings from the help file's navigator block (shown at
// start, the buttons and the tab with their captions), so that a link with
// unchanged values writes the same block again. No block: values stay.
void ReadNavigatorBlock(std::string_view helpText, CNavDocValues& values);

// Rewrites the help file in place; false with a message naming the file when
// it cannot be read or written, or when the result would not be a help file.
bool LinkNavigatorToHelp(const std::string& helpPath, const CNavDocValues& values,
                         const std::optional<std::string>& window, std::string* error);

// The add-in's "lumbra.ini" of a navigator file: in the parent folder of the
// navigator file's folder, where the authoring system keeps it.
std::string TopicTypeFile(const std::string& ltpPath);

// The window of the first topic type whose identifier is the one the add-in
// names for the help viewer ("winhlp40"); an empty name or "/c" is "main".
// nullopt when no type matches; a type the add-in cannot read shows "Error
// reading topic types" and ends the search.
std::optional<std::string> HelpViewerWindow(const TopicTypeAddIn& addIn, const std::string& file);
