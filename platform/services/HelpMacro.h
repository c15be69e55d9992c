#pragma once
// The help viewer's macro language as help files and the help-link library
// use it: calls separated by ';', arguments are quoted texts ("..." or
// `...'), numbers or nested calls, as in IF(InitMPrint(),`JI(...)').
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct HelpMacroCall;

struct HelpMacroArg {
    enum class Kind { Text, Number, Call };
    Kind kind = Kind::Text;
    std::string text; // Text: the text; Number: its digits as written
    int64_t number = 0;
    std::vector<HelpMacroCall> call; // Call: exactly one
};

struct HelpMacroCall {
    std::string name;
    std::vector<HelpMacroArg> args;
};

// nullopt for a malformed macro.
std::optional<std::vector<HelpMacroCall>> ParseHelpMacro(std::string_view macro);
