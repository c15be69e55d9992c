// Project files of versions "2.00" and "1.00": windows move out of the
// components into facades of their own, components are renumbered, areas
// get their formulas, variants get their own copies of shared components,
// and the converted file is saved and read back.
#include "altwandler/Version2.h"
#include "AltDateien.h"
#include "AltFelderFrueh.h"
#include "AltPruefen.h"
#include "altwandler/ProjektKonvertierung.h"
#include "altwandler/TConvert_InV2.h"
#include "altwandler/TConvert_InV3.h"
#include "altwandler/Version1.h"
#include "altwandler/Version3.h"
#include "hilfsmittel/Calculator.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

using namespace altdatei;

namespace {

constexpr int16_t kWand = kTypArt1;

std::vector<std::string> zeilen(const TDimVolumen& v) {
    std::vector<std::string> r;
    for (const TTextString& t : v.Formelliste) r.push_back(t.Text);
    return r;
}

// The formula lines give the entry's value in the area calculator.
void formelPruefen(const TDimVolumen& v) {
    std::string text;
    for (const TTextString& t : v.Formelliste) text += t.Text + "\n";
    TCalculator rechner;
    EXPECT_DOUBLE_EQ(rechner.Calculate(text, 0), v.Wert) << text;
    EXPECT_EQ(rechner.GetError(nullptr, nullptr), 0) << text;
}

TProjektVersion3* hauptprojekt(TGesamtProjektVersion3& g) {
    for (const auto& p : g.Projekte)
        if (p->Bild.Text(0, 30) != "Variante 2") return p.get();
    return nullptr;
}

// The version-3 main project of the version-2 fixture, or (without side
// lengths, which version 1 did not store) of the version-1 fixture.
void version3Pruefen(TProjektVersion3& p, bool mitSeiten) {
    // Type codes: 3 becomes 4, 0 stays 0, 9 becomes 1.
    ASSERT_EQ(p.Bauteile.size(), 3u);
    EXPECT_EQ(p.BauteilNr(kTyp)->Bauteilart(), 4);
    EXPECT_EQ(p.BauteilNr(kWand)->Bauteilart(), 0);
    EXPECT_EQ(p.BauteilNr(2)->Bauteilart(), 1);
    EXPECT_EQ(p.Bild.I16(34), kWand + 1); // next number
    EXPECT_EQ(p.Bild.I16(32), 2);         // windows

    // The pool holds the components without windows; the wall with its
    // windows is a facade of its own.
    ASSERT_EQ(p.Fassaden.size(), 2u);
    EXPECT_EQ(p.Fassaden[0]->Bild.Text(2, 30), "Bauteil-Pool");
    EXPECT_EQ(p.Fassaden[0]->Bild.I16(40), 0);
    EXPECT_EQ(p.Fassaden[0]->Eintraege, (std::vector<TTypNummer>{{1, 2}, {4, kTyp}}));
    EXPECT_EQ(p.Fassaden[1]->Bild.Text(2, 30), "Fassade 1");
    EXPECT_EQ(p.Fassaden[1]->Nummer(), 1);
    EXPECT_EQ(p.Fassaden[1]->Bild.I16(40), 1);
    EXPECT_EQ(p.Fassaden[1]->Eintraege, (std::vector<TTypNummer>{{0, kWand}, {10, 0}, {10, 1}}));

    // Area entries with their formulas.
    const auto& boden = p.BauteilNr(kTyp)->Volumina;
    ASSERT_EQ(boden.GetItemsInContainer(), 1u);
    EXPECT_EQ(boden[0].Name, "Fläche 1");
    EXPECT_EQ(boden[0].Wert, 10.0);
    EXPECT_EQ(boden[0].Formelmodus, 1);
    EXPECT_EQ(zeilen(boden[0]),
              (std::vector<std::string>{"Gesamtflaeche = 12", "Fensterflaechen = 2",
                                        "Gesamtflaeche - Fensterflaechen"}));
    const auto& wand = p.BauteilNr(kWand)->Volumina;
    const auto& licht = p.BauteilNr(2)->Volumina;
    if (mitSeiten) {
        EXPECT_EQ(zeilen(wand[0]),
                  (std::vector<std::string>{"a = 5", "b = 4", "Fensterflaechen = 5",
                                            "a * b - Fensterflaechen"}));
        EXPECT_EQ(zeilen(licht[0]), (std::vector<std::string>{"a = 2", "b = 3", "a * b"}));
        formelPruefen(licht[0]);
    } else {
        EXPECT_EQ(zeilen(wand[0]),
                  (std::vector<std::string>{"Gesamtflaeche = 20", "Fensterflaechen = 5",
                                            "Gesamtflaeche - Fensterflaechen"}));
        EXPECT_TRUE(licht[0].Formelliste.IsEmpty());
        EXPECT_EQ(licht[0].Wert, 6.0);
    }
    for (const auto* v : {&boden[0], &wand[0]}) formelPruefen(*v);

    // Windows: kind 5 is fully shaded, kind 4 lies flat. (The fixture's
    // project counts every window as west, so the proof made both kind 2.)
    ASSERT_EQ(p.Fenster.size(), 2u);
    const ByteImage& w0 = p.FensterNr(0)->Bild;
    const ByteImage& w1 = p.FensterNr(1)->Bild;
    EXPECT_EQ(w0.Text(42, 30), "Fenster links");
    EXPECT_EQ(w0.F64(425), 100.0);
    EXPECT_EQ(w1.F64(417), 0.0);
    EXPECT_EQ(w0.I16(100), 1);    // single glazing
    EXPECT_EQ(w0.F64(108), 15.0); // frame share of glazing kind 1
    EXPECT_EQ(w0.I16(132), 1);
    EXPECT_EQ(w0.I16(371), 6); // lowered by one above 5
    const auto& fl = p.FensterNr(0)->Volumina;
    EXPECT_EQ(zeilen(fl[0]), (std::vector<std::string>{"a = 1.25", "b = 2", "a * b"}));
    formelPruefen(fl[0]);
    EXPECT_TRUE(p.FensterNr(1)->Volumina[0].Formelliste.IsEmpty());
}

} // namespace

TEST(Version2, ComponentsWindowsAndAreasReachVersion3) {
    testsupport::ScriptedServices services;
    TGesamtProjektVersion2 alt;
    ASSERT_EQ(alt.Lesen(Version2Datei()), 0);
    ASSERT_EQ(alt.Projekte.size(), 2u);
    // The variant names the main project's wall; the number 99 names nothing.
    const TProjektVersion2& variante = *alt.Projekte[1];
    ASSERT_EQ(variante.Eintraege.size(), 1u);
    EXPECT_EQ(variante.Eintraege[0].Bauteil, alt.Projekte[0]->BauteilNr(kWand));

    TGesamtProjektVersion3 v3;
    ASSERT_EQ(TConvert_InV3("/prog/").ConvertGesamtProjekt(&v3, &alt), 0);
    TProjektVersion3* haupt = hauptprojekt(v3);
    ASSERT_NE(haupt, nullptr);
    version3Pruefen(*haupt, true);
    // The climate's two humidities change places and the title is empty.
    const ByteImage& k = alt.Projekte[0]->Bild;
    EXPECT_EQ(haupt->Bild.F64(84 + 48), k.F64(76 + 56));
    EXPECT_EQ(haupt->Bild.F64(84 + 56), k.F64(76 + 48));
    EXPECT_EQ(haupt->Bild.Text(84 + 88, 50), "");
    ASSERT_EQ(haupt->Volumina.GetItemsInContainer(), 1u);
    EXPECT_EQ(haupt->Volumina[0].Name, "Volumen 1");
    EXPECT_EQ(haupt->Volumina[0].Wert, k.F64(610));

    // The variant converts its own copy of the shared wall, with its windows.
    const TProjektVersion3& v = *v3.Projekte[1];
    ASSERT_EQ(v.Bauteile.size(), 1u);
    EXPECT_NE(v.Bauteile[0].get(), haupt->BauteilNr(kWand));
    EXPECT_EQ(v.Bauteile[0]->Nummer(), kWand);
    EXPECT_EQ(v.Fenster.size(), 2u);
    EXPECT_EQ(v.Fassaden.size(), 2u);
}

TEST(Version2, WindowKindsFiveAndFourBecomeShadedNorthAndFlat) {
    TFensterVersion1_2 alt;
    TConvert_InV3 schritt("/prog/");
    for (auto [art, neu, neigung, verschattung] :
         {std::tuple{5, 0, 90.0, 100.0}, std::tuple{4, 4, 0.0, 0.0}, std::tuple{1, 1, 90.0, 0.0}}) {
        SCOPED_TRACE(art);
        alt.Bild.SetI16(339, int16_t(art));
        TFensterVersion3 f;
        schritt.ConvertFenster(&f, &alt);
        EXPECT_EQ(f.Bild.I16(415), neu);
        EXPECT_EQ(f.Bild.F64(417), neigung);
        EXPECT_EQ(f.Bild.F64(425), verschattung);
    }
}

TEST(Version2, TypeCodesAreRenumbered) {
    const std::pair<int16_t, int16_t> faelle[] = {{0, 0}, {1, 2}, {5, 6}, {8, 9}, {9, 1}};
    for (auto [alt, neu] : faelle) EXPECT_EQ(TConvert_InV3::Bauteiltyp(alt), neu) << alt;
}

TEST(Version2, ConvertedFileIsSavedAndReadsBackFieldByField) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "zwei.pro";
    const auto original = Version2Datei();
    Schreiben(datei, original);
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    EXPECT_NE(services.Messages().Calls()[0].text.find("in der Version 2.0 vor."),
              std::string::npos);
    EXPECT_EQ(Lesen(dir / "zwei.BAK"), original);
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.Oeffnen(datei), 0);
    ASSERT_EQ(g.Projekte.GetItemsInContainer(), 2u);
    TProjekt& p = ErsteVariante(g);
    FelderPruefen(p, Variante2(), kSaatVariante);
    FelderPruefen(*p.RBauteilNr(kTyp), Typ2(), kSaatTyp);
    EXPECT_EQ(p.RBauteile.GetItemsInContainer(), 3u);
    EXPECT_EQ(p.PFenster.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Fassaden[1].Name, "Fassade 1");
    EXPECT_EQ(p.RBauteilNr(kTyp)->Flaechenanteile[0].Schichten.GetItemsInContainer(), 2u);
}

TEST(Version1, TheOneProjectBecomesTheMainProjectOfVersion2) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "eins.pro";
    Schreiben(datei, Version1Datei());
    TGesamtProjektVersion2 v2;
    ASSERT_EQ(TConvert_InV2("/prog/").ConvertGesamtProjekt(&v2, datei), 0);
    ASSERT_EQ(v2.Projekte.size(), 1u);
    EXPECT_EQ(v2.AktuellesProjekt, v2.Projekte[0].get());
    EXPECT_EQ(v2.Bild.I16(80), 3);
    const TProjektVersion2& p = *v2.Projekte[0];
    EXPECT_FALSE(p.IstVariante());
    EXPECT_EQ(p.Nummer(), 0);
    EXPECT_EQ(p.Bild.Text(0, 30), "Standardprojekt");
    EXPECT_EQ(p.Bild.F64(164), 20.0);
    ASSERT_EQ(p.Eintraege.size(), 3u);
    for (const auto& e : p.Eintraege) EXPECT_EQ(e.Art, 0);
    // Type codes stay as they were; the key is unset.
    EXPECT_EQ(p.BauteilNr(2)->Bauteilart(), 9);
    EXPECT_EQ(p.BauteilNr(kTyp)->Bild.I16(0), -1);
    EXPECT_EQ(p.Textliste1.GetItemsInContainer(), 2u);

    TGesamtProjektVersion3 v3;
    TConvert_InV3("/prog/").ConvertGesamtProjekt(&v3, &v2);
    version3Pruefen(*v3.Projekte[0], false);
}

TEST(Version1, ConvertedFileIsSavedAndReadsBackFieldByField) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "eins.pro";
    const auto original = Version1Datei();
    Schreiben(datei, original);
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    EXPECT_EQ(Lesen(dir / "eins.BAK"), original);
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.Oeffnen(datei), 0);
    ASSERT_EQ(g.Projekte.GetItemsInContainer(), 1u);
    TProjekt& p = g.Projekte[0];
    EXPECT_EQ(p.Name, "Standardprojekt");
    FelderPruefen(p, Variante1(), kSaatVariante);
    FelderPruefen(*p.RBauteilNr(kTyp), Typ1(), kSaatTyp);
    EXPECT_EQ(p.Fassaden[1].Name, "Fassade 1");
}
