#include "lmbpilot32/NavCommandLine.h"

#include <cctype>
#include <set>
#include <sstream>

// Paths hold slashes here: only a word of a slash and one letter is a switch.
NavCommandLine ParseNavCommandLine(std::string_view line) {
    std::set<char> switches;
    std::string file, word;
    std::istringstream in{std::string(line)};
    while (in >> word) {
        if (word.size() == 2 && word[0] == '/' &&
            std::isalpha(static_cast<unsigned char>(word[1]))) {
            switches.insert(char(std::tolower(static_cast<unsigned char>(word[1]))));
            continue;
        }
        if (!file.empty()) file += ' ';
        file += word;
    }
    NavCommandLine c;
    c.Author = switches.count('a') > 0;
    c.Hidden = !c.Author && switches.count('h') > 0;
    c.ShowIds = switches.count('i') > 0;
    c.File = file;
    c.Generate = switches.count('g') > 0 && !c.File.empty();
    c.SaveExit = switches.count('x') > 0;
    return c;
}
