#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A facade with placed walls and windows, each of its own type.
struct Fassade {
    TFassade f;
    TISListImp<TPBauteil> bauteile;
    TISListImp<TPFenster> fenster;
    std::vector<std::unique_ptr<TRBauteil>> wandtypen;
    std::vector<std::unique_ptr<TRFenster>> fenstertypen;
    uint16_t naechste = 0;

    Fassade() { f.IstFassade = 1; }

    TPBauteil& wand(double flaeche, double u) {
        auto t = std::make_unique<TRBauteil>();
        t->k_m = u;
        t->Reduktionsfaktor = 1.0;
        auto p = std::make_unique<TPBauteil>();
        p->RBauteil = t.get();
        p->Nummer = naechste++;
        p->Nettoflaeche = flaeche;
        p->WSchVO(1);
        f.Elemente.Add(TTypNummer{0, int16_t(p->Nummer)});
        wandtypen.push_back(std::move(t));
        return bauteile.Add(std::move(p));
    }
    TPFenster& fensterMit(double flaeche, double kF, double g, uint16_t orientierung) {
        auto t = std::make_unique<TRFenster>();
        t->k_F = kF;
        t->g = g;
        t->Rahmenanteil = 30;
        auto p = std::make_unique<TPFenster>();
        p->RFenster = t.get();
        p->Nummer = naechste++;
        p->Nettoflaeche = flaeche;
        p->Orientierung = orientierung;
        f.Elemente.Add(TTypNummer{10, int16_t(p->Nummer)});
        fenstertypen.push_back(std::move(t));
        return fenster.Add(std::move(p));
    }
    void rechnen(int normal = 1, int west = 0, int zusatz = 0) {
        f.GroessenBerechnen(&bauteile, &fenster, 0, normal, west, zusatz, 2.0);
    }
};

TEST(Fassade, SumsAreasAndTheMeanUValue) {
    Fassade x;
    x.wand(10, 0.5);
    x.fensterMit(5, 1.5, 0.6, Nord);
    x.rechnen();
    EXPECT_EQ(x.f.A_gesamt, 15);
    EXPECT_EQ(x.f.A_Fenster, 5);
    EXPECT_NEAR(x.f.f_Fenster, 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(x.f.k_m_WF, (0.5 * 10 + 1.5 * 5) / 15.0, 1e-12); // 0.8333
    // Q_T: wall 1.0 × 10 × 0.5 × 84 = 420, window 1.5 × 84 × 5 = 630 (kWh/a)
    EXPECT_NEAR(x.f.Q_T, 1050, 1e-9);
    EXPECT_NEAR(x.f.Q_T_Fenster, 630, 1e-9);
    // A facade of north windows has no summer-relevant area.
    EXPECT_EQ(x.f.A_Sommer, 0);
    EXPECT_EQ(x.f.SommerStatus, 0);
    EXPECT_EQ(x.f.SonnenschutzStatus, 0);
}

TEST(Fassade, TwoThirdsRuleForSolarGains) {
    Fassade x;
    x.wand(3, 0.5);
    TPFenster& w = x.fensterMit(12, 1.5, 0.6, Sued);
    x.rechnen();
    ASSERT_NEAR(x.f.f_Fenster, 0.8, 1e-12);
    const double r = (2.0 / 3.0) / 0.8; // 0.8333
    EXPECT_NEAR(w.Flaeche_angerechnet, 10.0, 1e-9);
    const double voll = 400 * 0.46 * 0.6 * 12;
    EXPECT_NEAR(w.Q_S_voll, voll, 1e-9);
    EXPECT_NEAR(w.Q_S_angerechnet, r * voll, 1e-9);
    EXPECT_NEAR(x.f.Q_S, r * voll, 1e-9);
    EXPECT_NEAR(x.f.A_Fenster_angerechnet, 10.0, 1e-9);
}

TEST(Fassade, SummerHeatProtection) {
    // 6 m² south glazing (g 0.6, no sun protection) in 10 m² of facade:
    // f = 0.6, g_F·f = 0.36 > 0.25; z_fest·z_bew = 1.0 > 0.999.
    Fassade x;
    x.wand(4, 0.5);
    x.fensterMit(6, 1.5, 0.6, Sued);
    x.rechnen();
    EXPECT_NEAR(x.f.f_Sommer, 0.6, 1e-12);
    EXPECT_NEAR(x.f.g_F_Sommer, 0.6, 1e-12);
    EXPECT_EQ(x.f.SommerStatus, 2);
    EXPECT_EQ(x.f.SonnenschutzStatus, 0);

    // Movable sun protection z_bew 0.6 is not enough: q = 0.216 / 0.6 = 0.36.
    x.fenster[0].z_bew = 0.6;
    x.rechnen();
    EXPECT_EQ(x.f.SommerStatus, 1); // g_F·f = 0.6 × 0.6 × 0.6 = 0.216
    EXPECT_EQ(x.f.SonnenschutzStatus, 2);

    // Low interior temperatures: only the extra check asks for it.
    x.rechnen(0);
    EXPECT_EQ(x.f.SommerStatus, 0);
    x.rechnen(0, 0, 1);
    EXPECT_EQ(x.f.SommerStatus, 1);

    // West rule: a north window counts as summer-relevant, keeps its orientation.
    Fassade n;
    n.wand(4, 0.5);
    TPFenster& nord = n.fensterMit(6, 1.5, 0.6, Nord);
    n.f.Orientierung = Nord;
    n.rechnen(1, 1);
    EXPECT_EQ(n.f.A_Sommer, 6);
    EXPECT_EQ(nord.Orientierung, Nord);
    EXPECT_EQ(n.f.Orientierung, Nord);
    EXPECT_EQ(n.f.EffektiveOrientierung(1), 2);
}

TEST(Fassade, PartyWallsAndWindowMarks) {
    Fassade x;
    x.wand(10, 1.2);
    TPFenster& w = x.fensterMit(2, 1.6, 0.6, Sued);
    w.Heizkoerper = 1;
    x.rechnen();
    EXPECT_EQ(x.f.HeizkoerperHinweisFrei, 0);
    EXPECT_EQ(x.f.HeizkoerperVorFenster, 1);
    x.f.ZweiGebaeudetrennwaende(1);
    EXPECT_EQ(x.f.TrennwaendeStatus, 2); // (12 + 3.2) / 12 > 1.0
    x.f.ZweiGebaeudetrennwaende(0);
    EXPECT_EQ(x.f.TrennwaendeStatus, 0);
}

TEST(Fassade, ElementsWithoutTheirItemAreSkipped) {
    Fassade x;
    x.wand(10, 0.5);
    x.f.Elemente.Add(TTypNummer{0, 99});
    x.f.Elemente.Add(TTypNummer{10, 98});
    x.rechnen();
    EXPECT_EQ(x.f.A_gesamt, 10);
    x.f.GroessenBerechnen(nullptr, nullptr, 0, 1, 0, 0, 2.0);
    EXPECT_EQ(x.f.A_gesamt, 0);
}

TEST(Fassade, UninsulatedGroundSlabWithLowInteriorTemperatures) {
    TRBauteil t;
    t.Bauteilart = 4;
    t.Angrenzung = 4;
    t.Reduktionsfaktor = 0.5;
    t.k_m = 1.0;
    TPBauteil p;
    p.RBauteil = &t;
    struct Fall {
        double flaeche, faktor;
    };
    // 2.33 / A^(1/3) between 100 and 8000 m²: 200 m² gives 2.33 / 5.8480 = 0.3984.
    const Fall faelle[] = {
        {100, 0.5}, {200, 2.33 / std::cbrt(200.0)}, {7999, 2.33 / std::cbrt(7999.0)}, {8000, 0.12}};
    for (const auto& f : faelle) {
        p.Nettoflaeche = f.flaeche;
        p.WSchVO(0);
        EXPECT_NEAR(p.Reduktionsfaktor, f.faktor, 1e-12) << f.flaeche;
        EXPECT_NEAR(p.Waermeverlust, f.faktor * f.flaeche * 1.0 * 30, 1e-9) << f.flaeche;
    }
    p.Nettoflaeche = 200;
    EXPECT_NEAR(2.33 / std::cbrt(200.0), 0.3984, 5e-5);
    p.WSchVO(1); // normal interior temperatures: the kind's factor
    EXPECT_EQ(p.Reduktionsfaktor, 0.5);
    EXPECT_NEAR(p.Waermeverlust, 0.5 * 200 * 84, 1e-9);
}

TEST(Fassade, ImageRoundTrip) {
    TFassade f;
    f.Nummer = 3;
    f.Name = "Fassade Süd";
    f.Orientierung = 1;
    f.k_m_WF = 0.75;
    f.TrennwaendeStatus = 2;
    f.Elemente.Add(TTypNummer{10, 4});
    f.Textliste.Add(TTextString{0, "Süden"});
    ByteWriter w;
    f.Speichern(w);
    ASSERT_EQ(w.Size(), 4u + 220 + 4 + 131);
    const ByteImage b(w.Bytes().data(), w.Size());
    EXPECT_EQ(b.U16(4), 3);
    EXPECT_EQ(b.Text(4 + 2, 30), "Fassade Süd");
    EXPECT_EQ(b.F64(4 + 92), 1.0);   // g_Sommer
    EXPECT_EQ(b.U16(4 + 116), 1);    // Orientierung
    EXPECT_EQ(b.F64(4 + 158), 0.75); // k_m_WF
    EXPECT_EQ(b.F64(4 + 198), 90.0); // Neigung_Vorgabe
    EXPECT_EQ(b.U16(4 + 206), 1);    // HeizkoerperHinweisFrei
    EXPECT_EQ(b.U16(4 + 218), 2);    // TrennwaendeStatus
    EXPECT_EQ(b.I16(4 + 220), 10);
    ByteReader r(w.Bytes());
    TFassade k;
    ASSERT_TRUE(k.Oeffnen(r));
    EXPECT_EQ(k.Name, "Fassade Süd");
    EXPECT_EQ(k.Textliste[0].Text, "Süden");
    EXPECT_EQ(k.Speicherbedarf(), 426); // (131 + 4 + 220) × 1.2 = 426.0
}

} // namespace
