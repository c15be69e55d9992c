// The window sheet's tables: the envelope comparison, the reference window and
// the project window, with their edge values and laid-out heights.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRFenster.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace datenblatt_test;

namespace {

struct Fensterblatt : ::testing::Test {
    void SetUp() override {
        SetSPRINTFCharacters('.', ',');
        auto p = std::make_unique<TProjekt>();
        p->Projektangaben = {"Haus am Hang", "Bergweg 3", "Talheim"};
        p->A_Bauteile = 300;
        p->A_Fenster = 100;
        p->Q_T = 20000;
        p->Q_S = 4000;
        auto f = std::make_unique<TFassade>();
        f->Nummer = 0;
        f->Name = "Süd";
        f->IstFassade = 1;
        p->Fassaden.Add(std::move(f));
        auto t = std::make_unique<TRFenster>();
        t->Name = "Holzfenster";
        t->Zusatzname = "IV 68";
        t->Nummer = 0;
        t->g = 0.6;
        t->k_F = 1.8;
        typ = &p->RFenster.Add(std::move(t));
        for (uint16_t nr : {1, 2}) {
            auto pf = std::make_unique<TPFenster>();
            pf->Nummer = nr;
            pf->Name = "F" + std::to_string(nr);
            pf->Zusatztext = "K" + std::to_string(nr);
            pf->RFenster = typ;
            pf->Nettoflaeche = 10 * nr;
            pf->Q_T = 1000 * nr;
            pf->Q_S_angerechnet = 200 * nr;
            pf->FassadenNummer = 0;
            pf->Orientierung = 1;
            pf->z_fest = 0.5;
            pf->z_bew = 1.0;
            typ->PFensterListe.Add(TTypNummer{10, int16_t(nr)});
            p->PFenster.Add(std::move(pf));
        }
        projekt = &g.ProjektHinzufuegen(std::move(p));
        b.Gesamtprojekt = &g;
        b.Block.Abschnitt = b.AktuellerAbschnitt = 5;
    }
    std::vector<Zellentext> malen(void (TDatenblattBasis::*f)(TDC&, TRFenster*, TPFenster*, int),
                                  TPFenster* pf = nullptr, int* hoehe = nullptr) {
        TRecordingDC layout;
        (b.*f)(layout, typ, pf, 0);
        if (hoehe) *hoehe = b.Block.Hoehe;
        EXPECT_TRUE(testsupport::PageDump(layout.Calls()).empty());
        dc = std::make_unique<TRecordingDC>();
        (b.*f)(*dc, typ, pf, 1);
        return Zellentexte(*dc, b.Block.Oben);
    }
    static bool hat(const std::vector<Zellentext>& t, int zeile, const std::string& text) {
        return std::any_of(t.begin(), t.end(),
                           [&](const Zellentext& c) { return c.zeile == zeile && c.text == text; });
    }
    TColor farbeVon(const std::string& text) const {
        for (const TDrawCall& c : dc->CallsOf(TDrawKind::DrawText))
            if (c.text == text) return c.textColor;
        return TColor(1, 2, 3);
    }
    TGesamtProjekt g{"/tmp"};
    TProjekt* projekt = nullptr;
    TRFenster* typ = nullptr;
    TestBlatt b;
    std::unique_ptr<TRecordingDC> dc;
};

} // namespace

TEST_F(Fensterblatt, HuelleVergleichtMitDenZugeordnetenFenstern) {
    int hoehe = 0;
    const auto t = malen(&TDatenblattBasis::FensterHuelleTabelle, nullptr, &hoehe);
    EXPECT_EQ(hoehe, 209);
    EXPECT_EQ(b.Block.Hoehe, 209);
    EXPECT_TRUE(hat(t, 0, " Haus am Hang"));
    EXPECT_TRUE(hat(t, 2, " Holzfenster"));
    EXPECT_TRUE(hat(t, 2, " IV 68"));
    // The comparison table starts under the heading's four rows.
    EXPECT_TRUE(hat(t, 4 + 2, " Fläche A "));
    EXPECT_TRUE(hat(t, 4 + 2, " 400,00 "));
    EXPECT_TRUE(hat(t, 4 + 2, " 30,00 "));
    EXPECT_TRUE(hat(t, 4 + 2, "7,50 ")) << "30 of 400 m²";
    EXPECT_TRUE(hat(t, 4 + 3, "30,00 ")) << "30 of 100 m² of windows";
    EXPECT_TRUE(hat(t, 4 + 4, "15,00 "));
    EXPECT_TRUE(hat(t, 4 + 5, "15,00 "));
}

TEST_F(Fensterblatt, BauteilverfahrenPrueftDenKWertGegen1_8) {
    projekt->Baumassnahme = 2;
    for (double kF : {1.8, 1.81}) {
        typ->k_F = kF;
        const auto t = malen(&TDatenblattBasis::FensterHuelleTabelle);
        EXPECT_TRUE(hat(t, 4 + 2, " Fläche  "));
        EXPECT_TRUE(hat(t, 4 + 3, " 30,00 "));
        EXPECT_FALSE(hat(t, 4 + 2, " 400,00 "));
        const std::string k = QTX_format("%s%3.2lf%s", " k = ", kF, " W/m²K ");
        EXPECT_TRUE(hat(t, 4 + 6, k));
        EXPECT_EQ(farbeVon(k), kF > 1.8 ? b.Texte().Farbe(Textstil::Warnung) : TColor::Black);
    }
    // Without normal inside temperatures no solar gains are compared.
    projekt->Baumassnahme = 0;
    projekt->NormaleInnentemperatur = 0;
    EXPECT_FALSE(hat(malen(&TDatenblattBasis::FensterHuelleTabelle), 4 + 5, " 600,00 "));
}

TEST_F(Fensterblatt, ReferenzfensterMitRahmengruppe) {
    int hoehe = 0;
    auto t = malen(&TDatenblattBasis::ReferenzFensterTabelle, nullptr, &hoehe);
    EXPECT_EQ(hoehe, 133);
    EXPECT_EQ(b.Block.Hoehe, 6 * 19);
    EXPECT_TRUE(hat(t, 2, " 0,60 "));
    EXPECT_TRUE(hat(t, 4, " -- ")) << "k_V without glass and frame";
    EXPECT_TRUE(hat(t, 4, " 1,80 "));
    EXPECT_TRUE(hat(t, 5, " -- ")) << "k_R without glass and frame";
    typ->Merker11 = 1;
    typ->Merker9 = 3;
    t = malen(&TDatenblattBasis::ReferenzFensterTabelle);
    EXPECT_TRUE(hat(t, 5, " 2.3 "));
    EXPECT_EQ(dc->CallsOf(TDrawKind::TextOut).size(), 1u);
}

// Single glazing with low interior temperatures counts with 5.2 W/(m²K):
// the reference table and the radiator check show the value the facade
// rows and the proof use, and the type keeps its own.
TEST_F(Fensterblatt, EinfachverglasungZeigtUeberallDenRechenwert) {
    typ->Einfachverglasung = 1;
    typ->k_F = 4.8;
    struct Fall {
        uint16_t normal;
        const char* kWert;
    };
    const Fall faelle[] = {{0, " 5,20 "}, {1, " 4,80 "}};
    for (const Fall& f : faelle) {
        projekt->NormaleInnentemperatur = f.normal;
        EXPECT_TRUE(hat(malen(&TDatenblattBasis::ReferenzFensterTabelle), 4, f.kWert)) << f.normal;
        TRecordingDC box;
        b.HeizkoerperFensterPruefung(box, typ, nullptr, 1);
        const auto texte = box.CallsOf(TDrawKind::DrawText);
        ASSERT_FALSE(texte.empty());
        const std::string vorhanden = std::string("Vorhanden             :") + f.kWert;
        EXPECT_NE(texte.back().text.find(vorhanden), std::string::npos) << texte.back().text;
    }
    EXPECT_EQ(typ->k_F, 4.8);
}

// The irradiation printed is the one the window's Q_S took: a south window
// tilted under 15° takes 275, not its orientation's 400.
TEST_F(Fensterblatt, ProjektfensterStrahlungUndVerschattung) {
    TPFenster& pf = projekt->PFenster[0];
    struct Fall {
        uint16_t orientierung;
        double verschattung, neigung;
        const char* strahlung;
        const char* prozent;
        double I;
    };
    const Fall faelle[] = {
        {1, 0.6, 90, " 160  ", " 60,0 ", 160},  {1, 0.5, 90, " 400  ", " 50,0 ", 400},
        {1, 0.25, 90, " 400  ", " 25,0 ", 400}, {1, 0.0, 14.9, " 275  ", " 0,0 ", 275},
        {1, 0.0, 15, " 400  ", " 0,0 ", 400},   {0, 0.0, 10, " 275  ", " 0,0 ", 275},
        {1, 0.6, 10, " 160  ", " 60,0 ", 160},  {4, 0.0, 90, " 275  ", " 0,0 ", 275}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.strahlung + std::to_string(f.neigung));
        pf.Orientierung = f.orientierung;
        pf.Verschattung = f.verschattung;
        pf.Neigung = f.neigung;
        pf.Berechnen(0, 1, 0, 0, 2);
        EXPECT_NEAR(pf.Q_S_angerechnet, f.I * 0.46 * typ->g * pf.Nettoflaeche, 1e-9);
        int hoehe = 0;
        const auto t = malen(&TDatenblattBasis::ProjektFensterTabelle, &pf, &hoehe);
        EXPECT_EQ(hoehe, 171);
        EXPECT_TRUE(hat(t, 4, f.strahlung)) << f.verschattung;
        EXPECT_TRUE(hat(t, 5, f.prozent));
        EXPECT_TRUE(hat(t, 8, " 0,30 ")) << "g 0.6 * 0.5 * 1.0";
        EXPECT_TRUE(hat(t, 0, "  Fassade:    Süd"));
    }
    // A facade number beyond the list leaves the facade blank.
    pf.FassadenNummer = 7;
    EXPECT_TRUE(hat(malen(&TDatenblattBasis::ProjektFensterTabelle, &pf), 0, "  Fassade:    "));
}
