// The component catalogue window, the component choice and the component
// information over copies of the shipped catalogues.
#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/bauteil/TBauteilWahlDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/tests/KatalogBrowserFixture.h"
#include "platform/base/FileIO.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "testsupport/MenuInput.h"
#include "testsupport/TempDir.h"

namespace {

using katalogtest::Browser;
using testsupport::ProcessEvents;
using testsupport::ReadText;

struct Bauteilbrowser : Browser {
    TBauteilDatei& Katalog() { return *Kataloge().Bauteile(); }
    static std::vector<std::string> namen(TBauteilBasisDialog& d) {
        std::vector<std::string> n;
        for (int z = 0; z + 1 < d.Liste()->GetCount(); ++z)
            n.push_back(*d.Liste()->GetCellText(z, 0));
        return n;
    }
    static void zeileWaehlen(TBauteilBasisDialog& d, int zeile) {
        d.Liste()->SelectItem(zeile < 0 ? d.Liste()->GetCount() - 1 : zeile);
        d.AuswahlUebernehmen();
    }
    // A new entry in the user's catalogue, group "Außenwand", before `zeile`.
    void einfuegen(TBauteilDateiDialog& d, int zeile, const char* name) {
        zeileWaehlen(d, zeile);
        services.Input().Answer(std::string(name));
        services.Dialogs().Expect([](TDialog& t) { t.CmCancel(); }); // the type dialog
        d.Einfuegen();
        ProcessEvents();
    }
    void editorenSchliessen() {
        for (TWindow* w : std::vector<TWindow*>(app->Client()->Ansichten.BauteilEditoren)) {
            std::erase(app->Client()->Ansichten.BauteilEditoren, w);
            w->Destroy();
        }
    }
};

TEST_F(Bauteilbrowser, InsertRenumbersOpensTheEditorAndDeletingClosesIt) {
    std::filesystem::remove(verzeichnis / "bt_anw.dat");
    ASSERT_EQ(Katalog().Oeffnen(2), 0);
    auto& d = Bauteile();
    EXPECT_FALSE(d.GetDlgItem(TBauteilDateiDialog::IDC_EINFUEGEN)->IsWindowEnabled());
    klicken(d, TBauteilDateiDialog::IDC_ANWENDER);
    EXPECT_FALSE(d.GetDlgItem(TBauteilDateiDialog::IDC_EINFUEGEN)->IsWindowEnabled()); // "Alle"
    gruppe(d, 1);
    EXPECT_TRUE(d.GetDlgItem(TBauteilDateiDialog::IDC_EINFUEGEN)->IsWindowEnabled());

    for (const char* n : {"Wand A", "Wand B", "Wand C"}) {
        einfuegen(d, -1, n);
        editorenSchliessen();
    }
    einfuegen(d, 2, "Wand neu"); // before the third
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Wand A", "Wand B", "Wand neu", "Wand C"}));
    EXPECT_EQ(d.Zeilen()[2].Position, 2);
    EXPECT_EQ(d.Zeilen()[3].Position, 3);
    const TRBauteil* neu = d.Ausgewaehlt().at(0);
    EXPECT_EQ(neu->Name, "Wand neu");
    EXPECT_EQ(neu->Bauteilart, 0); // "Außenwand" is stored as kind 0
    ASSERT_EQ(app->Client()->Ansichten.BauteilEditoren.size(), 1u);
    EXPECT_EQ(services.Input().Calls().back().caption, "Bauteilname eingeben ");

    // Deleting the entry closes its editor first, without asking.
    services.Messages().Answer(IDOK);
    d.Loeschen();
    EXPECT_TRUE(app->Client()->Ansichten.BauteilEditoren.empty());
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Wand A", "Wand B", "Wand C"}));
    TBauteilDatei wieder(verzeichnis);
    ASSERT_EQ(wieder.Oeffnen(2), 0);
    EXPECT_EQ(wieder.Liste().GetItemsInContainer(), 3u);
}

TEST_F(Bauteilbrowser, RenameResortsAndAFailedWriteKeepsTheOldName) {
    std::filesystem::remove(verzeichnis / "bt_anw.dat");
    ASSERT_EQ(Katalog().Oeffnen(2), 0);
    auto& d = Bauteile();
    klicken(d, TBauteilDateiDialog::IDC_ANWENDER);
    gruppe(d, 1);
    for (const char* n : {"Ziegelwand", "Betonwand"}) {
        einfuegen(d, -1, n);
        editorenSchliessen();
    }
    klicken(d, TBauteilBasisDialog::IDC_ALPHABET);
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Betonwand", "Ziegelwand"}));
    // Behind the last row in alphabetical order is behind the highest position.
    zeileWaehlen(d, -1);
    EXPECT_TRUE(d.Ausgewaehlt().empty());
    EXPECT_EQ(d.AktuellerSchluessel.Position, 2);
    EXPECT_EQ(d.AktuellerSchluessel.Gruppe, 1);
    const std::string datei = ReadText(verzeichnis / "bt_anw.dat");

    zeileWaehlen(d, 1);
    services.Input().Answer(std::string("Außenwand Ziegel"));
    services.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Rename);
    d.Umbenennen();
    filefaults::Clear();
    EXPECT_EQ(Meldungen().back().caption, "Bauteil umbenennen");
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Betonwand", "Ziegelwand"}));
    EXPECT_EQ(ReadText(verzeichnis / "bt_anw.dat"), datei);

    zeileWaehlen(d, 1);
    services.Input().Answer(std::string("Außenwand Ziegel"));
    d.Umbenennen();
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Außenwand Ziegel", "Betonwand"}));
    EXPECT_NE(ReadText(verzeichnis / "bt_anw.dat"), datei);
}

TEST_F(Bauteilbrowser, CopyFromTheMakersCatalogueGoesFirstInItsGroup) {
    auto& d = Bauteile();
    ASSERT_GT(d.Liste()->GetCount(), 1);
    zeileWaehlen(d, 0);
    const TRBauteil quelle = *d.Ausgewaehlt().at(0);
    services.Messages().Answer(IDOK);
    d.Kopieren();
    EXPECT_EQ(Meldungen().back().text, "Bauteil wurde in die Anwender-Datei gespeichert!");
    const TRBauteil* kopie = Katalog().Liste().FirstThat(
        [&](const TRBauteil& b) { return b.Schluessel.Katalog == 2 && b.Name == quelle.Name; });
    ASSERT_NE(kopie, nullptr);
    EXPECT_EQ(kopie->Schluessel.Position, 0);
    EXPECT_EQ(kopie->Schluessel.Gruppe, quelle.Schluessel.Gruppe);
    EXPECT_EQ(kopie->Nummer, TRBauteil::KeineNummer);
    // Two rows selected: refused.
    d.Liste()->SetSelection(true, 1);
    d.AuswahlUebernehmen();
    services.Messages().Answer(IDOK);
    d.Kopieren();
    EXPECT_EQ(Meldungen().back().text,
              "Wählen Sie genau ein Bauteil aus, das Sie kopieren wollen!");
}

TEST_F(Bauteilbrowser, ChoiceCollectsKeysAndUnchoosesSelectedRows) {
    services.Dialogs().Expect([](TDialog& t) {
        auto& d = dynamic_cast<TBauteilWahlDialog&>(t);
        ASSERT_GT(d.Liste()->GetCount(), 3);
        for (int z : {0, 1, 0, 2}) {
            d.Liste()->SelectItem(z);
            d.AuswahlUebernehmen();
            d.Waehlen();
        }
        EXPECT_EQ(d.GewaehltListe()->GetCount(), 4);
        d.GewaehltListe()->SelectItem(1);
        d.GewaehltListe()->SetSelection(true, 3);
        d.Abwaehlen();
        ASSERT_EQ(d.Gewaehlt().size(), 2u);
        EXPECT_EQ(d.Gewaehlt()[0], d.Zeilen()[0]);
        EXPECT_EQ(d.Gewaehlt()[1], d.Zeilen()[0]);
        d.CmOk();
    });
    std::vector<TBauteilSchluessel> gewaehlt;
    ASSERT_TRUE(Editoren().BauteileWaehlen(gewaehlt));
    EXPECT_EQ(gewaehlt.size(), 2u);
}

TEST_F(Bauteilbrowser, InfoShowsEachRangeAndTogglesHeadings) {
    TRBauteil b;
    b.Name = "Wand";
    for (double anteil : {50.0, 30.0, 20.0}) {
        b.FlaechenanteilNeu();
        b.Flaechenanteile[b.Flaechenanteile.GetItemsInContainer() - 1].Flaechenanteil = anteil;
    }
    TBaustoff putz;
    putz.Name = "Putz";
    putz.Lambda = 0.7;
    putz.Schichtdicke = 15;
    b.Flaechenanteile[1].SchichtHinzufuegen(-1, &putz);
    services.Dialogs().Expect([](TDialog& t) {
        auto& d = dynamic_cast<TBauteilInfoDialog&>(t);
        auto* bereiche = d.Item<TComboBox>(TBauteilInfoDialog::IDC_BEREICH);
        ASSERT_EQ(bereiche->GetCount(), 3);
        EXPECT_EQ(bereiche->GetString(0), "1 (50%)");
        EXPECT_EQ(bereiche->GetString(2), "3 (20%)");
        EXPECT_EQ(d.Tabelle()->GetCount(), 3); // Rsi, Rse, sums
        bereiche->SetSelIndex(1);
        d.BereichZeigen();
        EXPECT_EQ(d.Tabelle()->GetCount(), 4);
        EXPECT_EQ(*d.Tabelle()->GetCellText(1, 0), "Putz");
        d.UeberschriftenUmschalten();
        EXPECT_EQ(d.Tabelle()->GetColumns()[1].title, "[mm]");
        d.UeberschriftenUmschalten();
        EXPECT_EQ(d.Tabelle()->GetColumns()[1].title, "Dicke");
        d.CmCancel();
    });
    EXPECT_EQ(TBauteilInfoDialog(nullptr, b).Execute(), IDCANCEL);
}

TEST_F(Bauteilbrowser, SheetsOfCatalogueEntriesOpenOnceAndCloseWithTheWindow) {
    auto& d = Bauteile();
    zeileWaehlen(d, 0);
    auto& blaetter = app->Client()->Ansichten.BauteilDaten;
    d.SendMessage(WM_COMMAND, 2490, 0);
    d.SendMessage(WM_COMMAND, TBauteilDateiDialog::CM_DATENBLATT, 0);
    ProcessEvents();
    ASSERT_EQ(blaetter.size(), 1u);
    EXPECT_EQ(blaetter[0]->GetCaption(), " Bauteil-Daten " + d.Ausgewaehlt()[0]->Name);
    // The empty row alone is no component.
    zeileWaehlen(d, -1);
    services.Messages().Answer(IDOK);
    d.SendMessage(WM_COMMAND, 2490, 0);
    EXPECT_EQ(Meldungen().back().text,
              "Wählen Sie genau ein Bauteil aus, das Sie anzeigen wollen!");
    d.Fenster->CloseWindow();
    ProcessEvents();
    EXPECT_TRUE(blaetter.empty());
}

// "Ausgabe" shows the chosen components in one sheet; nothing chosen is refused.
TEST_F(Bauteilbrowser, AusgabeZeigtDieGewaehltenBauteile) {
    auto& d = Bauteile();
    zeileWaehlen(d, -1);
    services.Messages().Answer(IDOK);
    d.Ausgabe();
    EXPECT_EQ(Meldungen().back().text, "Kein Bauteil ausgewählt!");
    EXPECT_EQ(Korpus().Ansichten.BtAusDatei, nullptr);
    zeileWaehlen(d, 0);
    testsupport::LeftClick(*d.GetDlgItem(TBauteilDateiDialog::IDC_AUSGABE), {5, 5});
    ProcessEvents();
    auto* blatt = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.BtAusDatei);
    ASSERT_NE(blatt, nullptr);
    EXPECT_TRUE(blatt->IsWindowVisible());
    EXPECT_EQ(static_cast<TWindow*>(app->Client()->GetActiveMDIChild()), blatt);
    EXPECT_EQ(blatt->Blattart, 9);
    ASSERT_EQ(blatt->BauteilListe.size(), 1u);
    EXPECT_EQ(blatt->BauteilListe[0], d.Ausgewaehlt()[0]);
}

// The shipped catalogue holds no results: the sheet of an entry must not
// print zero temperatures and a failed moisture proof, but what the entry's
// standard climate gives.
TEST_F(Bauteilbrowser, AusgabeRechnetDieKatalogeintraegeMitIhremKlima) {
    auto& d = Bauteile();
    zeileWaehlen(d, 0);
    testsupport::LeftClick(*d.GetDlgItem(TBauteilDateiDialog::IDC_AUSGABE), {5, 5});
    ProcessEvents();
    auto* blatt = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.BtAusDatei);
    ASSERT_NE(blatt, nullptr);
    ASSERT_EQ(blatt->BauteilListe.size(), 1u);
    const TRBauteil& b = *blatt->BauteilListe[0];
    ASSERT_EQ(b.Name, "Außenwand KS 175 + MW 140");
    const TEinfachBauteil& e = b.Flaechenanteile[0];
    ASSERT_EQ(e.AnzahlSchichten(), 4);
    // 20 °C − 30 K · Rsi / R with R = 3.878 m²K/W; inside the plaster 18.8 °C.
    EXPECT_NEAR(e.Schichten[0].Temperatur[0], 19.0, 0.05);
    EXPECT_NEAR(e.Schichten[1].Temperatur[0], 18.8, 0.05);
    EXPECT_GT(e.Schichten[1].mu, 0);
    EXPECT_EQ(e.FeuchteErfuellt, 1);
}

// The component catalogue window as a picture; KORVALIN_BILD_ORDNER keeps it.
TEST_F(Bauteilbrowser, Bild) {
    auto& d = Bauteile();
    d.Fenster->MoveWindow({0, 0, 760, 520});
    ProcessEvents();
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const auto bild =
        std::filesystem::path(ordner ? ordner : dirs.Dirs().temp.string()) / "bauteildatei.png";
    ASSERT_TRUE(testsupport::SaveWindowPicture(*d.Fenster, bild.string().c_str()));
}

} // namespace

namespace {

using Katalogfenster = katalogtest::Browser;

// A size stored below the window's minimum (an older session, a smaller
// screen) opens at the minimum with every button shown, and is not stored again.
TEST_F(Katalogfenster, OeffnenUndSpeichernNieUnterDerMindestgroesse) {
    Einstellung("korpus.ini", "[Einstellungen]\nBauteilWahlWindow=0,0,580,340\n"
                              "BaustoffWahlWindow=0,0,580,340\n");
    struct Fall {
        const char* eintrag;
        const char* schluessel;
        TWindow*& fenster;
    };
    for (const Fall& f : {Fall{"Bau&teil-Datei bearbeiten...", "BauteilWahlWindow",
                               app->Client()->BauteilDateiFenster},
                          Fall{"Bau&stoff-Datei bearbeiten...", "BaustoffWahlWindow",
                               app->Client()->BaustoffDateiFenster}}) {
        SCOPED_TRACE(f.eintrag);
        ASSERT_TRUE(testsupport::ClickMenuBarEntry(*app->Frame(), "&Dateien", f.eintrag));
        ProcessEvents();
        auto* w = dynamic_cast<TDateiWindow*>(f.fenster);
        ASSERT_NE(w, nullptr);
        const TRect aussen = w->GetWindowRect();
        EXPECT_GE(aussen.Width(), w->GetMinimumSize().cx);
        EXPECT_GE(aussen.Height(), w->GetMinimumSize().cy);
        const TRect innen = w->Dialog->GetClientRect();
        for (int id : {int(IDOK), int(IDCANCEL)}) {
            if (!w->Dialog->GetDlgItem(id)) continue;
            const TRect k = w->Dialog->GetDlgItem(id)->GetWindowRect();
            const TPoint lo = w->Dialog->ScreenToClient({k.right, k.bottom});
            EXPECT_LE(lo.x, innen.right) << id;
            EXPECT_LE(lo.y, innen.bottom) << id;
        }
        w->CloseWindow();
        ProcessEvents();
        TRect gespeichert;
        ProfileParseRectangle(
            TProfile("Einstellungen", "korpus.ini").GetString(f.schluessel, "", 30), gespeichert);
        EXPECT_GE(gespeichert.Width(), innen.Width());
        EXPECT_GE(gespeichert.Height(), innen.Height());
        EXPECT_GT(gespeichert.Width(), 580);
        EXPECT_GT(gespeichert.Height(), 340);
    }
}

} // namespace
