#include "korvalin/projekt/THeizsystemDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "hilfsmittel/DoubleValidator2.h"
#include "korvalin/projekt/TBrennstoffDialog.h"
#include "korvalin/projekt/TGradtagzahlenDialog.h"
#include "korvalin/projekt/TWarmwasserbedarfDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

using seite::Text;
using seite::Zahl;

constexpr const char* kEinheiten[] = {"m³", "kg", "Liter", "[ - ]"};
constexpr const char* kSuffixe[] = {"/m³", "/kg", "/l", ""};

TControlResource edit(int id, int x, int y, int w) {
    return {TControlKind::Edit, id, "", {x, y, x + w, y + 12}};
}
TControlResource label(int id, const char* text, int x, int y, int w) {
    return {TControlKind::Static, id, text, {x, y + 2, x + w, y + 11}};
}

TDialogResource heizsystemResource() {
    TDialogResource r{"Heizsystem", {300, 200}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the page's fields.
    v.push_back(edit(102, 45, 16, 130));
    v.push_back(edit(105, 45, 50, 130));
    v.push_back(edit(110, 225, 16, 40));
    v.push_back(edit(104, 100, 64, 30));
    v.push_back({TControlKind::RadioButton, 121, "Heizwert Hu", {140, 64, 195, 74}, true});
    v.push_back({TControlKind::RadioButton, 122, "Brennwert Ho", {200, 64, 260, 74}});
    v.push_back(
        {TControlKind::CheckBox, 107, "Warmwasserbedarf berücksichtigen", {5, 132, 150, 142}});
    v.push_back(edit(111, 100, 146, 30));
    v.push_back(edit(118, 100, 160, 30));
    v.push_back(edit(112, 100, 174, 40));
    v.push_back(
        Text("Diese Eingaben sind zur Berechnung nach der WSchVO nicht erforderlich!", 5, 2, 290));
    v.push_back(Text("Ort", 5, 16, 35));
    v.push_back(Text("Gradtagzahl", 180, 16, 44));
    v.push_back(Text("hK/a", 268, 16, 20));
    v.push_back(Text("Faktor", 180, 30, 44));
    v.push_back(label(109, "", 225, 30, 40));
    v.push_back({TControlKind::Button, 106, "Auswählen", {5, 28, 55, 40}});
    v.push_back(Text("Heizsystem", 5, 50, 40));
    v.push_back(Text("Wirkungsgrad bezogen auf", 5, 64, 94));
    v.push_back(Text("%", 131, 64, 8));
    v.push_back({TControlKind::Button, 108, "Auswählen", {5, 80, 55, 92}});
    // The fuel as one row under its own column titles.
    v.push_back({TControlKind::Custom, THeizsystemDialog::IDC_BRENNSTOFF, "", {5, 96, 295, 128}});
    v.push_back(label(114, "Warmwassertemperatur", 15, 146, 84));
    v.push_back(label(115, "°C", 132, 146, 15));
    v.push_back(label(119, "Kaltwassertemperatur", 15, 160, 84));
    v.push_back(label(120, "°C", 132, 160, 15));
    v.push_back(label(116, "Verbrauch", 15, 174, 80));
    v.push_back(label(117, "l/Tag", 142, 174, 25));
    v.push_back({TControlKind::Button, 113, "Info", {160, 130, 200, 142}});
    return r;
}

// The first 15 bytes decide, as the unit field of the fuel record holds.
int einheitIndex(const std::string& einheit) {
    for (int i = 0; i < 4; ++i)
        if (einheit.compare(0, 15, kEinheiten[i]) == 0) return i;
    return -1;
}

// The program's copy of a reference list follows what the dialog wrote.
template <class T, class S>
void listeAuffrischen(S* programm, const TReferenzSammlung<T>& dialog) {
    if (programm) static_cast<TReferenzSammlung<T>&>(*programm) = dialog;
}

} // namespace

THeizsystemDialog::THeizsystemDialog(TPropertyDialog* dialog, TOrt ort, THeizsystem heizsystem,
                                     TWarmwasserbedarf warmwasser)
    : TPropertyPage(dialog, heizsystemResource()), Ort(std::move(ort)),
      Heizsystem(std::move(heizsystem)), Warmwasser(warmwasser),
      tabelle_(new TSftTree(this, IDC_BRENNSTOFF)) {
    auto& f = felder_;
    f.Ort = Ort.Name;
    f.System = Heizsystem.Name;
    f.Gradtagzahl.Zeigen(Ort.Gradtagzahl, "%1.0lf");
    f.Wirkungsgrad.Zeigen(Heizsystem.Wirkungsgrad, "%3.2lf");
    f.Hu = Heizsystem.Heizwertbezug ? 1 : 0;
    f.Ho = 1 - f.Hu;
    f.Warmwasser = Warmwasser.ImVerbrauch == 1 ? 1 : 0;
    f.Warm.Zeigen(Warmwasser.Warmwassertemperatur, "%3.2lf");
    f.Kalt.Zeigen(Warmwasser.Kaltwassertemperatur, "%3.2lf");
    f.Verbrauch.Zeigen(Warmwasser.LiterProTag, "%1.0lf");
    brennstoffMerken();

    puffer_.Text(f.Ort, TOrt::kNameWidth).Text(f.System, THeizsystem::kNameWidth);
    puffer_.Text(f.Gradtagzahl.Text, 20).Text(f.Wirkungsgrad.Text, 20);
    puffer_.Check(f.Hu).Check(f.Ho).Check(f.Warmwasser);
    for (ZahlText* z : {&f.Warm, &f.Kalt, &f.Verbrauch}) puffer_.Text(z->Text, 20);
    SetTransferBuffer(&puffer_);

    Responses().Notify(110, EN_CHANGE, [this] { FaktorZeigen(); });
    Responses().Command(107, [this] { WarmwasserRegel(); });
    Responses().Command(106, [this] { OrtWaehlen(); });
    Responses().Command(108, [this] { BrennstoffWaehlen(); });
    Responses().Command(113, [this] { TWarmwasserbedarfDialog(GetParentWindow()).Execute(); });
    Responses().Notify(IDC_BRENNSTOFF, TN_CELLACTIVATE, [this] { EditBeginnen(); });
    Responses().Notify(IDC_BRENNSTOFF, TN_EDITCANCEL, [this] { EditAbbrechen(); });
    Responses().Notify(IDC_BRENNSTOFF, TN_EDITEND, [this] { EditBeenden(); });
}

void THeizsystemDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    const std::pair<int, std::pair<double, double>> bereiche[] = {
        {110, {0, 100000}}, {104, {1, 200}}, {111, {0, 100}}, {118, {0, 100}}, {112, {0, 1000000}}};
    for (const auto& [id, b] : bereiche)
        if (auto* e = Item<TEdit>(id)) e->SetValidator(new TDoubleValidator(b.first, b.second));
    FaktorZeigen();
    WarmwasserRegel();
    tabelle_->SetClickCodes(TTreeClickCodes::DoubleClicks);
    tabelle_->SetColumns({{90, TTreeColumn::Left, "Brennstoff"},
                          {60, TTreeColumn::Left, "Einheit"},
                          {110, TTreeColumn::Left, "Heizwert in kWh/[ ]"},
                          {110, TTreeColumn::Left, "Brennwert in kWh/[ ]"},
                          {90, TTreeColumn::Left, "Preis in DM/[ ]"},
                          {-1, TTreeColumn::Left, "CO2 kg/kWh"}});
    tabelle_->SetBackgroundColor(TColor::White);
    tabelle_->AddItem("");
    brennstoffZeigen();
    tabelle_->SelectItem(0);
}

void THeizsystemDialog::CallHelp() {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1159);
}

void THeizsystemDialog::FaktorZeigen() {
    const double gt = seite::Zahl(*this, 110);
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%3.2lf", gt * (1.0 / 3500));
    if (auto* s = GetDlgItem(109)) s->SetWindowText(puffer);
}

void THeizsystemDialog::WarmwasserRegel() {
    seite::Freigeben(*this, {114, 115, 116, 117, 119, 120, 111, 118, 112},
                     seite::Gewaehlt(*this, 107));
}

std::string THeizsystemDialog::Zelle(int spalte) const {
    return tabelle_->GetCellText(0, spalte).value_or("");
}

void THeizsystemDialog::SpaltentitelSetzen() {
    const int i = einheitIndex(Zelle(1));
    const std::string suffix = i >= 0 ? kSuffixe[i] : "";
    const char* titel[] = {"Heizwert in kWh", "Brennwert in kWh", "Preis in DM"};
    for (int k = 0; k < 3; ++k) tabelle_->SetColumnTitle(2 + k, titel[k] + suffix);
}

void THeizsystemDialog::brennstoffMerken() {
    const TBrennstoff& b = Heizsystem.Brennstoff;
    auto& f = felder_;
    f.Heizwert.Zeigen(b.Heizwert, "%3.2lf");
    f.Brennwert.Zeigen(b.Brennwert, "%3.2lf");
    f.Preis.Zeigen(b.Preis, "%3.2lf");
    f.CO2.Zeigen(b.CO2, "%3.2lf");
}

void THeizsystemDialog::brennstoffZeigen() {
    const TBrennstoff& b = Heizsystem.Brennstoff;
    const auto& f = felder_;
    const std::string zellen[] = {b.Name,           b.Einheit,    f.Heizwert.Text,
                                  f.Brennwert.Text, f.Preis.Text, f.CO2.Text};
    for (int k = 0; k < 6; ++k) tabelle_->SetCellText(0, k, zellen[k]);
    SpaltentitelSetzen();
}

void THeizsystemDialog::OrtWaehlen() {
    TGradtagzahlenDialog dialog(GetParentWindow(), Korpus().Programmverzeichnis);
    if (dialog.Execute() != IDOK) return;
    listeAuffrischen(Kataloge().Orte(), dialog.Sammlung());
    if (!dialog.Verwenden) return;
    Ort = dialog.Gewaehlt();
    felder_.Gradtagzahl.Zeigen(Ort.Gradtagzahl, "%1.0lf");
    if (auto* e = Item<TEdit>(102)) e->SetText(Ort.Name);
    if (auto* e = Item<TEdit>(110)) e->SetText(felder_.Gradtagzahl.Text);
    FaktorZeigen();
}

void THeizsystemDialog::BrennstoffWaehlen() {
    TBrennstoffDialog dialog(GetParentWindow(), Korpus().Programmverzeichnis);
    if (dialog.Execute() != IDOK) return;
    listeAuffrischen(Kataloge().Brennstoffe(), dialog.Sammlung());
    if (!dialog.Verwenden) return;
    if (tabelle_->IsEditing()) tabelle_->CloseEditor();
    Heizsystem.Brennstoff = dialog.Gewaehlt();
    brennstoffMerken();
    brennstoffZeigen();
}

// In-place editing of the fuel row: the unit from its list, the numbers
// through a validator, the name as any text.
void THeizsystemDialog::EditBeginnen() {
    const int spalte = tabelle_->GetLastClickedColumn();
    if (tabelle_->GetCaret() != 0 || spalte < 0 || spalte > 5) return;
    // The calorific values of a fuel without unit are fixed at 1.
    if ((spalte == 2 || spalte == 3) && einheitIndex(Zelle(1)) == 3) return;
    TTreeEditorStyle stil;
    if (spalte == 1) {
        stil.kind = TTreeEditorStyle::DropDown;
        stil.choices.assign(std::begin(kEinheiten), std::end(kEinheiten));
        stil.openList = true;
    } else if (spalte == 0) {
        stil.textLimit = unsigned(TBrennstoff::kNameWidth);
    } else {
        stil.textLimit = 20;
        stil.validator = std::make_shared<TDoubleValidator2>(0, 99999999);
    }
    tabelle_->EnsureVisible(0);
    tabelle_->EnsureColumnVisible(spalte);
    tabelle_->OpenEditor(0, spalte, stil);
}

void THeizsystemDialog::EditAbbrechen() {
    if (!tabelle_->IsEditing()) return;
    const bool fokus = tabelle_->GetEditor() && tabelle_->GetEditor()->HasFocus();
    tabelle_->CloseEditor();
    if (fokus) tabelle_->SetFocus();
}

bool THeizsystemDialog::EditBeenden() {
    if (!tabelle_->IsEditing()) return true;
    const int spalte = tabelle_->EditColumn();
    const std::string text = tabelle_->GetEditorText();
    if (text.empty()) {
        MessageBox("Bitte geben Sie einen Wert ein!", "Eingabe-Prüfung",
                   MB_OK | MB_ICONSTOP | MB_TASKMODAL);
        if (auto* e = tabelle_->GetEditor()) e->SetFocus();
        return false;
    }
    tabelle_->CloseEditor();
    tabelle_->SetCellText(0, spalte, text);
    if (spalte == 1) {
        if (einheitIndex(text) == 3)
            for (int k : {2, 3}) tabelle_->SetCellText(0, k, "1.00");
        SpaltentitelSetzen();
    }
    return true;
}

// An edit still open ends as by Enter; a refused one keeps the sheet open.
bool THeizsystemDialog::CanClosePage() {
    if (!IsCreated() || !tabelle_->IsEditing()) return true;
    SelectPage();
    return EditBeenden();
}

bool THeizsystemDialog::SaveData() {
    if (!TPropertyPage::SaveData()) return false;
    auto& f = felder_;
    Ort.Name = f.Ort;
    Ort.Gradtagzahl = f.Gradtagzahl.Lesen();
    Heizsystem.Name = f.System;
    Heizsystem.Wirkungsgrad = f.Wirkungsgrad.Lesen();
    Heizsystem.Heizwertbezug = f.Hu == 1 ? 1 : 0;
    if (IsCreated()) {
        TBrennstoff& b = Heizsystem.Brennstoff;
        b.Name = Zelle(0).substr(0, TBrennstoff::kNameWidth - 1);
        b.Einheit = Zelle(1);
        const std::pair<ZahlText*, double*> zahlen[] = {{&f.Heizwert, &b.Heizwert},
                                                        {&f.Brennwert, &b.Brennwert},
                                                        {&f.Preis, &b.Preis},
                                                        {&f.CO2, &b.CO2}};
        for (int k = 0; k < 4; ++k) {
            zahlen[k].first->Text = Zelle(2 + k);
            *zahlen[k].second = zahlen[k].first->Lesen();
        }
    }
    Warmwasser.ImVerbrauch = f.Warmwasser == 1 ? 1 : 0;
    Warmwasser.Warmwassertemperatur = f.Warm.Lesen();
    Warmwasser.Kaltwassertemperatur = f.Kalt.Lesen();
    Warmwasser.LiterProTag = f.Verbrauch.Lesen();
    return true;
}
