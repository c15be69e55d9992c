// The material catalogue window and the material choice over copies of the
// shipped catalogues: filters, the commands on the user's catalogue with
// their file, the failed writes, and the transfer into the component editor.
#include "korvalin/bauteil/TBaustoffWahlDialog.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/tests/KatalogBrowserFixture.h"
#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Control.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TRBauteil.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <functional>

namespace {

using katalogtest::Browser;
using testsupport::ProcessEvents;
using testsupport::ReadText;

struct Baustoffbrowser : Browser {
    TBaustoffDatei& Katalog() { return *Kataloge().Baustoffe(); }
    // The materials the list shows, without the empty last row.
    static std::vector<std::string> namen(TBaustoffBasisDialog& d) {
        std::vector<std::string> n;
        for (int z = 0; z + 1 < d.Liste()->GetCount(); ++z)
            n.push_back(*d.Liste()->GetCellText(z, 0));
        return n;
    }
    // Selects exactly the row of the material with that key position, or the empty row (-1).
    static void zeileWaehlen(TBaustoffBasisDialog& d, int position) {
        int zeile = d.Liste()->GetCount() - 1;
        for (size_t i = 0; i < d.Zeilen().size(); ++i)
            if (int16_t(d.Zeilen()[i].Position) == position) zeile = int(i);
        d.Liste()->SelectItem(zeile);
        d.AuswahlAktualisieren();
    }
    // The information dialog of "Einfügen" / "Ändern" gets this name and OK.
    void infoMitName(const char* name) {
        services.Dialogs().Expect([name](TDialog& d) {
            d.GetDlgItem(104)->SetWindowText(name); // an ordinary material's name
            d.CmOk();
        });
    }
};

TEST_F(Baustoffbrowser, FiltersAgainstTheShippedDinCatalogue) {
    auto& d = Baustoffe();
    const auto din = [&](const std::function<bool(const TBaustoff&)>& passt) {
        std::vector<std::string> n;
        for (const TBaustoff& b : Katalog().Baustoffe())
            if (b.Schluessel.Katalog == 0 && passt(b)) n.push_back(b.Name);
        return n;
    };
    ASSERT_FALSE(din([](const TBaustoff&) { return true; }).empty());
    EXPECT_EQ(namen(d), din([](const TBaustoff&) { return true; }));

    struct Fall {
        const char* was;
        int gruppe;
        int box;
        const char* von;
        const char* bis;
        std::function<bool(const TBaustoff&)> passt;
    };
    const Fall faelle[] = {
        {"group Mauerwerk", 4, 0, "", "",
         [](const TBaustoff& b) { return b.Schluessel.Gruppe == 4; }},
        {"name in lower case, also inside the name", 0, 10005, "beton", "",
         [](const TBaustoff& b) {
             return ToUpperCp1252(b.Name).find("BETON") != std::string::npos;
         }},
        {"lambda with both bounds inclusive", 0, 10006, "0.035", "0.040",
         [](const TBaustoff& b) { return b.Lambda >= 0.035 && b.Lambda <= 0.040; }},
        {"whole µ range inside", 0, 10007, "5", "10",
         [](const TBaustoff& b) { return b.Mu >= 5 && b.Zusatzwert1 <= 10; }},
        {"density in group 5", 5, 151, "0", "100",
         [](const TBaustoff& b) { return b.Schluessel.Gruppe == 5 && b.Rohdichte <= 100; }},
    };
    for (const auto& f : faelle) {
        gruppe(d, f.gruppe);
        if (f.box) {
            klicken(d, f.box);
            const std::pair<int, int> edits = f.box == 10005   ? std::pair{115, -1}
                                              : f.box == 10006 ? std::pair{116, 121}
                                              : f.box == 10007 ? std::pair{117, 220}
                                                               : std::pair{127, 128};
            d.GetDlgItem(edits.first)->SetWindowText(f.von);
            if (edits.second > 0) d.GetDlgItem(edits.second)->SetWindowText(f.bis);
            d.SendMessage(WM_COMMAND, TBaustoffBasisDialog::IDC_SUCHEN, 0);
        }
        EXPECT_EQ(namen(d), din(f.passt)) << f.was;
        if (f.box) klicken(d, f.box); // off again: neutral texts, refilled at once
        gruppe(d, 0);
    }
    EXPECT_EQ(d.GetDlgItem(116)->GetWindowText(), "0.000");
    EXPECT_EQ(d.GetDlgItem(121)->GetWindowText(), "999.9");
    EXPECT_EQ(namen(d), din([](const TBaustoff&) { return true; }));
}

TEST_F(Baustoffbrowser, UserCatalogueSequenceWritesTheGoldenFile) {
    // Start from an empty user catalogue.
    std::filesystem::remove(verzeichnis / "bs_anw.dat");
    ASSERT_EQ(Katalog().Oeffnen(2), 0);
    auto& d = Baustoffe();
    klicken(d, TBaustoffDialog::IDC_ANWENDER);
    gruppe(d, 5);
    EXPECT_EQ(d.Liste()->GetCount(), 1); // only the empty row
    EXPECT_TRUE(d.GetDlgItem(TBaustoffDialog::IDC_EINFUEGEN)->IsWindowEnabled());

    // Four materials appended behind the last one, from number 0 on.
    for (const char* name : {"Dämmung A", "Dämmung B", "Dämmung C", "Dämmung D"}) {
        zeileWaehlen(d, -1);
        infoMitName(name);
        d.Einfuegen();
    }
    EXPECT_EQ(namen(d),
              (std::vector<std::string>{"Dämmung A", "Dämmung B", "Dämmung C", "Dämmung D"}));
    // Inserted before number 3: the new one is 3, the old 3 moves to 4.
    zeileWaehlen(d, 3);
    infoMitName("Dämmung neu");
    d.Einfuegen();
    EXPECT_EQ(namen(d), (std::vector<std::string>{"Dämmung A", "Dämmung B", "Dämmung C",
                                                  "Dämmung neu", "Dämmung D"}));
    EXPECT_EQ(d.Zeilen()[3].Position, 3);
    EXPECT_EQ(d.Zeilen()[4].Position, 4);
    EXPECT_EQ(*d.Liste()->GetCellText(d.Liste()->GetSelectedItem(), 0), "Dämmung neu");
    EXPECT_EQ(d.Ausgewaehlt()[0]->GrafikArt, 5); // the group's hatch

    // A copy of a DIN insulation appears under "Anwender".
    klicken(d, TBaustoffDialog::IDC_DIN);
    ASSERT_GT(d.Liste()->GetCount(), 1);
    d.Liste()->SelectItem(0);
    d.AuswahlAktualisieren();
    const std::string din = d.Ausgewaehlt()[0]->Name;
    services.Messages().Answer(IDOK);
    d.Kopieren();
    EXPECT_EQ(Meldungen().back().text, "Baustoff wurde in Anwender-Datei gespeichert!");
    klicken(d, TBaustoffDialog::IDC_ANWENDER);
    EXPECT_EQ(namen(d).back(), din);

    // Changed and renamed, then one deleted.
    zeileWaehlen(d, 1);
    infoMitName("Aaa zuerst");
    d.Aendern();
    klicken(d, TBaustoffBasisDialog::IDC_ALPHABET);
    EXPECT_EQ(namen(d).front(), "Aaa zuerst");
    klicken(d, TBaustoffBasisDialog::IDC_STANDARD);
    zeileWaehlen(d, 0);
    services.Messages().Answer(IDOK);
    d.Loeschen();
    EXPECT_EQ(Meldungen().back().text,
              "Sie haben 1 Baustoff(e) ausgewählt. \nAusgewählte Baustoffe aus Datei löschen?");

    const auto golden = std::filesystem::path(KORVALIN_TEST_DIR) / "golden" / "bs_anw_folge.dat";
    if (!std::filesystem::exists(golden)) {
        std::filesystem::copy_file(verzeichnis / "bs_anw.dat", golden);
        FAIL() << "golden file written: " << golden;
    }
    EXPECT_EQ(ReadText(verzeichnis / "bs_anw.dat"), ReadText(golden));
}

TEST_F(Baustoffbrowser, EveryFailedWriteSaysSoAndChangesNeitherFileNorList) {
    auto& d = Baustoffe();
    klicken(d, TBaustoffDialog::IDC_ANWENDER);
    gruppe(d, 5);
    zeileWaehlen(d, -1);
    infoMitName("Erste");
    d.Einfuegen();
    ASSERT_EQ(Katalog().Speichern(2), 1);
    const std::string datei = ReadText(verzeichnis / "bs_anw.dat");
    const size_t anzahl = Katalog().Baustoffe().GetItemsInContainer();

    struct Fall {
        const char* folge;
        const char* titel;
        std::function<void()> befehl;
    };
    const Fall faelle[] = {
        {"Baustoff wurde nicht eingefügt!", "Baustoff einfügen",
         [&] {
             zeileWaehlen(d, -1);
             infoMitName("Zweite");
             d.Einfuegen();
         }},
        {"Änderungen wurden nicht gespeichert!", "Baustoff speichern",
         [&] {
             zeileWaehlen(d, 0);
             infoMitName("Umbenannt");
             d.Aendern();
         }},
        {"Baustoff wurde nicht gelöscht!", "Baustoff löschen",
         [&] {
             zeileWaehlen(d, 0);
             services.Messages().Answer(IDOK);
             d.Loeschen();
         }},
        {"Baustoff konnte nicht gespeichert werden!", "Baustoff speichern",
         [&] {
             klicken(d, TBaustoffDialog::IDC_DIN);
             d.Liste()->SelectItem(0);
             d.AuswahlAktualisieren();
             d.Kopieren();
             klicken(d, TBaustoffDialog::IDC_ANWENDER);
         }},
    };
    for (auto schritt : {filefaults::Step::Open, filefaults::Step::Rename})
        for (const auto& f : faelle) {
            services.Messages().Answer(IDOK);
            filefaults::FailNext(schritt);
            f.befehl();
            filefaults::Clear();
            // The write's own reason first, then what did not happen.
            const std::string& text = Meldungen().back().text;
            EXPECT_TRUE(text.ends_with(std::string("\n") + f.folge)) << text;
            EXPECT_NE(text.find("bs_anw.dat"), std::string::npos) << text;
            EXPECT_EQ(Meldungen().back().caption, f.titel);
            EXPECT_EQ(ReadText(verzeichnis / "bs_anw.dat"), datei) << f.folge;
            EXPECT_EQ(Katalog().Baustoffe().GetItemsInContainer(), anzahl) << f.folge;
            EXPECT_EQ(namen(d), std::vector<std::string>{"Erste"}) << f.folge;
        }

    // Another program wrote the file meanwhile: its entries are kept, and the
    // message says so and how to get them, not a guess about open files.
    std::string fremd = datei;
    fremd.push_back('\0');
    ASSERT_TRUE(WriteFileAtomically(verzeichnis / "bs_anw.dat", fremd).ok);
    for (const auto& f : faelle) {
        services.Messages().Answer(IDOK);
        f.befehl();
        const std::string& text = Meldungen().back().text;
        EXPECT_NE(text.find("von einem anderen Programm geändert"), std::string::npos) << text;
        EXPECT_NE(text.find("Starten Sie das Programm neu"), std::string::npos) << text;
        EXPECT_EQ(text.find("Zu viele Dateien"), std::string::npos) << text;
        EXPECT_EQ(ReadText(verzeichnis / "bs_anw.dat"), fremd) << f.folge;
    }
}

TEST_F(Baustoffbrowser, ChoiceInsertsIntoTheOneOpenEditorAndAsksAboutMasonry) {
    // A catalogue component of the user's catalogue in the editor.
    auto b = std::make_unique<TRBauteil>();
    b->Name = "Wand";
    b->Schluessel.Katalog = 2;
    b->Schluessel.Gruppe = 1;
    b->Schluessel.Untergruppe = 0;
    b->Schluessel.Position = 0;
    b->FlaechenanteilNeu();
    TBaustoff putz;
    putz.Name = "Putz";
    putz.Lambda = 0.7;
    putz.Schichtdicke = 15;
    for (int i = 0; i < 2; ++i) b->Flaechenanteile[0].SchichtHinzufuegen(short(i - 1), &putz);
    auto& editor = *BauteilEditorOeffnen(*app->Client(), b.get(), 0, nullptr, false);
    ProcessEvents();

    // The catalogue window gives way to the choice.
    Baustoffe();
    editor.SendMessage(WM_COMMAND, TBauteilDialog::IDC_EINFUEGEN, 0);
    ProcessEvents();
    EXPECT_EQ(app->Client()->BaustoffDateiFenster, nullptr);
    auto* fenster = dynamic_cast<TDateiWindow*>(app->Client()->BaustoffWahlFenster);
    ASSERT_NE(fenster, nullptr);
    EXPECT_FALSE(fenster->AktualisierenBeiAktivierung);
    auto& wahl = *dynamic_cast<TBaustoffWahlDialog*>(fenster->Dialog);

    // Three ordinary materials of the DIN catalogue, row 2 selected in the editor.
    wahl.Liste()->SetSelection(false, -1);
    std::vector<std::string> gewaehlt;
    for (size_t i = 0; i < wahl.Zeilen().size() && gewaehlt.size() < 3; ++i) {
        const auto& s = wahl.Zeilen()[i];
        const TBaustoff* m =
            Katalog().Baustoffe().FirstThat([&](const TBaustoff& x) { return x.Schluessel == s; });
        if (s.IsSystemBaustoff() || m->Mu == 0 || m->Zusatzwert1 == 0 || m->Lambda == 0) continue;
        wahl.Liste()->SetSelection(true, int(i));
        gewaehlt.push_back(m->Name);
    }
    wahl.AuswahlAktualisieren();
    editor.ZeileWaehlen(2);
    wahl.Uebernehmen(TBaustoffWahlDialog::Modus::Einfuegen);
    ASSERT_EQ(editor.AktuellerBereich()->AnzahlSchichten(), 5);
    for (int z = 2; z <= 4; ++z)
        EXPECT_EQ(*editor.SchichtTabelle()->GetCellText(z, 0), gewaehlt[size_t(z - 2)]) << z;
    EXPECT_TRUE(Meldungen().empty());

    // The DIN ventilated air layer into multi-leaf masonry: Yes takes nothing.
    b->Merker2 = 1;
    wahl.Liste()->SetSelection(false, -1);
    for (size_t i = 0; i < wahl.Zeilen().size(); ++i)
        if (wahl.Zeilen()[i].IsBelueftet()) wahl.Liste()->SetSelection(true, int(i));
    wahl.AuswahlAktualisieren();
    ASSERT_EQ(wahl.Ausgewaehlt().size(), 1u);
    services.Messages().Answer(IDYES);
    wahl.Uebernehmen(TBaustoffWahlDialog::Modus::Ersetzen);
    EXPECT_EQ(Meldungen().back().caption, "Mehrschaliges Mauerwerk");
    EXPECT_EQ(editor.AktuellerBereich()->AnzahlSchichten(), 5);

    // With no editor open the command says why.
    editor.Fenster->Destroy();
    std::erase(app->Client()->Ansichten.BauteilEditoren, static_cast<TWindow*>(editor.Fenster));
    services.Messages().Answer(IDOK);
    wahl.Uebernehmen(TBaustoffWahlDialog::Modus::Einfuegen);
    EXPECT_EQ(Meldungen().back().text,
              "Schicht einfügen nicht möglich, da kein Bauteil geöffnet ist!\nÖffnen Sie das "
              "Bauteil, das Sie bearbeiten wollen");
    app->Client()->CloseChildren();
    ProcessEvents();
}

// The material catalogue window as a picture; KORVALIN_BILD_ORDNER keeps it.
TEST_F(Baustoffbrowser, Bild) {
    auto& d = Baustoffe();
    d.Fenster->MoveWindow({0, 0, 760, 520});
    gruppe(d, 5);
    ProcessEvents();
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const auto bild =
        std::filesystem::path(ordner ? ordner : dirs.Dirs().temp.string()) / "baustoffdatei.png";
    ASSERT_TRUE(testsupport::SaveWindowPicture(*d.Fenster, bild.string().c_str()));
}

// "Schließen" closes the whole window: no empty frame stays behind, and the
// next "Einfügen / Ersetzen" opens a live choice again.
TEST_F(Baustoffbrowser, SchliessenSchliesstDasFensterUndEinfuegenOeffnetEsNeu) {
    auto b = std::make_unique<TRBauteil>();
    b->Name = "Wand";
    b->FlaechenanteilNeu();
    TBaustoff putz;
    putz.Name = "Putz";
    putz.Lambda = 0.7;
    putz.Schichtdicke = 15;
    b->Flaechenanteile[0].SchichtHinzufuegen(-1, &putz);
    auto& editor = *BauteilEditorOeffnen(*app->Client(), b.get(), 0, nullptr, false);
    ProcessEvents();
    const auto klick = [](TWindow* w) {
        ASSERT_NE(w, nullptr);
        const TRect r = w->GetClientRect();
        testsupport::LeftClick(*w, {r.Width() / 2, r.Height() / 2});
        ProcessEvents();
    };
    for (int runde = 0; runde < 2; ++runde) {
        klick(editor.GetDlgItem(TBauteilDialog::IDC_EINFUEGEN));
        auto* fenster = dynamic_cast<TDateiWindow*>(app->Client()->BaustoffWahlFenster);
        ASSERT_NE(fenster, nullptr) << runde;
        ASSERT_NE(fenster->Dialog, nullptr);
        EXPECT_TRUE(fenster->Dialog->IsCreated()) << runde;
        klick(fenster->Dialog->GetDlgItem(IDOK));
        EXPECT_EQ(app->Client()->BaustoffWahlFenster, nullptr) << runde;
    }
    // The catalogue window alike.
    auto& katalog = Baustoffe();
    klick(katalog.GetDlgItem(IDOK));
    EXPECT_EQ(app->Client()->BaustoffDateiFenster, nullptr);
}

} // namespace
