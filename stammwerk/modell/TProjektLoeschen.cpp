// Deleting placed items, types and facades of a variant while keeping the
// references between them consistent.
#include "stammwerk/modell/TProjekt.h"

#include <vector>

namespace {
template <class T>
void ausListeLoeschen(TISListImp<T>& liste, const T* x) {
    liste.Detach([&](const T& e) { return &e == x; });
}
} // namespace

void TProjekt::nettoflaecheSetzen(TTypNummer traeger) {
    auto summeEinbauten = [&](const TTypNummerListe& einbauten) {
        double s = 0;
        for (const TTypNummer& e : einbauten) {
            if (e.Typ == TTypNummer::Fenster) {
                if (const TPFenster* f = PFensterNr(e.Nummer)) s += f->Nettoflaeche;
            } else if (const TPBauteil* b = PBauteilNr(e.Nummer)) {
                s += b->Nettoflaeche;
            }
        }
        return s;
    };
    if (traeger.Typ == TTypNummer::Fenster) {
        if (TPFenster* f = PFensterNr(traeger.Nummer)) {
            f->Nettoflaeche = f->Bruttoflaeche - summeEinbauten(f->Einbauten);
            f->Berechnen(Baumassnahme, NormaleInnentemperatur, WestAnsatz, Zusatzpruefung,
                         Fugenkoeffizient_max);
        }
    } else if (TPBauteil* b = PBauteilNr(traeger.Nummer)) {
        b->Nettoflaeche = b->Bruttoflaeche - summeEinbauten(b->Einbauten);
        b->WSchVO(NormaleInnentemperatur);
    }
}

void TProjekt::ausTraegerEntfernen(const TTypNummer& traeger, TTypNummer ref) {
    if (traeger.Nummer == -1) return;
    TTypNummerListe* einbauten = nullptr;
    if (traeger.Typ == TTypNummer::Fenster) {
        if (TPFenster* f = PFensterNr(traeger.Nummer)) einbauten = &f->Einbauten;
    } else if (TPBauteil* b = PBauteilNr(traeger.Nummer)) {
        einbauten = &b->Einbauten;
    }
    if (!einbauten) return;
    TypNummerEntfernen(*einbauten, ref);
    nettoflaecheSetzen(traeger);
}

void TProjekt::entfernen(TTypNummer ref) {
    // A work list, not recursion: inserted items may nest deeply in a file.
    std::vector<TTypNummer> offen{ref};
    while (!offen.empty()) {
        const TTypNummer r = offen.back();
        offen.pop_back();
        for (TFassade& f : Fassaden) TypNummerEntfernen(f.Elemente, r);
        if (r.Typ == TTypNummer::Fenster) {
            TPFenster* p = PFensterNr(r.Nummer);
            if (!p) continue;
            for (const TTypNummer& e : p->Einbauten) offen.push_back(e);
            if (p->RFenster) TypNummerEntfernen(p->RFenster->PFensterListe, r);
            ausListeLoeschen(PFenster, static_cast<const TPFenster*>(p));
        } else {
            TPBauteil* p = PBauteilNr(r.Nummer);
            if (!p) continue;
            for (const TTypNummer& e : p->Einbauten) offen.push_back(e);
            if (p->RBauteil) TypNummerEntfernen(p->RBauteil->PBauteilListe, r);
            ausListeLoeschen(PBauteile, static_cast<const TPBauteil*>(p));
        }
    }
}

int TProjekt::platzierungLoeschen(TTypNummer ref, TTypNummer traeger, int rechnen) {
    TFassade* f = Fassaden.FirstThat([&](const TFassade& x) { return x.GetIndex(ref) >= 0; });
    if (!f) return 0;
    ausTraegerEntfernen(traeger, ref);
    entfernen(ref);
    if (rechnen) fassadeRechnen(f);
    return 1;
}

int TProjekt::PBauteilLoeschen(short nummer, int rechnen) {
    const TPBauteil* p = PBauteilNr(nummer);
    if (!p || !p->RBauteil) return 0;
    return platzierungLoeschen(TTypNummer{int16_t(p->RBauteil->Bauteilart), nummer}, p->Traeger,
                               rechnen);
}

int TProjekt::PFensterLoeschen(short nummer, int rechnen) {
    const TPFenster* p = PFensterNr(nummer);
    if (!p) return 0;
    return platzierungLoeschen(TTypNummer{TTypNummer::Fenster, nummer}, p->Traeger, rechnen);
}

int TProjekt::RBauteilLoeschen(int nummer) {
    TRBauteil* t = RBauteilNr(nummer);
    if (!t) return 0;
    std::vector<TTypNummer> platzierungen;
    for (const TTypNummer& r : t->PBauteilListe) platzierungen.push_back(r);
    for (const TTypNummer& r : platzierungen) {
        if (r.Typ == TTypNummer::Fenster) return 0;
        if (!PBauteilLoeschen(r.Nummer, 1)) return 0;
    }
    // A placement the type's list does not name (a damaged file) still
    // refers to the type: it stays, and so does the type.
    if (PBauteile.FirstThat([&](const TPBauteil& p) { return p.RBauteil == t; })) return 0;
    TypNummerEntfernen(Typnummern, TTypNummer{int16_t(t->Bauteilart), int16_t(t->Nummer)});
    ausListeLoeschen(RBauteile, static_cast<const TRBauteil*>(t));
    return 1;
}

int TProjekt::RFensterLoeschen(int nummer) {
    TRFenster* t = RFensterNr(nummer);
    if (!t) return 0;
    std::vector<TTypNummer> platzierungen;
    for (const TTypNummer& r : t->PFensterListe) platzierungen.push_back(r);
    for (const TTypNummer& r : platzierungen)
        if (!PFensterLoeschen(r.Nummer, 1)) return 0;
    if (PFenster.FirstThat([&](const TPFenster& p) { return p.RFenster == t; })) return 0;
    TypNummerEntfernen(Typnummern, TTypNummer{TTypNummer::Fenster, int16_t(t->Nummer)});
    ausListeLoeschen(RFenster, static_cast<const TRFenster*>(t));
    return 1;
}

void TProjekt::FassadeLoeschen(TFassade* f) {
    if (!f) return;
    std::vector<TTypNummer> elemente;
    for (const TTypNummer& e : f->Elemente) elemente.push_back(e);
    for (const TTypNummer& e : elemente) {
        // An item inserted into a carrier on another facade leaves that carrier.
        const TTypNummer* traeger = nullptr;
        if (e.Typ == TTypNummer::Fenster) {
            if (const TPFenster* p = PFensterNr(e.Nummer)) traeger = &p->Traeger;
        } else if (const TPBauteil* p = PBauteilNr(e.Nummer)) {
            traeger = &p->Traeger;
        }
        if (traeger) ausTraegerEntfernen(TTypNummer(*traeger), e);
        entfernen(e);
    }
    const int16_t nummer = int16_t(f->Nummer);
    ausListeLoeschen(Fassaden, static_cast<const TFassade*>(f));
    for (TFassade& x : Fassaden) {
        if (int16_t(x.Nummer) > nummer) {
            --x.Nummer;
            FassadeNummerInBauteileSetzen(&x);
        }
    }
    UmfassungsflaecheBerechnen();
    WSchVO();
}
