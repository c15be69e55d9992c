#pragma once
// A menu as the program describes it in code: items with command ids and
// texts ("&" marks the mnemonic, "\t" precedes the accelerator), separators
// and popups.
#include <string>
#include <vector>

struct TMenuResource {
    int id = 0;
    std::string text;
    bool separator = false;
    std::vector<TMenuResource> popup;
};

inline TMenuResource MenuItem(int id, std::string text) {
    return {id, std::move(text), false, {}};
}
inline TMenuResource MenuSeparator() {
    return {0, {}, true, {}};
}
inline TMenuResource MenuPopup(std::string text, std::vector<TMenuResource> items) {
    return {0, std::move(text), false, std::move(items)};
}
