#pragma once
// The help macros the navigator sends to the viewer.
#include <string>

class CNavDoc;

enum class MacroKind { Jump = 0, Popup = 1, ByTopicType = 2 };
enum class MacroFile { HelpPath = 0, FileName = 1, None = 2 };

// Empty when the item has no context string.
std::string ItemMacro(const CNavDoc& doc, int item, MacroKind kind, MacroFile file,
                      bool withWindow);
// The navigator's own jumps: kind by the observe-link-type flag, the help
// path, the window when the observe-help-window flag is set.
std::string JumpMacro(const CNavDoc& doc, int item);
// Starts printing the range through the viewer.
std::string PrintRangeMacro(int from, int to);
// One step of a print range (the viewer calls back for the next).
std::string PrintStepMacro(const CNavDoc& doc, int from, int to, int* printed);
// The path with every backslash turned into a slash, as macros want it.
std::string MacroPath(std::string path);
