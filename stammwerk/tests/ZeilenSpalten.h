#pragma once
// Column buffers and a names table of the component kinds, as the data
// sheets hand them to the row formatters.
#include "stammwerk/modell/ZeilenTexte.h"

#include <array>
#include <string>
#include <vector>

namespace zeilentest {

inline const char kArtNamen[10][kArtNamenBreite] = {
    "Außenwand",        "Außenwand hinterlüftet", "Außenwand nach oben",   "Dach",
    "Bodenplatte",      "Decke unter Dachraum",   "Außenwand an Erdreich", "Kellerdecke",
    "Decke nach unten", "Wand an unbeheizt"};

class Spalten {
public:
    explicit Spalten(size_t n) : puffer_(n), zeiger_(n) {
        for (size_t i = 0; i < n; ++i) zeiger_[i] = puffer_[i].data();
    }
    char** Zeiger() { return zeiger_.data(); }
    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& p : puffer_) t.emplace_back(p.data());
        return t;
    }

private:
    std::vector<std::array<char, kZeilenSpaltenBreite>> puffer_;
    std::vector<char*> zeiger_;
};

} // namespace zeilentest
