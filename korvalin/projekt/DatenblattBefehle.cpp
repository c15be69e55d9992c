// The project dialog's commands that open the sheets of one component or
// window: its data sheet, the comparison of its temperature profiles and its
// periodic heat transfer. An open sheet of the same subject comes to the top.
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <algorithm>

namespace {
constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;
// WaermespeicherBerechnen over one day, h.
constexpr double kPeriode = 24.0;

// The open sheet of a list that shows the subject, brought to the top.
template <class Passt>
bool nachVorn(std::vector<TWindow*>& liste, Passt passt) {
    for (TWindow* w : liste)
        if (auto* d = dynamic_cast<TDatenWindow*>(w); d && passt(*d)) {
            d->BringWindowToTop();
            return true;
        }
    return false;
}

template <class Fenster>
void zeigen(Fenster* w, std::vector<TWindow*>& liste) {
    if (!w->Create()) {
        delete w;
        return;
    }
    liste.push_back(w);
    w->ShowWindow(SW_SHOWNORMAL);
    w->BringWindowToTop();
}

// The first area range that has layers; null for none.
TEinfachBauteil* ersterMitSchichten(TRBauteil& t) {
    for (TEinfachBauteil& e : t.Flaechenanteile)
        if (e.AnzahlSchichten() > 0) return &e;
    return t.Flaechenanteile.IsEmpty() ? nullptr : &t.Flaechenanteile[0];
}
} // namespace

void TProjektDialog::BauteilFensterDatenblatt() {
    const char* const titel = "Datenblatt anzeigen";
    TRBauteil* bauteil = nullptr;
    TRFenster* fenster = nullptr;
    if (HuellBaumAktiv) {
        if (AuswahlPBauteil && AuswahlPBauteil->RBauteil)
            bauteil = AuswahlPBauteil->RBauteil;
        else if (AuswahlPFenster && AuswahlPFenster->RFenster)
            fenster = AuswahlPFenster->RFenster;
        else if (AuswahlFassade) {
            MessageBox("Datenblatt anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. "
                       "Wählen Sie ein Bauteil oder ein Fenster aus!",
                       titel, kWarnung);
            return;
        } else {
            MessageBox("Keine Projekt-Bauteile / Fenster vorhanden!", "Datenblatt öffnen",
                       kWarnung);
            return;
        }
    } else {
        if (AuswahlRBauteil)
            bauteil = AuswahlRBauteil;
        else if (AuswahlRFenster)
            fenster = AuswahlRFenster;
        else if (AuswahlGruppe >= 0) {
            MessageBox("Datenblatt anzeigen nicht möglich.\nSie haben einen Oberbegriff "
                       "ausgewählt. Wählen Sie ein Bauteil oder ein Fenster aus!",
                       titel, kWarnung);
            return;
        } else {
            MessageBox("Keine Referenz-Bauteile / Fenster vorhanden!", "Datenblatt öffnen",
                       kWarnung);
            return;
        }
    }
    korpusMDIClient* client = Client ? Client : Korpus().Client;
    if (!client) return;
    auto& a = client->Ansichten;
    if (bauteil) {
        if (nachVorn(a.BauteilDaten, [&](TDatenWindow& d) { return d.Bauteil == bauteil; })) return;
        zeigen(
            new TBauteilDatenWindow(*client, " Bauteil-Daten " + bauteil->Name, bauteil, nullptr),
            a.BauteilDaten);
    } else if (fenster) {
        if (nachVorn(a.FensterDaten, [&](TDatenWindow& d) { return d.Fenster == fenster; })) return;
        zeigen(new TFensterDatenWindow(*client, " Fenster-Daten " + fenster->Name, fenster, 0),
               a.FensterDaten);
    }
}

bool TProjektDialog::TemperaturPruefen(TRBauteil& bauteil, const char* titel) {
    TEinfachBauteil* eb = ersterMitSchichten(bauteil);
    if (eb && eb->kWertVorgegeben) {
        MessageBox("Kein Schichtaufbau!\n\n Keine weiteren Daten verfügbar!", titel, kWarnung);
        return false;
    }
    if (!eb || eb->AnzahlSchichten() == 0) {
        MessageBox("Keine Bauteil - Schichten angelegt!", titel, kWarnung);
        return false;
    }
    double dicke = 0;
    for (const TSchicht& s : eb->Schichten) dicke += s.Schichtdicke;
    if (!(dicke > 0)) {
        MessageBox("Bauteildicke ist 0!", titel, kWarnung);
        return false;
    }
    return true;
}

void TProjektDialog::TemperaturVergleichsblatt() {
    const char* const titel = "Temperaturverlauf anzeigen";
    const char* const fensterText =
        "Sie haben ein Fenster ausgewählt!\n\nTemperaturverlauf läßt sich nicht anzeigen";
    TRBauteil* bauteil = nullptr;
    if (HuellBaumAktiv) {
        if (AuswahlPBauteil && AuswahlPBauteil->RBauteil)
            bauteil = AuswahlPBauteil->RBauteil;
        else if (AuswahlPFenster) {
            MessageBox(fensterText, "Temperaturverlauf anzeigen!", kWarnung);
            return;
        } else if (AuswahlFassade) {
            MessageBox("Temperaturverlauf anzeigen nicht möglich.\nSie haben eine Fassade "
                       "ausgewählt. Wählen Sie ein Bauteil aus!",
                       titel, kWarnung);
            return;
        } else {
            MessageBox("Keine Projekt-Bauteile / Fenster vorhanden!", titel, kWarnung);
            return;
        }
    } else {
        if (AuswahlRBauteil)
            bauteil = AuswahlRBauteil;
        else if (AuswahlRFenster) {
            MessageBox(fensterText, "Temperaturverlauf anzeigen!", kWarnung);
            return;
        } else if (AuswahlGruppe >= 0) {
            MessageBox("Temperatur anzeigen nicht möglich.\nSie haben einen Oberbegriff "
                       "ausgewählt. Wählen Sie ein Bauteil aus!",
                       titel, kWarnung);
            return;
        } else {
            MessageBox("Keine Referenz-Bauteile / Fenster vorhanden!", "Temperaturverlauf öffnen",
                       kWarnung);
            return;
        }
    }
    // The checks only tell; the sheet opens in any case.
    TemperaturPruefen(*bauteil, titel);
    korpusMDIClient* client = Client ? Client : Korpus().Client;
    if (!client) return;
    auto& a = client->Ansichten;
    if (nachVorn(a.VergleichDaten, [&](TDatenWindow& d) {
            return d.Blattart == 12 && (d.Vergleich1 == bauteil || d.Bauteil == bauteil);
        }))
        return;
    zeigen(new TVergleichDatenWindow(*client, "Temperaturverlauf: " + bauteil->Name, bauteil, 0,
                                     nullptr, 0, 12),
           a.VergleichDaten);
}

void TProjektDialog::PeriodischesDatenblatt() {
    TRBauteil* bauteil =
        HuellBaumAktiv ? (AuswahlPBauteil ? AuswahlPBauteil->RBauteil : nullptr) : AuswahlRBauteil;
    if (!bauteil) {
        MessageBox("Datenblatt anzeigen nicht möglich.\nWählen Sie ein Bauteil aus!",
                   "Datenblatt anzeigen", kWarnung);
        return;
    }
    for (TEinfachBauteil& e : bauteil->Flaechenanteile)
        e.WaermespeicherBerechnen(kPeriode, bauteil->Rsi, bauteil->Rse);
    korpusMDIClient* client = Client ? Client : Korpus().Client;
    if (!client) return;
    auto& a = client->Ansichten;
    if (nachVorn(a.PeriodenDaten, [&](TDatenWindow& d) { return d.Bauteil == bauteil; })) return;
    zeigen(new TPeriodenDatenWindow(*client, "Periodischer Wärmeübergang" + bauteil->Name, bauteil,
                                    11),
           a.PeriodenDaten);
}
