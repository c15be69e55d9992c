#include "tauplot/diagramm/TTauwasserDialog.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

TDialogResource tauwasserResource() {
    using K = TControlKind;
    TDialogResource r{"Erhebliche Tauwassermenge", {240, 150}, {}};
    auto& v = r.controls;
    // The transferring controls in the order of the record.
    v.push_back({K::Edit, 105, "", {110, 8, 160, 20}});
    v.push_back({K::RadioButton, 101, "Nicht geprüft", {15, 64, 120, 74}, true});
    v.push_back({K::RadioButton, 102, "Unbedenklich", {15, 78, 120, 88}});
    v.push_back({K::RadioButton, 103, "Bedenklich", {15, 92, 120, 102}});
    v.push_back({K::Edit, 104, "", {60, 110, 232, 122}});
    v.push_back(seite::Text("Erhebliche Tauwassermenge: ", 8, 8, 100));
    v.push_back(seite::Text("kg/m²", 164, 8, 40));
    v.push_back(seite::Text("Prüfen Sie nach DIN 4108 Teil 3, 3.2.1 c) - e),", 8, 28, 225));
    v.push_back(seite::Text("ob Tauwassermenge unbedenklich ist", 8, 40, 225));
    v.push_back({K::GroupBox, 201, "", {8, 54, 130, 106}});
    v.push_back(seite::Text("Kommentar", 8, 110, 50));
    v.push_back({K::DefButton, IDOK, "OK", {8, 130, 70, 144}});
    v.push_back({K::Button, IDCANCEL, "Abbrechen", {88, 130, 150, 144}});
    v.push_back({K::Button, TTauwasserDialog::IDC_HILFE, "Hilfe", {170, 130, 232, 144}});
    return r;
}

} // namespace

TTauwasserDialog::TTauwasserDialog(TWindow* parent, std::string hilfeDatei, TTauwasserStruct& daten)
    : TDialog(parent, tauwasserResource()), hilfeDatei_(std::move(hilfeDatei)) {
    puffer_.Text(daten.Menge, 32).Check(daten.NichtGeprueft).Check(daten.Unbedenklich);
    puffer_.Check(daten.Bedenklich).Text(daten.Kommentar, 50);
    SetTransferBuffer(&puffer_);
    Responses().Command(IDC_HILFE, [this] { HandleButtonHelp(); });
}

void TTauwasserDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (auto* e = Item<TEdit>(105)) e->SetReadOnly(true);
    if (auto* e = Item<TEdit>(104)) e->LimitText(50);
}

void TTauwasserDialog::HandleButtonHelp() {
    Help().WinHelp(hilfeDatei_, HELP_CONTEXT, 1157);
}
