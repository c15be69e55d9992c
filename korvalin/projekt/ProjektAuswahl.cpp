// Selection, buttons, context menus, expanding and marking in the project
// dialog's trees, and the drag feedback of the reference tree.
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {
// COLORREF values: selection of the active and of the other tree, marks.
constexpr TTreeCellColors kAktiv{TColor(0x800000), TColor(0xFFFFFF)};
constexpr TTreeCellColors kInaktiv{TColor(0xC0C0C0), TColor(0x000000)};
constexpr TTreeCellColors kMarkiert{TColor(0x808000), TColor(0xFFFFFF)};
constexpr TTreeCellColors kUnmarkiert{TColor(0xFFFFFF), TColor(0x000000)};
constexpr int kHuellSpalten = 4;
} // namespace

void TProjektDialog::auswahlGeaendert(TSftTree* baum) {
    MarkierungenLoeschen();
    if (baum == huellBaum_)
        HuellZeile = HuellAuswahlLesen(-1);
    else
        BauteilZeile = BauteilAuswahlLesen();
    SchaltflaechenAktualisieren();
}

void TProjektDialog::fokusErhalten(TSftTree* baum) {
    MarkierungenLoeschen();
    if ((baum == huellBaum_) == HuellBaumAktiv) return;
    HuellBaumAktiv = baum == huellBaum_;
    SchaltflaechenAktualisieren();
    auswahlFarbenSetzen();
}

void TProjektDialog::auswahlFarbenSetzen() {
    huellBaum_->SetSelectionColors(HuellBaumAktiv ? kAktiv : kInaktiv);
    bauteilBaum_->SetSelectionColors(HuellBaumAktiv ? kInaktiv : kAktiv);
}

void TProjektDialog::SchaltflaechenAktualisieren() {
    const bool referenz = AuswahlRBauteil || AuswahlRFenster;
    const bool platziert = AuswahlPBauteil || AuswahlPFenster;
    const bool huelle = AuswahlFassade || platziert;
    auto freigeben = [this](int id, bool an) {
        if (auto* w = GetDlgItem(id)) w->EnableWindow(an);
    };
    freigeben(109, referenz || AuswahlGruppe >= 0);
    freigeben(104, referenz);
    freigeben(118, huelle);
    freigeben(106, huelle);
    freigeben(108, huelle && referenz);
    if (HuellBaumAktiv) freigeben(114, platziert);
    freigeben(117, platziert && referenz);
}

void TProjektDialog::menueFreigaben() {
    auto& r = Responses();
    const auto keineGruppe = [this](TCommandEnabler& ce) { ce.Enable(AuswahlGruppe == -1); };
    for (int id : {12202, 12203, 12207, 12208}) r.CommandEnable(id, keineGruppe);
    r.CommandEnable(12205, [this](TCommandEnabler& ce) {
        ce.Enable(AuswahlGruppe == -1 && (AuswahlFassade || AuswahlPBauteil || AuswahlPFenster));
    });
    r.CommandEnable(12206, [this](TCommandEnabler& ce) {
        ce.Enable(AuswahlGruppe == -1 && (AuswahlPBauteil || AuswahlPFenster));
    });
    for (int id : {11844, 11842})
        r.CommandEnable(id, [this](TCommandEnabler& ce) { ce.Enable(AuswahlPBauteil != nullptr); });
    for (int id : {11846, 11843})
        r.CommandEnable(id, [this](TCommandEnabler& ce) { ce.Enable(AuswahlRBauteil != nullptr); });
}

void TProjektDialog::kontextmenue(TSftTree* baum) {
    baum->SendMessage(WM_CANCELMODE);
    TMenu* menue = nullptr;
    if (baum == bauteilBaum_)
        menue = menues_[2].get();
    else if (AuswahlFassade)
        menue = menues_[0].get();
    else if (AuswahlPBauteil || AuswahlPFenster)
        menue = menues_[1].get();
    if (!menue) return;
    // Where the right button was pressed.
    TrackPopupMenu(*menue->GetSubMenu(0), GetMessagePos(), *this);
}

void TProjektDialog::AlleAufklappen() {
    TProjekt* p = projekt();
    if (!p) return;
    if (HuellBaumAktiv) {
        for (TFassade& f : p->Fassaden) f.Merker7 = 1;
        for (TPBauteil& b : p->PBauteile)
            if (!b.Einbauten.IsEmpty()) b.Merker6 = 1;
        for (TPFenster& w : p->PFenster)
            if (!w.Einbauten.IsEmpty()) w.Merker15 = 1;
        FassadenBaumAufbauen();
    } else {
        p->Projekteinstellungen.fill(1);
        BauteilBaumAufbauen();
        bauteilBaum_->SetTopItem(BauteilZeile);
    }
}

void TProjektDialog::AlleZuklappen() {
    TProjekt* p = projekt();
    if (!p) return;
    if (HuellBaumAktiv) {
        for (TFassade& f : p->Fassaden) f.Merker7 = 0;
        for (TPBauteil& b : p->PBauteile) b.Merker6 = 0;
        for (TPFenster& w : p->PFenster) w.Merker15 = 0;
        uint16_t fassade = 0xFFFF;
        if (AuswahlFassade) fassade = AuswahlFassade->Nummer;
        if (AuswahlPBauteil) fassade = AuswahlPBauteil->FassadenNummer;
        if (AuswahlPFenster) fassade = AuswahlPFenster->FassadenNummer;
        if (fassade != 0xFFFF) HuellZeile = HuellZeileSuchen(int16_t(fassade), Fassade);
        huellBaum_->SetTopItem(0);
        FassadenBaumAufbauen();
    } else {
        p->Projekteinstellungen.fill(0);
        if (AuswahlRBauteil)
            BauteilZeile = BauteilZeileSuchen(BauteilGruppe(AuswahlRBauteil->Bauteilart), Fassade);
        else if (AuswahlRFenster)
            BauteilZeile = BauteilZeileSuchen(kFensterGruppe, Fassade);
        BauteilBaumAufbauen();
        bauteilBaum_->SetTopItem(BauteilZeile);
    }
}

void TProjektDialog::MarkierungSetzen(TSftTree* baum, int zeile, int spalten) {
    for (int s = 0; s < spalten; ++s) baum->SetCellColors(zeile, s, kMarkiert);
}

void TProjektDialog::MarkierungenLoeschen() {
    for (int zeile : HuellMarkierungen)
        for (int s = 0; s < kHuellSpalten; ++s) huellBaum_->SetCellColors(zeile, s, kUnmarkiert);
    for (int zeile : BauteilMarkierungen) bauteilBaum_->SetCellColors(zeile, 0, kUnmarkiert);
    HuellMarkierungen.clear();
    BauteilMarkierungen.clear();
}

namespace {
struct Meldung {
    const char* text;
    const char* titel;
};
constexpr Meldung kKeineBauteile{"Keine zugehörigen Projekt-Bauteile definiert!",
                                 "Bauteile markieren"};
constexpr Meldung kKeineFenster{"Keine zugehörigen Projekt-Fenster definiert!",
                                "Fenster markieren"};
} // namespace

void TProjektDialog::Markieren() {
    TProjekt* p = projekt();
    if (!p) return;
    MarkierungenLoeschen();
    if (!HuellBaumAktiv) {
        // The placed items of one reference item; answers the first row.
        auto nutzer = [&](const TTypNummerListe& liste, TSuche modus) {
            int erste = -1;
            for (const TTypNummer& t : liste) {
                const int zeile = HuellZeileSuchen(t.Nummer, modus);
                if (zeile < 0) continue;
                uint16_t nummer = 0xFFFF;
                if (modus == Bauteil) {
                    if (auto* b = p->PBauteilNr(t.Nummer)) nummer = b->FassadenNummer;
                } else if (auto* w = p->PFensterNr(t.Nummer)) {
                    nummer = w->FassadenNummer;
                }
                if (TFassade* f = p->FassadeNr(nummer)) {
                    f->Merker7 = 1;
                    huellBaum_->Expand(HuellZeileSuchen(f->Nummer, Fassade), true);
                }
                MarkierungSetzen(huellBaum_, zeile, kHuellSpalten);
                HuellMarkierungen.push_back(zeile);
                if (erste < 0) erste = zeile;
            }
            return erste;
        };
        int erste = -1;
        bool fenster = false;
        if (AuswahlGruppe == kFensterGruppe) {
            fenster = true;
            for (TRFenster& w : p->RFenster) {
                const int z = nutzer(w.PFensterListe, Fenster);
                if (erste < 0) erste = z;
            }
        } else if (AuswahlGruppe >= 0) {
            for (TRBauteil& t : p->RBauteile)
                if (BauteilGruppe(t.Bauteilart) == AuswahlGruppe) {
                    const int z = nutzer(t.PBauteilListe, Bauteil);
                    if (erste < 0) erste = z;
                }
        } else if (AuswahlRBauteil) {
            erste = nutzer(AuswahlRBauteil->PBauteilListe, Bauteil);
        } else if (AuswahlRFenster) {
            fenster = true;
            erste = nutzer(AuswahlRFenster->PFensterListe, Fenster);
        } else {
            return;
        }
        if (erste < 0) {
            const Meldung& m = fenster ? kKeineFenster : kKeineBauteile;
            MessageBox(m.text, m.titel, MB_OK | MB_ICONQUESTION);
            return;
        }
        huellBaum_->SetTopItem(erste);
        return;
    }
    // Envelope side: the reference rows of the selected items.
    int erste = -1;
    auto referenz = [&](const TTypNummer& t) {
        int gruppe, zeile;
        if (t.Typ == TTypNummer::Fenster) {
            const TPFenster* w = p->PFensterNr(t.Nummer);
            if (!w || !w->RFenster) return;
            gruppe = kFensterGruppe;
            zeile = BauteilZeileSuchen(int16_t(w->RFenster->Nummer), Fenster);
        } else {
            const TPBauteil* b = p->PBauteilNr(t.Nummer);
            if (!b || !b->RBauteil) return;
            gruppe = BauteilGruppe(b->RBauteil->Bauteilart);
            zeile = BauteilZeileSuchen(int16_t(b->RBauteil->Nummer), Bauteil);
        }
        if (zeile < 0) return;
        p->Projekteinstellungen[size_t(gruppe)] = 1;
        bauteilBaum_->Expand(BauteilZeileSuchen(gruppe, Fassade), true);
        MarkierungSetzen(bauteilBaum_, zeile, 1);
        BauteilMarkierungen.push_back(zeile);
        if (erste < 0) erste = zeile;
    };
    if (AuswahlFassade)
        for (const TTypNummer& t : AuswahlFassade->Elemente) referenz(t);
    else if (AuswahlPBauteil)
        referenz({int16_t(AuswahlPBauteil->RBauteil ? AuswahlPBauteil->RBauteil->Bauteilart : 0),
                  int16_t(AuswahlPBauteil->Nummer)});
    else if (AuswahlPFenster)
        referenz({TTypNummer::Fenster, int16_t(AuswahlPFenster->Nummer)});
    if (erste >= 0) bauteilBaum_->SetTopItem(erste);
}

void TProjektDialog::bauteilDragUeber() {
    auto& drag = bauteilBaum_->DragInfo();
    if (AuswahlGruppe >= 0) {
        bauteilBaum_->SendMessage(WM_CANCELMODE);
        return;
    }
    auto highlightWeg = [this](TSftTree* ausser) {
        if (DragZiel && DragZiel != ausser) DragZiel->SetDropHighlight(-1);
    };
    if (drag.windowUnderCursor == bauteilBaum_->GetHandle()) {
        highlightWeg(nullptr);
        bauteilBaum_->SetDropHighlight(-1);
        DragZiel = bauteilBaum_;
        drag.dropAllowed = false;
        drag.supplyCursor = true;
        drag.cursor = TCursor::NoDrop;
    } else if (drag.windowUnderCursor == huellBaum_->GetHandle()) {
        highlightWeg(huellBaum_);
        drag.dropAllowed = true;
        drag.supplyCursor = true;
        drag.cursor = drag.copy ? TCursor::DragCopy : TCursor::DragMove;
        // The control found the row under the cursor in the envelope tree.
        huellBaum_->SetDropHighlight(drag.itemUnderCursor);
        DragZiel = huellBaum_;
    } else {
        highlightWeg(nullptr);
        DragZiel = nullptr;
    }
}

void TProjektDialog::eingabe() {
    for (auto* baum : {huellBaum_, bauteilBaum_})
        if (baum->IsEditing()) {
            baum->EditorEnter();
            baum->SetFocus();
            return;
        }
}
