// The component editor's three data sheets of the edited component: its data
// sheet, its periodic heat transfer and its temperature profiles. An open
// sheet of the same component comes to the top instead of a second one.
#include "korvalin/bauteil/BauteilAnsichten.h"
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

void BauteilDatenblattZeigen(TRBauteil* bauteil) {
    blattZeigen(&korpusMDIClient::Ansichten::BauteilDaten, bauteil, [bauteil](korpusMDIClient& c) {
        return new TBauteilDatenWindow(c, " Bauteil-Daten " + bauteil->Name, bauteil, nullptr);
    });
}

void PeriodenDatenblattZeigen(TRBauteil* bauteil) {
    for (TEinfachBauteil& e : bauteil->Flaechenanteile)
        e.WaermespeicherBerechnen(kPeriodeStunden, bauteil->Rsi, bauteil->Rse);
    blattZeigen(&korpusMDIClient::Ansichten::PeriodenDaten, bauteil, [bauteil](korpusMDIClient& c) {
        return new TPeriodenDatenWindow(c, "Periodischer Wärmeübergang" + bauteil->Name, bauteil,
                                        11);
    });
}

void TemperaturDatenblattZeigen(TRBauteil* bauteil) {
    blattZeigen(&korpusMDIClient::Ansichten::VergleichDaten, bauteil,
                [bauteil](korpusMDIClient& c) {
                    return new TVergleichDatenWindow(c, "Temperaturverlauf: " + bauteil->Name,
                                                     bauteil, 0, nullptr, 0, 12);
                });
}

void TBauteilDialog::BauteilDatenblatt() {
    BauteilDatenblattZeigen(bauteil_);
}

void TBauteilDialog::PeriodenDatenblatt() {
    PeriodenDatenblattZeigen(bauteil_);
}

void TBauteilDialog::TemperaturDatenblatt() {
    TemperaturDatenblattZeigen(bauteil_);
}
