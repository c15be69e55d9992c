// The window catalogue dialogs on a catalogue of their own: the window-file
// editor (copying from the DIN file, inserting behind the last window, the
// editor in file mode and the file it writes), the window choice, and the
// insertion dialog's chosen list.
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterDialog.h"
#include "korvalin/bauteil/TFensterInfoDialog.h"
#include "korvalin/bauteil/TFensterWahlDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "testsupport/PageDump.h"
#include "testsupport/UserInput.h"

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::ProcessEvents;

// The window catalogue in the test's program folder.
class FensterKataloge : public shelltest::KatalogeAufgezeichnet {
public:
    FensterKataloge(shelltest::Aufzeichnung& a, const fs::path& ordner)
        : KatalogeAufgezeichnet(a), fenster_(ordner) {
        for (int k = 0; k < 3; ++k) fenster_.Oeffnen(k);
    }
    TFensterDatei* Fenster() override { return &fenster_; }

private:
    TFensterDatei fenster_;
};

struct FensterKatalog : shelltest::Programm {
    TFensterDatei* katalog = nullptr;

    void SetUp() override {
        Programm::SetUp();
        auto k = std::make_shared<FensterKataloge>(kataloge, dirs.Dirs().programData);
        Korpus().Kataloge = k;
        katalog = k->Fenster();
        // Three DIN windows and two of the user's, in the keys' order.
        const struct {
            int datei;
            const char* name;
            double kF;
        } fenster[] = {{0, "Holz IV", 1.9},
                       {0, "Kunststoff", 1.6},
                       {0, "Alu", 2.9},
                       {2, "Eigenes A", 1.3},
                       {2, "Eigenes B", 1.1}};
        int position[3] = {0, 0, 0};
        for (const auto& f : fenster) {
            auto t = std::make_unique<TRFenster>();
            t->Name = f.name;
            Bezeichnung(*t) = f.name;
            t->k_F = f.kF;
            t->Schluessel.Katalog = uint16_t(f.datei);
            t->Schluessel.Gruppe = 0;
            t->Schluessel.Untergruppe = 0;
            t->Schluessel.Position = uint16_t(position[f.datei]++);
            ASSERT_EQ(katalog->Einfuegen(t), 1) << katalog->LetzterFehler();
        }
        Starten();
        Pump();
    }
    auto& Meldungen() { return services.Messages().Calls(); }
    std::vector<std::string> Namen(int datei) {
        std::vector<std::string> n;
        for (const TRFenster& f : katalog->Liste())
            if (FensterQuelle(f) == datei) n.push_back(f.Name);
        return n;
    }
    static void Waehlen(TFensterBasisDialog& d, std::initializer_list<int> zeilen) {
        d.Liste()->SetSelection(false, -1);
        for (int i = 0; i < d.Liste()->GetCount(); ++i) d.Liste()->SetSelection(false, i);
        for (int z : zeilen) d.Liste()->SetSelection(true, z);
        d.AuswahlAktualisieren();
    }
    static void Klicken(TDialog& d, int id) {
        d.Item<TCheckBox>(id)->Click();
        ProcessEvents();
    }
};

std::string HexDump(const std::vector<uint8_t>& bytes) {
    std::string s;
    char zeile[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(zeile, sizeof zeile, "%02x", bytes[i]);
        s += zeile;
        s += (i % 16 == 15 || i + 1 == bytes.size()) ? '\n' : ' ';
    }
    return s;
}

// "Fenster-Datei bearbeiten": a DIN window copied to the top of the user's
// file, a new one appended through the empty trailing row and edited in
// file mode; OK writes the user's file.
TEST_F(FensterKatalog, FensterDateiBearbeiten) {
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    auto* host = dynamic_cast<TDateiWindow*>(app->Client()->FensterDateiFenster);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->GetCaption(), "Fenster-Datei");
    auto& d = dynamic_cast<TFensterDialog&>(*host->Dialog);
    EXPECT_EQ(d.Datei(), 0);
    ASSERT_EQ(d.Liste()->GetCount(), 4); // three DIN windows and the empty row
    EXPECT_EQ(*d.Liste()->GetCellText(0, 0), "Holz IV");
    EXPECT_FALSE(d.GetDlgItem(TFensterDialog::IDC_EINFUEGEN)->IsWindowEnabled());
    // A second command raises the same window.
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    EXPECT_EQ(app->Client()->FensterDateiFenster, host);

    // Copy "Kunststoff" from the DIN file: position 0 of the user's file.
    Waehlen(d, {1});
    services.Messages().Answer(IDOK);
    d.Kopieren();
    ASSERT_EQ(Meldungen().size(), 1u);
    EXPECT_EQ(Meldungen()[0].text, "Fenster wurde in die Anwender-Datei gespeichert!");
    EXPECT_EQ(Meldungen()[0].caption, "Fenster in Datei speichern");
    EXPECT_EQ(d.Liste()->GetCount(), 4); // the DIN file shown as before
    EXPECT_EQ(Namen(2), (std::vector<std::string>{"Kunststoff", "Eigenes A", "Eigenes B"}));

    // The user's file, the empty row selected: a new window at its end.
    Klicken(d, TFensterDialog::IDC_ANWENDER);
    EXPECT_TRUE(d.GetDlgItem(TFensterDialog::IDC_EINFUEGEN)->IsWindowEnabled());
    ASSERT_EQ(d.Liste()->GetCount(), 4);
    Waehlen(d, {3});
    EXPECT_EQ(d.AktuellerSchluessel().Position, 3);
    services.Input().Answer("Schiebefenster");
    d.Einfuegen();
    EXPECT_EQ(Namen(2),
              (std::vector<std::string>{"Kunststoff", "Eigenes A", "Eigenes B", "Schiebefenster"}));
    EXPECT_EQ(d.Liste()->GetSelectedItem(), 3);
    // The editor opened on the catalogue's own record, in file mode.
    ASSERT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    auto* w = static_cast<TFensterWindow*>(app->Client()->Ansichten.FensterEditoren[0]);
    TFensterBearbeitenDialog& e = *w->Dialog();
    EXPECT_FALSE(e.Projektmodus);
    EXPECT_EQ(w->GetCaption(), "Datei-Fenster Schiebefenster");
    EXPECT_EQ(e.Bearbeitet()->Name, "Schiebefenster");
    EXPECT_FALSE(e.ProjektfensterTabelle()->IsWindowVisible());
    EXPECT_FALSE(e.GetDlgItem(TFensterBearbeitenDialog::IDC_AUS_DATEI)->IsWindowVisible());
    auto* g = e.Item<TEdit>(TFensterBearbeitenDialog::IDC_G);
    g->SetFocus();
    g->Type("0.6");
    auto* kf = e.Item<TEdit>(TFensterBearbeitenDialog::IDC_KF);
    kf->SetFocus();
    kf->Type("1.4");
    e.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    ProcessEvents();
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
    EXPECT_EQ(Meldungen().size(), 1u); // no question in file mode
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    const auto datei = ReadWholeFile(dirs.Dirs().programData / "fnst_anw.dat");
    ASSERT_TRUE(datei.ok);
    EXPECT_TRUE(testsupport::MatchesGolden(HexDump(datei.bytes), fs::path(KORVALIN_TEST_DIR) /
                                                                     "golden" / "fnst_anw.hex"));
    // Closing the host asks the list for nothing more.
    host->CloseWindow();
    ProcessEvents();
    EXPECT_EQ(app->Client()->FensterDateiFenster, nullptr);
}

// Deleting asks with the count, and closes the editors of those windows.
TEST_F(FensterKatalog, LoeschenFragtMitDerAnzahl) {
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    auto& d = dynamic_cast<TFensterDialog&>(
        *dynamic_cast<TDateiWindow*>(app->Client()->FensterDateiFenster)->Dialog);
    Klicken(d, TFensterDialog::IDC_ANWENDER);
    Waehlen(d, {0});
    d.Aendern();
    ASSERT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    Waehlen(d, {0, 1});
    services.Messages().Answer(IDCANCEL);
    d.Loeschen();
    EXPECT_EQ(Meldungen().back().text,
              "Sie haben 2 Fenster ausgewählt. \nAusgewählte Fenster aus Datei löschen?");
    EXPECT_EQ(Namen(2).size(), 2u);
    services.Messages().Answer(IDOK);
    d.Loeschen();
    EXPECT_TRUE(Namen(2).empty());
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
    EXPECT_EQ(d.Liste()->GetCount(), 1);
    // Two rows, one of them the empty one: not exactly one window.
    Klicken(d, TFensterDialog::IDC_DIN);
    Waehlen(d, {2, 3});
    services.Messages().Answer(IDOK);
    d.Kopieren();
    EXPECT_EQ(Meldungen().back().text,
              "Wählen Sie genau ein Fenster aus, das Sie kopieren wollen!");
}

// The choice refuses a window together with the empty row, and hands one key back.
TEST_F(FensterKatalog, AuswahlGibtEinenSchluesselZurueck) {
    TFensterSchluessel s;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& w = dynamic_cast<TFensterWahlDialog&>(dlg);
        EXPECT_EQ(w.GetCaption(), "Fenster auswählen");
        // "Alle": the standard order, group, then file, then position.
        ASSERT_EQ(w.Liste()->GetCount(), 6);
        EXPECT_EQ(*w.Liste()->GetCellText(3, 0), "Eigenes A");
        Waehlen(w, {4, 5});
        services.Messages().Answer(IDOK);
        w.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
        EXPECT_FALSE(w.Ended());
        Klicken(w, TFensterWahlDialog::IDC_QTX);
        EXPECT_EQ(w.Liste()->GetCount(), 1);
        Klicken(w, TFensterWahlDialog::IDC_ANWENDER);
        Waehlen(w, {1});
        w.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    EXPECT_TRUE(Editoren().FensterAuswaehlen(s));
    EXPECT_EQ(Meldungen()[0].text, "Wählen Sie genau ein Fenster aus, das Sie übernehmen wollen!");
    EXPECT_EQ(s.Katalog, 2);
    EXPECT_EQ(s.Position, 1);
}

// Removing rows 2 and 3 of four chosen leaves the keys of rows 1 and 4.
TEST_F(FensterKatalog, EinfuegenEntferntZeilenImGleichschritt) {
    std::vector<TBaustoffSchluessel> gewaehlt;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& e = dynamic_cast<TFensterEinfuegenDialog&>(dlg);
        EXPECT_EQ(e.Liste()->GetColumns()[0].title, "Datei-Fenster");
        for (int z : {0, 1, 2, 3}) {
            Waehlen(e, {z});
            e.SendMessage(WM_COMMAND, WPARAM(TFensterEinfuegenDialog::IDC_HINZU), 0);
        }
        ASSERT_EQ(e.Gewaehlt.size(), 4u);
        auto* rechts = e.GewaehltListe();
        rechts->SetSelection(true, 1);
        rechts->SetSelection(true, 2);
        e.SendMessage(WM_COMMAND, WPARAM(TFensterEinfuegenDialog::IDC_WEG), 0);
        ASSERT_EQ(e.Gewaehlt.size(), 2u);
        EXPECT_EQ(rechts->GetCount(), 2);
        EXPECT_EQ(*rechts->GetCellText(0, 0), "Holz IV");
        EXPECT_EQ(*rechts->GetCellText(1, 0), "Eigenes A");
        // The same window twice gives two entries.
        Waehlen(e, {0});
        e.SendMessage(WM_COMMAND, WPARAM(TFensterEinfuegenDialog::IDC_HINZU), 0);
        // OK takes the chosen list, whatever the left list selects.
        Waehlen(e, {0, 6});
        e.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    ASSERT_TRUE(Editoren().FensterWaehlen(gewaehlt));
    ASSERT_EQ(gewaehlt.size(), 3u);
    EXPECT_EQ(gewaehlt[0].Katalog, 0);
    EXPECT_EQ(gewaehlt[0].Position, 0);
    EXPECT_EQ(gewaehlt[1].Katalog, 2);
    EXPECT_EQ(gewaehlt[1].Position, 0);
    EXPECT_EQ(gewaehlt[2].Position, 0);
    EXPECT_TRUE(Meldungen().empty());
}

// The information dialog shows every row of the table and changes nothing.
TEST_F(FensterKatalog, InfoZeigtAlleTabellenzeilen) {
    TRFenster t = katalog->Liste()[0];
    GlasUndRahmen(t) = 1;
    NachDIN(t) = 1;
    KVZeile(t) = 27; // "0.6", beyond the old 24 rows
    Rahmengruppe(t) = 2;
    t.Schluessel.Katalog = 0xFFFF;
    const TRFenster vorher(t);
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto* kv = dlg.Item<TComboBox>(TFensterInfoDialog::IDC_KV_LISTE);
        EXPECT_EQ(kv->GetSelIndex(), 27);
        EXPECT_FALSE(kv->IsWindowEnabled());
        EXPECT_TRUE(dlg.Item<TEdit>(TFensterInfoDialog::IDC_KF)->IsReadOnly());
        EXPECT_EQ(dlg.GetCaption(), "Fenster - Information");
        for (int id : {121, 122, 125}) EXPECT_EQ(dlg.Item<TCheckBox>(id)->GetCheck(), BF_UNCHECKED);
        dlg.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    TFensterInfoDialog info(nullptr, t, true);
    EXPECT_EQ(info.Execute(), IDOK);
    EXPECT_EQ(t.k_F, vorher.k_F);
    EXPECT_EQ(KVZeile(t), 27);
}

} // namespace

namespace {

// Pictures of the window-file editor and the insertion dialog for the reviewer.
TEST_F(FensterKatalog, Bilder) {
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const fs::path o = ordner ? fs::path(ordner) : dirs.Dirs().temp;
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    auto* host = dynamic_cast<TDateiWindow*>(app->Client()->FensterDateiFenster);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(testsupport::SaveWindowPicture(*host, (o / "fensterdatei.png").string().c_str()));
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& e = dynamic_cast<TFensterEinfuegenDialog&>(dlg);
        Waehlen(e, {0, 3});
        e.SendMessage(WM_COMMAND, WPARAM(TFensterEinfuegenDialog::IDC_HINZU), 0);
        ProcessEvents();
        EXPECT_TRUE(
            testsupport::SaveWindowPicture(e, (o / "fenstereinfuegen.png").string().c_str()));
        e.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0);
    });
    std::vector<TBaustoffSchluessel> gewaehlt;
    EXPECT_FALSE(Editoren().FensterWaehlen(gewaehlt));
}

} // namespace

namespace {

TFensterDialog& DateiDialog(shelltest::Programm& p) {
    p.app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    return dynamic_cast<TFensterDialog&>(
        *dynamic_cast<TDateiWindow*>(p.app->Client()->FensterDateiFenster)->Dialog);
}

// The search criteria: the manufacturer in any of the five lines, the name
// in the designation, k_F between its bounds; unchecking resets at once.
TEST_F(FensterKatalog, Suchkriterien) {
    for (const TRFenster& f : katalog->Liste()) {
        auto& t = const_cast<TRFenster&>(f);
        if (t.Name == "Alu") t.Textzeilen[2] = "Metallbau Überall";
        if (t.Name == "Kunststoff") Bezeichnung(t) = "PVC weiß";
    }
    auto& d = DateiDialog(*this);
    using B = TFensterBasisDialog;
    auto suchen = [&](int check, int edit, const char* text) {
        Klicken(d, check);
        d.Item<TEdit>(edit)->SetText(text);
        d.SendMessage(WM_COMMAND, WPARAM(B::IDC_SUCHEN), 0);
        std::vector<std::string> n;
        for (int z = 0; z + 1 < d.Liste()->GetCount(); ++z)
            n.push_back(*d.Liste()->GetCellText(z, 0));
        return n;
    };
    EXPECT_EQ(suchen(B::IDC_HERSTELLER_AN, B::IDC_HERSTELLER, "BAU"),
              std::vector<std::string>{"Alu"});
    Klicken(d, B::IDC_HERSTELLER_AN); // off: empty and the whole file again
    EXPECT_EQ(d.Item<TEdit>(B::IDC_HERSTELLER)->GetText(), "");
    EXPECT_EQ(d.Liste()->GetCount(), 4);
    // "Name" searches the designation, not the shown name.
    EXPECT_EQ(suchen(B::IDC_NAME_AN, B::IDC_NAME, "pvc"), std::vector<std::string>{"Kunststoff"});
    EXPECT_TRUE(suchen(B::IDC_NAME_AN, B::IDC_NAME, "Kunst").size() == 3); // off again
    Klicken(d, B::IDC_KF_AN);
    d.Item<TEdit>(B::IDC_KF_MIN)->SetText("1.60");
    d.Item<TEdit>(B::IDC_KF_MAX)->SetText("1.60");
    d.SendMessage(WM_COMMAND, WPARAM(B::IDC_SUCHEN), 0);
    ASSERT_EQ(d.Liste()->GetCount(), 2);
    EXPECT_EQ(*d.Liste()->GetCellText(0, 0), "Kunststoff");
    Klicken(d, B::IDC_KF_AN);
    EXPECT_EQ(d.Item<TEdit>(B::IDC_KF_MAX)->GetText(), "9.99");
    EXPECT_EQ(d.Liste()->GetCount(), 4);
    // The alphabet: "Alu" first.
    Klicken(d, B::IDC_ALPHABET);
    EXPECT_EQ(*d.Liste()->GetCellText(0, 0), "Alu");
}

// Renaming re-sorts the entry and writes its file; the designation stays.
TEST_F(FensterKatalog, UmbenennenUndZweiteKopie) {
    auto& d = DateiDialog(*this);
    Klicken(d, TFensterDialog::IDC_ANWENDER);
    Waehlen(d, {0});
    services.Input().Answer("Zeta");
    d.Umbenennen();
    EXPECT_EQ(Namen(2), (std::vector<std::string>{"Zeta", "Eigenes B"}));
    TFensterDatei neu(dirs.Dirs().programData);
    ASSERT_EQ(neu.Oeffnen(2), 0);
    EXPECT_EQ(neu.Liste()[0].Name, "Zeta");
    EXPECT_EQ(Bezeichnung(neu.Liste()[0]), "Eigenes A");
    // A copy in the user's file lands behind its source and is selected.
    services.Input().Answer("Zeta 2");
    d.Kopieren();
    EXPECT_EQ(Namen(2), (std::vector<std::string>{"Zeta", "Zeta 2", "Eigenes B"}));
    EXPECT_EQ(d.Liste()->GetSelectedItem(), 1);
    // Popup entries that change the file are grey for the DIN file.
    TCommandEnabler ce(TFensterDialog::CM_LOESCHEN);
    d.EvCommandEnable(ce);
    EXPECT_TRUE(ce.IsEnabled());
    Klicken(d, TFensterDialog::IDC_DIN);
    TCommandEnabler grau(TFensterDialog::CM_LOESCHEN);
    d.EvCommandEnable(grau);
    EXPECT_FALSE(grau.IsEnabled());
}

// Closing the window file while an editor on a catalogue window refuses
// keeps both open, the editor on top.
TEST_F(FensterKatalog, SchliessenWartetAufDenEditor) {
    auto& d = DateiDialog(*this);
    Klicken(d, TFensterDialog::IDC_ANWENDER);
    Waehlen(d, {0});
    d.Aendern();
    ASSERT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    auto* w = static_cast<TFensterWindow*>(app->Client()->Ansichten.FensterEditoren[0]);
    w->Dialog()->Geaendert = true;
    services.Messages().Answer(IDCANCEL);
    EXPECT_FALSE(d.CanClose());
    EXPECT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    EXPECT_TRUE(w->IsActive());
    services.Messages().Answer(IDNO);
    EXPECT_TRUE(d.CanClose());
    EXPECT_TRUE(app->Client()->Ansichten.FensterEditoren.empty());
}

} // namespace

namespace {

// The choice keeps its size limit, and its column widths come back.
TEST_F(FensterKatalog, AuswahlMindestgroesseUndSpaltenbreiten) {
    TFensterSchluessel s;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& w = dynamic_cast<TFensterWahlDialog&>(dlg);
        // The default "0,0,0,0" keeps the built-in widths.
        EXPECT_EQ(w.Liste()->GetColumns()[0].width, 125);
        w.MoveWindow({0, 0, 300, 200});
        ProcessEvents();
        EXPECT_GE(w.GetWindowRect().Width(), 600);
        EXPECT_GE(w.GetWindowRect().Height(), 400);
        auto spalten = w.Liste()->GetColumns();
        spalten[0].width = 211;
        w.Liste()->SetColumns(spalten);
        Waehlen(w, {0});
        w.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    EXPECT_TRUE(Editoren().FensterAuswaehlen(s));
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& w = dynamic_cast<TFensterWahlDialog&>(dlg);
        EXPECT_EQ(w.Liste()->GetColumns()[0].width, 211);
        w.SendMessage(WM_COMMAND, WPARAM(IDCANCEL), 0);
    });
    EXPECT_FALSE(Editoren().FensterAuswaehlen(s));
}

} // namespace

namespace {

// Windows 1 and 3 chosen with Ctrl clicks go over in row order, by ">>" and
// by dragging them onto the chosen list.
TEST_F(FensterKatalog, EinfuegenPerKnopfUndZiehen) {
    std::vector<TBaustoffSchluessel> gewaehlt;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& e = dynamic_cast<TFensterEinfuegenDialog&>(dlg);
        TSftTree& links = *e.Liste();
        links.ClickCell(2, 0);
        links.ClickCell(0, 0, MK_CONTROL);
        ProcessEvents();
        ASSERT_EQ(e.Ausgewaehlt().size(), 2u);
        e.SendMessage(WM_COMMAND, WPARAM(TFensterEinfuegenDialog::IDC_HINZU), 0);
        EXPECT_EQ(*e.GewaehltListe()->GetCellText(0, 0), "Holz IV");
        EXPECT_EQ(*e.GewaehltListe()->GetCellText(1, 0), "Alu");
        EXPECT_EQ(*e.GewaehltListe()->GetCellText(1, 1), "2.90");
        // Dragged over the left list nothing drops; over the right one it adds.
        links.ClickCell(4, 0);
        links.BeginDrag(false);
        links.DragOver(&links, 1, false);
        EXPECT_FALSE(links.GetDragInfo().dropAllowed);
        links.DragOver(e.GewaehltListe(), 0, false);
        EXPECT_TRUE(links.GetDragInfo().dropAllowed);
        links.Drop();
        ProcessEvents();
        EXPECT_EQ(e.GewaehltListe()->GetCount(), 3);
        EXPECT_EQ(*e.GewaehltListe()->GetCellText(2, 0), "Eigenes B");
        e.SendMessage(WM_COMMAND, WPARAM(IDOK), 0);
    });
    ASSERT_TRUE(Editoren().FensterWaehlen(gewaehlt));
    ASSERT_EQ(gewaehlt.size(), 3u);
    EXPECT_EQ(gewaehlt[0].Position, 0);
    EXPECT_EQ(gewaehlt[1].Position, 2);
    EXPECT_EQ(gewaehlt[2].Katalog, 2);
    EXPECT_EQ(gewaehlt[2].Position, 1);
}

} // namespace

// A window's data sheet opens once per window; the output of chosen windows
// is one sheet, which a second output replaces.
TEST_F(FensterKatalog, DatenblattUndAusgabe) {
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    auto& d = dynamic_cast<TFensterDialog&>(
        *dynamic_cast<TDateiWindow*>(app->Client()->FensterDateiFenster)->Dialog);
    Klicken(d, TFensterDialog::IDC_DIN);
    Waehlen(d, {0, 1});
    services.Messages().Answer(IDOK);
    d.EvCommand(TFensterDialog::CM_DATENBLATT, 0, 0);
    EXPECT_EQ(Meldungen().back().text,
              "Wählen Sie genau ein Fenster aus, das Sie anzeigen wollen!");
    EXPECT_TRUE(app->Client()->Ansichten.FensterDaten.empty());
    Waehlen(d, {0});
    d.EvCommand(TFensterDialog::CM_DATENBLATT, 0, 0);
    d.EvCommand(TFensterDialog::CM_DATENBLATT, 0, 0);
    ASSERT_EQ(app->Client()->Ansichten.FensterDaten.size(), 1u);
    auto* blatt = dynamic_cast<TDatenWindow*>(app->Client()->Ansichten.FensterDaten[0]);
    ASSERT_NE(blatt, nullptr);
    EXPECT_EQ(blatt->Fenster, d.Ausgewaehlt()[0]);
    EXPECT_EQ(blatt->GetCaption(), " Fenster-Daten " + d.Ausgewaehlt()[0]->Name);

    Waehlen(d, {0, 1});
    d.EvCommand(TFensterDialog::IDC_AUSGABE, 0, 0);
    ProcessEvents();
    auto* erste = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.FnstAusDatei);
    ASSERT_NE(erste, nullptr);
    EXPECT_EQ(erste->Blattart, 10);
    EXPECT_EQ(erste->FensterListe.size(), 2u);
    Waehlen(d, {1});
    d.EvCommand(TFensterDialog::IDC_AUSGABE, 0, 0);
    ProcessEvents();
    auto* zweite = dynamic_cast<TDatenWindow*>(Korpus().Ansichten.FnstAusDatei);
    ASSERT_NE(zweite, nullptr);
    EXPECT_EQ(zweite->FensterListe.size(), 1u);
}

// Under "Alphabet" the last row shown is not the highest position: a window
// put behind it goes after the highest one, never onto a position in use.
TEST_F(FensterKatalog, HinterDerLetztenZeileNachDemAlphabet) {
    app->Client()->EvCommand(CM_FENSTERDATEI, 0, 0);
    ProcessEvents();
    auto& d = dynamic_cast<TFensterDialog&>(
        *dynamic_cast<TDateiWindow*>(app->Client()->FensterDateiFenster)->Dialog);
    Klicken(d, TFensterDialog::IDC_DIN);
    Klicken(d, TFensterBasisDialog::IDC_ALPHABET);
    ASSERT_EQ(d.Liste()->GetCount(), 4);
    EXPECT_EQ(d.Liste()->GetCellText(2, 0), "Kunststoff"); // position 1, shown last
    Waehlen(d, {3});
    EXPECT_EQ(d.AktuellerSchluessel().Position, 3);
}
