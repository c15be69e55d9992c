#include "korvalin/bauteil/TDateiWindow.h"

#include "korvalin/bauteil/TDateiDialog.h"
#include "korvalin/shell/Bildschirm.h"
#include "korvalin/shell/ProjektStatus.h"
#include "platform/window/ResponseTable.h"

TDateiWindow::TDateiWindow(TMDIClient& parent, std::string_view title, TWindow* clientWindow)
    : TMDIChild(parent, title, clientWindow), Client(&parent) {
    // Large fonts need the larger window; a small screen shows it maximised.
    const bool gross = GrosseBildschirmschrift();
    Attr().W = gross ? 760 : 625;
    Attr().H = gross ? 500 : 420;
    Maximiert = GetScreenSize().cx < (gross ? 900 : 800);
    SetMinimumSize({620, 400});
    Responses().Message(WM_MDIACTIVATE, [this](WPARAM, LPARAM aktiviert) {
        aktivieren(HWND(aktiviert));
        return 0;
    });
}

TDateiWindow::~TDateiWindow() {
    CleanupWindow();
}

void TDateiWindow::CleanupWindow() {
    if (Merker && *Merker == this) *Merker = nullptr;
    Merker = nullptr;
}

void TDateiWindow::aktivieren(HWND aktiviert) {
    StatusAktualisieren();
    if (AktualisierenBeiAktivierung && aktiviert == GetHandle() && Dialog)
        Dialog->InhaltAktualisieren();
}

TDateiWindow* DateiWindowOeffnen(TMDIClient& client, TWindow*& offen, std::string_view titel,
                                 const std::function<TDateiDialog*()>& machen) {
    if (auto* w = dynamic_cast<TDateiWindow*>(offen)) {
        w->BringWindowToTop();
        return w;
    }
    TDateiDialog* dialog = machen();
    auto* fenster = new TDateiWindow(client, titel, dialog);
    dialog->Client = &client;
    dialog->Fenster = fenster;
    fenster->Dialog = dialog;
    fenster->Merker = &offen;
    offen = fenster;
    fenster->Create();
    fenster->ShowWindow(fenster->Maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return fenster;
}
