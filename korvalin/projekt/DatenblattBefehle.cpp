// The project dialog's commands that open the sheets of one component or
// window: its data sheet, the comparison of its temperature profiles, its
// periodic heat transfer and its two diagrams. An open sheet or diagram of
// the same subject comes to the top.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
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

void zeigen(TMDIChild* w, std::vector<TWindow*>& liste) {
    if (AnsichtZeigen(w)) liste.push_back(w);
}

const char* const kKeineProjektbauteile = "Keine Projekt-Bauteile / Fenster vorhanden!";
const char* const kKeineReferenzbauteile = "Keine Referenz-Bauteile / Fenster vorhanden!";
const char* const kTemperaturFenster =
    "Sie haben ein Fenster ausgewählt!\n\nTemperaturverlauf läßt sich nicht anzeigen";

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

TRBauteil* TProjektDialog::BauteilWaehlen(const Auswahltexte& t) {
    const auto nein = [](const char* text, const char* titel) {
        MessageBox(text, titel, kWarnung);
        return nullptr;
    };
    if (HuellBaumAktiv) {
        if (AuswahlPBauteil && AuswahlPBauteil->RBauteil) return AuswahlPBauteil->RBauteil;
        if (AuswahlPFenster) return nein(t.fenster, t.fensterTitel);
        if (AuswahlFassade) return nein(t.fassade, t.titel);
        return nein(t.keineProjektbauteile, t.titel);
    }
    if (AuswahlRBauteil) return AuswahlRBauteil;
    if (AuswahlRFenster) return nein(t.fenster, t.fensterTitel);
    if (AuswahlGruppe >= 0) return nein(t.oberbegriff, t.titel);
    return nein(t.keineReferenzbauteile, t.keineReferenzTitel);
}

void TProjektDialog::TemperaturVergleichsblatt() {
    const char* const titel = "Temperaturverlauf anzeigen";
    TRBauteil* bauteil = BauteilWaehlen(
        {kKeineProjektbauteile, kTemperaturFenster, "Temperaturverlauf anzeigen!",
         "Temperaturverlauf anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen "
         "Sie ein Bauteil aus!",
         kKeineReferenzbauteile, "Temperaturverlauf öffnen",
         "Temperatur anzeigen nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen Sie "
         "ein Bauteil aus!",
         titel});
    if (!bauteil) return;
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

void TProjektDialog::TemperaturDiagrammAnzeigen() {
    const char* const titel = "Temperaturverlauf anzeigen";
    TRBauteil* bauteil = BauteilWaehlen(
        {kKeineProjektbauteile, kTemperaturFenster, "Temperaturverlauf anzeigen!",
         "Temperaturverlauf anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen "
         "Sie ein Bauteil oder ein Fenster aus!",
         kKeineReferenzbauteile, "Temperaturverlauf öffnen",
         "Temperatur anzeigen nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen Sie "
         "ein Bauteil oder ein Fenster aus!",
         titel});
    if (!bauteil) return;
    if (TEinfachBauteil* e = ersterMitSchichten(*bauteil))
        TemperaturverlaufZeigen(*bauteil, *e);
    else
        MessageBox("Keine Bauteil - Schichten angelegt!", titel, kWarnung);
}

void TProjektDialog::GlaserDiagrammAnzeigen() {
    const char* const titel = "Glaser-Diagramm anzeigen";
    TRBauteil* bauteil = BauteilWaehlen(
        {kKeineProjektbauteile,
         "Sie haben ein Fenster ausgewählt!\n\nGlaser-Diagramm läßt sich nicht anzeigen",
         "Glaser-Diagramm anzeigen!",
         "Glaser-Diagramm anzeigen nicht möglich.\nSie haben eine Fassade ausgewählt. Wählen Sie "
         "ein Bauteil oder ein Fenster aus!",
         kKeineReferenzbauteile, "Glaser-Diagramm öffnen",
         "Glaser-Diagramm anzeigen nicht möglich.\nSie haben einen Oberbegriff ausgewählt. Wählen "
         "Sie ein Bauteil oder ein Fenster aus!",
         titel});
    if (!bauteil) return;
    if (TEinfachBauteil* e = ersterMitSchichten(*bauteil))
        GlaserDiagrammZeigen(*bauteil, *e, GlaserHinweise::Projekt);
    else
        MessageBox("Keine Bauteil - Schichten angelegt!", "Glaser - Diagramm anzeigen", kWarnung);
}
