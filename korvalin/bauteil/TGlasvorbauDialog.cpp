#include "korvalin/bauteil/TGlasvorbauDialog.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"

namespace {

using K = TControlKind;
using D = TGlasvorbauDialog;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Glasvorbau";
    r.size = {190, 110};
    r.controls = {
        {K::CheckBox,
         D::IDC_GLASVORBAU,
         "Fenster liegt im Bereich eines geschlossenen,",
         {8, 6, 184, 16}},
        {K::Static, 821, "nicht beheizten Glasvorbaus", {20, 16, 184, 24}},
        {K::GroupBox, 822, "", {8, 28, 184, 78}},
        {K::RadioButton,
         D::IDC_EINFACH,
         "Glasvorbau mit Einfachverglasung",
         {14, 36, 180, 46},
         true},
        {K::RadioButton, D::IDC_ISOLIER, "Glasvorbau mit Isolierverglasung", {14, 50, 180, 60}},
        {K::RadioButton, D::IDC_WAERMESCHUTZ, "Glasvorbau mit Wärmeschutzglas", {14, 64, 180, 74}},
        {K::DefButton, IDOK, "OK", {8, 88, 58, 102}},
        {K::Button, IDCANCEL, "Abbrechen", {70, 88, 120, 102}},
        {K::Button, 9, "Hilfe", {134, 88, 184, 102}},
    };
    return r;
}

constexpr int kRadios[] = {D::IDC_EINFACH, D::IDC_ISOLIER, D::IDC_WAERMESCHUTZ};

} // namespace

TGlasvorbauStruct GlasvorbauDaten(uint16_t zustand) {
    TGlasvorbauStruct d;
    if (zustand > 2) return d;
    d.Glasvorbau = 1;
    d.Einfach = zustand == 0;
    d.Isolier = zustand == 1;
    d.Waermeschutz = zustand == 2;
    return d;
}

uint16_t GlasvorbauZustand(const TGlasvorbauStruct& d) {
    if (!d.Glasvorbau) return 0xFFFF;
    if (d.Einfach) return 0;
    if (d.Isolier) return 1;
    if (d.Waermeschutz) return 2;
    return 0xFFFF; // the porch without a glazing counts as none
}

TGlasvorbauDialog::TGlasvorbauDialog(TWindow* parent, TGlasvorbauStruct& daten)
    : TDialog(parent, ressource()) {
    (new TCheckBox(this, IDC_GLASVORBAU))->EnableTransfer();
    for (int id : kRadios) (new TRadioButton(this, id))->EnableTransfer();
    puffer_.Check(daten.Glasvorbau)
        .Check(daten.Einfach)
        .Check(daten.Isolier)
        .Check(daten.Waermeschutz);
    SetTransferBuffer(&puffer_);
    Responses().Command(9, [] { HilfeZeigen(1136); });
    Responses().Command(IDC_GLASVORBAU, [this] { umschalten(); });
}

void TGlasvorbauDialog::SetupWindow() {
    TDialog::SetupWindow();
    if (Item<TCheckBox>(IDC_GLASVORBAU)->GetCheck() != BF_CHECKED)
        for (int id : kRadios) GetDlgItem(id)->EnableWindow(false);
}

void TGlasvorbauDialog::umschalten() {
    const bool an = Item<TCheckBox>(IDC_GLASVORBAU)->GetCheck() == BF_CHECKED;
    for (int id : kRadios) {
        GetDlgItem(id)->EnableWindow(an);
        Item<TCheckBox>(id)->SetCheck(an && id == IDC_WAERMESCHUTZ ? BF_CHECKED : BF_UNCHECKED);
    }
}
