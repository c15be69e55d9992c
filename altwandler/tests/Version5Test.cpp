// Version "5.00" project files: where every field lands in the current
// model, the new fields, links and lists, and the saved file read back.
#include "altwandler/Version5.h"
#include "AltDateien.h"
#include "AltPruefen.h"
#include "altwandler/ProjektKonvertierung.h"
#include "altwandler/Sicherungskopie.h"
#include "altwandler/TConvert_InV6.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

using namespace altdatei;

namespace {

void umgewandeltPruefen(TProjekt& p) {
    FelderPruefen(p, Variante5(), kSaatVariante);
    ASSERT_EQ(p.RBauteile.GetItemsInContainer(), 1u);
    ASSERT_EQ(p.PBauteile.GetItemsInContainer(), 1u);
    FelderPruefen(p.RBauteile[0], Typ5(), kSaatTyp);
    FelderPruefen(p.PBauteile[0], Platziert(), kSaatPlatziert);
    EXPECT_EQ(p.Ort.Name, "Bremen");
    EXPECT_EQ(p.Ort.Gradtagzahl, 3746.0);
    EXPECT_EQ(p.Heizsystem.Name, "Gaskessel");
    EXPECT_EQ(p.Heizsystem.Wirkungsgrad, 87.5);
    EXPECT_EQ(p.Warmwasser.LiterProTag, 120.0);
}

} // namespace

TEST(Version5, EveryFieldLandsInItsCurrentFieldAndNewFieldsTakeTheirDefaults) {
    testsupport::ScriptedServices services; // no report expected
    TGesamtProjektVersion5 alt;
    ASSERT_EQ(alt.Lesen(Version5Datei()), 0);
    ASSERT_EQ(alt.Projekte.size(), 2u);
    EXPECT_EQ(alt.AktuellesProjekt, alt.Projekte[0].get());
    TGesamtProjekt neu("/tmp");
    ASSERT_EQ(TConvert_InV6("/prog/", "/x/alt.pro").ConvertGesamtProjekt(&neu, &alt), 0);
    ASSERT_EQ(neu.Projekte.GetItemsInContainer(), 2u);
    TProjekt& p = ErsteVariante(neu);
    umgewandeltPruefen(p);
    NeuBerechnetPruefen(p);

    // Only in the current layout: the constructor's values, whatever the file held.
    EXPECT_EQ(p.ZielwertStatus, 0);
    EXPECT_EQ(p.Q_H_Nutzflaeche, 0.0);
    EXPECT_EQ(p.ZielwertPruefen, 0);
    EXPECT_EQ(p.Zielwert, 15.0);
    const TRBauteil& t = p.RBauteile[0];
    EXPECT_EQ(t.Merker2, 0);
    EXPECT_EQ(t.k_max_DIN_Tab2, -1.0);

    // Links are made in the new variant, never taken over.
    EXPECT_EQ(p.PBauteile[0].RBauteil, &p.RBauteile[0]);
    ASSERT_EQ(p.PFenster.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.PFenster[0].RFenster, &p.RFenster[0]);
    // The number list: the type (kind 4) and the window type (kind 10).
    ASSERT_EQ(p.Typnummern.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Typnummern[0], (TTypNummer{4, kTyp}));
    EXPECT_EQ(p.Typnummern[1], (TTypNummer{10, kFensterTyp}));
    // The placement kind comes from the type, not from the file.
    ASSERT_EQ(t.PBauteilListe.GetItemsInContainer(), 1u);
    EXPECT_EQ(t.PBauteilListe[0], (TTypNummer{4, kPlatziert}));
    // The cross-section was computed: 200 mm of concrete, λ = 2.1 W/(mK),
    // Rsi 0.17 and Rse 0.05 m²K/W from the type: R = 0.17 + 0.2/2.1 + 0.05
    // = 0.315238 m²K/W, U = 3.1722 W/(m²K) (hand calculation).
    ASSERT_EQ(t.Flaechenanteile.GetItemsInContainer(), 1u);
    EXPECT_NEAR(t.Flaechenanteile[0].k_Wert, 3.1722, 5e-4);
    EXPECT_NEAR(t.k_m, 3.1722, 5e-4);

    // The empty second variant converts to empty lists.
    const TProjekt& leer = neu.Projekte[0];
    EXPECT_EQ(leer.Name, "Variante 2");
    EXPECT_TRUE(leer.RBauteile.IsEmpty());
    EXPECT_TRUE(leer.Fassaden.IsEmpty());
}

TEST(Version5, ConvertedProjectIsSavedUnderItsNameAndReadsBackByMeaning) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "alt.pro";
    const auto original = Version5Datei();
    Schreiben(datei, original);
    services.Messages().Answer(IDYES); // convert
    services.Messages().Answer(IDOK);  // backup notice
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    const auto& fragen = services.Messages().Calls();
    ASSERT_EQ(fragen.size(), 2u);
    EXPECT_EQ(fragen[0].text,
              "KORVALIN benötigt die Projekt-Datei in der Version 6.0.\nDie Projekt-Datei liegt in "
              "der Version 5.0 vor. Wollen Sie die Datei jetzt konvertieren?");
    EXPECT_EQ(fragen[0].caption, "Projekt-Datei öffnen");
    EXPECT_EQ(fragen[1].text,
              "Eine Sicherungskopie der Projekt-Datei wird unter alt.BAK gespeichert!");
    EXPECT_EQ(Lesen(dir / "alt.BAK"), original);

    const auto neu = Lesen(datei);
    ASSERT_GE(neu.size(), 84u);
    EXPECT_EQ(std::string(neu.begin() + 80, neu.begin() + 84), "6.00");
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.Oeffnen(datei), 0);
    ASSERT_EQ(g.Projekte.GetItemsInContainer(), 2u);
    TProjekt& p = ErsteVariante(g);
    umgewandeltPruefen(p);
    EXPECT_EQ(p.PBauteile[0].RBauteil, &p.RBauteile[0]);
    EXPECT_EQ(p.PBauteile[0].Flaechenliste[0].Name, "Wandfläche");
    EXPECT_EQ(p.PBauteile[0].Einbauten[0], (TTypNummer{10, kFenster}));
    EXPECT_EQ(p.RFenster[0].Name, "Holzfenster");
    EXPECT_EQ(p.PFenster[0].Name, "Fenster Süd");
    EXPECT_EQ(p.Fassaden[0].Name, "Südfassade");
    EXPECT_EQ(p.Fassaden[0].Elemente.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Volumina[0].Wert, 450.0);
    ASSERT_EQ(p.Textliste1.GetItemsInContainer(), 2u);
    ASSERT_EQ(p.Textliste2.GetItemsInContainer(), 1u);
    ASSERT_EQ(p.RBauteile[0].Textliste.GetItemsInContainer(), 2u);
    ASSERT_EQ(p.RBauteile[0].Flaechenanteile[0].Schichten.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.RBauteile[0].Flaechenanteile[0].Schichten[0].Name, "Beton");
}

TEST(Version5, TextLinesKeepTheirBytesThroughConversionAndSave) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "zeilen.pro";
    Schreiben(datei, Version5Datei());
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    const auto neu = Lesen(datei);
    const std::string bytes(neu.begin(), neu.end());
    for (const char* z : kZeilen) EXPECT_NE(bytes.find(TextZeile(z)), std::string::npos) << z;
}
