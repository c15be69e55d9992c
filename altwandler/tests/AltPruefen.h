#pragma once
// Checks a converted record against a field table row by row.
#include "AltFelder.h"

#include <gtest/gtest.h>

namespace altdatei {

template <class Z>
void FelderPruefen(const Z& ziel, const std::vector<Zeile<Z>>& tabelle, int saat) {
    for (size_t i = 0; i < tabelle.size(); ++i) {
        const Zeile<Z>& z = tabelle[i];
        SCOPED_TRACE(testing::Message() << z.name << " at old offset " << z.off);
        const Wert erwartet = ErwartetFuer(z, saat, i);
        const Wert gelesen = z.lesen(ziel);
        if (z.art == Art::Text)
            EXPECT_EQ(std::get<std::string>(gelesen), std::get<std::string>(erwartet));
        else
            EXPECT_EQ(std::get<double>(gelesen), std::get<double>(erwartet));
    }
}

} // namespace altdatei
