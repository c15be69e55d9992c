// The component editor's three data sheets of the edited component: its data
// sheet, its periodic heat transfer and its temperature profiles. An open
// sheet of the same component comes to the top instead of a second one.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <functional>

namespace {

constexpr double kPeriodeStunden = 24.0; // h, the daily period of the periodic sheet

// Whether the sheet shows this component alone; the temperature sheet is a
// comparison sheet of the component with none.
std::function<bool(const TDatenWindow&)> zeigt(const TRBauteil* bauteil) {
    return [bauteil](const TDatenWindow& d) {
        return d.Bauteil == bauteil || (d.Vergleich1 == bauteil && !d.Vergleich2);
    };
}

// The one output sheet of a catalogue: a new list replaces the one shown.
template <class Blatt, class Liste>
void dateiAusgeben(TWindow*& offen, int art, Liste liste) {
    auto* client = Korpus().Client;
    if (!client) return;
    AnsichtSchliessen(offen);
    AnsichtZeigen(new Blatt(*client, BlattartAngaben(art).Titel, art, 0, std::move(liste)));
}

void blattZeigen(std::vector<TWindow*> korpusMDIClient::Ansichten::*liste,
                 const std::function<bool(const TDatenWindow&)>& zeigtDasselbe,
                 const std::function<TDatenWindow*(korpusMDIClient&)>& neu) {
    auto* client = Korpus().Client;
    if (!client) return;
    for (TWindow* w : client->Ansichten.*liste)
        if (auto* d = dynamic_cast<TDatenWindow*>(w); d && zeigtDasselbe(*d)) {
            d->BringWindowToTop();
            return;
        }
    TDatenWindow* blatt = neu(*client);
    if (AnsichtZeigen(blatt)) (client->Ansichten.*liste).push_back(blatt);
}

} // namespace

void BauteilDatenblattZeigen(TRBauteil* bauteil) {
    blattZeigen(
        &korpusMDIClient::Ansichten::BauteilDaten, zeigt(bauteil), [bauteil](korpusMDIClient& c) {
            return new TBauteilDatenWindow(c, " Bauteil-Daten " + bauteil->Name, bauteil, nullptr);
        });
}

void PeriodenDatenblattZeigen(TRBauteil* bauteil) {
    for (TEinfachBauteil& e : bauteil->Flaechenanteile)
        e.WaermespeicherBerechnen(kPeriodeStunden, bauteil->Rsi, bauteil->Rse);
    blattZeigen(&korpusMDIClient::Ansichten::PeriodenDaten, zeigt(bauteil),
                [bauteil](korpusMDIClient& c) {
                    return new TPeriodenDatenWindow(c, "Periodischer Wärmeübergang" + bauteil->Name,
                                                    bauteil, 11);
                });
}

void TemperaturDatenblattZeigen(TRBauteil* bauteil) {
    blattZeigen(&korpusMDIClient::Ansichten::VergleichDaten, zeigt(bauteil),
                [bauteil](korpusMDIClient& c) {
                    return new TVergleichDatenWindow(c, "Temperaturverlauf: " + bauteil->Name,
                                                     bauteil, 0, nullptr, 0, 12);
                });
}

void FensterDatenblattZeigen(TRFenster* fenster) {
    blattZeigen(
        &korpusMDIClient::Ansichten::FensterDaten,
        [fenster](const TDatenWindow& d) { return d.Fenster == fenster; },
        [fenster](korpusMDIClient& c) {
            return new TFensterDatenWindow(c, " Fenster-Daten " + fenster->Name, fenster, 0);
        });
}

void BauteilDateiAusgeben(const std::vector<const TRBauteil*>& liste) {
    std::vector<TRBauteil*> bauteile;
    // The sheet reads its components; only its context menu writes them back.
    // A catalogue file need not hold the results (the shipped one holds
    // none): each entry is computed as the component editor computes a
    // catalogue entry, a new building at normal temperature, or its sheet
    // would print zero temperatures and a failed moisture proof.
    for (const TRBauteil* b : liste) {
        auto* t = const_cast<TRBauteil*>(b);
        t->QuerschnitteBerechnen(1, 1);
        t->WSchVO(0, 1, 0);
        bauteile.push_back(t);
    }
    dateiAusgeben<TBtAusDateiWindow>(Korpus().Ansichten.BtAusDatei, 9, std::move(bauteile));
}

void FensterDateiAusgeben(const std::vector<TRFenster*>& liste) {
    dateiAusgeben<TFnstAusDateiWindow>(Korpus().Ansichten.FnstAusDatei, 10, liste);
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
