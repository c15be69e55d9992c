#pragma once
// Checks a converted record against a field table row by row. Results that
// the conversion computes anew hold no value of the file and are left out.
#include "AltFelder.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <gtest/gtest.h>

namespace altdatei {

template <class Z>
void FelderPruefen(const Z& ziel, const std::vector<Zeile<Z>>& tabelle, int saat) {
    for (size_t i = 0; i < tabelle.size(); ++i) {
        const Zeile<Z>& z = tabelle[i];
        if (z.berechnet) continue;
        SCOPED_TRACE(testing::Message() << z.name << " at old offset " << z.off);
        const Wert erwartet = ErwartetFuer(z, saat, i);
        const Wert gelesen = z.lesen(ziel);
        if (z.art == Art::Text)
            EXPECT_EQ(std::get<std::string>(gelesen), std::get<std::string>(erwartet));
        else
            EXPECT_EQ(std::get<double>(gelesen), std::get<double>(erwartet));
    }
}

// The variant the test files name "Feld 0", wherever the conversion put it.
inline TProjekt& ErsteVariante(TGesamtProjekt& g) {
    TProjekt* p = g.Projekte.FirstThat([](const TProjekt& x) { return x.Name == "Feld 0"; });
    EXPECT_NE(p, nullptr);
    return *p;
}

// A converted variant carries no result of the old file: its envelope areas
// are the areas of its placed items, a second proof changes none of its
// bytes, and every cross-section holds a drawing that the type can build.
inline void NeuBerechnetPruefen(TProjekt& p) {
    double bauteile = 0, fenster = 0;
    for (const TPBauteil& b : p.PBauteile) bauteile += b.Nettoflaeche;
    for (const TPFenster& f : p.PFenster) fenster += f.Nettoflaeche;
    EXPECT_GT(bauteile + fenster, 0);
    EXPECT_EQ(p.A_Bauteile, bauteile);
    EXPECT_EQ(p.A_Fenster, fenster);
    ByteImage umgewandelt(TProjekt::kImageSize), nochmal(TProjekt::kImageSize);
    p.WriteImage(umgewandelt, 0);
    TProjekt kopie(p);
    kopie.UmfassungsflaecheBerechnen();
    kopie.WSchVO();
    kopie.WriteImage(nochmal, 0);
    EXPECT_TRUE(umgewandelt == nochmal);

    for (TRBauteil& t : p.RBauteile) {
        for (const TEinfachBauteil& e : t.Flaechenanteile) ASSERT_TRUE(e.Grafik);
        t.SetEBGrafikDatenNeu();
        for (const TEinfachBauteil& e : t.Flaechenanteile) {
            EXPECT_GT(e.AnzahlSchichten(), 0);
            EXPECT_EQ(e.Grafik->Schraffuren().size(), size_t(e.AnzahlSchichten()));
            EXPECT_TRUE(e.Grafik->HatGlaser());
        }
    }
}

} // namespace altdatei
