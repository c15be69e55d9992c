// Version "4.00" project files: the step to version 5 and on to the current
// model, field by field, the merge of kind 1 into kind 0, the repaired
// facade lists, and the saved file read back.
#include "altwandler/Version4.h"
#include "AltDateien.h"
#include "AltPruefen.h"
#include "altwandler/ProjektKonvertierung.h"
#include "altwandler/TConvert_InV5.h"
#include "altwandler/TConvert_InV6.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

using namespace altdatei;

namespace {

void umgewandeltPruefen(TProjekt& p) {
    FelderPruefen(p, Variante4(), kSaatVariante);
    // New in version 5: the second climate value, and the fields that
    // version 4 did not have keep their defaults.
    EXPECT_EQ(p.Klima.KlimaWert2, 10.0);
    EXPECT_EQ(p.Klima.KlimaMerker2, 0);
    EXPECT_EQ(p.Klima.OberflaecheDreifachRsi, 1);
    EXPECT_EQ(p.Q_I_Vorgabe, 0.0); // the version-4 bytes 750..757 are not carried
    EXPECT_EQ(p.Temperatur.InnenWinter, 20.0);
    EXPECT_EQ(p.Ort.Name, "Nach Wärmeschutzverordnung");
    EXPECT_EQ(p.Zielwert, 15.0);

    ASSERT_EQ(p.RBauteile.GetItemsInContainer(), 2u);
    const TRBauteil* a = p.RBauteilNr(kTyp);
    const TRBauteil* b = p.RBauteilNr(kTypArt1);
    ASSERT_TRUE(a && b);
    FelderPruefen(*a, Typ4(), kSaatTyp);
    EXPECT_EQ(a->Klima.KlimaWert2, 10.0);
    EXPECT_EQ(a->Umkehrdach, 0);
    EXPECT_EQ(a->Merker3, 0); // ground floor
    EXPECT_EQ(a->Wandvariante, 1);
    // Kind 1 became kind 0 (outer wall): switch 2, and its placed component
    // is listed in the facade under kind 0.
    EXPECT_EQ(b->Bauteilart, 0);
    EXPECT_EQ(b->Merker3, 2);
    EXPECT_EQ(b->PBauteilListe[0], (TTypNummer{0, kPlatziertArt1}));

    ASSERT_EQ(p.PBauteile.GetItemsInContainer(), 2u);
    const TPBauteil* pa = p.PBauteilNr(kPlatziert);
    ASSERT_NE(pa, nullptr);
    FelderPruefen(*pa, Platziert(), kSaatPlatziert);
    EXPECT_EQ(pa->RBauteil, a);
    EXPECT_EQ(p.PBauteilNr(kPlatziertArt1)->RBauteil, b);

    // The facade of version 4 missed the placed component of kind 4; kind 1
    // is now kind 0.
    ASSERT_EQ(p.Fassaden.GetItemsInContainer(), 1u);
    const TTypNummerListe& el = p.Fassaden[0].Elemente;
    EXPECT_EQ(el.GetItemsInContainer(), 3u);
    EXPECT_GE(TypNummerIndex(el, {0, kPlatziertArt1}), 0);
    EXPECT_GE(TypNummerIndex(el, {4, kPlatziert}), 0);
    EXPECT_GE(TypNummerIndex(el, {10, kFenster}), 0);
    EXPECT_LT(TypNummerIndex(el, {1, kPlatziertArt1}), 0);
}

} // namespace

TEST(Version4, SingleLayerComponentLayersAndMaterialLandInTheCurrentRecords) {
    testsupport::ScriptedServices services;
    TGesamtProjektVersion4 alt;
    ASSERT_EQ(alt.Lesen(Version4Datei()), 0);
    TEinfachBauteilVersion4& e4 = *alt.Projekte[0]->RBauteile[0]->Flaechenanteile[0];
    ASSERT_EQ(e4.Schichten.size(), 2u);
    TEinfachBauteil e;
    TConvert_InV5 schritt("/prog/");
    schritt.ConvertEinfachBauteil(&e, &e4);

    FelderPruefen(e, Einfach4(), kSaatEinfach);
    FelderPruefen(e.Aussenoberflaeche, Schicht4(), kSaatEigeneSchicht);
    ASSERT_EQ(e.Schichten.GetItemsInContainer(), 2u);
    FelderPruefen(e.Schichten[0], Schicht4(), kSaatSchicht);
    EXPECT_EQ(e.Schichten[1].Nummer, 1);
    ASSERT_EQ(e.Schichten[0].Textliste.GetItemsInContainer(), 1u);
    EXPECT_TRUE(e.Schichten[1].Textliste.IsEmpty());
    // Group 5 (insulation) presets 1500 J/(kg·K); the summer temperatures and
    // the periodic values are new and keep their defaults.
    EXPECT_EQ(e.Schichten[0].Waermekapazitaet, 1500.0);
    EXPECT_EQ(e.Schichten[0].ThetaVerlauf[0], 0.0);
    EXPECT_EQ(e.Schichten[0].Speicherart, 2);
    EXPECT_EQ(e.ThetaSi, -1.0);
    // The 216-byte dew-point block moves whole from 698 to 788.
    ByteImage bild(TEinfachBauteil::kImageSize);
    e.WriteImage(bild, 0);
    for (size_t i = 0; i < 27; ++i) EXPECT_EQ(bild.F64(788 + 8 * i), 0.5 + double(i)) << i;
}

TEST(Version4, ConvertsThroughVersion5WithMergedKindsAndRepairedFacades) {
    testsupport::ScriptedServices services;
    TGesamtProjektVersion4 alt;
    ASSERT_EQ(alt.Lesen(Version4Datei()), 0);
    TGesamtProjektVersion5 mitte;
    ASSERT_EQ(TConvert_InV5("/prog/").ConvertGesamtProjekt(&mitte, &alt), 0);
    EXPECT_EQ(mitte.Bild.Text(0, 80), kDateiname);
    EXPECT_EQ(mitte.Bild.U16(80), 0); // the 16-bit value is not carried
    TGesamtProjekt neu("/tmp");
    ASSERT_EQ(TConvert_InV6("/prog/", "/x/alt.pro").ConvertGesamtProjekt(&neu, &mitte), 0);
    ASSERT_EQ(neu.Projekte.GetItemsInContainer(), 2u);
    umgewandeltPruefen(ErsteVariante(neu));
    NeuBerechnetPruefen(ErsteVariante(neu));
}

TEST(Version4, ConvertedProjectIsSavedAndReadsBackByMeaning) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "vier.pro";
    const auto original = Version4Datei();
    Schreiben(datei, original);
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    EXPECT_NE(services.Messages().Calls()[0].text.find("in der Version 4.0 vor."),
              std::string::npos);
    EXPECT_EQ(Lesen(dir / "vier.BAK"), original);
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.Oeffnen(datei), 0);
    TProjekt& p = ErsteVariante(g);
    umgewandeltPruefen(p);
    const TEinfachBauteil& e = p.RBauteilNr(kTyp)->Flaechenanteile[0];
    EXPECT_EQ(e.Name, "Feld 3000");
    EXPECT_EQ(e.Schichten.GetItemsInContainer(), 2u);
    EXPECT_EQ(e.Schichten[0].Name, "Feld 5005");
}

TEST(Version4, BrokenConsistencyIsReportedAndTheConversionGoesOn) {
    testsupport::ScriptedServices services;
    auto bytes = Version4Datei();
    TGesamtProjektVersion4 sauber;
    ASSERT_EQ(sauber.Lesen(bytes), 0);
    // A negative saturation pressure in the first layer of the component type.
    const TSchichtVersion4& s = *sauber.Projekte[0]->RBauteile[0]->Flaechenanteile[0]->Schichten[0];
    const std::string b(bytes.begin(), bytes.end());
    const std::string bild(s.Bild.Data(), s.Bild.Data() + s.Bild.Size());
    const size_t at = b.find(bild);
    ASSERT_NE(at, std::string::npos);
    ByteImage neg(8);
    neg.SetF64(0, -1.0);
    std::copy(neg.Data(), neg.Data() + 8, bytes.begin() + long(at + 358));
    services.Messages().Answer(IDIGNORE);
    TGesamtProjektVersion4 alt;
    ASSERT_EQ(alt.Lesen(bytes), 0);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Assert-Box");
    EXPECT_EQ(services.Messages().Calls()[0].text.rfind("assertion failed! File: conv5 Zeile: ", 0),
              0u);
}
