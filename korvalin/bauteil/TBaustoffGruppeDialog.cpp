#include "korvalin/bauteil/TBaustoffGruppeDialog.h"

#include "korvalin/bauteil/BauteilTexte.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

const char* const BaustoffGruppenNamen[12] = {"Putze, Estriche, Mörtel",
                                              "Großformatige Bauteile",
                                              "Bauplatten",
                                              "Mauerwerk",
                                              "Wärmedämmstoffe",
                                              "Holz und Holzwerkstoffe",
                                              "Beläge, Abdichtstoffe",
                                              "Sonstige Stoffe",
                                              "Luftschichten",
                                              "Decken",
                                              "Rolladenkästen",
                                              "Sonstige Konstruktionen"};

namespace {

using K = TControlKind;

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Baustoffgruppe";
    r.size = {180, 84};
    r.controls = {
        {K::GroupBox, 0, "Baustoffgruppen", {6, 4, 174, 60}},
        {K::Static, 0, "Wählen Sie die zugehörige Baustoffgruppe", {12, 14, 170, 22}},
        {K::Static, 0, "des neue Baustoffs aus.", {12, 23, 170, 31}},
        {K::ComboBox, 111, "", {12, 38, 168, 50}},
        {K::DefButton, IDOK, "OK", {6, 66, 56, 80}},
        {K::Button, IDCANCEL, "Abbrechen", {65, 66, 115, 80}},
        {K::Button, 9, "Hilfe", {124, 66, 174, 80}},
    };
    return r;
}

} // namespace

TBaustoffGruppeDialog::TBaustoffGruppeDialog(TWindow* parent, TBaustoffGruppeStruct& daten)
    : TDialog(parent, ressource()) {
    (new TComboBox(this, 111))->EnableTransfer();
    puffer_.Combo(daten.Liste);
    SetTransferBuffer(&puffer_);
    Responses().Command(9, [] { HilfeZeigen(1114); });
}
