// Page frame, header and footer of the data sheets, and the expansion of the
// header's field tokens.
#include "DatenblattFixture.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/KopfzeileData.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "platform/gdi/ImageDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace datenblatt_test;

namespace {
std::tm datum(int jahr, int monat, int tag) {
    std::tm t{};
    t.tm_year = jahr - 1900;
    t.tm_mon = monat - 1;
    t.tm_mday = tag;
    t.tm_hour = 12;
    std::mktime(&t); // fills in the weekday
    return t;
}

// Runs with the C locale, whose names are English.
class CLocale : public ::testing::Test {
protected:
    void SetUp() override {
        alt_ = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "C");
    }
    void TearDown() override { std::setlocale(LC_ALL, alt_.c_str()); }

private:
    std::string alt_;
};
} // namespace

TEST(DatenblattKopfzeile, SeitenformateMitErsterSeitennummer) {
    struct Fall {
        int format, seite, seitenzahl, erste;
        const char* text;
    };
    const Fall faelle[] = {
        {0, 1, 3, 1, "Seite 1"},
        {1, 2, 3, 1, "S. 2"},
        {2, 3, 3, 1, "3"},
        {3, 2, 4, 5, "Seite 6 von 8"},
        {3, 2, 5, 1, "Seite 2 von 5"},
        {3, 2, 5, 11, "Seite 12 von 15"},
        {4, 1, 10, 1, "Seite 1/10"},
        {4, 3, 3, 0, "Seite 2/2"},
        {9, 1, 1, 1, "Seite 1"}, // an unknown format counts as 0
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(SeitenText(f.format, f.seite, f.seitenzahl, f.erste), f.text) << f.format;
}

TEST_F(CLocale, DeutscheDatumsnamenUnabhaengigVomProzessLocale) {
    struct Fall {
        int format;
        std::tm t;
        const char* text;
    };
    const Fall faelle[] = {
        {0, datum(1990, 1, 1), "01. 01. 90"},
        {1, datum(1990, 1, 1), "01. Jan. 1990"},
        {2, datum(1990, 1, 1), "01. Januar 1990"},
        {3, datum(1990, 1, 1), "Mo., 01. Januar 1990"},
        {4, datum(1990, 1, 1), "01. 01. 1990"},
        {2, datum(2026, 3, 4), "04. März 2026"},
        {1, datum(2026, 3, 4), "04. Mär. 2026"},
        {3, datum(2026, 12, 27), "So., 27. Dezember 2026"},
        {1, datum(2000, 10, 31), "31. Okt. 2000"},
        {0, datum(2005, 5, 9), "09. 05. 05"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(DatumText(f.format, f.t), f.text);
}

TEST_F(CLocale, FelderWerdenInEinemDurchgangErsetzt) {
    TKopfzeileData d;
    d.Seitenformat = 3;
    d.Datumsformat = 2;
    d.DateiDatumformat = 1;
    TKopfzeilenAngaben a;
    a.Seite = 2;
    a.Seitenzahl = 4;
    a.ErsteSeite = 1;
    a.Heute = datum(1990, 1, 1);
    a.Datei = "haus";
    a.Projekt = "Haus &[Datum] &[P-Datum]"; // a value is not searched again
    a.ProjektDatum = datum(2024, 2, 29);
    struct Fall {
        const char* text;
        bool vorlage;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"Stand &[Datum]", false, "Stand 01. Januar 1990"},
        {"&[Seite] - &[Seite]", false, "Seite 2 von 4 - &[Seite]"},
        {"&[Projekt]", false, "Haus &[Datum] &[P-Datum]"},
        {"&[Datei] vom &[P-Datum]", false, "haus vom 29. Feb. 2024"},
        {"&[Datei]|&[Projekt]|&[P-Datum]|&[Seite]|&[Datum]", true,
         "|||Seite 2 von 4|01. Januar 1990"},
        {"&[Seite", false, "&[Seite"},
        {"", false, ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(KopfzeilenTextErsetzen(f.text, a, d, f.vorlage), f.erwartet) << f.text;
    // A project file that could not be opened leaves its date empty.
    a.ProjektDatum.reset();
    EXPECT_EQ(KopfzeilenTextErsetzen("[&[P-Datum]]", a, d, false), "[]");
}

namespace {
// The header's and footer's texts drawn on a page of a sheet of the given kind.
std::vector<TDrawCall> kopfUndFuss(TestBlatt& b, int aktuelleSeite) {
    b.SeitenLayout().Kopfzeile = 1;
    b.SeitenLayout().Fusszeile = 1;
    b.SeitenLayout().Seitenumrandung = 0;
    b.Kopfzeilendaten.Texte = {"L", "&[Seite]", "R", "FL", "FM", "FR"};
    b.AktuelleSeite = aktuelleSeite;
    b.Seitenzahl = 3;
    b.KopfzeilenDatenSetzen();
    b.KopfzeilenTexteSetzen(true);
    // The first block of the page opens it.
    b.Vorgaenger.Seite = aktuelleSeite;
    b.Block.Seite = aktuelleSeite + 1;
    b.Block.Nummer = 5;
    TRecordingDC dc;
    b.SeitenRahmen(dc, 1);
    return dc.CallsOf(TDrawKind::DrawText);
}
} // namespace

TEST(DatenblattKopfzeile, KopfUndFusszeileStehenImKoerper) {
    TestBlatt b;
    b.Blattart = 3;
    const auto texte = kopfUndFuss(b, 1);
    ASSERT_EQ(texte.size(), 6u);
    EXPECT_EQ(texte[1].text, "Seite 2");
    // Header band: 10 in from the body's sides, 30 high at the body top.
    EXPECT_EQ(texte[0].logical[0], TPoint(40, 30));
    EXPECT_EQ(texte[2].logical[1], TPoint(851, 60));
    EXPECT_EQ(texte[0].flags, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX | DT_LEFT);
    EXPECT_EQ(texte[1].flags & DT_CENTER, DT_CENTER);
    // Footer band at the body bottom; its middle has no gap of 10.
    EXPECT_EQ(texte[3].logical[0], TPoint(40, 1200));
    EXPECT_EQ(texte[3].logical[1].x, texte[4].logical[0].x);
    EXPECT_EQ(texte[0].logical[1].x + 0, texte[1].logical[0].x);
}

TEST(DatenblattKopfzeile, TitelseitenOhneKopfUndFussAufDerErstenSeite) {
    for (int art : {0, 4}) {
        TestBlatt b;
        b.Blattart = art;
        EXPECT_TRUE(kopfUndFuss(b, 0).empty()) << art;
        EXPECT_EQ(kopfUndFuss(b, 1).size(), 6u) << art;
    }
    TestBlatt b;
    b.Blattart = 3;
    EXPECT_EQ(kopfUndFuss(b, 0).size(), 6u);
}

TEST(DatenblattKopfzeile, RahmenstileUmDenKoerper) {
    for (int stil : {0, 1, 2, 3}) {
        TestBlatt b;
        b.Rahmen().Rahmenart = stil;
        b.Rahmen().Farbe = TColor(0, 0, 255);
        b.Rahmen().Stiftdicke = 3;
        TRecordingDC dc;
        b.SeitenRandZeichnen(dc, true);
        const auto art = stil >= 2 ? TDrawKind::RoundRect : TDrawKind::Rectangle;
        const auto rahmen = dc.CallsOf(art);
        ASSERT_EQ(rahmen.size(), 1u) << stil;
        EXPECT_EQ(rahmen[0].logical[0], TPoint(30, 30));
        EXPECT_EQ(rahmen[0].pen, TPen(TColor(0, 0, 255), 3));
        EXPECT_TRUE(rahmen[0].currentBrush.IsHollow());
    }
    TestBlatt aus;
    aus.SeitenLayout().Seitenumrandung = 0;
    TRecordingDC dc;
    aus.SeitenRandZeichnen(dc, true);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(DatenblattKopfzeile, SeitenanzeigeInDerStatuszeile) {
    TestBlatt b;
    b.Seitenzahl = 7;
    b.Vorgaenger.Seite = 2;
    b.Block.Seite = 3;
    b.AktuelleSeite = 2;
    b.Block.Nummer = 9;
    TRecordingDC dc;
    b.SeitenRahmen(dc, 1);
    EXPECT_EQ(b.Statustext, "Seite 3           3 / 7");
}

TEST(DatenblattKopfzeile, BlattOhneProjektZeigtKeinenDateinamen) {
    TestBlatt b;
    b.Kopfzeilendaten.Texte[0] = "&[Datei]&[Projekt]&[P-Datum]";
    b.KopfzeilenDatenSetzen();
    b.KopfzeilenTexteSetzen(false);
    EXPECT_EQ(b.KopfzeilenTexte[0], "");
}

// "&[Projekt]" is the project's name, as the project header prints it, not
// the name of the variant.
TEST(DatenblattKopfzeile, ProjektfeldIstDerProjektname) {
    TGesamtProjekt g("/tmp");
    TProjekt& p = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    p.Name = "Variante mit WRG";
    p.Projektangaben[0] = "Wohnhaus Lindenweg";
    TestBlatt b;
    b.Gesamtprojekt = &g;
    b.Kopfzeilendaten.Texte[0] = "&[Projekt]";
    b.KopfzeilenDatenSetzen();
    b.KopfzeilenTexteSetzen(false);
    EXPECT_EQ(b.KopfzeilenTexte[0], "Wohnhaus Lindenweg");
}

namespace {
// A logo read from a small picture, on the first page only or on every page.
void logoSetzen(TestBlatt& b, const testsupport::TempDir& dir, int plazierung) {
    TImageDC bild(120, 40);
    bild.FillRect(TRect(0, 0, 120, 40), TBrush(TColor(0, 90, 160)));
    const auto datei = dir / "logo.png";
    bild.SavePng(datei);
    b.Logo().LogoInclude = 1;
    b.Logo().Plazierung = plazierung;
    b.SetFirmenLogo(std::make_unique<TFirmenLogo>(datei));
    ASSERT_TRUE(b.LogoGezeigt());
    ASSERT_GT(b.LogoHoehe(), 0);
}
} // namespace

TEST(DatenblattKopfzeile, KopfzeileUnterDemLogobandNurWoEsSteht) {
    testsupport::TempDir dir;
    TestBlatt b;
    b.Blattart = 3;
    logoSetzen(b, dir, 0);
    const auto erste = kopfUndFuss(b, 0);
    ASSERT_EQ(erste.size(), 6u);
    EXPECT_EQ(erste[0].logical[0].y, 30 + b.LogoHoehe());
    const auto zweite = kopfUndFuss(b, 1);
    ASSERT_EQ(zweite.size(), 6u);
    EXPECT_EQ(zweite[0].logical[0].y, 30);
    // On every page the header always lies under the band.
    logoSetzen(b, dir, 1);
    EXPECT_EQ(kopfUndFuss(b, 1).at(0).logical[0].y, 30 + b.LogoHoehe());
}

TEST(DatenblattKopfzeile, RahmenstilMitLogobandZeichnetZweiRahmen) {
    testsupport::TempDir dir;
    for (int stil : {1, 3}) {
        TestBlatt b;
        logoSetzen(b, dir, 1);
        b.Rahmen().Rahmenart = stil;
        TRecordingDC dc;
        b.SeitenRandZeichnen(dc, true);
        const auto rahmen = dc.CallsOf(stil == 3 ? TDrawKind::RoundRect : TDrawKind::Rectangle);
        ASSERT_EQ(rahmen.size(), 2u);
        EXPECT_EQ(rahmen[0].logical[1].y, 30 + b.LogoHoehe());
        EXPECT_EQ(rahmen[1].logical[0].y, 30 + b.LogoHoehe());
    }
}

TEST(DatenblattKopfzeile, ErsterBlockEinerSeiteUnterDemLogo) {
    testsupport::TempDir dir;
    TestBlatt b;
    logoSetzen(b, dir, 1);
    b.BlockInitialisieren(0);
    b.Vorgaenger.Seite = 1;
    b.NeueSeiteAnstehend = true;
    b.Block.Nummer = 6;
    b.BlockPositionieren();
    EXPECT_EQ(b.Block.Oben, 30 + 10 + 40 + b.LogoHoehe());
    EXPECT_EQ(b.Block.Seite, 2);
}
