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

double einbautenFlaeche(TProjekt& pj, const TTypNummerListe& einbauten) {
    double a = 0;
    for (const TTypNummer& r : einbauten) {
        if (r.Typ == TTypNummer::Fenster) {
            if (const TPFenster* f = pj.PFensterNr(r.Nummer)) a += f->Nettoflaeche;
        } else if (const TPBauteil* b = pj.PBauteilNr(r.Nummer)) {
            a += b->Nettoflaeche;
        }
    }
    return a;
}

void fassadeSummen(TProjekt& pj, int nummer) {
    if (TFassade* f = pj.FassadeNr(nummer))
        f->GroessenBerechnen(&pj.PBauteile, &pj.PFenster, pj.Baumassnahme,
                             pj.NormaleInnentemperatur, pj.WestAnsatz, pj.Zusatzpruefung,
                             pj.Fugenkoeffizient_max);
}

// Carriers inside carriers are few; a deeper chain can only come from a
// damaged file, and must not recurse without end.
constexpr int kMaxTraegerTiefe = 16;

void flaecheBerechnen(TProjekt& pj, TPBauteil* p, int tiefe);
void flaecheBerechnen(TProjekt& pj, TPFenster* p, int tiefe);

void traegerBerechnen(TProjekt& pj, const TTypNummer& traeger, int tiefe) {
    if (traeger.Nummer == -1 || tiefe >= kMaxTraegerTiefe) return;
    if (traeger.Typ == TTypNummer::Fenster)
        flaecheBerechnen(pj, pj.PFensterNr(traeger.Nummer), tiefe + 1);
    else
        flaecheBerechnen(pj, pj.PBauteilNr(traeger.Nummer), tiefe + 1);
}

// Net area = gross area minus the items inserted into it; then its carrier,
// its own loss and its facade's sums. The variant's envelope areas and proof
// follow when the main program runs the proof after reading.
void flaecheBerechnen(TProjekt& pj, TPBauteil* p, int tiefe) {
    if (!p) return;
    p->Nettoflaeche = p->Bruttoflaeche - einbautenFlaeche(pj, p->Einbauten);
    traegerBerechnen(pj, p->Traeger, tiefe);
    p->WSchVO(pj.NormaleInnentemperatur);
    fassadeSummen(pj, p->FassadenNummer);
}

void flaecheBerechnen(TProjekt& pj, TPFenster* p, int tiefe) {
    if (!p) return;
    p->Nettoflaeche = p->Bruttoflaeche - einbautenFlaeche(pj, p->Einbauten);
    traegerBerechnen(pj, p->Traeger, tiefe);
    p->Berechnen(pj.Baumassnahme, pj.NormaleInnentemperatur, pj.WestAnsatz, pj.Zusatzpruefung,
                 pj.Fugenkoeffizient_max);
    fassadeSummen(pj, p->FassadenNummer);
}

// Every reference to a placed item, on facades, carriers and inserted items.
void referenzErsetzen(TProjekt& pj, TTypNummer alt, TTypNummer neu) {
    pj.FassadenAktualisieren(alt, neu);
    auto ersetzen = [&](TTypNummerListe& liste) {
        while (TypNummerEntfernen(liste, alt)) liste.Add(neu);
    };
    for (TPBauteil& p : pj.PBauteile) {
        if (p.Traeger == alt) p.Traeger = neu;
        ersetzen(p.Einbauten);
    }
    for (TPFenster& p : pj.PFenster) {
        if (p.Traeger == alt) p.Traeger = neu;
        ersetzen(p.Einbauten);
    }
}

// A known element whose line names another component kind: the type and
// every reference to its placements move to the new kind, and the ordered
// lists, whose order depends on the kind, are put in order again.
void artWechseln(TProjekt& pj, TRBauteil& t, uint16_t neu) {
    const int16_t alt = int16_t(t.Bauteilart);
    TypNummerEntfernen(pj.Typnummern, TTypNummer{alt, int16_t(t.Nummer)});
    auto typ = pj.RBauteile.Detach([&](const TRBauteil& x) { return &x == &t; });
    typ->Bauteilart = neu;
    pj.RBauteile.Add(std::move(typ));
    pj.Typnummern.Add(TTypNummer{int16_t(neu), int16_t(t.Nummer)});

    TTypNummerListe platzierungen;
    for (const TTypNummer& r : t.PBauteilListe) {
        referenzErsetzen(pj, r, TTypNummer{int16_t(neu), r.Nummer});
        platzierungen.Add(TTypNummer{int16_t(neu), r.Nummer});
        const TPBauteil* p = pj.PBauteilNr(r.Nummer);
        if (p) pj.PBauteile.Add(pj.PBauteile.Detach([&](const TPBauteil& x) { return &x == p; }));
    }
    t.PBauteilListe = std::move(platzierungen);
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
    for (TEinfachBauteil& e : t.Flaechenanteile)
        e.Berechnungen(t.Klima, t.Temperatur, t.Rsi, t.Rse, t.Bauteilart, t.Angrenzung,
                       t.Umkehrdach != 0, normaleInnentemperatur, t.Feuchteoption,
                       t.DINTab2Anwendbar, 1);
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
            flaecheBerechnen(*this, p, 0);
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
            if (p->RBauteil->Bauteilart != d.Art) artWechseln(*this, *p->RBauteil, d.Art);
            p->CADBauteilDatenUebernehmen(d, NormaleInnentemperatur);
            p->RBauteil->WSchVO(Baumassnahme, NormaleInnentemperatur, KleinesWohngebaeude);
            flaecheBerechnen(*this, p, 0);
        }
    }
    fassadeSummen(*this, fassade.Nummer);
    return uebersprungen ? 2 : 0;
}
