#include "korvalin/projekt/TFassadenWerteDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/projekt/KleineDialoge.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdlib>

namespace {
using K = TControlKind;
constexpr int kGruppeOben = 58; // dialog units: the window defaults start here

TDialogResource ressource() {
    return {"Gebäudehüllfläche",
            {200, 172},
            {{K::Static, -1, "Name", {7, 9, 40, 17}},
             {K::Edit, 112, "", {45, 7, 193, 19}},
             {K::CheckBox, 104, "Fassade", {45, 23, 120, 33}},
             {K::Static, -1, "(sommerlicher Wärmeschutz, Reihenhäuser)", {45, 34, 193, 42}},
             {K::DefButton, IDOK, "OK", {35, 44, 80, 56}},
             {K::Button, IDCANCEL, "Abbrechen", {85, 44, 138, 56}},
             {K::Button, IDHELP, "Hilfe", {143, 44, 193, 56}},
             {K::GroupBox,
              400,
              "Voreinstellungen für die Fenster der Fassade",
              {5, kGruppeOben, 195, 168}},
             {K::Static, -1, "Orientierung", {12, 71, 90, 79}},
             {K::ComboBox, 10195, "", {95, 69, 170, 81}},
             {K::Static, -1, "Verschattungsanteil", {12, 87, 90, 95}},
             {K::Edit, 10193, "", {95, 85, 140, 97}},
             {K::Static, -1, "%", {145, 87, 188, 95}},
             {K::Static, -1, "Neigung", {12, 103, 90, 111}},
             {K::Edit, 108, "", {95, 101, 140, 113}},
             {K::Static, -1, "Grad", {145, 103, 188, 111}},
             {K::Static, -1, "Abminderungsfaktor z", {12, 119, 90, 127}},
             {K::Edit, 111, "", {95, 117, 140, 129}},
             {K::Static, -1, "fest", {145, 119, 188, 127}},
             {K::Static, -1, "Abminderungsfaktor z", {12, 135, 90, 143}},
             {K::Edit, 114, "", {95, 133, 140, 145}},
             {K::Static, -1, "beweglich", {145, 135, 188, 143}},
             {K::Button, 105, "Für bestehende Fenster übernehmen", {12, 150, 188, 163}}}};
}

TEdit* zahlenfeld(TWindow* dialog, int id, double bis) {
    auto* e = new TEdit(dialog, id, 32);
    e->SetValidator(new TDoubleValidator(0, bis));
    return e;
}
} // namespace

TFassadenWerteDialog::TFassadenWerteDialog(TWindow* parent, TFassadenWerteStruct& daten,
                                           TFassade& fassade, TProjekt& projekt)
    : TDialog(parent, ressource()), fassade_(fassade), projekt_(projekt) {
    new TEdit(this, 112, 30);
    zahlenfeld(this, 10193, 100);
    zahlenfeld(this, 108, 90);
    zahlenfeld(this, 111, 1);
    zahlenfeld(this, 114, 1);
    puffer_.Text(daten.Name, 30)
        .Check(daten.Fassade)
        .Combo(daten.Orientierung)
        .Text(daten.Verschattung, 32)
        .Text(daten.Neigung, 32)
        .Text(daten.zFest, 32)
        .Text(daten.zBeweglich, 32);
    SetTransferBuffer(&puffer_);
    HilfeKnopfEintragen(*this, 1133);
    Responses().Command(104, [this] { hoeheAnpassen(); });
    Responses().Command(105, [this] { fensterUebernehmen(); });
}

void TFassadenWerteDialog::SetupWindow() {
    TDialog::SetupWindow();
    volleHoehe_ = GetWindowRect().Height();
    kurzeHoehe_ =
        volleHoehe_ - GetClientRect().Height() + MapDialogRect({0, 0, 0, kGruppeOben}).bottom;
    hoeheAnpassen();
    // A prefabricated house faces west by rule.
    if (projekt_.WestAnsatz)
        if (auto* c = GetDlgItem(10195)) c->EnableWindow(false);
}

void TFassadenWerteDialog::hoeheAnpassen() {
    const auto* fassade = Item<TCheckBox>(104);
    const int hoehe = fassade && fassade->GetCheck() == 1 ? volleHoehe_ : kurzeHoehe_;
    const TRect r = GetWindowRect();
    MoveWindow({r.left, r.top, r.right, r.top + hoehe});
}

void TFassadenWerteDialog::fensterUebernehmen() {
    if (MessageBox("Alle Fenster der Fassade werden geändert!", "Fenster ändern",
                   MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return;
    auto zahl = [this](int id) {
        const auto* e = Item<TEdit>(id);
        return e ? std::strtod(e->GetText().substr(0, 29).c_str(), nullptr) : 0.0;
    };
    const auto* orientierung = Item<TComboBox>(10195);
    const int index = orientierung ? orientierung->GetSelIndex() : -1;
    const double verschattung = zahl(10193) * 0.01, neigung = zahl(108);
    const double zFest = zahl(111), zBeweglich = zahl(114);
    for (const TTypNummer& e : fassade_.Elemente) {
        if (e.Typ != TTypNummer::Fenster) continue;
        TPFenster* f = projekt_.PFensterNr(e.Nummer);
        if (!f) continue;
        if (index >= 0) f->Orientierung = uint16_t(index);
        f->Verschattung = verschattung;
        f->Neigung = neigung;
        f->z_fest = zFest;
        f->z_bew = zBeweglich;
        fensterGeaendert_ = true;
    }
}
