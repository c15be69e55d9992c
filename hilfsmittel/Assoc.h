#pragma once
// The calculator's table of error codes and their German texts.
#include <string>
#include <vector>

class TAssoc {
public:
    struct pair {
        int code;
        std::string text;
    };

    TAssoc() { pairs_.reserve(16); }
    void Add(int code, std::string text) { pairs_.push_back({code, std::move(text)}); }
    // The newest text of the code; a code without one is added as "unbekannte Ursache".
    std::string Find(int code);

private:
    std::vector<pair> pairs_;
};
