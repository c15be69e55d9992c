#include "korvalin/projekt/TProjektWindow.h"

#include "korvalin/projekt/ProjektWindow.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/Bildschirm.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/profile/Profile.h"
#include "platform/window/MDIClient.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

TProjektWindow::TProjektWindow(TMDIClient& parent, std::string_view title, TProjektDialog* client)
    : TMDIChild(parent, title, client), dialog_(client) {
    TProfile ini("Einstellungen", "korpus.ini");
    const int32_t x = ini.GetInt("ProjektWindowX", 0), y = ini.GetInt("ProjektWindowY", 0);
    if (x != 0 && y != 0) {
        Breite = x;
        Hoehe = y;
    } else {
        const int schirm = GetScreenSize().cx;
        const bool gross = GrosseBildschirmschrift();
        // Wide enough for the longest verdict line of the proof
        // ("... konnte nicht durchgeführt werden!") without clipping.
        Breite = gross ? 870 : 680;
        Hoehe = gross ? 525 : 420;
        Maximiert = schirm < (gross ? 900 : 800);
        Attr().X = 0;
        Attr().Y = 0;
    }
    Attr().W = Breite;
    Attr().H = Hoehe;
    SetMinimumSize(kProjektWindowMinimum);

    Responses().Message(WM_MDIACTIVATE, [this](WPARAM, LPARAM aktiviert) {
        aktivieren(HWND(aktiviert));
        return 0;
    });
    Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM) {
        aktualisieren();
        return 0;
    });
}

TProjektWindow::~TProjektWindow() {
    TProfile ini("Einstellungen", "korpus.ini");
    ini.WriteInt("ProjektWindowX", Breite);
    ini.WriteInt("ProjektWindowY", Hoehe);
    auto& k = Korpus();
    if (k.ProjektWindow == this) {
        k.ProjektWindow = nullptr;
        k.ProjektDialog = nullptr;
    }
}

void TProjektWindow::EvSize(uint32_t sizeType, const TSize& size) {
    TMDIChild::EvSize(sizeType, size);
    // The size kept is the user's own, not one the window commands gave it
    // among the others: a tiled sliver would open so at the next start.
    auto* client = dynamic_cast<TMDIClient*>(GetParent());
    if (client && client->IsArranging()) return;
    if (sizeType == 0 && size.cx > 0 && size.cy > 0) {
        Breite = size.cx;
        Hoehe = size.cy;
    }
}

void TProjektWindow::aktualisieren() {
    if (!Korpus().ProjektOffen || !Korpus().AktuellesProjekt) return;
    dialog_->ErgebnisseAnzeigen();
    dialog_->BauteilBaumAufbauen();
    dialog_->FassadenBaumAufbauen();
}

void TProjektWindow::aktivieren(HWND aktiviert) {
    if (aktiviert != GetHandle() || !Korpus().ProjektOffen || !Korpus().AktuellesProjekt) return;
    aktualisieren();
    StatusProjektAnzeigen();
    StatusZustand(Korpus().ProjektGeaendert);
}

ProjektFenster ProjektWindowErzeugen(korpusMDIClient& client) {
    auto& k = Korpus();
    auto* dialog = new TProjektDialog(nullptr);
    const std::string titel = k.AktuellesProjekt ? k.AktuellesProjekt->Pfad().string() : "";
    auto* window = new TProjektWindow(client, titel, dialog);
    dialog->ProjektWindow = window;
    dialog->Client = &client;
    k.ProjektWindow = window;
    k.ProjektDialog = dialog;
    window->Create();
    window->ShowWindow(window->Maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return {window, dialog};
}
