#include "tauplot/diagramm/TKlimaNachweisDialog.h"

#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

TDialogResource nachweisResource() {
    using K = TControlKind;
    TDialogResource r{"Nachweis", {300, 200}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the record.
    v.push_back({K::RadioButton,
                 117,
                 "Diffusionsnachweis führen (Standardeinstellung)",
                 {15, 20, 285, 30},
                 true});
    v.push_back({K::RadioButton,
                 119,
                 "Diffusionsnachweis erfüllt nach DIN 4108 Teil 3, 3.2.3",
                 {15, 36, 285, 46}});
    v.push_back({K::RadioButton, 120, "Diffusionsnachweis nicht führen", {15, 52, 285, 62}});
    v.push_back({K::Edit, 118, "", {60, 76, 290, 88}});
    v.push_back({K::RadioButton, 123, "0.5 kg/m²", {120, 120, 175, 130}, true});
    v.push_back({K::RadioButton, 122, "1.0 kg/m²", {180, 120, 235, 130}});
    v.push_back({K::GroupBox, 101, "Diffusionsnachweis", {5, 6, 295, 68}});
    v.push_back(seite::Text("Kommentar", 10, 76, 48));
    v.push_back(seite::Text("Warnung \"Erhebliche Tauwassermenge\" ab einer", 10, 104, 250));
    v.push_back(seite::Text("Tauwassermenge von", 10, 120, 105));
    return r;
}

} // namespace

TKlimaNachweisDialog::TKlimaNachweisDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                                           TKlimaNachweisStruct& daten)
    : TPropertyPage(dialog, nachweisResource()), hilfeDatei_(std::move(hilfeDatei)) {
    puffer_.Check(daten.Fuehren).Check(daten.Erfuellt).Check(daten.NichtFuehren);
    puffer_.Text(daten.Kommentar, 50).Check(daten.Schwelle05).Check(daten.Schwelle10);
    SetTransferBuffer(&puffer_);
}

void TKlimaNachweisDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    if (auto* e = Item<TEdit>(118)) e->LimitText(50);
}

void TKlimaNachweisDialog::CallHelp() {
    Help().WinHelp(hilfeDatei_, HELP_CONTEXT, 1105);
}
