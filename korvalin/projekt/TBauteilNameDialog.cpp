#include "korvalin/projekt/TBauteilNameDialog.h"

#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"
#include "platform/window/Static.h"

namespace {
using K = TControlKind;
TDialogResource ressource() {
    return {"Kopieren",
            {180, 50},
            {{K::Static, 200, "", {7, 9, 46, 17}},
             {K::Edit, 107, "", {48, 7, 173, 19}},
             {K::DefButton, IDOK, "OK", {70, 28, 115, 42}},
             {K::Button, IDCANCEL, "Abbrechen", {120, 28, 173, 42}}}};
}
} // namespace

TBauteilNameDialog::TBauteilNameDialog(TWindow* parent, std::string& name,
                                       std::string_view beschriftung)
    : TDialog(parent, ressource()), beschriftung_(beschriftung) {
    new TEdit(this, 107, 30);
    puffer_.Text(name, 30);
    SetTransferBuffer(&puffer_);
}

void TBauteilNameDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (auto* s = Item<TStatic>(200)) s->SetText(beschriftung_);
}
