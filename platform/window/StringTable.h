#pragma once
// The program's string resources by id (hint texts of commands); they hang on
// the application state so that tests start from an empty table.
#include <string>
#include <string_view>

void SetResourceString(int id, std::string_view text);
// Empty when the id has no string.
std::string LoadString(int id);
// A command's string may hold its status-bar hint and its tool tip, parted by
// a line feed ("Display the next topic\nNext"); without one both are the
// whole string.
std::string HintOf(int id);
std::string ToolTipOf(int id);
