// Four values of a cross-section of a placed component for the data-sheet rows.
#include "stammwerk/modell/EBStruct.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

#include <gtest/gtest.h>

// A type of two cross-sections, 60 % at U 0.3 and 40 % at U 0.5 (k_m 0.38),
// placed on 50 m² losing 3800 kWh/a of the variant's 19000: the cross-sections'
// losses add up to the component's and their shares to its 20 %.
TEST(EBGroessen, TeileDerTransmissionErgebenDieDesBauteils) {
    TGesamtProjekt g("/tmp");
    TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    p.A_Bauteile = 100;
    p.A_Fenster = 25;
    p.Q_T = 19000;
    TRBauteil typ;
    typ.k_m = 0.38;
    TPBauteil platz;
    platz.RBauteil = &typ;
    platz.Nettoflaeche = 50;
    platz.Reduktionsfaktor = 1;
    platz.Waermeverlust = 3800;
    struct Fall {
        double anteil, k;
        EBStruct erwartet;
    };
    const Fall faelle[] = {
        {60, 0.3, {{30, 24, 1800, 1800.0 / 190}}}, // 30 of 125 m²
        {40, 0.5, {{20, 16, 2000, 2000.0 / 190}}},
    };
    double summe = 0, anteile = 0;
    for (const Fall& f : faelle) {
        TEinfachBauteil eb;
        eb.Flaechenanteil = f.anteil;
        eb.k_Wert = f.k;
        EBStruct e;
        e[1] = 77; // overwritten
        eb.SetEBGroessen(&platz, e, &g);
        for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(e[i], f.erwartet[i], 1e-9) << i;
        summe += e[2];
        anteile += e[3];
    }
    EXPECT_NEAR(summe, platz.Waermeverlust, 1e-9);
    BTStruct bt;
    platz.SetBTGroessen(bt, &g);
    EXPECT_NEAR(anteile, bt[1], 1e-9);
}

TEST(EBGroessen, OhneSummenKeineAnteileUndKeineTeilung) {
    TRBauteil typ;
    TPBauteil platz;
    platz.RBauteil = &typ;
    platz.Nettoflaeche = 10;
    platz.Waermeverlust = 500;
    TEinfachBauteil eb;
    eb.Flaechenanteil = 100;
    eb.k_Wert = 1;
    EBStruct e;
    // No variant: area and loss only; a mean U-value of 0: no loss.
    typ.k_m = 1;
    eb.SetEBGroessen(&platz, e, nullptr);
    EXPECT_EQ(e[0], 10);
    EXPECT_EQ(e[1], 0);
    EXPECT_EQ(e[2], 500);
    EXPECT_EQ(e[3], 0);
    typ.k_m = 0;
    eb.SetEBGroessen(&platz, e, nullptr);
    EXPECT_EQ(e[2], 0);
    // A variant without totals (a negative one counts as none) divides nothing.
    TGesamtProjekt g("/tmp");
    TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    p.Q_T = -3;
    typ.k_m = 1;
    eb.SetEBGroessen(&platz, e, &g);
    EXPECT_EQ(e[1], 0);
    EXPECT_EQ(e[3], 0);
}
