// The project window in the started program: its size from korpus.ini, its
// smallest size, the refresh on the change notice, and the sizes kept.
#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/projekt/TProjektWindow.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "korvalin/tests/ShellFixture.h"
#include "platform/profile/Profile.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <filesystem>

namespace {

struct Fenster : shelltest::Programm {
    ProjektFenster Oeffnen() {
        Starten();
        Pump();
        auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
        EXPECT_EQ(g->Oeffnen(std::filesystem::path(KORVALIN_DATEN_DIR) / "beispiel.pro"), 0);
        ProjektSetzen(std::move(g));
        return ProjektWindowErzeugen(*app->Client());
    }
    int32_t ini(const char* key) { return TProfile("Einstellungen", "korpus.ini").GetInt(key, -1); }
};

TEST_F(Fenster, GespeicherteGroesse) {
    Einstellung("korpus.ini", "[Einstellungen]\nProjektWindowX=700\nProjektWindowY=480\n");
    auto f = Oeffnen();
    auto* w = static_cast<TProjektWindow*>(f.Window);
    EXPECT_EQ(w->Breite, 700);
    EXPECT_EQ(w->Hoehe, 480);
    EXPECT_EQ(w->GetCaption(), Korpus().AktuellesProjekt->Pfad().string());
    EXPECT_EQ(Korpus().ProjektDialog, f.Dialog);
    EXPECT_EQ(w->GetMinimumSize().cx, 520);
    EXPECT_EQ(w->GetMinimumSize().cy, 400);
    w->Breite = 650;
    w->Destroy();
    delete w;
    EXPECT_EQ(Korpus().ProjektWindow, nullptr);
    EXPECT_EQ(ini("ProjektWindowX"), 650);
    EXPECT_EQ(ini("ProjektWindowY"), 480);
}

TEST_F(Fenster, NurEinWertGespeichertFolgtDerSchrift) {
    Einstellung("korpus.ini", "[Einstellungen]\nProjektWindowX=700\n");
    auto f = Oeffnen();
    auto* w = static_cast<TProjektWindow*>(f.Window);
    // The offscreen screen's font is small: 680 by 420.
    EXPECT_EQ(w->Breite, 680);
    EXPECT_EQ(w->Hoehe, 420);
}

// At the default size the longest verdict line of the proof is not clipped.
TEST_F(Fenster, UrteilPasstBeiDerStandardgroesse) {
    auto f = Oeffnen();
    auto* w = static_cast<TProjektWindow*>(f.Window);
    auto* dialog = static_cast<TProjektDialog*>(f.Dialog);
    // The dialog fills the window's client area: the frame takes a few pixels.
    dialog->EvSize(0, {w->Breite - 10, w->Hoehe - 30});
    const std::string urteil = "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung konnte "
                               "nicht durchgeführt werden!";
    // Measured in the dialog's own font: four dialog units are its mean
    // character width.
    const int zeichen = dialog->MapDialogRect({0, 0, 4, 8}).Width();
    const int laenge = 89; // characters of the text above
    EXPECT_GE(dialog->GetDlgItem(204)->Attr().W, laenge * zeichen) << zeichen;
}

TEST_F(Fenster, AenderungsnachrichtBautBaeumeNeu) {
    auto f = Oeffnen();
    auto* dialog = static_cast<TProjektDialog*>(f.Dialog);
    auto& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    p.Fassaden[0].Name = "Haus";
    p.RFenster[0].Name = "Dachfenster";
    EXPECT_EQ(f.Window->SendMessage(WM_PROJEKT_AKTUALISIEREN, 2, 0), 0);
    EXPECT_EQ(*dialog->HuellBaum()->GetCellText(0, 0), "Haus");
    EXPECT_EQ(*dialog->BauteilBaum()->GetCellText(12, 0), "Dachfenster");
}

TEST_F(Fenster, AktivierungOhneProjektAendertNichts) {
    auto f = Oeffnen();
    auto* dialog = static_cast<TProjektDialog*>(f.Dialog);
    Korpus().ProjektOffen = false;
    Korpus().AktuellesProjekt->AktuellesProjekt->Fassaden[0].Name = "Haus";
    f.Window->SendMessage(WM_MDIACTIVATE, 0, LPARAM(f.Window->GetHandle()));
    EXPECT_EQ(*dialog->HuellBaum()->GetCellText(0, 0), "Grundfläche");
    Korpus().ProjektOffen = true;
    f.Window->SendMessage(WM_MDIACTIVATE, 0, LPARAM(f.Window->GetHandle()));
    EXPECT_EQ(*dialog->HuellBaum()->GetCellText(0, 0), "Haus");
}

} // namespace
