// The window editor in the started program, on the example project: the
// opening protocol and its placed windows, the field handlers under typed
// input, the glass-and-frame derivation of k_F, the sub-dialogs, and
// closing with keeping or discarding the changes, in project and file mode.
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/UserInput.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using testsupport::ProcessEvents;
using D = TFensterBearbeitenDialog;

struct FensterEditor : shelltest::Programm {
    D* dialog = nullptr;

    TProjekt& Projekt() { return *Korpus().AktuellesProjekt->AktuellesProjekt; }
    void ProjektOeffnen() {
        Starten();
        Pump();
        const fs::path datei = dirs.Dirs().programData / "haus.pro";
        fs::copy_file(fs::path(KORVALIN_DATEN_DIR) / "beispiel.pro", datei);
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        ASSERT_EQ(g->Oeffnen(datei), 0) << g->LetzterFehler();
        ProjektSetzen(std::move(g));
    }
    // The window type with the most placed windows.
    TRFenster* Typ() {
        TRFenster* bester = nullptr;
        for (TRFenster& t : Projekt().RFenster)
            if (!bester ||
                t.PFensterListe.GetItemsInContainer() > bester->PFensterListe.GetItemsInContainer())
                bester = &t;
        return bester;
    }
    // The example places each type once: a second window of the type on
    // the facade of the first.
    TPFenster* Platzieren(TRFenster& t) {
        TPFenster* erstes = Projekt().FirstPFenster(&t);
        TFassade* f = erstes ? Projekt().FassadeNr(erstes->FassadenNummer) : nullptr;
        return Projekt().PFensterNeu(&t, f ? f : &Projekt().Fassaden[0], 1);
    }
    D& Oeffnen(TRFenster* t = nullptr, TPFenster* p = nullptr) {
        if (!Korpus().AktuellesProjekt) ProjektOeffnen();
        if (!t) {
            t = Typ();
            if (t && t->PFensterListe.GetItemsInContainer() < 2) Platzieren(*t);
        }
        EXPECT_NE(t, nullptr);
        dialog = FensterEditorOeffnen(*app->Client(), t, p, true);
        EXPECT_NE(dialog, nullptr);
        ProcessEvents();
        return *dialog;
    }
    TEdit& Edit(int id) { return *dialog->Item<TEdit>(id); }
    TComboBox& Liste(int id) { return *dialog->Item<TComboBox>(id); }
    TCheckBox& Check(int id) { return *dialog->Item<TCheckBox>(id); }
    // Typed as the user types: the whole text replaced, the handlers told.
    void Tippen(int id, const char* text) {
        Edit(id).SetFocus();
        Edit(id).Type(text);
    }
    void Waehlen(int id, int index) {
        Liste(id).SetSelIndex(index);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                            LPARAM(Liste(id).GetHandle()));
    }
    void Klicken(int id) { Check(id).Click(); }
    TSftTree& Tabelle() { return *dialog->ProjektfensterTabelle(); }
    auto& Meldungen() { return services.Messages().Calls(); }
};

TEST_F(FensterEditor, OeffnetMitSeinenProjektfenstern) {
    auto& d = Oeffnen();
    TRFenster& t = *d.Bearbeitet();
    const int n = int(t.PFensterListe.GetItemsInContainer());
    ASSERT_GE(n, 2);
    EXPECT_EQ(d.Fenster->GetCaption(), "Referenz-Fenster " + t.Name);
    EXPECT_EQ(Tabelle().GetCount(), n + 1);
    EXPECT_EQ(*Tabelle().GetCellText(n, 0), "Summe");
    EXPECT_EQ(Tabelle().GetCellColors(n, 7)->background, TColor(255, 255, 127));
    EXPECT_EQ(d.ProjektfensterIndex, 0);
    EXPECT_EQ(d.AktuellesProjektfenster, Projekt().FirstPFenster(&t));
    EXPECT_EQ(Tabelle().GetSelectedItem(), 0);
    EXPECT_EQ(Edit(D::IDC_KF).GetText(), Zahl(2, t.k_F));
    EXPECT_EQ(Edit(D::IDC_NEIGUNG).GetText(), Zahl(1, d.AktuellesProjektfenster->Neigung));
    EXPECT_TRUE(Tabelle().IsWindowVisible());
    EXPECT_EQ(d.Fenster->GetWindowRect().Height(), d.Fenster->ErweiterteHoehe);
    EXPECT_FALSE(d.Geaendert);
    // A second request raises the same window, pointed at the placed window given.
    TPFenster* zweites = Projekt().PFensterNr(t.PFensterListe[1].Nummer);
    EXPECT_EQ(FensterEditorOeffnen(*app->Client(), &t, zweites, true), &d);
    EXPECT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    EXPECT_EQ(d.AktuellesProjektfenster, zweites);
    EXPECT_EQ(Tabelle().GetSelectedItem(), 1);
    // The sums are no window: the last window row stands in for them.
    Tabelle().SelectItem(n);
    d.ProjektfensterWaehlen();
    EXPECT_EQ(Tabelle().GetSelectedItem(), n - 1);
    EXPECT_EQ(d.ProjektfensterIndex, n - 1);
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(FensterEditor, ProjektdialogOeffnetIhn) {
    ProjektOeffnen();
    auto f = ProjektWindowErzeugen(*app->Client());
    auto* pd = static_cast<TProjektDialog*>(f.Dialog);
    pd->AuswahlRFenster = Typ();
    pd->AuswahlRBauteil = nullptr;
    pd->AuswahlGruppe = -1;
    pd->EvCommand(12202, 0, 0);
    ASSERT_EQ(app->Client()->Ansichten.FensterEditoren.size(), 1u);
    auto* w = static_cast<TFensterWindow*>(app->Client()->Ansichten.FensterEditoren[0]);
    EXPECT_EQ(w->Dialog()->Bearbeitet(), Typ());
    EXPECT_TRUE(w->Dialog()->Projektmodus);
    EXPECT_TRUE(Meldungen().empty());
}

// A picture of the editor on the example project for the reviewer.
TEST_F(FensterEditor, Bild) {
    auto& d = Oeffnen();
    Klicken(D::IDC_GLASRAHMEN);
    Klicken(D::IDC_DIN);
    Waehlen(D::IDC_KV_LISTE, 19);
    Waehlen(D::IDC_RAHMENGRUPPE, 4);
    ProcessEvents();
    const char* ordner = std::getenv("KORVALIN_BILD_ORDNER");
    const fs::path bild = fs::path(ordner ? ordner : dirs.Dirs().temp.string()) / "fenster.png";
    ASSERT_TRUE(testsupport::SaveWindowPicture(*d.Fenster, bild.string().c_str()));
    EXPECT_GT(fs::file_size(bild), 1000u);
}

} // namespace
