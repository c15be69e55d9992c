// The ASCII export of the example house against its golden file, and the
// CAD import of transfer files beside a saved project.
#include "korvalin/shell/Export.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"

namespace {

using shelltest::Projektbefehle;
using testsupport::ReadText;
using testsupport::WriteText;
namespace fs = std::filesystem;

const fs::path kHier = KORVALIN_TEST_DIR;

struct Export : Projektbefehle {
    void SetUp() override {
        Projektbefehle::SetUp();
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", ordner() / "beispiel.pro");
        oeffnen(ordner() / "beispiel.pro");
        ASSERT_NE(projekt(), nullptr);
    }
    fs::path ausgabe() const { return ordner() / "beispiel.TXT"; }
};

TEST_F(Export, TheExampleHouseMatchesItsGoldenFile) {
    services.Dialogs().Expect([](TDialog& d) {
        EXPECT_EQ(d.GetCaption(), "ASCII-Export");
        // Nothing chosen by the command: every part is offered.
        for (int id = 101; id <= 105; ++id) EXPECT_EQ(d.Item<TCheckBox>(id)->GetCheck(), 1u);
        d.Item<TCheckBox>(108)->Check();
        d.SendMessage(WM_COMMAND, IDOK, 0);
    });
    meldungen().Answer(IDOK);
    befehl(CM_EXPORT);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text, "Daten wurden im File beispiel.TXT gespeichert");
    EXPECT_EQ(meldungen().Calls()[0].caption, "Export");
    const fs::path golden = kHier / "golden" / "beispiel.TXT";
    if (!fs::exists(golden)) {
        fs::copy_file(ausgabe(), golden);
        FAIL() << "golden file written: " << golden;
    }
    EXPECT_EQ(ReadText(ausgabe()), ReadText(golden));
}

TEST_F(Export, CancelWritesNothingAndAnExistingFileIsAskedFor) {
    services.Dialogs().Expect([](TDialog& d) { d.SendMessage(WM_COMMAND, IDCANCEL, 0); });
    befehl(CM_EXPORT);
    EXPECT_FALSE(fs::exists(ausgabe()));
    EXPECT_TRUE(meldungen().Calls().empty());

    WriteText(ausgabe(), "alt");
    services.Dialogs().Expect([](TDialog& d) { d.SendMessage(WM_COMMAND, IDOK, 0); });
    meldungen().Answer(IDCANCEL);
    befehl(CM_EXPORT);
    EXPECT_EQ(ReadText(ausgabe()), "alt");
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    EXPECT_EQ(meldungen().Calls()[0].text, "Projekt-ASCII-Datei überschreiben?");

    // A failed write is told and leaves the old file.
    services.Dialogs().Expect([](TDialog& d) { d.SendMessage(WM_COMMAND, IDOK, 0); });
    meldungen().Answer(IDOK);
    meldungen().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Rename);
    befehl(CM_EXPORT);
    EXPECT_EQ(ReadText(ausgabe()), "alt");
    ASSERT_EQ(meldungen().Calls().size(), 3u);
    EXPECT_EQ(meldungen().Calls()[2].text, "Fehler beim Speichern der Daten aufgetreten");
}

TEST(ExportText, OptionsChooseThePartsAndTheNumberFormat) {
    TGesamtProjekt g(fs::path("/tmp"));
    auto p = std::make_unique<TProjekt>();
    p->Name = "Variante; eins";
    p->V = 1234.5;
    g.ProjektHinzufuegen(std::move(p));
    g.PfadSetzen("/tmp/haus.pro");
    TExportStruct o;
    o.Projektdaten = 1;
    o.Dezimalkomma = 1;
    o.Tabulator = 1;
    const std::string text = ExportText(g, ExportTypNamen(), o);
    EXPECT_NE(text.find("Variante\t0\tVariante  eins\r\n[Projektdaten]\r\n"), std::string::npos);
    // "Beheiztes Bauwerksvolumen V", 1234,50, m³ in Windows-1252.
    EXPECT_NE(text.find("\t1234,50\tm\xB3\r\n"), std::string::npos);
    EXPECT_EQ(text.find("[Hüllflächen]"), std::string::npos);
    EXPECT_EQ(ExportDateiName(g), fs::path("/tmp/haus.TXT"));
}

struct CadImport : Projektbefehle {
    void SetUp() override {
        Projektbefehle::SetUp();
        oeffnen(gespeichertesProjekt());
        ASSERT_NE(projekt(), nullptr);
        fassaden = v().Fassaden.GetItemsInContainer();
    }
    TProjekt& v() const { return *projekt()->AktuellesProjekt; }
    void importieren(const char* fixture) {
        if (fixture) fs::copy_file(kHier / "cad" / fixture, ordner() / "divarod.txt");
        meldungen().Answer(IDYES);
        meldungen().Answer(IDOK);
        befehl(CM_CAD_IMPORT);
    }
    std::string letzteMeldung() { return meldungen().Calls().back().text; }
    size_t fassaden = 0;
};

TEST_F(CadImport, OnlyWindowsKeepTheirFacadeAndMarkTheProjectChanged) {
    importieren("fenster.txt");
    EXPECT_EQ(letzteMeldung(), "CAD-Bauteile wurden erfolgreich importiert.");
    ASSERT_EQ(v().Fassaden.GetItemsInContainer(), fassaden + 1);
    const TFassade& neu = v().Fassaden[fassaden];
    EXPECT_EQ(neu.Name, "Neue CAD-Bauteile");
    EXPECT_EQ(neu.Elemente.GetItemsInContainer(), 2u);
    EXPECT_EQ(v().PFenster.GetItemsInContainer(), 2u);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(status()[2], "Geändert");
    // The envelope tree shows the new facade.
    bool gezeigt = false;
    for (const auto& z : baeume()) gezeigt |= z.find("Neue CAD-Bauteile") != std::string::npos;
    EXPECT_TRUE(gezeigt);
}

TEST_F(CadImport, AnEmptyFileLeavesNoFacadeAndNoChange) {
    importieren("leer.txt");
    EXPECT_EQ(letzteMeldung(), "CAD-Bauteile wurden erfolgreich importiert.");
    EXPECT_EQ(v().Fassaden.GetItemsInContainer(), fassaden);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
}

TEST_F(CadImport, ALineWithIdentifierZeroIsToldAndWhatCameBeforeStays) {
    importieren("kennung0.txt");
    EXPECT_EQ(meldungen().Calls().back().caption, "CAD-Daten importieren");
    EXPECT_EQ(letzteMeldung(),
              "Fehler in der CAD-TransferDatei, das Lesen wurde abgebrochen:\nZeile 3: Die Zeile "
              "hat keine gültige Kennung; das Lesen wurde abgebrochen.\nDie Zeilen davor wurden "
              "übernommen.");
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(v().PBauteile.GetItemsInContainer(), 1u);
    EXPECT_EQ(v().PFenster.GetItemsInContainer(), 1u);
    EXPECT_EQ(v().Fassaden.GetItemsInContainer(), fassaden + 1);
}

TEST_F(CadImport, AMissingFileIsToldAndNoLeavesEverything) {
    meldungen().Answer(IDNO);
    befehl(CM_CAD_IMPORT);
    EXPECT_EQ(meldungen().Calls().size(), 1u);
    importieren(nullptr);
    EXPECT_EQ(letzteMeldung(), "CAD-TransferDatei konnte nicht geöffnet werden");
    EXPECT_EQ(v().Fassaden.GetItemsInContainer(), fassaden);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
}

} // namespace
