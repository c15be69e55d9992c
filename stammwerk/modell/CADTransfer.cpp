// Reading the CAD transfer file into a variant, and the take-over of one
// line into a placed component or window.
#include "platform/base/Cp1252.h"
#include "stammwerk/modell/TCADBauteilDaten.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TProjekt.h"

#include <memory>

namespace {

constexpr const char* kFassadenName = "Neue CAD-Bauteile";
constexpr const char* kFlaechenName = "CAD-Fläche";

// The area entry of a CAD line; false (with the reason) when its expression
// gives no usable area or does not fit a formula line.
bool flaecheAusZeile(const TCADBauteilDaten& d, TDimVolumen& e, std::string* fehler = nullptr) {
    std::string grund;
    double wert = 0;
    const auto bytes = cp1252::Encode(d.Formel);
    if (!bytes || bytes->size() >= TTextString::kTextWidth)
        grund = "Die Flächenformel ist zu lang.";
    else if (!CADFlaecheAuswerten(d.Formel, e.Rechenoption, wert, grund))
        ;
    else {
        e.Nummer = 0;
        e.Name = kFlaechenName;
        e.Formelmodus = 1;
        e.Wert = wert;
        e.Formelliste.Flush();
        e.Formelliste.Add(TTextString{0, d.Formel});
        return true;
    }
    if (fehler) *fehler = grund;
    return false;
}

// Surface resistances Rsi, Rse (m²K/W) and neighbour of the kinds a CAD
// line names: wall, roof, floor on ground, ceiling under unheated roof space,
// floor over open air.
void artSetzen(TRBauteil& t, uint16_t art) {
    t.Bauteilart = art;
    struct Werte {
        uint16_t art;
        double rsi, rse;
        uint16_t angrenzung;
    };
    static const Werte werte[] = {
        {0, 0.13, 0.04, 0}, {3, 0.13, 0.04, 2}, {4, 0.17, 0.0, 4},
        {5, 0.17, 0.04, 8}, {6, 0.13, 0.13, 9},
    };
    for (const Werte& w : werte) {
        if (w.art != art) continue;
        t.Rsi = w.rsi;
        t.Rse = w.rse;
        t.Angrenzung = w.angrenzung;
    }
}

void fassadeSummen(TProjekt& pj, int nummer) {
    if (TFassade* f = pj.FassadeNr(nummer))
        f->GroessenBerechnen(&pj.PBauteile, &pj.PFenster, pj.Baumassnahme,
                             pj.NormaleInnentemperatur, pj.WestAnsatz, pj.Zusatzpruefung,
                             pj.Fugenkoeffizient_max);
}

} // namespace

int TPBauteil::CADBauteilDatenUebernehmen(const TCADBauteilDaten& d, int normaleInnentemperatur) {
    auto eintrag = std::make_unique<TDimVolumen>();
    if (!RBauteil || !flaecheAusZeile(d, *eintrag)) return 1;
    TRBauteil& t = *RBauteil;
    Name = d.Name;
    t.Name = d.Name;
    artSetzen(t, d.Art);

    if (d.Anzahl == 1) {
        Flaechenliste.Flush();
        Bruttoflaeche = Nettoflaeche = 0;
    } else if (t.Flaechenanteile.GetItemsInContainer() < d.Anzahl) {
        t.FlaechenanteilNeu();
    }
    const double wert = eintrag->Wert;
    Flaechenliste.Add(std::move(eintrag));
    Bruttoflaeche += wert;
    Nettoflaeche += wert;

    // The i-th cross-section's share comes from the i-th entry of the list,
    // the newest first.
    size_t i = 0;
    for (TEinfachBauteil& e : t.Flaechenanteile) {
        if (Bruttoflaeche > 0)
            e.Flaechenanteil = i < Flaechenliste.GetItemsInContainer()
                                   ? Flaechenliste[i].Wert / Bruttoflaeche * 100
                                   : 0;
        else
            e.Flaechenanteil = i == 0 ? 100 : 0;
        ++i;
    }
    t.QuerschnitteBerechnen(normaleInnentemperatur, 1);
    return 0;
}

int TPFenster::CADFensterDatenUebernehmen(const TCADBauteilDaten& d) {
    auto eintrag = std::make_unique<TDimVolumen>();
    if (!flaecheAusZeile(d, *eintrag)) return 1;
    Name = d.Name;
    if (RFenster) RFenster->Name = d.Name;
    Orientierung = uint16_t(d.Himmelsrichtung);
    // The line gives the window's whole area: a second import of the same
    // file must not add it again.
    Bruttoflaeche = Nettoflaeche = eintrag->Wert;
    Flaechenliste.Flush();
    Flaechenliste.Add(std::move(eintrag));
    return 0;
}

int TProjekt::CADBauteilVorhanden(long cadNummer, int art) const {
    if (art == TCADBauteilDaten::ArtFenster) {
        for (const TPFenster& p : PFenster)
            if (p.CADNummer == cadNummer) return p.Nummer;
    } else {
        for (const TPBauteil& p : PBauteile)
            if (p.CADNummer == cadNummer) return p.Nummer;
    }
    return -1;
}

int TProjekt::CADTransferDateiBauteilZeileLesen(TCADZeilenleser& leser, std::string& zeile,
                                                TCADBauteilDaten* daten, int* status) {
    std::string_view z;
    if (!leser.Naechste(z)) {
        *status = -1;
        return 0;
    }
    zeile.assign(z);
    *status = CADZeileParsen(zeile, *daten);
    return *status == CADKennungNull ? 1 : 0;
}

int TProjekt::CADTransferDateiLesen(std::string_view datei, std::vector<TCADMeldung>* meldungen) {
    // The facade stays even when the file brings nothing new.
    auto neueFassade = std::make_unique<TFassade>();
    neueFassade->Nummer = uint16_t(Fassaden.GetItemsInContainer());
    neueFassade->Name = kFassadenName;
    TFassade& fassade = Fassaden.Add(std::move(neueFassade));

    TCADZeilenleser leser(datei);
    std::string zeile;
    bool uebersprungen = false;
    auto melden = [&](std::string text) {
        uebersprungen = true;
        if (meldungen) meldungen->push_back(TCADMeldung{leser.Zeilennummer(), std::move(text)});
    };

    for (;;) {
        TCADBauteilDaten d;
        int status = 0;
        if (CADTransferDateiBauteilZeileLesen(leser, zeile, &d, &status) == 1) {
            melden("Die Zeile hat keine gültige Kennung; das Lesen wurde abgebrochen.");
            return 1;
        }
        if (status == -1) break;
        if (status == CADArtUnbekannt) {
            melden("Unbekannte Bauteilart; die Zeile wurde übersprungen.");
            continue;
        }
        TDimVolumen probe;
        std::string fehler;
        if (!flaecheAusZeile(d, probe, &fehler)) {
            melden(fehler + " Die Zeile wurde übersprungen.");
            continue;
        }

        const int n = CADBauteilVorhanden(d.CADNummer, d.Art);
        if (d.Art == TCADBauteilDaten::ArtFenster && n < 0) {
            TRFenster& typ = FensterNeu(std::make_unique<TRFenster>());
            auto p = std::make_unique<TPFenster>();
            p->Nummer = uint16_t(NaechsteFensterNummer++);
            p->RFenster = &typ;
            p->RFensterNummer = typ.Nummer;
            p->CADNummer = d.CADNummer;
            p->FassadenNummer = fassade.Nummer;
            p->CADFensterDatenUebernehmen(d);
            p->Berechnen(Baumassnahme, NormaleInnentemperatur, WestAnsatz, Zusatzpruefung,
                         Fugenkoeffizient_max);
            const TTypNummer ref{TTypNummer::Fenster, int16_t(p->Nummer)};
            typ.PFensterListe.Add(ref);
            fassade.Elemente.Add(ref);
            PFenster.Add(std::move(p));
        } else if (d.Art == TCADBauteilDaten::ArtFenster) {
            TPFenster* p = PFensterNr(n);
            p->CADFensterDatenUebernehmen(d);
            FlaecheBerechnen(p);
            p->Berechnen(Baumassnahme, NormaleInnentemperatur, WestAnsatz, Zusatzpruefung,
                         Fugenkoeffizient_max);
        } else if (n < 0) {
            auto neu = std::make_unique<TRBauteil>();
            neu->Bauteilart = d.Art;
            neu->FlaechenanteilNeu();
            TRBauteil& typ = BauteilNeu(std::move(neu));
            auto p = std::make_unique<TPBauteil>();
            p->Nummer = uint16_t(NaechsteBauteilNummer++);
            p->RBauteil = &typ;
            p->RBauteilNummer = typ.Nummer;
            p->CADNummer = d.CADNummer;
            p->FassadenNummer = fassade.Nummer;
            p->CADBauteilDatenUebernehmen(d, NormaleInnentemperatur);
            typ.WSchVO(Baumassnahme, NormaleInnentemperatur, KleinesWohngebaeude);
            const TTypNummer ref{int16_t(typ.Bauteilart), int16_t(p->Nummer)};
            typ.PBauteilListe.Add(ref);
            fassade.Elemente.Add(ref);
            PBauteile.Add(std::move(p)).WSchVO(NormaleInnentemperatur);
        } else {
            TPBauteil* p = PBauteilNr(n);
            if (!p->RBauteil) {
                melden("Das Bauteil hat keinen Bauteiltyp; die Zeile wurde übersprungen.");
                continue;
            }
            if (p->RBauteil->Bauteilart != d.Art) {
                // Another kind moves the type and every reference to its
                // placements, and puts the ordered lists in order again.
                TRBauteil neu = *p->RBauteil;
                neu.Bauteilart = d.Art;
                BauteilUebernehmen(neu);
            }
            p->CADBauteilDatenUebernehmen(d, NormaleInnentemperatur);
            p->RBauteil->WSchVO(Baumassnahme, NormaleInnentemperatur, KleinesWohngebaeude);
            FlaecheBerechnen(p);
        }
    }
    fassadeSummen(*this, fassade.Nummer);
    return uebersprungen ? 2 : 0;
}
