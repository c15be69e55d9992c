// The project header table, the project data section and the title texts.
#include "DatenblattFixture.h"

#include "hilfsmittel/layout/AdressGroessen.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

#include <map>

using namespace datenblatt_test;

namespace {
struct MitProjekt : ::testing::Test {
    MitProjekt() {
        auto p = std::make_unique<TProjekt>();
        p->Projektangaben[0] = "Haus Sonnenhang";
        p->Projektangaben[1] = "Bergstraße 4";
        p->Projektangaben[2] = "Talheim";
        projekt = &g.ProjektHinzufuegen(std::move(p));
        b.Gesamtprojekt = &g;
        b.AktuellerAbschnitt = b.Block.Abschnitt = 1;
    }
    // Cell texts of the data section, painted: row -> column texts by x.
    std::map<int, std::vector<std::string>> abschnitt() {
        TRecordingDC dc;
        b.ProjektdatenAbschnitt(dc, 1);
        std::map<int, std::map<int, std::string>> zeilen;
        for (const Zellentext& z : Zellentexte(dc, b.Block.Oben)) zeilen[z.zeile][z.links] = z.text;
        std::map<int, std::vector<std::string>> aus;
        for (const auto& [zeile, spalten] : zeilen)
            for (const auto& [x, text] : spalten) aus[zeile].push_back(text);
        return aus;
    }
    TGesamtProjekt g{"/tmp"};
    TProjekt* projekt = nullptr;
    TestBlatt b;
};
} // namespace

TEST_F(MitProjekt, KopftabelleZeichnetNurAufIhrerSeite) {
    b.AktuellerAbschnitt = b.Block.Abschnitt = 3;
    for (int pass : {0, 1}) {
        for (int seite : {0, 1}) {
            b.AktuelleSeite = seite;
            TRecordingDC dc;
            b.ProjektKopfTabelle(dc, pass);
            EXPECT_EQ(b.Block.Hoehe, 38);
            const auto texte = Zellentexte(dc, b.Block.Oben);
            if (pass == 1 && seite == 0) {
                ASSERT_EQ(texte.size(), 3u);
                EXPECT_EQ(texte[0].text, " Haus Sonnenhang");
                EXPECT_EQ(texte[1].text, "Bergstraße 4");
                EXPECT_EQ(texte[2].text, "Talheim");
                EXPECT_EQ(dc.CallsOf(TDrawKind::FillRect).size(), 3u);
                EXPECT_EQ(dc.CallsOf(TDrawKind::LineTo).size(), 4u);
                // Column edges 40/30/30 of the body width 831.
                EXPECT_EQ(texte[1].links - texte[0].links, 323);
            } else {
                EXPECT_TRUE(texte.empty());
                EXPECT_TRUE(dc.CallsOf(TDrawKind::LineTo).empty());
            }
        }
    }
}

TEST(DatenblattProjektKopf, BlattOhneProjektLaesstDenKopfWeg) {
    TestBlatt b;
    TRecordingDC dc;
    b.Block.Hoehe = b.Block.InnenHoehe = 77;
    b.ProjektKopfTabelle(dc, 1);
    b.ProjektdatenAbschnitt(dc, 1);
    EXPECT_EQ(b.Block.Hoehe, 0);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST_F(MitProjekt, ProjektdatenNachMassnahmeUndMerkmalen) {
    projekt->Baumassnahme = 2;
    projekt->Gebaeudenutzung = 7;
    auto z = abschnitt();
    EXPECT_EQ(z[0], (std::vector<std::string>{" ", " Projekt: ", "Haus Sonnenhang", " ", " "}));
    EXPECT_EQ(z[2], (std::vector<std::string>{" ", " Maßnahme: ", " Einbau oder Ersatz ",
                                              " Gebäudetyp: ", " Betriebsgebäude"}));
    EXPECT_EQ(z[3][2], " von Außenbauteilen");
    EXPECT_EQ(z[4], (std::vector<std::string>(5, " ")));
    EXPECT_EQ(z[5][1], " Lüftungsanlage: ");
    EXPECT_EQ(z[5][2], " Keine");
    EXPECT_EQ(z[6][3], " ");
    EXPECT_EQ(b.Block.Hoehe, 7 * 19);

    // One mark beside the second measure line, three marks on rows 3 to 5.
    projekt->KleinesWohngebaeude = 1;
    z = abschnitt();
    EXPECT_EQ(z[3], (std::vector<std::string>{" ", " ", " von Außenbauteilen", " ",
                                              " Kleines Wohngebäude "}));
    EXPECT_EQ(z[4], (std::vector<std::string>(5, " ")));
    projekt->WestAnsatz = 1;
    projekt->MehrAlsZweiVollgeschosse = 1;
    z = abschnitt();
    EXPECT_EQ(z[4], (std::vector<std::string>{" ", " ", " ", " ", " Fertighaus "}));
    EXPECT_EQ(z[5][4], " Gebäude mit mehr als zwei Vollgeschossen");
    EXPECT_EQ(z[6], (std::vector<std::string>(5, " ")));
    EXPECT_EQ(b.Block.Hoehe, 9 * 19);
}

TEST_F(MitProjekt, LueftungUndKuehlungZweizeilig) {
    projekt->Lueftungsanlage = 3;
    projekt->Zusatzpruefung = 1;
    auto z = abschnitt();
    EXPECT_EQ(z[5], (std::vector<std::string>{" ", " Lüftungsanlage: ", " Mit elektrisch ",
                                              " Kühlung: ", " Unter Einsatz "}));
    EXPECT_EQ(z[6], (std::vector<std::string>{" ", " ", " angetriebener Wärmepumpe ", " ",
                                              " erneuerbarer Energien "}));
    // Values without a text give empty cells.
    projekt->Lueftungsanlage = 9;
    projekt->Gebaeudenutzung = 11;
    z = abschnitt();
    EXPECT_EQ(z[5][2], "");
    EXPECT_EQ(z[2][4], "");
}

TEST_F(MitProjekt, BeideOptionenGebenZwoelfZeilen) {
    projekt->UnterschreitungPruefen = 1;
    projekt->ZielwertPruefen = 1;
    TRecordingDC dc;
    b.ProjektdatenAbschnitt(dc, 0);
    EXPECT_EQ(b.Tabellenzeilen, 12);
    const auto z = abschnitt();
    EXPECT_EQ(z.at(3)[4], " Niedrigenergiehaus ");
    EXPECT_EQ(z.at(4)[4], " Passivhaus ");
}

TEST_F(MitProjekt, UntertitelNachMassnahmeUndNachweiswahl) {
    struct Fall {
        int massnahme, normal, klein;
        double v;
        bool z16, z7;
        const char* anfang; // the subtitle's distinctive part
    };
    const Fall faelle[] = {
        {0, 1, 0, 0, true, false, "Ziffer 1 und 6 Wärmeschutzverordnung "},
        {0, 1, 1, 300, true, true, " sowie "},
        {0, 1, 1, 0, true, true, "vereinfachtem"},
        {1, 1, 1, 0, false, true, "vereinfachtem"},
        {0, 1, 1, 0, true, false, "Ziffer 1 und 6 Wärmeschutzverordnung "},
        {2, 1, 0, 0, true, false, "Anlage 3"},
        {2, 0, 0, 0, true, false, "niedrigen Innentemperaturen"},
    };
    for (const Fall& f : faelle) {
        projekt->Baumassnahme = uint16_t(f.massnahme);
        projekt->NormaleInnentemperatur = uint16_t(f.normal);
        projekt->KleinesWohngebaeude = uint16_t(f.klein);
        projekt->V = f.v;
        b.EnergiebilanzGewaehlt = f.z16;
        b.KleineWohngebaeudeGewaehlt = f.z7;
        b.WaermeschutzUntertitelSetzen();
        EXPECT_NE(b.Titeltext.find(f.anfang), std::string::npos) << f.anfang;
    }
    b.EnergiebilanzGewaehlt = b.KleineWohngebaeudeGewaehlt = false;
    projekt->Baumassnahme = 0;
    projekt->NormaleInnentemperatur = 1;
    projekt->KleinesWohngebaeude = 1;
    b.WaermeschutzUntertitelSetzen();
    EXPECT_EQ(b.Titeltext, "");
}

TEST(DatenblattTitel, AufstellerUndSeitenumfang) {
    TestBlatt b;
    TRecordingDC dc;
    b.AufstellerTextSetzen(dc);
    EXPECT_EQ(b.Titeltext, "\n\n\n\n\n\n\n\n\n\n");
    b.Adresse().Zeile1 = "Ingenieurbüro Kern";
    b.Adresse().Zeile3 = "Talheim";
    b.AufstellerTextSetzen(dc);
    EXPECT_EQ(b.Titeltext, " \n aufgestellt von \n\n \nIngenieurbüro Kern\nTalheim\n\n\n\n\n");
    b.ErsteSeite = 3;
    b.Seitenzahl = 4;
    b.SeitenumfangSetzen();
    EXPECT_EQ(b.Titeltext, " Dieser Nachweis umfaßt die Seiten 3 - 6 ");
}

TEST(DatenblattTitel, TitelblockHatImLayoutpassSchonSeineHoehe) {
    TestBlatt b;
    b.FeuchteschutzTitelSetzen();
    TRecordingDC layout;
    b.TitelTextZeichnen(layout, b.Texte().Font(Textstil::Titel), TColor(200, 0, 0), 2, 0);
    const int hoehe = b.Block.Hoehe;
    TRect r(b.Block.Links, b.Block.Oben, b.Block.Rechts, b.Block.Oben);
    TRecordingDC mass;
    mass.SelectObject(b.Texte().Font(Textstil::Titel));
    mass.DrawText(b.Titeltext, r, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    EXPECT_EQ(hoehe, r.Height() + 14);
    EXPECT_TRUE(layout.CallsOf(TDrawKind::TextRun).empty());
    TRecordingDC malen;
    b.TitelTextZeichnen(malen, b.Texte().Font(Textstil::Titel), TColor(200, 0, 0), 2, 1);
    const auto laeufe = malen.CallsOf(TDrawKind::TextRun);
    ASSERT_FALSE(laeufe.empty());
    EXPECT_EQ(laeufe[0].textColor, TColor(200, 0, 0));
    EXPECT_EQ(malen.GetTextColor(), TColor::Black);
    EXPECT_EQ(b.Block.Hoehe, hoehe);
}
