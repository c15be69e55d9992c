// Expanding rows (kept in the model, so that every rebuild shows them so)
// and dragging rows: placed items and areas within the envelope tree, types
// from the reference tree onto it.
#include "hilfsmittel/Formatter.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr uint32_t kHinweis = MB_OK | MB_ICONEXCLAMATION;
constexpr uint32_t kFrage = MB_OKCANCEL | MB_ICONEXCLAMATION;

std::string q(const std::string& name) {
    return "\"" + name + "\"";
}

// The model object behind an envelope row, found the way the rows were built.
HuellZeile zeileBei(TProjekt& p, int zeile) {
    const auto zeilen = HuellZeilen(p);
    return zeile >= 0 && size_t(zeile) < zeilen.size() ? zeilen[size_t(zeile)] : HuellZeile{-1};
}

} // namespace

void TProjektDialog::Aufklappen(TSftTree* baum) {
    TProjekt* p = projekt();
    const int zeile = baum->GetCaret();
    if (!p || zeile < 0) return;
    const bool offen = !baum->IsExpanded(zeile);
    const bool alle = GetKeyState(VK_CONTROL) < 0;
    baum->Expand(zeile, offen, alle);
    const uint16_t merker = offen ? 1 : 0;
    if (baum == bauteilBaum_) {
        const auto zeilen = ReferenzZeilen(*p);
        if (size_t(zeile) < zeilen.size() && zeilen[size_t(zeile)].Gruppe >= 0)
            p->Projekteinstellungen[size_t(zeilen[size_t(zeile)].Gruppe)] = merker;
        return;
    }
    const ::HuellZeile z = zeileBei(*p, zeile);
    if (z.Ebene == 0 && z.Fassade) {
        z.Fassade->Merker7 = merker;
        // Closed, its items are closed too; opened with Ctrl, they are all open.
        if (offen && !alle) return;
        for (const TTypNummer& e : z.Fassade->Elemente) {
            if (e.Typ == TTypNummer::Fenster) {
                if (TPFenster* f = p->PFensterNr(e.Nummer)) f->Merker15 = merker;
            } else if (TPBauteil* b = p->PBauteilNr(e.Nummer)) {
                b->Merker6 = merker;
            }
        }
        FassadenBaumAufbauen();
        return;
    }
    // The area shown depends on the state: gross while closed, net while open.
    double flaeche = 0;
    if (z.Bauteil) {
        z.Bauteil->Merker6 = merker;
        flaeche = offen ? z.Bauteil->Nettoflaeche : z.Bauteil->Bruttoflaeche;
    } else if (z.Fenster) {
        z.Fenster->Merker15 = merker;
        flaeche = offen ? z.Fenster->Nettoflaeche : z.Fenster->Bruttoflaeche;
    } else {
        return;
    }
    baum->SetCellText(zeile, 3, QTX_format("%3.2lf", flaeche));
}

void TProjektDialog::HuellDragUeber() {
    auto& drag = huellBaum_->DragInfo();
    if (drag.windowUnderCursor == huellBaum_->GetHandle()) {
        if (DragZiel && DragZiel != huellBaum_) DragZiel->SetDropHighlight(-1);
        DragZiel = huellBaum_;
        drag.supplyCursor = true;
        drag.cursor = drag.copy ? TCursor::DragCopy : TCursor::DragMove;
    } else {
        if (DragZiel) DragZiel->SetDropHighlight(-1);
        DragZiel = nullptr;
        drag.dropAllowed = false;
        drag.supplyCursor = true;
        drag.cursor = TCursor::NoDrop;
    }
}

void TProjektDialog::DragAbgebrochen() {
    if (DragZiel) DragZiel->SetDropHighlight(-1);
    DragZiel = nullptr;
}

void TProjektDialog::HuellAblegen() {
    TProjekt* p = projekt();
    const auto& drag = huellBaum_->GetDragInfo();
    const int ziel = huellBaum_->GetDropTarget();
    DragAbgebrochen();
    huellBaum_->SetDropHighlight(-1);
    if (!p || drag.windowUnderCursor != huellBaum_->GetHandle() || drag.itemUnderCursor < 0) return;
    const ::HuellZeile z = zeileBei(*p, ziel);
    if (z.Ebene < 0) return;
    const bool kopie = drag.copy;

    if (AuswahlPBauteil || AuswahlPFenster) {
        TPBauteil* b = AuswahlPBauteil;
        TPFenster* f = AuswahlPFenster;
        const std::string art = b ? "Bauteil" : "Fenster";
        const std::string name = b ? b->Name : f->Name;
        if (z.Ebene == 0) {
            const uint16_t fassade = b ? b->FassadenNummer : f->FassadenNummer;
            if (kopie) {
                if (MessageBox("Kopieren von " + q(name) + " nach " + q(z.Fassade->Name) + "!",
                               art + " kopieren", kFrage) == IDOK)
                    AufHuellflaecheKopieren(b, f, z.Fassade);
            } else if (fassade != z.Fassade->Nummer) {
                if (MessageBox("Verschieben von " + q(name) + " nach " + q(z.Fassade->Name) + "!",
                               art + " verschieben", kFrage) == IDOK)
                    AufHuellflaecheVerschieben(b, f, z.Fassade);
            } else {
                MessageBox("Verschieben nicht möglich!\n" + q(name) + "gehört bereits zu " +
                               q(z.Fassade->Name) + "!",
                           art + " verschieben", kHinweis);
            }
            return;
        }
        if ((b && z.Bauteil == b) || (f && z.Fenster == f)) return;
        const std::string zielName = z.Bauteil ? z.Bauteil->Name : z.Fenster->Name;
        const TTypNummer zielRef =
            z.Bauteil ? TProjekt::Referenz(*z.Bauteil) : TProjekt::Referenz(*z.Fenster);
        const TTypNummer zielTraeger = z.Bauteil ? z.Bauteil->Traeger : z.Fenster->Traeger;
        const bool hatEinbauten = b ? !b->Einbauten.IsEmpty() : !f->Einbauten.IsEmpty();
        const TTypNummer traeger = b ? b->Traeger : f->Traeger;
        if (hatEinbauten) {
            MessageBox("Aktion nicht möglich!\n" + q(name) +
                           " mit Unter-Bauteilen kann nur einer Hüllfläche direkt zugeordnet "
                           "werden!",
                       art + " zuordnen", kHinweis);
        } else if (zielTraeger.Nummer != -1) {
            MessageBox("Aktion nicht möglich!\n" + q(zielName) +
                           "ist selbst ein Unter-Bauteil. Einem Unter-Bauteil kann kein weiteres "
                           "Unter-" +
                           art + " zugeordnet werden!",
                       art + " zuordnen", kHinweis);
        } else if (kopie) {
            if (MessageBox("Kopieren von " + q(name) + " nach " + q(zielName) + "!",
                           art + " kopieren", kFrage) == IDOK)
                UnterBauteilKopieren(b, f, z.Bauteil, z.Fenster);
        } else if (traeger == zielRef) {
            MessageBox("Aktion nicht möglich!\n" + q(name) + " gehört bereits zu " + q(zielName) +
                           "!",
                       art + " verschieben", kHinweis);
        } else if (MessageBox("Verschieben von " + q(name) + " nach " + q(zielName) + "!",
                              art + " verschieben", kFrage) == IDOK) {
            UnterBauteilVerschieben(b, f, z.Bauteil, z.Fenster);
        }
        return;
    }

    if (!AuswahlFassade) return;
    // An area goes to the place of the area it is dropped on; no question.
    TFassade* f = AuswahlFassade;
    const int16_t stelle = int16_t(z.Fassade->Nummer);
    if (stelle < 0 || stelle == int16_t(f->Nummer)) return;
    if (kopie) {
        f = p->FassadeKopieren(f);
        if (!f) return;
        ErgebnisseAnzeigen();
    }
    p->FassadeVerschieben(f, stelle);
    HuellZeile = HuellZeileSuchen(stelle, Fassade);
    FassadenBaumAufbauen();
    geaendertMelden();
}

void TProjektDialog::BauteilAblegen() {
    TProjekt* p = projekt();
    const auto& drag = bauteilBaum_->GetDragInfo();
    const int ziel = huellBaum_->GetDropTarget();
    DragAbgebrochen();
    huellBaum_->SetDropHighlight(-1);
    bauteilBaum_->SetDropHighlight(-1);
    if (!p || drag.windowUnderCursor != huellBaum_->GetHandle() || AuswahlGruppe >= 0) return;
    const ::HuellZeile z = zeileBei(*p, ziel);
    if (z.Ebene < 0) return;
    if (z.Ebene == 0)
        AufHuellflaecheZuordnen(AuswahlRBauteil, AuswahlRFenster, z.Fassade);
    else if (drag.copy)
        NeuZuordnen(AuswahlRBauteil, AuswahlRFenster, z.Bauteil, z.Fenster);
    else
        AlsUnterBauteilZuordnen(AuswahlRBauteil, AuswahlRFenster, z.Bauteil, z.Fenster);
}

void TProjektDialog::ziehenEintragen() {
    auto& r = Responses();
    for (auto* baum : {huellBaum_, bauteilBaum_}) {
        const int id = baum->GetId();
        r.Notify(id, TN_EXPANDBUTTON, [this, baum] { Aufklappen(baum); });
        r.Notify(id, TN_EXPANDKEY, [this, baum] { Aufklappen(baum); });
        r.Notify(id, TN_DRAGCANCEL, [this] { DragAbgebrochen(); });
    }
    r.Notify(IDC_HUELLBAUM, TN_DRAGOVER, [this] { HuellDragUeber(); });
    r.Notify(IDC_HUELLBAUM, TN_DRAGOVERTARGET, [this] { HuellDragUeber(); });
    r.Notify(IDC_HUELLBAUM, TN_DROP, [this] { HuellAblegen(); });
    r.Notify(IDC_BAUTEILBAUM, TN_DROP, [this] { BauteilAblegen(); });
}
