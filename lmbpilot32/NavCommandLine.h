#pragma once
// The navigator's command line: switches are a slash and one letter, in any
// case and position; what remains is the file argument.
#include <string>
#include <string_view>

struct NavCommandLine {
    bool Author = false;   // /a
    bool Hidden = false;   // /h, not with /a
    bool ShowIds = false;  // /i
    bool Generate = false; // /g, only with a file
    bool SaveExit = false; // /x
    std::string File;
};

NavCommandLine ParseNavCommandLine(std::string_view line);
