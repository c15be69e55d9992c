#include "korvalin/bauteil/TAnteilAendernDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Flächenanteil ändern";
    r.size = {190, 66};
    r.controls = {
        {K::Static, 0, "Bezeichnung", {8, 10, 60, 19}},
        {K::Edit, 101, "", {64, 8, 180, 20}},
        {K::Static, 0, "Prozentanteil", {8, 26, 60, 35}},
        {K::Edit, 102, "", {64, 24, 120, 36}},
        {K::Static, 0, "%", {124, 26, 140, 35}},
        {K::DefButton, IDOK, "OK", {8, 46, 58, 60}},
        {K::Button, IDCANCEL, "Abbrechen", {68, 46, 118, 60}},
        {K::Button, 9, "Hilfe", {128, 46, 178, 60}},
    };
    return r;
}

} // namespace

TAnteilAendernDialog::TAnteilAendernDialog(TWindow* parent, TAnteilStruct& daten)
    : TDialog(parent, ressource()) {
    (new TEdit(this, 101, 30))->EnableTransfer();
    auto* anteil = new TEdit(this, 102, 32);
    anteil->SetValidator(new TDoubleValidator(0, 100));
    anteil->EnableTransfer();
    puffer_.Text(daten.Name, 30).Text(daten.Anteil, 32);
    SetTransferBuffer(&puffer_);
    Responses().Command(9, [] { HilfeZeigen(1107); });
}
