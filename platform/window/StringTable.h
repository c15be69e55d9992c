#pragma once
// The program's string resources by id (hint texts of commands); they hang on
// the application state so that tests start from an empty table.
#include <string>
#include <string_view>

void SetResourceString(int id, std::string_view text);
// Empty when the id has no string.
std::string LoadString(int id);
