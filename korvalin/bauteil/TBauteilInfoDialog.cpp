#include "korvalin/bauteil/TBauteilInfoDialog.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TDateiDialog.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TRBauteil.h"

#include <cstdio>

namespace {

using K = TControlKind;

const char* const kWaermeuebergang[10] = {"Außenwand",
                                          "Hinterlüftet",
                                          "Decke, nach oben gegen Außenluft",
                                          "Decke unter nicht ausgebautem Dachraum",
                                          "Unterer Abschluß an Erdreich grenzend",
                                          "Unterere Abschluß über Hohlraum",
                                          "Wand an Erdreich grenzend",
                                          "Kellerdecke",
                                          "Decke, nach unten gegen Außenluft",
                                          "Trennwand zu dauernd unbeheiztem Raum"};
const char* const kNamen[12] = {"Baustoff", "Dicke", "Dichte", "Fl.masse", "lambda", "1/Lambda",
                                "µ_min",    "µ_max", "s_d",    "C",        "W_T",    "W_V"};
const char* const kEinheiten[12] = {"Baustoff", "[mm]",    "[kg/m³]", "[kg/m²]",
                                    "[W/mK]",   "[m²K/W]", "[ - ]",   "[ - ]",
                                    "[ m ]",    "[J/kgK]", "[kg/m²]", "[kg/m²]"};

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Bauteil-Info";
    r.size = {380, 200};
    r.controls = {
        {K::Static, 600, "", {6, 6, 374, 15}},
        {K::Static, 701, "Typ:", {6, 20, 60, 28}},
        {K::Static, 601, "", {62, 20, 200, 28}},
        {K::Static, 702, "Wärmeübergang:", {6, 32, 60, 40}},
        {K::Static, 602, "", {62, 32, 240, 40}},
        {K::Static, 703, "k-Wert ", {250, 20, 280, 28}},
        {K::Static, 604, "", {282, 20, 315, 28}},
        {K::Static, 704, "W/m²*K", {318, 20, 360, 28}},
        {K::Static, 705, "Bereich", {250, 32, 280, 40}},
        {K::ComboBox, TBauteilInfoDialog::IDC_BEREICH, "", {282, 30, 360, 42}},
        {K::Custom, TBauteilInfoDialog::IDC_TABELLE, "", {6, 48, 374, 176}},
        {K::DefButton, IDOK, "OK", {270, 182, 320, 196}},
        {K::Button, IDCANCEL, "Abbrechen", {324, 182, 374, 196}},
    };
    return r;
}

} // namespace

TBauteilInfoDialog::TBauteilInfoDialog(TWindow* parent, const TRBauteil& bauteil)
    : TDialog(parent, ressource()), bauteil_(bauteil), tabelle_(new TSftTree(this, IDC_TABELLE)) {
    new TComboBox(this, IDC_BEREICH);
    Responses().Notify(IDC_BEREICH, CBN_SELCHANGE, [this] { BereichZeigen(); });
    Responses().Notify(IDC_TABELLE, TN_HEADINGCLICK, [this] { UeberschriftenUmschalten(); });
    for (const TEinfachBauteil& e : bauteil_.Flaechenanteile)
        if (e.Nummer == 0) bereich_ = &e;
}

void TBauteilInfoDialog::SetupWindow() {
    TDialog::SetupWindow();
    const auto name = [](const char* const* liste, int i) {
        return i >= 0 && i < 10 ? liste[i] : "";
    };
    Item<TStatic>(600)->SetText(bauteil_.Name);
    Item<TStatic>(601)->SetText(name(BauteilTypNamen, bauteil_.Bauteilart));
    Item<TStatic>(602)->SetText(name(kWaermeuebergang, bauteil_.Angrenzung));
    char text[64];
    std::snprintf(text, sizeof text, "%4.3lf", bauteil_.k_m);
    Item<TStatic>(604)->SetText(text);
    auto* bereiche = Item<TComboBox>(IDC_BEREICH);
    int index = 0, i = 0;
    for (const TEinfachBauteil& e : bauteil_.Flaechenanteile) {
        std::snprintf(text, sizeof text, "%d (%1.0lf%%)", e.Nummer + 1, e.Flaechenanteil);
        bereiche->AddString(text);
        if (&e == bereich_) index = i;
        ++i;
    }
    bereiche->SetSelIndex(index);
    std::vector<TTreeColumn> spalten;
    for (int c = 0; c < 12; ++c)
        spalten.push_back({c == 0    ? 120
                           : c == 11 ? -1
                                     : 30,
                           c == 0 ? TTreeColumn::Left : TTreeColumn::Right, kNamen[c]});
    tabelle_->SetColumns(spalten);
    tabelle_->SetBackgroundColor(TColor::White);
    tabelle_->SetWindowFont(TDateiDialog::ListenSchrift());
    fuellen();
    tabelle_->FitColumns();
}

void TBauteilInfoDialog::fuellen() {
    tabelle_->DeleteAll();
    if (!bereich_) return;
    SchichtTabelleSchreiben(tabelle_, bauteil_, *bereich_);
    tabelle_->SelectItem(0);
    tabelle_->EnableWindow(!bereich_->kWertVorgegeben);
}

void TBauteilInfoDialog::BereichZeigen() {
    const int nummer = Item<TComboBox>(IDC_BEREICH)->GetSelIndex();
    for (const TEinfachBauteil& e : bauteil_.Flaechenanteile)
        if (e.Nummer == nummer) bereich_ = &e;
    fuellen();
}

void TBauteilInfoDialog::UeberschriftenUmschalten() {
    einheiten_ = 1 - einheiten_;
    for (int c = 1; c < 12; ++c)
        tabelle_->SetColumnTitle(c, einheiten_ ? kEinheiten[c] : kNamen[c]);
}
