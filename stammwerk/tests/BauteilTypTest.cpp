#include "stammwerk/modell/TRBauteil.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A cross-section whose U-value is given directly, so that the type's rules
// are tested apart from the layer calculation.
void anteil(TRBauteil& t, double prozent, double u) {
    auto e = std::make_unique<TEinfachBauteil>();
    e->Nummer = int16_t(t.Flaechenanteile.GetItemsInContainer());
    e->Flaechenanteil = prozent;
    e->kWertVorgegeben = 1;
    e->k_Wert = u;
    t.Flaechenanteile.AddAfterEquals(std::move(e));
}

TRBauteil typ(uint16_t art, uint16_t angrenzung, double u) {
    TRBauteil t;
    t.Bauteilart = art;
    t.Angrenzung = angrenzung;
    anteil(t, 100, u);
    return t;
}

TEST(BauteilTyp, MeanValuesOverTheAreaShares) {
    TRBauteil leer;
    leer.Mittlerer_k_wertBerechnen();
    EXPECT_EQ(leer.k_m, 0);
    EXPECT_EQ(leer.Dicke_max, 0);
    EXPECT_EQ(leer.Tabelle2Status, 1);

    TRBauteil t;
    anteil(t, 60, 0.3);
    anteil(t, 40, 0.5);
    t.Flaechenanteile[0].Gesamtdicke = 300;
    t.Flaechenanteile[1].Gesamtdicke = 240;
    t.Flaechenanteile[1].Tabelle2Markierung = 1;
    t.Mittlerer_k_wertBerechnen();
    EXPECT_NEAR(t.k_m, 0.38, 1e-12); // 0.6 × 0.3 + 0.4 × 0.5
    EXPECT_EQ(t.Dicke_max, 300);
    EXPECT_EQ(t.Tabelle2Status, 2);
}

TEST(BauteilTyp, ComponentMethodLimitsAndTheirTolerance) {
    struct Fall {
        const char* name;
        double u;
        int baumassnahme, kleinesWohngebaeude;
        uint16_t erfuellt;
    };
    // Kind 0, normal interior temperatures, Wandvariante 1: Anlage 3 limit
    // 0.40 met up to 0.405 (exclusive); Anlage 1 Ziffer 7 limit 0.50 strictly.
    const Fall faelle[] = {{"Anlage 3, 0.404", 0.404, 2, 0, 1},
                           {"Anlage 3, 0.41", 0.41, 2, 0, 0},
                           {"Anlage 1 Z7, 0.50", 0.50, 0, 1, 1},
                           {"Anlage 1 Z7, 0.501", 0.501, 0, 1, 0},
                           {"Anlage 1 without small building", 0.9, 0, 0, 1}};
    for (const auto& f : faelle) {
        TRBauteil t = typ(0, 0, f.u);
        t.WSchVO(f.baumassnahme, 1, f.kleinesWohngebaeude);
        EXPECT_EQ(t.BauteilverfahrenErfuellt, f.erfuellt) << f.name;
        EXPECT_EQ(t.k_max_Anl1Z7, 0.50) << f.name;
        EXPECT_EQ(t.k_max_Anl3, f.baumassnahme == 2 ? 0.40 : -1) << f.name;
    }
    TRBauteil t = typ(0, 0, 0.45);
    t.Wandvariante = 0;
    t.WSchVO(2, 1, 0);
    EXPECT_EQ(t.k_max_Anl3, 0.50);
    t.WSchVO(2, 0, 0);
    EXPECT_EQ(t.k_max_Anl3, 0.75); // low interior temperatures
    t = typ(0, 0, 0.9);
    t.Haertefall = 1;
    t.WSchVO(2, 1, 0);
    EXPECT_EQ(t.BauteilverfahrenErfuellt, 1); // hardship case
}

TEST(BauteilTyp, LimitsByKind) {
    struct Fall {
        uint16_t art, angrenzung;
        double reduktion, anl1, anl3Normal, dinMittel, dinStelle;
        uint16_t tab2;
    };
    const Fall faelle[] = {
        {0, 1, 1.0, 0.50, 0.40, 1.32, 1.32, 1}, {1, 0, 1.0, 0.50, 0.40, 1.39, 1.39, 1},
        {2, 0, 0.8, 0.50, 0.50, 1.39, 1.39, 1}, {3, 0, 0.8, 0.22, 0.30, 0.79, 1.03, 1},
        {3, 3, 0.8, 0.22, 0.30, 0.90, 1.52, 1}, {4, 4, 0.5, 0.35, 0.50, 0.93, 0.93, 0},
        {4, 5, 0.5, 0.35, 0.50, 0.81, 0.81, 0}, {4, 6, 0.5, 0.35, 0.50, 1.39, 1.39, 0},
        {4, 7, 0.5, 0.35, 0.50, 0.81, 1.27, 0}, {5, 0, 1.0, 0.22, 0.30, 0.51, 0.66, 0},
        {6, 0, 0.5, 0.35, 0.50, 1.96, 1.96, 0}, {7, 0, 0.7, 0.50, 0.50, 1.39, 1.39, 1},
        {8, 0, 0.6, 0.50, 0.50, 1.39, 1.39, 1}, {9, 0, 0.5, 0.50, 0.50, 1.39, 1.39, 1},
    };
    for (const auto& f : faelle) {
        TRBauteil t = typ(f.art, f.angrenzung, 0.2);
        t.WSchVO(2, 1, 0);
        EXPECT_EQ(t.Reduktionsfaktor, f.reduktion) << f.art;
        EXPECT_EQ(t.k_max_Anl1Z7, f.anl1) << f.art;
        EXPECT_EQ(t.k_max_Anl3, f.anl3Normal) << f.art;
        EXPECT_EQ(t.k_max_DIN_Mittel, f.dinMittel) << f.art << "/" << f.angrenzung;
        EXPECT_EQ(t.k_max_DIN_Stelle, f.dinStelle) << f.art << "/" << f.angrenzung;
        EXPECT_EQ(t.DINTab2Anwendbar, f.tab2) << f.art;
    }
}

TEST(BauteilTyp, InvertedRoofTightensTheDinLimits) {
    TRBauteil t = typ(3, 3, 0.2);
    t.Umkehrdach = 1;
    t.WSchVO(0, 1, 0);
    // 1 / ((1/0.90 − 0.17) × 1.1 + 0.17) = 1 / 1.2052222 = 0.8297225
    EXPECT_NEAR(t.k_max_DIN_Mittel, 0.8297225, 1e-7);
    // 1 / ((1/1.52 − 0.17) × 1.1 + 0.17) = 1 / 0.7066842 = 1.4150592
    EXPECT_NEAR(t.k_max_DIN_Stelle, 1.4150592, 1e-7);
}

TEST(BauteilTyp, GoverningDinLimit) {
    TRBauteil t;
    t.k_max_DIN_Mittel = 1.39;
    t.k_max_DIN_Tab2 = -1;
    EXPECT_EQ(t.k_wert_max_DIN(), 1.39);
    t.k_max_DIN_Tab2 = 0.8;
    EXPECT_EQ(t.k_wert_max_DIN(), 0.8);
}

TEST(BauteilTyp, GroundSlabWithLowInteriorTemperaturesHasNoAnlage3Limit) {
    TRBauteil t = typ(4, 4, 5.0);
    t.WSchVO(2, 0, 0);
    EXPECT_EQ(t.k_max_Anl3, -1);
    EXPECT_EQ(t.BauteilverfahrenErfuellt, 1);
}

TEST(BauteilTyp, KindFourWithAnUnlistedNeighbourComparesAgainstMinusOne) {
    // Kind 4 bordering on outside air (0), as old or imported files carry it:
    // DIN 4108-2 Table 1 gives no limit, both stay -1 and the comparisons run
    // against -1, so that an uninsulated slab is not reported as meeting DIN.
    struct Fall {
        uint16_t angrenzung;
        int normal;
        uint16_t din;
    };
    const Fall faelle[] = {
        {0, 1, 0}, // no limit: fails
        {4, 1, 0}, // ground, 0.93 W/(m²K): fails by its limit
        {0, 0, 1}, // low interior temperatures: DIN is not checked
    };
    for (const Fall& f : faelle) {
        TRBauteil t = typ(4, f.angrenzung, 3.70);
        t.WSchVO(0, f.normal, 0);
        if (f.angrenzung == 0) {
            EXPECT_EQ(t.k_max_DIN_Mittel, -1);
            EXPECT_EQ(t.k_max_DIN_Stelle, -1);
        }
        EXPECT_EQ(t.DINErfuellt, f.din) << f.angrenzung << "," << f.normal;
    }
}

TEST(BauteilTyp, CrossSectionsAreNumberedAndRenumbered) {
    TRBauteil t;
    for (int i = 0; i < 3; ++i) t.FlaechenanteilNeu();
    // Named by their number as the ranges dialog names a new one.
    EXPECT_EQ(t.Flaechenanteile[0].Name, "Bereich 1");
    EXPECT_EQ(t.Flaechenanteile[1].Name, "Bereich 2");
    t.Flaechenanteile[2].Name = "dritter";
    t.FlaechenanteilLoeschen(0);
    ASSERT_EQ(t.Flaechenanteile.GetItemsInContainer(), 2u);
    EXPECT_EQ(t.Flaechenanteile[0].Nummer, 0);
    EXPECT_EQ(t.Flaechenanteile[1].Nummer, 1);
    EXPECT_EQ(t.Flaechenanteile[1].Name, "dritter");
    t.FlaechenanteilLoeschen(2);
    t.FlaechenanteilLoeschen(-1);
    EXPECT_EQ(t.Flaechenanteile.GetItemsInContainer(), 2u);
    EXPECT_EQ(t.GetIndexPBauteil(0), -1);
    t.PBauteilListe.Add(TTypNummer{0, 7});
    EXPECT_EQ(t.GetIndexPBauteil(7), 0);
}

TEST(BauteilTyp, MoistureChainCollectsTheCrossSectionResults) {
    TRBauteil t = typ(0, 0, 0.3);
    anteil(t, 0, 0.3);
    t.Flaechenanteile[0].FeuchteErfuellt = 1;
    t.Flaechenanteile[1].FeuchteErfuellt = 0;
    t.FeuchteBerechnen(0);
    EXPECT_EQ(t.FeuchteErfuellt, 0);
    t.Flaechenanteile[1].FeuchteErfuellt = 1;
    t.FeuchteBerechnen(0);
    EXPECT_EQ(t.FeuchteErfuellt, 1);
}

TEST(BauteilTyp, ImageRoundTripAndRefusal) {
    TRBauteil t = typ(3, 3, 0.25);
    t.Name = "Dach über Wohnraum";
    t.Nummer = 4;
    t.Merker2 = 0xAB;
    t.Wert1 = 1.25;
    t.k_max_DIN_Tab2 = 0.77;
    t.Textliste.Add(TTextString{1, "Sparren 8/16"});
    t.PBauteilListe.Add(TTypNummer{0, 9}); // stored kind is replaced on reading
    ByteWriter w;
    t.Speichern(w);
    const ByteImage b(w.Bytes().data(), w.Size());
    EXPECT_EQ(b.U16(0), 1);
    EXPECT_EQ(b.U16(2), 1);
    EXPECT_EQ(b.U16(4), 1);
    EXPECT_EQ(b.Text(6 + 12, 30), "Dach über Wohnraum");
    EXPECT_EQ(b.U16(6 + 42), 4);
    EXPECT_EQ(b.U16(6 + 66), 3);
    EXPECT_EQ(b.F64(6 + 70), 0.13);
    EXPECT_EQ(b.Text(6 + 86 + 112, 50), "Randbedingungen nach DIN 4108 Teil 3");
    EXPECT_EQ(b.U8(6 + 430), 0xAB);
    EXPECT_EQ(b.U16(6 + 431), 2);
    EXPECT_EQ(b.F64(6 + 435), 1.25);
    EXPECT_EQ(b.F64(6 + 449), 0.77);

    ByteReader r(w.Bytes());
    TRBauteil k;
    ASSERT_EQ(k.Oeffnen(r), 0);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(k.Name, t.Name);
    ASSERT_EQ(k.PBauteilListe.GetItemsInContainer(), 1u);
    EXPECT_EQ(k.PBauteilListe[0].Typ, 3);
    EXPECT_EQ(k.PBauteilListe[0].Nummer, 9);
    ByteWriter w2;
    k.Speichern(w2);
    EXPECT_EQ(w2.Size(), w.Size());

    ByteReader leer(std::span<const uint8_t>{});
    EXPECT_EQ(k.Oeffnen(leer), 1);
    for (size_t n = 2; n < w.Size(); ++n) {
        ByteReader kurz(std::span(w.Bytes().data(), n));
        EXPECT_EQ(k.Oeffnen(kurz), -1) << n;
    }
    // (457 + 6 + cross-section) × 1.2; without cross-sections 463 × 1.2 = 555.6.
    EXPECT_EQ(TRBauteil().Speicherbedarf(), 555);
}

TEST(BauteilTyp, PlacementsWithStaleKindsReadBackSortedByNumber) {
    TRBauteil t = typ(3, 3, 0.25);
    t.PBauteilListe.Add(TTypNummer{0, 9});
    t.PBauteilListe.Add(TTypNummer{7, 2});
    t.PBauteilListe.Add(TTypNummer{3, 5});
    ByteWriter w;
    t.Speichern(w);
    ByteReader r(w.Bytes());
    TRBauteil k;
    ASSERT_EQ(k.Oeffnen(r), 0);
    std::vector<int> nummern;
    for (const TTypNummer& p : k.PBauteilListe) {
        EXPECT_EQ(p.Typ, 3);
        nummern.push_back(p.Nummer);
    }
    EXPECT_EQ(nummern, (std::vector<int>{2, 5, 9}));
}

TEST(BauteilTyp, CopiesAreDeep) {
    TRBauteil t = typ(0, 0, 0.3);
    t.Nummer = 2;
    t.Textliste.Add(TTextString{0, "a"});
    TRBauteil k = t;
    EXPECT_EQ(k.Flaechenanteile.GetItemsInContainer(), 1u);
    EXPECT_NE(&k.Flaechenanteile[0], &t.Flaechenanteile[0]);
    EXPECT_EQ(k.Textliste[0].Text, "a");
    EXPECT_TRUE(k == t);
    k = k; // self-assignment changes nothing
    EXPECT_EQ(k.Flaechenanteile.GetItemsInContainer(), 1u);
    // Order: numbered types by kind, then number; catalogue records by key.
    TRBauteil a = typ(1, 0, 0.3), b = typ(0, 0, 0.3);
    a.Nummer = 1;
    b.Nummer = 5;
    EXPECT_TRUE(b < a);
}

// The project's climate taken over by a type: the outside temperature of the
// condensation period follows what the type borders on, roofs dry at the
// roof value, and the type keeps its own proof settings.
TEST(BauteilTyp, TakesTheProjectClimateOfItsSituation) {
    TKlima projekt;
    projekt.ThetaE = -12;
    projekt.KlimaWert1 = 6; // unheated rooms
    projekt.KlimaWert2 = 9; // ground
    projekt.ThetaOberflaeche_V = 11;
    projekt.PhiI = 0.55;
    projekt.Titel = "Projektklima";
    struct Fall {
        uint16_t art, angrenzung;
        double thetaE, oberflaeche;
    };
    const Fall faelle[] = {
        {0, 0, -12, 11}, {0, 1, -12, 11}, {3, 2, -12, 20}, {4, 4, 9, 11},   {4, 5, 9, 11},
        {6, 6, 9, 11},   {4, 7, 6, 11},   {6, 9, 6, 11},   {5, 8, -12, 11},
    };
    for (const Fall& f : faelle) {
        TRBauteil t = typ(f.art, f.angrenzung, 0.3);
        t.Klima.KlimaMerker1 = 2;
        t.Klima.AussenluftVerdunstung = 1;
        t.Klima.Zusatztext = "eigener Kommentar";
        t.KlimaUebernehmen(projekt, 20);
        EXPECT_DOUBLE_EQ(t.Klima.ThetaE, f.thetaE) << f.art << "/" << f.angrenzung;
        EXPECT_DOUBLE_EQ(t.Klima.ThetaOberflaeche_V, f.oberflaeche) << f.art << "/" << f.angrenzung;
        EXPECT_DOUBLE_EQ(t.Klima.PhiI, 0.55);
        EXPECT_EQ(t.Klima.Titel, "Projektklima");
        EXPECT_EQ(t.Klima.KlimaMerker1, 2);
        EXPECT_EQ(t.Klima.AussenluftVerdunstung, 1);
        EXPECT_EQ(t.Klima.Zusatztext, "eigener Kommentar");
    }
}

TEST(BauteilTyp, ASituationBringsItsSurfaceResistances) {
    const double erwartet[10][2] = {{0.13, 0.04}, {0.13, 0.08}, {0.13, 0.04}, {0.13, 0.08},
                                    {0.17, 0},    {0.17, 0.17}, {0.13, 0},    {0.17, 0.17},
                                    {0.17, 0.04}, {0.13, 0.13}};
    for (uint16_t s = 0; s < 10; ++s) {
        TRBauteil t;
        t.UebergangSetzen(s);
        EXPECT_EQ(t.Angrenzung, s);
        EXPECT_DOUBLE_EQ(t.Rsi, erwartet[s][0]) << s;
        EXPECT_DOUBLE_EQ(t.Rse, erwartet[s][1]) << s;
    }
    TRBauteil t;
    t.UebergangSetzen(7);
    t.UebergangSetzen(10); // no such situation: nothing changes
    EXPECT_EQ(t.Angrenzung, 7);
    EXPECT_DOUBLE_EQ(t.Rse, 0.17);
}

} // namespace
