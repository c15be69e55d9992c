#pragma once
// One tab of a tab strip: its title ("&" marks the mnemonic, "&&" is a
// literal ampersand), the page shown under it, its width and whether it can
// be selected.
#include <string>

class TPropertyPage;

struct TPropertyEntry {
    std::string Text;
    TPropertyPage* Page = nullptr;
    int Width = 0;
    int Enabled = 0;
};
