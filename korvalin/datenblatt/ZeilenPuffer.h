#pragma once
// Column buffers for the model's row formatters, copied into the sheet's
// column texts afterwards.
#include "stammwerk/modell/ZeilenTexte.h"

#include <array>
#include <string>

class ZeilenPuffer {
public:
    static constexpr size_t Spalten = 20;
    ZeilenPuffer() {
        for (size_t i = 0; i < Spalten; ++i) {
            puffer_[i][0] = '\0';
            zeiger_[i] = puffer_[i].data();
        }
    }
    char** Zeiger() { return zeiger_.data(); }
    template <size_t N>
    void Uebertragen(std::array<std::string, N>& ziel, size_t anzahl) const {
        for (size_t i = 0; i < anzahl && i < N && i < Spalten; ++i) ziel[i] = puffer_[i].data();
    }

private:
    std::array<std::array<char, kZeilenSpaltenBreite>, Spalten> puffer_;
    std::array<char*, Spalten> zeiger_;
};
