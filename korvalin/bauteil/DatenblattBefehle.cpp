// The component editor's three data sheets of the edited component: its data
// sheet, its periodic heat transfer and its temperature profiles. An open
// sheet of the same component comes to the top instead of a second one.
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "stammwerk/modell/TRBauteil.h"

#include <functional>

namespace {

constexpr double kPeriodeStunden = 24.0; // h, the daily period of the periodic sheet

// The open sheet of the list that shows this component alone, or null; the
// temperature sheet is a comparison sheet of the component with none.
TDatenWindow* offenesBlatt(const std::vector<TWindow*>& liste, const TRBauteil* bauteil) {
    for (TWindow* w : liste)
        if (auto* d = dynamic_cast<TDatenWindow*>(w);
            d && (d->Bauteil == bauteil || (d->Vergleich1 == bauteil && !d->Vergleich2)))
            return d;
    return nullptr;
}

void blattZeigen(std::vector<TWindow*> korpusMDIClient::Ansichten::*liste, const TRBauteil* bauteil,
                 const std::function<TDatenWindow*(korpusMDIClient&)>& neu) {
    auto* client = Korpus().Client;
    if (!client) return;
    if (TDatenWindow* offen = offenesBlatt(client->Ansichten.*liste, bauteil)) {
        offen->BringWindowToTop();
        return;
    }
    TDatenWindow* blatt = neu(*client);
    (client->Ansichten.*liste).push_back(blatt);
    blatt->Create();
}

} // namespace

void TBauteilDialog::BauteilDatenblatt() {
    blattZeigen(&korpusMDIClient::Ansichten::BauteilDaten, bauteil_, [this](korpusMDIClient& c) {
        return new TBauteilDatenWindow(c, " Bauteil-Daten " + bauteil_->Name, bauteil_, nullptr);
    });
}

void TBauteilDialog::PeriodenDatenblatt() {
    for (TEinfachBauteil& e : bauteil_->Flaechenanteile)
        e.WaermespeicherBerechnen(kPeriodeStunden, bauteil_->Rsi, bauteil_->Rse);
    blattZeigen(&korpusMDIClient::Ansichten::PeriodenDaten, bauteil_, [this](korpusMDIClient& c) {
        return new TPeriodenDatenWindow(c, "Periodischer Wärmeübergang" + bauteil_->Name, bauteil_,
                                        11);
    });
}

void TBauteilDialog::TemperaturDatenblatt() {
    blattZeigen(&korpusMDIClient::Ansichten::VergleichDaten, bauteil_, [this](korpusMDIClient& c) {
        return new TVergleichDatenWindow(c, "Temperaturverlauf: " + bauteil_->Name, bauteil_, 0,
                                         nullptr, 0, 12);
    });
}
