#include "korvalin/bauteil/TBauteilWindow.h"

#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/shell/Bildschirm.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/profile/Profile.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

TBauteilWindow::TBauteilWindow(TMDIClient& parent, std::string_view title, TBauteilDialog* client)
    : TMDIChild(parent, title, client), dialog_(client) {
    TProfile ini("Einstellungen", "korpus.ini");
    const int32_t x = ini.GetInt("BauteilWindowX", 0), y = ini.GetInt("BauteilWindowY", 0);
    if (x != 0 && y != 0) {
        Breite = x;
        Hoehe = y;
    } else {
        const bool gross = GrosseBildschirmschrift();
        Breite = gross ? 805 : 630;
        Hoehe = gross ? 525 : 425;
        Maximiert = GetScreenSize().cx < (gross ? 900 : 800);
    }
    Attr().W = Breite;
    Attr().H = Hoehe;
    SetMinimumSize(Breite > 630 ? TSize{650, 400} : TSize{620, 400});

    Responses().Message(WM_MDIACTIVATE, [this](WPARAM, LPARAM aktiviert) {
        aktivieren(HWND(aktiviert));
        return 0;
    });
    Responses().Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM) {
        dialog_->ErgebnisseAnzeigen(0, 0, 0, 2);
        if (dialog_->Projektmodus) dialog_->ProjektbauteileAktualisieren();
        return 0;
    });
}

TBauteilWindow::~TBauteilWindow() {
    TProfile ini("Einstellungen", "korpus.ini");
    ini.WriteInt("BauteilWindowX", Breite);
    ini.WriteInt("BauteilWindowY", Hoehe);
    if (auto* c = Korpus().Client) std::erase(c->Ansichten.BauteilEditoren, this);
}

void TBauteilWindow::CleanupWindow() {
    if (auto* c = Korpus().Client) std::erase(c->Ansichten.BauteilEditoren, this);
    TMDIChild::CleanupWindow();
}

void TBauteilWindow::EvSize(uint32_t sizeType, const TSize& size) {
    TMDIChild::EvSize(sizeType, size);
    if (sizeType == 0 && size.cx > 0 && size.cy > 0) {
        Breite = size.cx;
        Hoehe = size.cy;
    }
}

void TBauteilWindow::aktivieren(HWND aktiviert) {
    if (aktiviert != GetHandle()) return;
    StatusAktualisieren();
    if (dialog_->Projektmodus) dialog_->ProjektbauteileAktualisieren();
}

TBauteilDialog* BauteilEditorSuchen(korpusMDIClient& client, const TRBauteil& bauteil) {
    for (auto* w : client.Ansichten.BauteilEditoren)
        if (auto* f = dynamic_cast<TBauteilWindow*>(w);
            f && f->Dialog() && f->Dialog()->Bauteil() && *f->Dialog()->Bauteil() == bauteil)
            return f->Dialog();
    return nullptr;
}

TBauteilDialog* BauteilEditorOeffnen(korpusMDIClient& client, TRBauteil* bauteil, int bereich,
                                     TPBauteil* pBauteil, bool projektmodus) {
    if (!bauteil) return nullptr;
    if (auto* offen = BauteilEditorSuchen(client, *bauteil)) {
        if (projektmodus && pBauteil) {
            offen->PBauteil = pBauteil;
            offen->PBauteilIndex = bauteil->GetIndexPBauteil(pBauteil->Nummer);
            offen->PBauteilNummer = pBauteil->Nummer;
            offen->ProjektbauteileAuflisten();
        }
        offen->Fenster->BringWindowToTop();
        return offen;
    }
    auto* dialog = new TBauteilDialog(nullptr, bauteil, bereich, pBauteil);
    auto* fenster = new TBauteilWindow(client, "", dialog);
    dialog->Fenster = fenster;
    dialog->Projektmodus = projektmodus;
    fenster->Create();
    client.Ansichten.BauteilEditoren.push_back(fenster);
    fenster->ShowWindow(fenster->Maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return dialog;
}
