// Four values of a cross-section of a placed component for the data-sheet rows.
#include "stammwerk/modell/EBStruct.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

#include <gtest/gtest.h>

TEST(EBGroessen, FlaecheUndTransmissionMitAnteilen) {
    struct Fall {
        double netto, anteil, l, k, k_m, aBauteile, aFenster, q_t;
        EBStruct erwartet;
    };
    const Fall faelle[] = {
        // e0 = 40 * 75 % = 30 m²; e1 = 30 / (100 + 20) = 25 %;
        // e2 = 0.5 * 0.4 * 75 * 0.3 * 0.01 = 0.045; e3 = 0.045 / 0.9 = 5 %.
        {40, 75, 0.5, 0.4, 0.3, 100, 20, 0.9, {{30, 25, 0.045, 5}}},
        // No envelope and no transmission total: both shares 0, no division.
        {40, 100, 1, 0.5, 0.5, 0, 0, 0, {{40, 0, 0.25, 0}}},
        // A negative total counts as none too.
        {10, 50, 1, 1, 1, 10, 0, -3, {{5, 50, 0.5, 0}}},
    };
    for (const Fall& f : faelle) {
        TGesamtProjekt g("/tmp");
        TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
        p.A_Bauteile = f.aBauteile;
        p.A_Fenster = f.aFenster;
        p.Q_T = f.q_t;
        TRBauteil typ;
        typ.k_m = f.k_m;
        TPBauteil platz;
        platz.RBauteil = &typ;
        platz.Nettoflaeche = f.netto;
        platz.Reduktionsfaktor = f.l;
        TEinfachBauteil eb;
        eb.Flaechenanteil = f.anteil;
        eb.k_Wert = f.k;
        EBStruct e;
        e[1] = 77; // overwritten
        eb.SetEBGroessen(&platz, e, &g);
        for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(e[i], f.erwartet[i], 1e-12) << i;
    }
}

TEST(EBGroessen, OhneProjektNurFlaecheUndTransmission) {
    TRBauteil typ;
    typ.k_m = 2;
    TPBauteil platz;
    platz.RBauteil = &typ;
    platz.Nettoflaeche = 10;
    platz.Reduktionsfaktor = 1;
    TEinfachBauteil eb;
    eb.k_Wert = 1;
    EBStruct e;
    eb.SetEBGroessen(&platz, e, nullptr);
    EXPECT_EQ(e[0], 10);
    EXPECT_EQ(e[1], 0);
    EXPECT_EQ(e[2], 2);
    EXPECT_EQ(e[3], 0);
}
