// Placing types into carriers, re-assigning placed items to other types and
// moving placed items between facades and carriers. Every link that names a
// placed item (the facade's elements, the carrier's inserted items, the
// type's placements, the item's facade number and carrier) changes together.
#include "stammwerk/modell/TProjekt.h"

#include <vector>

TTypNummer TProjekt::Referenz(const TPBauteil& p) {
    return TTypNummer{int16_t(p.RBauteil ? p.RBauteil->Bauteilart : 0), int16_t(p.Nummer)};
}

TTypNummer TProjekt::Referenz(const TPFenster& p) {
    return TTypNummer{TTypNummer::Fenster, int16_t(p.Nummer)};
}

TProjekt::Platzierung TProjekt::platzierung(TTypNummer ref) {
    Platzierung p;
    if (ref.Typ == TTypNummer::Fenster) {
        if (TPFenster* f = PFensterNr(ref.Nummer)) {
            p.fassade = &f->FassadenNummer;
            p.traeger = &f->Traeger;
            p.einbauten = &f->Einbauten;
        }
    } else if (TPBauteil* b = PBauteilNr(ref.Nummer)) {
        p.fassade = &b->FassadenNummer;
        p.traeger = &b->Traeger;
        p.einbauten = &b->Einbauten;
    }
    return p;
}

void TProjekt::artAendern(TTypNummer alt, TTypNummer neu) {
    if (alt == neu) return;
    FassadenAktualisieren(alt, neu);
    // Carriers and inserted items name the placement by kind too.
    auto ersetzen = [&](TTypNummerListe& liste) {
        while (TypNummerEntfernen(liste, alt)) liste.Add(neu);
    };
    for (TPBauteil& p : PBauteile) {
        ersetzen(p.Einbauten);
        if (p.Traeger == alt) p.Traeger = neu;
    }
    for (TPFenster& p : PFenster) {
        ersetzen(p.Einbauten);
        if (p.Traeger == alt) p.Traeger = neu;
    }
    for (TRBauteil& t : RBauteile) ersetzen(t.PBauteilListe);
}

int TProjekt::NeuZuordnen(TPBauteil* p, TRBauteil* t) {
    if (!p || !t || !p->RBauteil) return 0;
    const TTypNummer alt = Referenz(*p);
    const TTypNummer neu{int16_t(t->Bauteilart), alt.Nummer};
    TypNummerEntfernen(p->RBauteil->PBauteilListe, alt);
    artAendern(alt, neu);
    p->RBauteil = t;
    p->RBauteilNummer = t->Nummer;
    t->PBauteilListe.Add(neu);
    // The list is ordered by the types' kinds: the item goes to its new place.
    if (alt.Typ != neu.Typ)
        PBauteile.Add(PBauteile.Detach([&](const TPBauteil& x) { return &x == p; }));
    p->WSchVO(NormaleInnentemperatur);
    flaecheAufwaerts(neu);
    return 1;
}

int TProjekt::NeuZuordnen(TPFenster* p, TRFenster* t) {
    if (!p || !t || !p->RFenster) return 0;
    const TTypNummer ref = Referenz(*p);
    TypNummerEntfernen(p->RFenster->PFensterListe, ref);
    p->RFenster = t;
    p->RFensterNummer = t->Nummer;
    t->PFensterListe.Add(ref);
    flaecheAufwaerts(ref);
    return 1;
}

void TProjekt::einbauEintragen(TTypNummer ref, TTypNummer traeger) {
    const Platzierung item = platzierung(ref);
    const Platzierung t = platzierung(traeger);
    if (!item.traeger || !t.einbauten) return;
    *item.traeger = traeger;
    t.einbauten->Add(ref);
}

TPBauteil* TProjekt::PBauteilNeuEinbauen(TRBauteil* t, TTypNummer traeger) {
    const Platzierung ziel = platzierung(traeger);
    if (!t || !ziel.traeger || ziel.traeger->Nummer != -1) return nullptr;
    TPBauteil* neu = PBauteilNeu(t, FassadeNr(*ziel.fassade), 0);
    if (!neu) return nullptr;
    einbauEintragen(Referenz(*neu), traeger);
    flaecheAufwaerts(traeger);
    return neu;
}

TPFenster* TProjekt::PFensterNeuEinbauen(TRFenster* t, TTypNummer traeger) {
    const Platzierung ziel = platzierung(traeger);
    if (!t || !ziel.traeger || ziel.traeger->Nummer != -1) return nullptr;
    TPFenster* neu = PFensterNeu(t, FassadeNr(*ziel.fassade), 0);
    if (!neu) return nullptr;
    einbauEintragen(Referenz(*neu), traeger);
    flaecheAufwaerts(traeger);
    return neu;
}

void TProjekt::fassadeWechseln(TTypNummer ref, TFassade* alt, TFassade* neu) {
    if (alt) TypNummerEntfernen(alt->Elemente, ref);
    if (neu) neu->Elemente.Add(ref);
    if (Platzierung p = platzierung(ref); p.fassade) *p.fassade = neu ? neu->Nummer : 0xFFFF;
    // A window moved to another facade faces that facade: its old orientation
    // would count the sun of the facade it left.
    if (neu && neu != alt && ref.Typ == TTypNummer::Fenster)
        if (TPFenster* f = PFensterNr(ref.Nummer)) f->Orientierung = neu->Orientierung;
}

int TProjekt::AufFassadeVerschieben(TTypNummer ref, TFassade* ziel) {
    const Platzierung p = platzierung(ref);
    if (!p.fassade || !ziel) return 0;
    if (*p.fassade == ziel->Nummer && p.traeger->Nummer == -1) return 0;
    TFassade* alt = FassadeNr(*p.fassade);
    const TTypNummer traeger = *p.traeger;
    *p.traeger = TTypNummer{};
    // The inserted items go along and stay inserted.
    std::vector<TTypNummer> einbauten;
    for (const TTypNummer& e : *p.einbauten) einbauten.push_back(e);
    for (const TTypNummer& e : einbauten) fassadeWechseln(e, alt, ziel);
    ausTraegerEntfernen(traeger, ref);
    fassadeWechseln(ref, alt, ziel);
    if (traeger.Nummer != -1) flaecheAufwaerts(traeger);
    fassadeRechnen(alt);
    fassadeRechnen(ziel);
    UmfassungsflaecheBerechnen();
    WSchVO();
    return 1;
}

int TProjekt::InTraegerVerschieben(TTypNummer ref, TTypNummer traeger) {
    const Platzierung p = platzierung(ref);
    const Platzierung t = platzierung(traeger);
    if (!p.fassade || !t.fassade || ref == traeger) return 0;
    // One level only: an item with inserted items, or an inserted carrier, refuses.
    if (!p.einbauten->IsEmpty() || t.traeger->Nummer != -1 || *p.traeger == traeger) return 0;
    TFassade* alt = FassadeNr(*p.fassade);
    TFassade* neu = FassadeNr(*t.fassade);
    const TTypNummer vorher = *p.traeger;
    ausTraegerEntfernen(vorher, ref);
    einbauEintragen(ref, traeger);
    fassadeWechseln(ref, alt, neu);
    if (vorher.Nummer != -1) flaecheAufwaerts(vorher);
    flaecheAufwaerts(traeger);
    fassadeRechnen(alt);
    fassadeRechnen(neu);
    WSchVO();
    return 1;
}

int TProjekt::FensterUebernehmen(const TRFenster& daten) {
    TRFenster* t = RFensterNr(daten.Nummer);
    if (!t) return 0;
    // The placements stay the project's: the editor's copy may be older.
    TTypNummerListe platzierungen;
    TypNummernKopieren(platzierungen, t->PFensterListe);
    *t = daten;
    t->WerteErsetzt = false; // confirmed in the dialog
    t->PFensterListe.Flush();
    TypNummernKopieren(t->PFensterListe, platzierungen);
    return 1;
}
