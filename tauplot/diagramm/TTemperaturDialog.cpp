#include "tauplot/diagramm/TTemperaturDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/property/SeitenHilfen.h"

namespace {

using seite::Text;
using seite::Zahl;

TDialogResource temperaturResource() {
    TDialogResource r{"Temperatur", {300, 200}, {}};
    auto& v = r.controls;
    v.push_back(Zahl(105, 120, 20));
    v.push_back(Zahl(106, 160, 20));
    v.push_back(Zahl(114, 120, 56));
    v.push_back(Zahl(115, 160, 56));
    v.push_back(Zahl(109, 160, 76));
    v.push_back(Zahl(110, 160, 90));
    v.push_back(Text("Innen [°C]", 120, 6, 38));
    v.push_back(Text("Außen [°C]", 160, 6, 38));
    v.push_back(Text("Winter", 10, 20));
    v.push_back(Text("Sommer", 10, 56));
    v.push_back(Text("Oberflächentemperatur", 10, 76));
    v.push_back(Text("- helle Oberfläche", 90, 76, 65));
    v.push_back(Text("- dunkle Oberfläche", 90, 90, 65));
    v.push_back({TControlKind::Button,
                 TTemperaturDialog::IDC_STANDARD,
                 "Standardwerte",
                 {10, 120, 90, 134}});
    v.push_back({TControlKind::Button,
                 TTemperaturDialog::IDC_UEBERNEHMEN,
                 "Für alle Bauteile übernehmen",
                 {100, 120, 210, 134}});
    return r;
}

} // namespace

TTemperaturDialog::TTemperaturDialog(TPropertyDialog* dialog, std::string hilfeDatei,
                                     TTemperaturStruct& daten, bool uebernehmenErlaubt,
                                     TISListImp<TRBauteil>* bauteile)
    : TPropertyPage(dialog, temperaturResource()), hilfeDatei_(std::move(hilfeDatei)),
      daten_(daten), uebernehmenErlaubt_(uebernehmenErlaubt), bauteile_(bauteile) {
    auto& d = daten_;
    for (ZahlText* z :
         {&d.WinterInnen, &d.WinterAussen, &d.SommerInnen, &d.SommerAussen, &d.Hell, &d.Dunkel})
        puffer_.Text(z->Text, 32);
    SetTransferBuffer(&puffer_);
    Responses().Command(IDC_STANDARD, [this] { HandleStandardButton(); });
    Responses().Command(IDC_UEBERNEHMEN, [this] { HandleUebernehmenButton(); });
}

void TTemperaturDialog::SetupWindow() {
    TPropertyPage::SetupWindow();
    for (int id : {105, 106, 114, 115, 109, 110})
        if (auto* e = Item<TEdit>(id)) e->SetValidator(new TDoubleValidator(-50, 100));
    seite::Freigeben(*this, {IDC_UEBERNEHMEN}, uebernehmenErlaubt_);
}

void TTemperaturDialog::CallHelp() {
    Help().WinHelp(hilfeDatei_, HELP_CONTEXT, 1165);
}

void TTemperaturDialog::HandleStandardButton() {
    const std::pair<int, const char*> werte[] = {{105, "20"}, {106, "-10"}, {114, "20"},
                                                 {115, "12"}, {109, "25"},  {110, "65"}};
    for (const auto& [id, wert] : werte)
        if (auto* e = Item<TEdit>(id)) e->SetText(wert);
}

void TTemperaturDialog::HandleUebernehmenButton() {
    if (MessageBox("Die Temperaturdaten aller Bauteile werden geändert!\nFortfahren?",
                   "Temperaturdaten übernehmen", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    TTemperatur t;
    t.OberflaecheSommerHell = Zahl(*this, 109);
    t.OberflaecheSommerDunkel = Zahl(*this, 110);
    t.AussenWinter = Zahl(*this, 106);
    t.TemperaturB = Zahl(*this, 115);
    t.InnenWinter = Zahl(*this, 105);
    t.InnenSommer = Zahl(*this, 114);
    if (!bauteile_) return;
    for (TRBauteil& b : *bauteile_) {
        t.TemperaturA = b.Temperatur.TemperaturA;
        b.Temperatur = t;
        for (TEinfachBauteil& e : b.Flaechenanteile)
            e.TemperaturVerlauf(t, b.Rsi, b.Rse, short(b.Umkehrdach));
    }
    if (AenderungGemeldet) AenderungGemeldet();
}

void TemperaturZeigen(TTemperaturStruct& d, const TTemperatur& t) {
    d.WinterInnen.Zeigen(t.InnenWinter, "%1.0lf");
    d.WinterAussen.Zeigen(t.AussenWinter, "%1.0lf");
    d.SommerInnen.Zeigen(t.InnenSommer, "%1.0lf");
    d.SommerAussen.Zeigen(t.TemperaturB, "%1.0lf");
    d.Hell.Zeigen(t.OberflaecheSommerHell, "%1.0lf");
    d.Dunkel.Zeigen(t.OberflaecheSommerDunkel, "%1.0lf");
}

void TemperaturLesen(const TTemperaturStruct& d, TTemperatur& t) {
    t.InnenWinter = d.WinterInnen.Lesen();
    t.AussenWinter = d.WinterAussen.Lesen();
    t.InnenSommer = d.SommerInnen.Lesen();
    t.TemperaturB = d.SommerAussen.Lesen();
    t.OberflaecheSommerHell = d.Hell.Lesen();
    t.OberflaecheSommerDunkel = d.Dunkel.Lesen();
}
