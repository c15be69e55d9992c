// Renaming where the names stand: an edit over the cell of the selected row.
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

namespace {
// What the edit reads back, as the program's edit buffer held it.
constexpr size_t kEingabeLaenge = 79;
} // namespace

void TProjektDialog::BearbeitungBeginnen(TSftTree* baum) {
    const int zeile = baum->GetSelectedItem();
    if (zeile < 0 || baum->IsEditing()) return;
    int spalte = 0;
    if (baum == huellBaum_) {
        spalte = baum->GetLastClickedColumn();
        // The type and the area are changed where they come from.
        if (spalte == 2 || spalte == 3) return HuellAendern(spalte);
        if (spalte == 1 && AuswahlFassade) return;
    } else if (AuswahlGruppe >= 0) {
        return;
    }
    if (!baum->GetCellRect(zeile, spalte)) baum->EnsureVisible(zeile);
    baum->EnsureColumnVisible(spalte);
    baum->OpenEditor(zeile, spalte);
    SetDefaultButton(IDC_EDIT_INPLACE);
}

void TProjektDialog::BearbeitungAbbrechen(TSftTree* baum) {
    if (!baum->IsEditing()) return;
    const bool fokus = baum->GetEditor() && baum->GetEditor()->HasFocus();
    baum->CloseEditor();
    SetDefaultButton(IDOK);
    if (fokus) baum->SetFocus();
}

void TProjektDialog::BearbeitungBeenden(TSftTree* baum) {
    TProjekt* p = projekt();
    if (!p || !baum->IsEditing()) return;
    const std::string text = Gekuerzt(baum->GetEditorText(), kEingabeLaenge);
    const int zeile = baum->EditItem(), spalte = baum->EditColumn();
    if (text.empty() && spalte == 0) {
        // The edit stays open for the name.
        MessageBox("Bitte geben Sie einen Namen ein.",
                   baum == huellBaum_ ? "Name ändern" : "Namen ändern",
                   MB_OK | MB_ICONSTOP | MB_TASKMODAL);
        if (auto* e = baum->GetEditor()) e->SetFocus();
        return;
    }
    const size_t laenge = spalte == 1 ? kKurznamenLaenge : kNamenLaenge;
    const std::string wert = Gekuerzt(text, laenge);
    baum->SetCellText(zeile, spalte, wert);
    if (baum == huellBaum_) {
        if (spalte == 1) {
            if (AuswahlPBauteil) AuswahlPBauteil->Zusatztext = wert;
            if (AuswahlPFenster) AuswahlPFenster->Zusatztext = wert;
        } else if (AuswahlFassade) {
            AuswahlFassade->Name = wert;
        } else if (AuswahlPBauteil) {
            AuswahlPBauteil->Name = wert;
        } else if (AuswahlPFenster) {
            AuswahlPFenster->Name = wert;
        }
    } else if (AuswahlRBauteil) {
        p->BauteilUmbenennen(wert, AuswahlRBauteil->Nummer);
        Editoren().TypUmbenannt(*AuswahlRBauteil);
    } else if (AuswahlRFenster) {
        p->FensterUmbenennen(wert, AuswahlRFenster->Nummer);
        Editoren().TypUmbenannt(*AuswahlRFenster);
    }
    geaendertMelden();
    BearbeitungAbbrechen(baum);
}

void TProjektDialog::bearbeitenEintragen() {
    auto& r = Responses();
    for (auto* baum : {huellBaum_, bauteilBaum_}) {
        const int id = baum->GetId();
        r.Notify(id, TN_CELLACTIVATE, [this, baum] { BearbeitungBeginnen(baum); });
        r.Notify(id, TN_EDITCANCEL, [this, baum] { BearbeitungAbbrechen(baum); });
        r.Notify(id, TN_EDITEND, [this, baum] { BearbeitungBeenden(baum); });
    }
}
