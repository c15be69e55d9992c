// The tables of the proof by components, the verdict boxes of the component
// and window sheets at their limits, the requirement paragraphs' numbers,
// and the project title table.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/tests/WSchVOHaus.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace datenblatt_test;

namespace {

struct Verfahren : ::testing::Test {
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        g = wschvotest::Haus(ordner.Path());
        p = g->AktuellesProjekt;
        b.Gesamtprojekt = g.get();
        b.Block.Abschnitt = b.AktuellerAbschnitt = 8;
    }
    template <class F>
    std::vector<std::string> texte(F inhalt) {
        TRecordingDC dc;
        inhalt(dc, 0);
        inhalt(dc, 1);
        std::vector<std::string> aus;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
            if (!(c.flags & DT_CALCRECT)) aus.push_back(c.text);
        return aus;
    }
    // The paint pass's cell texts row by row (row index from the table's top).
    template <class F>
    std::vector<Zellentext> zellen(F inhalt) {
        TRecordingDC dc;
        inhalt(dc, 0);
        inhalt(dc, 1);
        return Zellentexte(dc, b.Zeilenkante(0));
    }
    testsupport::TempDir ordner;
    std::unique_ptr<TGesamtProjekt> g;
    TProjekt* p = nullptr;
    TestBlatt b;
};

// The component lists in parts of 40, each with its two header rows.
TEST_F(Verfahren, ListeInTeilenVonVierzig) {
    TFassade& f = p->Fassaden[0];
    while (p->PBauteile.GetItemsInContainer() < 95)
        wschvotest::Platzieren(*p, p->RBauteile[0], f, 1);
    wschvotest::Rechnen(*p);
    const int n = int(p->PBauteile.GetItemsInContainer());
    ASSERT_EQ(n, 95);
    std::vector<int> zeilenJeTeil;
    for (int erster = 0; erster < n; erster += 40) {
        const int anzahl = std::min(40, n - erster);
        const auto t =
            texte([&](TDC& dc, int q) { b.BauteilListeKleineWohngebaeude(dc, anzahl, erster, q); });
        EXPECT_EQ(std::count(t.begin(), t.end(), "Typ"), 1);
        EXPECT_EQ(std::count(t.begin(), t.end(), "[W/m²K]"), 2);
        zeilenJeTeil.push_back(
            int(std::count(t.begin(), t.end(), "ja") + std::count(t.begin(), t.end(), "nein")));
        EXPECT_EQ(b.Tabellenzeilen, 2 + anzahl);
    }
    EXPECT_EQ(zeilenJeTeil, (std::vector<int>{40, 40, 15}));
}

TEST_F(Verfahren, ZeilenDerKleinenWohngebaeudeUndDesBestands) {
    p->KleinesWohngebaeude = 1;
    for (TRBauteil& t : p->RBauteile) t.WSchVO(0, 1, 1);
    wschvotest::Rechnen(*p);
    // Anlage 1 Ziffer 7 Table 2: wall 0.40 within 0.50, floor 0.50 above 0.35.
    auto z = zellen([&](TDC& dc, int q) { b.BauteilListeKleineWohngebaeude(dc, 6, 0, q); });
    std::vector<std::string> erste, boden;
    for (const Zellentext& c : z) {
        if (c.zeile == 2) erste.push_back(c.text);
        if (c.zeile == 7) boden.push_back(c.text);
    }
    EXPECT_EQ(erste,
              (std::vector<std::string>{" Außenwand", " Außenwand KS", "0,40", "0,50", "ja"}));
    EXPECT_EQ(boden,
              (std::vector<std::string>{" Grundfläche", " Bodenplatte", "0,50", "0,35", "nein"}));

    // Existing buildings: a type without an Anlage 3 limit gets no row but
    // counts; a hardship case shows its mark.
    p->Baumassnahme = 2;
    for (TRBauteil& t : p->RBauteile) t.WSchVO(2, 1, 0);
    p->RBauteile[1].k_max_Anl3 = -1; // the roof
    p->RBauteile[2].Haertefall = 1;  // the floor
    b.Block.Abschnitt = b.AktuellerAbschnitt = 9;
    const auto t = texte([&](TDC& dc, int q) { b.BauteilListeBestand(dc, 6, 0, q); });
    EXPECT_EQ(std::count(t.begin(), t.end(), " Dach"), 0);
    EXPECT_EQ(std::count(t.begin(), t.end(), " Außenwand KS"), 4);
    EXPECT_EQ(std::count(t.begin(), t.end(), " Härtefall: §14 "), 1);
}

TEST_F(Verfahren, FenstergrenzenSindErfuellt) {
    // k_F exactly 1.8 and a mean k_eq of exactly 0.7 meet their limits.
    p->RFenster[0].k_F = 1.8;
    auto t = texte([&](TDC& dc, int q) { b.FensterListeBestand(dc, 5, 0, q); });
    EXPECT_EQ(std::count(t.begin(), t.end(), "ja"), 5);
    EXPECT_EQ(std::count(t.begin(), t.end(), " 1,8 "), 5);
    p->k_eq_F_m = 0.7;
    t = texte([&](TDC& dc, int q) { b.FensterZeileKleineWohngebaeude(dc, q); });
    EXPECT_EQ(t, (std::vector<std::string>{"Typ", "Name", "k_eq-Wert", "max. k_eq-Wert",
                                           "Anf. erfüllt", "-", "-", "[W/m²K]", "[W/m²K]", "-",
                                           " Fenster", " Alle Fenster", "0,70", " 0,7 ", "ja"}));
    p->k_eq_F_m = 0.7000001;
    t = texte([&](TDC& dc, int q) { b.FensterZeileKleineWohngebaeude(dc, q); });
    EXPECT_EQ(t.back(), "nein");
}

// The boxes fail only above their limits; the verdict's colour follows.
TEST_F(Verfahren, PruefboxenAnIhrenGrenzen) {
    TEinfachBauteil q;
    TRFenster typ;
    TPFenster fenster;
    struct Fall {
        const char* was;
        std::function<void(TDC&, int)> box;
        std::function<void(double)> setzen;
        double grenze;
    };
    const Fall faelle[] = {
        {"Flächenheizung", [&](TDC& dc, int s) { b.FlaechenheizungPruefung(dc, &q, s); },
         [&](double k) { q.k_Heizung = k; }, 0.35},
        {"Rolladenkasten", [&](TDC& dc, int s) { b.RolladenkastenPruefung(dc, &q, s); },
         [&](double k) { q.k_Wert = k; }, 0.6},
        {"Heizkörper", [&](TDC& dc, int s) { b.HeizkoerperFensterPruefung(dc, &typ, &fenster, s); },
         [&](double k) { typ.k_F = k; }, 1.5},
    };
    for (const Fall& f : faelle) {
        for (double k : {f.grenze, f.grenze + 0.001}) {
            f.setzen(k);
            TRecordingDC dc;
            f.box(dc, 1);
            const TDrawCall c = dc.CallsOf(TDrawKind::DrawText).back();
            const bool erfuellt = k <= f.grenze;
            EXPECT_NE(c.text.find(erfuellt ? " Erfüllt! " : " Nicht erfüllt! "), std::string::npos)
                << f.was << " " << k;
            EXPECT_EQ(c.textColor, erfuellt ? TColor::Black : TColor(255, 0, 0)) << f.was;
            EXPECT_EQ(dc.GetTextColor(), TColor::Black);
            // The limit with the decimal comma.
            EXPECT_NE(c.text.find(QTX_format(f.grenze == 1.5 ? "%2.1lf" : "%3.2lf", f.grenze)),
                      std::string::npos)
                << c.text;
        }
    }
}

TEST_F(Verfahren, AbsaetzeMitIhrenZahlen) {
    auto absatz = [&](void (TDatenblattBasis::*f)(TDC&, int)) {
        TRecordingDC dc;
        (b.*f)(dc, 1);
        return dc.CallsOf(TDrawKind::DrawText).back().text;
    };
    // The summer limits follow the decimal character as text.
    EXPECT_NE(absatz(&TDatenblattBasis::SommerlicherWaermeschutzAnforderung).find("Wert 0,25 "),
              std::string::npos);
    b.Zahlen().sDecimal = ".";
    EXPECT_NE(absatz(&TDatenblattBasis::SommerlicherWaermeschutzAnforderung).find("z <= 0.5 "),
              std::string::npos);
    EXPECT_NE(absatz(&TDatenblattBasis::FlaechenheizungAnforderung).find("Wert 0,35 W/(m²*K)"),
              std::string::npos);
    // 25 % below a permitted 20.0 kWh/(m³a) asks for 15.0.
    p->Unterschreitung = 25;
    p->Q2_H_max = 20.0;
    p->Q2_H = 14.0;
    p->UnterschreitungStatus = 1;
    const std::string ne = absatz(&TDatenblattBasis::NiedrigenergiehausAnforderung);
    EXPECT_NE(ne.find("25,0 % unter"), std::string::npos) << ne;
    EXPECT_NE(ne.find("14,0            <             15,0 "), std::string::npos) << ne;
    // Without a living area the passive-house paragraph says so, in black.
    p->ZielwertStatus = 3;
    TRecordingDC dc;
    b.PassivhausAnforderung(dc, 1);
    const TDrawCall c = dc.CallsOf(TDrawKind::DrawText).back();
    EXPECT_NE(c.text.find("keine Wohnfläche eingegeben"), std::string::npos);
    EXPECT_EQ(c.text.find("erforderlich"), std::string::npos);
    EXPECT_EQ(c.textColor, TColor::Black);
}

TEST_F(Verfahren, ProjekttitelblattZeilen) {
    p->Projektangaben[0] = "Haus Sonnenweg";
    p->Lueftungsanlage = 3;
    p->Zusatzpruefung = 1;
    struct Fall {
        int merkmale;
        int lueftungszeile;
    };
    for (const Fall f : {Fall{0, 8}, Fall{4, 12}, Fall{6, 13}}) {
        uint16_t* flags[6] = {
            &p->KleinesWohngebaeude,     &p->UnterschreitungPruefen,   &p->WestAnsatz,
            &p->ZweiGebaeudetrennwaende, &p->MehrAlsZweiVollgeschosse, nullptr};
        for (int i = 0; i < 5; ++i) *flags[i] = i < f.merkmale ? 1 : 0;
        p->ZielwertPruefen = f.merkmale == 6 ? 1 : 0;
        TRecordingDC dc;
        b.ProjektdatenTabelle(dc, 0);
        EXPECT_EQ(b.Block.Hoehe, 100 + 15 * 19);
        const int oben = b.Zeilenkante(0);
        b.ProjektdatenTabelle(dc, 1);
        int lueftung = -1, fortsetzung = -1, name = -1;
        for (const Zellentext& c : Zellentexte(dc, oben)) {
            if (c.text == " Lüftungsanlage: ") lueftung = c.zeile;
            if (c.text == " angetriebener Wärmepumpe ") fortsetzung = c.zeile;
            if (c.text == " Haus Sonnenweg") name = c.zeile;
        }
        EXPECT_EQ(name, 1);
        EXPECT_EQ(lueftung, f.lueftungszeile) << f.merkmale;
        EXPECT_EQ(fortsetzung, f.lueftungszeile + 1);
        EXPECT_LT(fortsetzung, 15) << "inside the table";
    }
}

} // namespace
