#include "korvalin/bauteil/TBauteilFlaechenBereicheDialog.h"

#include "hilfsmittel/DoubleValidator2.h"
#include "korvalin/bauteil/BauteilDiagramme.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TAnteilAendernDialog.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/Menu.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TEinfachBauteil.h"

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Flächenbereiche";
    r.size = {250, 160};
    r.controls = {
        {K::Custom, 108, "", {6, 6, 190, 128}},
        {K::Button, 104, "Neu", {196, 6, 244, 18}},
        {K::Button, 107, "Kopieren", {196, 22, 244, 34}},
        {K::Button, 105, "Ändern", {196, 38, 244, 50}},
        {K::Button, 106, "Löschen", {196, 54, 244, 66}},
        {K::Static, 0, "Summe", {6, 134, 40, 142}},
        {K::Edit, 1042, "", {44, 132, 90, 144}},
        {K::Static, 0, "%", {94, 134, 110, 142}},
        {K::DefButton, IDOK, "Öffnen", {196, 100, 244, 112}},
        {K::Button, IDCANCEL, "Abbrechen", {196, 116, 244, 128}},
        {K::Button, 9, "Hilfe", {196, 132, 244, 144}},
    };
    return r;
}

} // namespace

TBauteilFlaechenBereicheDialog::TBauteilFlaechenBereicheDialog(TWindow* parent, TRBauteil* bauteil)
    : TDialog(parent, ressource()), bauteil_(bauteil), baum_(new TSftTree(this, 108)) {
    auto& r = Responses();
    for (auto [a, b] : {std::pair{104, 12000}, {107, 12002}, {105, 12001}, {106, 12003}}) {
        auto h = a == 104   ? std::function<void()>([this] { Neu(); })
                 : a == 107 ? std::function<void()>([this] { Kopieren(); })
                 : a == 105 ? std::function<void()>([this] { Aendern(); })
                            : std::function<void()>([this] { Loeschen(); });
        r.Command(a, h);
        r.Command(b, h);
    }
    r.Command(9, [] { HilfeZeigen(1107); });
    r.Notify(108, TN_SELCHANGE, [this] { AktuellerBereich = baum_->GetSelectedItem(); });
    r.Notify(108, TN_CELLCLICK, [this] {
        const int z = baum_->GetSelectedItem(), s = baum_->GetLastClickedColumn();
        if (z < 0 || s < 0 || s > 1) return;
        TTreeEditorStyle stil;
        stil.textLimit = s == 0 ? unsigned(TEinfachBauteil::kNameWidth) : 80;
        if (s == 1) stil.validator = std::make_shared<TDoubleValidator2>(0, 100);
        baum_->EnsureVisible(z);
        baum_->OpenEditor(z, s, std::move(stil));
    });
    r.Notify(108, TN_EDITCANCEL, [this] { baum_->CloseEditor(); });
    r.Notify(108, TN_EDITEND, [this] { ZelleUebernehmen(); });
    r.Notify(108, TN_RIGHTCLICK, [this] { kontextmenue(); });
}

TBauteilFlaechenBereicheDialog::~TBauteilFlaechenBereicheDialog() = default;

void TBauteilFlaechenBereicheDialog::SetupWindow() {
    TDialog::SetupWindow();
    Item<TEdit>(1042)->SetReadOnly(true);
    baum_->SetRowHeaderTitle("Nr");
    baum_->SetColumns({{200, TTreeColumn::Left, "Bezeichnung"}, {-1, TTreeColumn::Right, "%"}});
    fuellen();
    Geaendert = false;
    if (AktuellerBereich >= 0 && AktuellerBereich < baum_->GetCount()) {
        baum_->SelectItem(AktuellerBereich);
        baum_->EnsureVisible(AktuellerBereich);
    }
    if (Bereiche.empty()) knoepfe(false);
}

void TBauteilFlaechenBereicheDialog::fuellen() {
    baum_->DeleteAll();
    Summe = 0;
    for (const auto& e : Bereiche) {
        Summe += e->Flaechenanteil;
        const int z = baum_->AddItem(e->Name);
        baum_->SetMarkText(z, std::to_string(z + 1));
        baum_->SetCellText(z, 1, Zahl(2, e->Flaechenanteil));
    }
    summeZeigen();
}

void TBauteilFlaechenBereicheDialog::summeZeigen() {
    Item<TEdit>(1042)->SetText(Bereiche.empty() ? "" : Zahl(2, Summe));
}

void TBauteilFlaechenBereicheDialog::knoepfe(bool an) {
    for (int id : {int(IDOK), 107, 105, 106}) GetDlgItem(id)->EnableWindow(an);
}

bool TBauteilFlaechenBereicheDialog::anteilDialog(TEinfachBauteil& e, const char* titel) {
    TAnteilStruct d{e.Name, Zahl(2, e.Flaechenanteil)};
    TAnteilAendernDialog dlg(this, d);
    dlg.SetCaption(titel);
    if (dlg.Execute() != IDOK) return false;
    e.Name = Abschneiden(d.Name, TEinfachBauteil::kNameWidth);
    e.Flaechenanteil = DezimalLesen(d.Anteil);
    return true;
}

void TBauteilFlaechenBereicheDialog::Neu() {
    const int n = int(Bereiche.size());
    if (n == 0) knoepfe(true);
    if (!anhaengen(std::make_unique<TEinfachBauteil>(), "Flächenbereich neu") && n == 0)
        knoepfe(false);
}

bool TBauteilFlaechenBereicheDialog::anhaengen(std::unique_ptr<TEinfachBauteil> e,
                                               const char* titel) {
    const int n = int(Bereiche.size());
    e->Nummer = int16_t(n);
    e->Flaechenanteil = 100 - Summe;
    e->Name = "Bereich " + std::to_string(n + 1);
    if (!anteilDialog(*e, titel)) return false;
    Geaendert = true;
    Bereiche.push_back(std::move(e));
    fuellen();
    AktuellerBereich = n;
    baum_->SelectItem(n);
    baum_->EnsureVisible(n);
    return true;
}

void TBauteilFlaechenBereicheDialog::Kopieren() {
    const int z = baum_->GetSelectedItem(), n = int(Bereiche.size());
    if (z < 0 || z >= n) {
        Warnung("Kein Flächenbereich definiert.", "Flächenbereich ändern");
        return;
    }
    anhaengen(std::make_unique<TEinfachBauteil>(*Bereiche[size_t(z)]), "Kopierter Flächenbereich");
}

void TBauteilFlaechenBereicheDialog::Aendern() {
    const int z = baum_->GetSelectedItem();
    if (z < 0 || z >= int(Bereiche.size())) {
        Warnung("Kein Flächenbereich definiert.", "Flächenbereich ändern");
        return;
    }
    if (!anteilDialog(*Bereiche[size_t(z)], "Flächenbereich ändern")) return;
    Geaendert = true;
    fuellen();
    baum_->SelectItem(z);
    baum_->EnsureVisible(z);
}

void TBauteilFlaechenBereicheDialog::Loeschen() {
    if (Bereiche.empty()) {
        Warnung("Alle Flächenbereiche sind gelöscht!", "Flächenbereich löschen");
        return;
    }
    const int z = baum_->GetSelectedItem();
    if (z < 0 || z >= int(Bereiche.size())) return;
    if (Warnung("Bereich\n " + Bereiche[size_t(z)]->Name +
                    "\n löschen. Alle Bereichs-Daten gehen verloren!",
                "Bauteil - Bereich löschen", MB_OKCANCEL) != IDOK)
        return;
    const int alteAnzahl = int(Bereiche.size());
    Bereiche.erase(Bereiche.begin() + z);
    Geaendert = true;
    for (auto& e : Bereiche)
        if (e->Nummer > z) --e->Nummer;
    // From z on every number now names another range or none: diagrams of those
    // numbers would show the wrong range.
    if (bauteil_)
        for (int i = z; i < alteAnzahl; ++i) BereichsDiagrammeSchliessen(*bauteil_, i);
    fuellen();
    if (!Bereiche.empty()) {
        AktuellerBereich = 0;
        baum_->SelectItem(0);
        baum_->EnsureVisible(0);
    } else {
        AktuellerBereich = -1;
        knoepfe(false);
    }
}

bool TBauteilFlaechenBereicheDialog::ZelleUebernehmen() {
    if (!baum_->IsEditing()) return false;
    const int z = baum_->EditItem(), s = baum_->EditColumn();
    const std::string text = baum_->GetEditorText().substr(0, 79);
    auto refuse = [this](const char* meldung) {
        MessageBox(meldung, "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
        if (auto* e = baum_->GetEditor()) e->SetFocus();
        return false;
    };
    const double wert = DezimalLesen(text);
    if (s == 0 && text.empty()) return refuse("Geben Sie einen Namen ein!");
    if (s == 1 && (wert < 0 || wert > 100))
        return refuse("Wert ist nicht im Bereich zwischen 0 und 100!");
    baum_->SetCellText(z, s, text);
    baum_->CloseEditor();
    if (z < 0 || z >= int(Bereiche.size())) return true;
    TEinfachBauteil& e = *Bereiche[size_t(z)];
    if (s == 0) {
        e.Name = Abschneiden(text, TEinfachBauteil::kNameWidth);
    } else {
        Summe += wert - e.Flaechenanteil;
        e.Flaechenanteil = wert;
        summeZeigen();
    }
    Geaendert = true;
    return true;
}

void TBauteilFlaechenBereicheDialog::CmOk() {
    auto* ok = GetDlgItem(IDOK);
    if (ok && GetFocus() != ok->GetHandle() && baum_->IsEditing()) {
        ZelleUebernehmen();
        baum_->SetFocus();
        return;
    }
    AktuellerBereich = baum_->GetSelectedItem();
    TDialog::CmOk();
}

bool TBauteilFlaechenBereicheDialog::CanClose() {
    if (Summe < 100 - 0.05 - 1e-9 || Summe > 100 + 0.05 + 1e-9) {
        Warnung("Die Prozentsumme der Anteile ist nicht 100%! ", "Flächenbereiche schließen");
        return false;
    }
    return TDialog::CanClose();
}

void TBauteilFlaechenBereicheDialog::kontextmenue() {
    TMenu menue(std::vector<TMenuResource>{
        MenuPopup("Bereiche bearbeiten", {MenuItem(12000, "Neu"), MenuItem(12002, "Kopieren"),
                                          MenuItem(12001, "Ändern"), MenuItem(12003, "Löschen")})});
    TrackPopupMenu(*menue.GetSubMenu(0), GetMessagePos(), *this);
}
