// The quantities sheet's content: its title, the project header and the
// material table in slices of a page, laid out and painted as the page
// driver runs them.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/PageDump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace datenblatt_test;

namespace {
// The mass sheet's blocks: title, project header, one table per slice.
void massenblatt(TestBlatt& b, TDC& dc, int pass) {
    b.BlockNummer = 1;
    b.NeueSeiteAnstehend = false;
    if (pass == 0) {
        b.BlockInitialisieren(0);
        b.Seiten.assign(2, {1, 0});
    }
    b.Blattart = 3;
    b.AktuellerAbschnitt = 3;
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.MassenTitel(d, p); }, 0);
    Ausfuehren(
        b, dc, pass, [&](TDC& d, int p) { b.ProjektKopfTabelle(d, p); }, 1);
    const int proSeite = std::max(1, b.Koerper.Height() / 19 - 12);
    const int anzahl = int(b.Projekt()->Massenliste.GetItemsInContainer());
    for (int k = 0; k * proSeite < anzahl; ++k) {
        const int n = std::min(proSeite, anzahl - k * proSeite);
        Ausfuehren(
            b, dc, pass, [&](TDC& d, int p) { b.MassenTabelle(d, n, k * proSeite, p); }, 2,
            k > 0 ? Umbruch::Immer : Umbruch::Nie);
    }
    if (pass == 0) b.Seitenzahl = b.Bloecke.back().Seite;
}

std::unique_ptr<TGesamtProjekt> beispiel() {
    auto g = std::make_unique<TGesamtProjekt>("/tmp");
    EXPECT_EQ(g->Oeffnen(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro"), 0);
    g->AktuellesProjekt->Massenermittlung();
    return g;
}

struct Massenblatt : ::testing::Test {
    void SetUp() override { SetSPRINTFCharacters('.', ','); }
    TestBlatt b;
};
} // namespace

TEST_F(Massenblatt, SeiteDesBeispielprojektsGleichtIhrerVorlage) {
    const auto g = beispiel();
    ASSERT_GT(g->AktuellesProjekt->Massenliste.GetItemsInContainer(), 0u);
    b.Gesamtprojekt = g.get();
    TRecordingDC layout;
    massenblatt(b, layout, 0);
    EXPECT_EQ(b.Seitenzahl, 1);
    EXPECT_TRUE(testsupport::PageDump(layout.Calls()).empty()) << "the layout pass draws nothing";
    TRecordingDC seite;
    massenblatt(b, seite, 1);
    EXPECT_TRUE(testsupport::MatchesGolden(
        testsupport::PageDump(seite.Calls()),
        testsupport::GoldenPath("korvalin/tests/golden/datenblatt/massen_1.txt")));

    // A picture of the page for the reviewer.
    if (const char* ordner = std::getenv("KORVALIN_BILDER")) {
        TestBlatt bild;
        bild.Gesamtprojekt = g.get();
        TImageDC mass(891, 1260);
        massenblatt(bild, mass, 0);
        TImageDC dc(891, 1260);
        massenblatt(bild, dc, 1);
        dc.SavePng(std::filesystem::path(ordner) / "massen_1.png");
        // The same page with border, header and footer.
        bild.SeitenLayout().Kopfzeile = bild.SeitenLayout().Fusszeile = 1;
        bild.Rahmen().Rahmenart = 2;
        bild.Kopfzeilendaten.Texte = {
            "Stand &[Datum]", "Massenermittlung", "&[Seite]", "&[Datei]", "", "Seite &[Seite]"};
        bild.Kopfzeilendaten.Seitenformat = 3;
        bild.Kopfzeilendaten.Datumsformat = 3;
        bild.KopfzeilenDatenSetzen();
        bild.KopfzeilenTexteSetzen(false);
        TImageDC gerahmt(891, 1260);
        bild.SeitenRandZeichnen(gerahmt, true); // page 1's border comes from the sheet builder
        massenblatt(bild, gerahmt, 1);
        gerahmt.SavePng(std::filesystem::path(ordner) / "massen_1_rahmen.png");
    }
}

TEST_F(Massenblatt, LangeListeWiederholtDieKopfzeilenAufJederSeite) {
    TGesamtProjekt g("/tmp");
    auto p = std::make_unique<TProjekt>();
    for (int i = 0; i < 130; ++i) {
        auto s = std::make_unique<TBaustoffSumme>();
        char name[16];
        std::snprintf(name, sizeof name, "Stoff %03d", i);
        s->Name = name;
        s->Flaeche = i;
        s->Volumen = 0.5 * i;
        s->Masse = i == 129 ? 123456.0 : 10.0 * i;
        p->Massenliste.Add(std::move(s));
    }
    g.ProjektHinzufuegen(std::move(p));
    b.Gesamtprojekt = &g;
    TRecordingDC layout;
    massenblatt(b, layout, 0);
    // 1200 / 19 - 12 = 51 materials a page: 51, 51, 28.
    ASSERT_EQ(b.Seitenzahl, 3);
    std::vector<std::string> namen;
    for (int seite = 0; seite < 3; ++seite) {
        b.AktuelleSeite = seite;
        TRecordingDC dc;
        massenblatt(b, dc, 1);
        int koepfe = 0;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText)) {
            if (c.text == "  Baustoffbezeichnung ") ++koepfe;
            if (c.text.rfind(" Stoff", 0) == 0) namen.push_back(c.text);
            if (c.text.find("E+05") != std::string::npos) EXPECT_EQ(c.text, " 1,235E+05  ");
        }
        EXPECT_EQ(koepfe, 1) << "page " << seite + 1;
        EXPECT_EQ(dc.CallsOf(TDrawKind::TextRun).empty(), false);
    }
    ASSERT_EQ(namen.size(), 130u);
    EXPECT_EQ(namen.front(), " Stoff 000");
    EXPECT_EQ(namen[51], " Stoff 051");
    EXPECT_EQ(namen.back(), " Stoff 129");
    // Slices after the first start at the top of their page and end in the body.
    EXPECT_EQ(b.Bloecke[4].Oben, 80);
    for (const TBlock& blk : b.Bloecke) EXPECT_LE(blk.Unten, b.Koerper.bottom) << blk.Nummer;
}

TEST_F(Massenblatt, OhneMassenNurTitelUndProjektkopf) {
    TGesamtProjekt g("/tmp");
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    b.Gesamtprojekt = &g;
    TRecordingDC layout;
    massenblatt(b, layout, 0);
    EXPECT_EQ(b.Bloecke.size(), 3u);
    EXPECT_EQ(b.Seitenzahl, 1);
}

TEST_F(Massenblatt, ZeilenMitGrenzeUndDezimalzeichen) {
    TGesamtProjekt g("/tmp");
    auto p = std::make_unique<TProjekt>();
    auto s = std::make_unique<TBaustoffSumme>();
    s->Name = "Beton";
    s->Flaeche = 99999.99;
    s->Volumen = 12.5;
    s->Masse = 100000;
    p->Massenliste.Add(std::move(s));
    s = std::make_unique<TBaustoffSumme>();
    s->Name = "Kies";
    s->Flaeche = 1;
    s->Volumen = 1;
    s->Masse = 123456.7;
    p->Massenliste.Add(std::move(s));
    g.ProjektHinzufuegen(std::move(p));
    b.Gesamtprojekt = &g;
    b.AktuellerAbschnitt = b.Block.Abschnitt = 3;
    TRecordingDC dc;
    b.MassenTabelle(dc, 2, 0, 1);
    const auto texte = Zellentexte(dc, b.Block.Oben);
    ASSERT_EQ(texte.size(), 16u);
    EXPECT_EQ(texte[5].text, " [ m² ] ");
    EXPECT_EQ(texte[8].text, " Beton");
    EXPECT_EQ(texte[9].text, " 99.999,99  ");
    EXPECT_EQ(texte[10].text, " 12,50  ");
    EXPECT_EQ(texte[11].text, " 1E+05  ");
    // The exponent form with the decimal character, not a point.
    EXPECT_EQ(texte[15].text, " 1,235E+05  ");
    EXPECT_EQ(b.Block.Hoehe, 4 * 19);
}

TEST_F(Massenblatt, KopfUndFusszeileAufJederSeite) {
    const auto g = beispiel();
    b.Gesamtprojekt = g.get();
    b.SeitenLayout().Kopfzeile = b.SeitenLayout().Fusszeile = 1;
    b.Kopfzeilendaten.Texte = {"", "&[Seite]", "", "", "&[Datei]", ""};
    TRecordingDC layout;
    massenblatt(b, layout, 0);
    b.KopfzeilenDatenSetzen();
    b.KopfzeilenTexteSetzen(false);
    TRecordingDC dc;
    massenblatt(b, dc, 1);
    std::vector<std::string> texte;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText))
        if (c.text == "Seite 1" || c.text == "beispiel") texte.push_back(c.text);
    EXPECT_EQ(texte, (std::vector<std::string>{"Seite 1", "beispiel"})) << dc.Dump();
}
