#include "korvalin/bauteil/TFensterWindow.h"

#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/shell/Bildschirm.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

TFensterWindow::TFensterWindow(TMDIClient& parent, std::string_view title,
                               TFensterBearbeitenDialog* client, bool erweitert)
    : TMDIChild(parent, title, client), dialog_(client) {
    const bool gross = GrosseBildschirmschrift();
    ErweiterteHoehe = gross ? 525 : 425;
    EingeklappteHoehe = gross ? 250 : 215;
    Attr().W = gross ? 805 : 645;
    Attr().H = erweitert ? ErweiterteHoehe : EingeklappteHoehe;
    Maximiert = GetScreenSize().cx < (gross ? 900 : 800);

    Responses().Message(WM_MDIACTIVATE, [this](WPARAM, LPARAM aktiviert) {
        aktivieren(HWND(aktiviert));
        return 0;
    });
    Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM extra) {
        // A window editor's own notification: it has already shown its change.
        if (extra == 1 || !dialog_->Projektmodus) return 0;
        dialog_->ImAktualisieren = true;
        dialog_->Aktualisieren();
        dialog_->ImAktualisieren = false;
        return 0;
    });
}

TFensterWindow::~TFensterWindow() {
    if (auto* c = Korpus().Client) std::erase(c->Ansichten.FensterEditoren, this);
}

void TFensterWindow::CleanupWindow() {
    if (auto* c = Korpus().Client) std::erase(c->Ansichten.FensterEditoren, this);
    TMDIChild::CleanupWindow();
}

void TFensterWindow::HoeheSetzen(bool erweitert) {
    if (!GetHandle() || IsZoomed()) return;
    const TRect r = GetWindowRect();
    const TPoint oben = GetParent() ? GetParent()->ScreenToClient(r.TopLeft()) : r.TopLeft();
    MoveWindow({oben.x, oben.y, oben.x + r.Width(),
                oben.y + (erweitert ? ErweiterteHoehe : EingeklappteHoehe)});
}

void TFensterWindow::aktivieren(HWND aktiviert) {
    if (aktiviert != GetHandle()) return;
    StatusAktualisieren();
    if (!dialog_->Projektmodus) return;
    dialog_->ImAktualisieren = true;
    dialog_->Aktualisieren();
    dialog_->ImAktualisieren = false;
}

bool TFensterWindow::HatProjektAenderungen() const {
    return dialog_->Projektmodus && dialog_->Geaendert;
}

void TFensterWindow::AenderungenUebernehmen() {
    dialog_->EingabenUebernehmen();
    dialog_->SicherungErneuern();
    dialog_->Geaendert = false;
}

bool TFensterWindow::Zeigt(const void* objekt) const {
    return objekt == dialog_->Bearbeitet() || objekt == dialog_->AktuellesProjektfenster;
}

bool TFensterWindow::Umlenken(const void* objekt) {
    if (objekt == dialog_->Bearbeitet()) return false;
    // The placed window goes: the editor moves to another one of the type.
    dialog_->AktuellesProjektfenster = nullptr;
    dialog_->ProjektfensterNummer = -1;
    dialog_->ProjektfensterIndex = -1;
    return true;
}

TFensterBearbeitenDialog* FensterEditorSuchen(korpusMDIClient& client, const TRFenster* typ) {
    for (auto* w : client.Ansichten.FensterEditoren)
        if (auto* f = dynamic_cast<TFensterWindow*>(w); f && f->Dialog()->Bearbeitet() == typ)
            return f->Dialog();
    return nullptr;
}

TFensterBearbeitenDialog* FensterEditorOeffnen(korpusMDIClient& client, TRFenster* typ,
                                               TPFenster* platziert, bool projektmodus) {
    if (!typ) return nullptr;
    if (auto* offen = FensterEditorSuchen(client, typ)) {
        if (projektmodus && platziert) offen->ProjektfensterSetzen(platziert);
        offen->Fenster->BringWindowToTop();
        return offen;
    }
    auto* dialog = new TFensterBearbeitenDialog(nullptr, typ, projektmodus ? platziert : nullptr);
    const bool erweitert = projektmodus && !typ->PFensterListe.IsEmpty();
    auto* fenster = new TFensterWindow(client, "", dialog, erweitert);
    dialog->Fenster = fenster;
    dialog->Projektmodus = projektmodus;
    if (!projektmodus) dialog->ProjektfensterSetzen(nullptr);
    fenster->Create();
    client.Ansichten.FensterEditoren.push_back(fenster);
    fenster->ShowWindow(fenster->Maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return dialog;
}
