// The links between types, placed items and facades, checked both ways.
#include "stammwerk/modell/TProjekt.h"

#include <map>

namespace {

std::string name(TTypNummer r) {
    return (r.Typ == TTypNummer::Fenster ? "Fenster " : "Bauteil ") + std::to_string(r.Nummer) +
           " (Art " + std::to_string(r.Typ) + ")";
}

int anzahl(const TTypNummerListe& liste, TTypNummer r) {
    int n = 0;
    for (const TTypNummer& e : liste) n += e == r;
    return n;
}

// What every placed item shares, whichever side it is on.
struct Eintrag {
    uint16_t fassade;
    TTypNummer traeger;
    const TTypNummerListe* einbauten;
    const TTypNummerListe* typListe; // the placements of its type
};

} // namespace

std::vector<std::string> TProjekt::VerknuepfungsFehler() const {
    std::vector<std::string> fehler;
    std::map<TTypNummer, Eintrag> items;
    std::map<int, const TFassade*> fassaden;
    for (const TFassade& f : Fassaden) fassaden[int16_t(f.Nummer)] = &f;
    int i = 0;
    for (const TFassade& f : Fassaden)
        if (int16_t(f.Nummer) != i++)
            fehler.push_back("Fassade " + f.Name + " hat die Nummer " + std::to_string(f.Nummer));

    for (const TPBauteil& p : PBauteile) {
        const bool typDa =
            p.RBauteil && RBauteile.FirstThat([&](const TRBauteil& t) { return &t == p.RBauteil; });
        if (!typDa) {
            fehler.push_back(name(Referenz(p)) + " hat keinen Typ der Variante");
            continue;
        }
        if (p.RBauteilNummer != p.RBauteil->Nummer)
            fehler.push_back(name(Referenz(p)) + " nennt eine andere Typnummer");
        items[Referenz(p)] = {p.FassadenNummer, p.Traeger, &p.Einbauten,
                              &p.RBauteil->PBauteilListe};
    }
    for (const TPFenster& p : PFenster) {
        const bool typDa =
            p.RFenster && RFenster.FirstThat([&](const TRFenster& t) { return &t == p.RFenster; });
        if (!typDa) {
            fehler.push_back(name(Referenz(p)) + " hat keinen Typ der Variante");
            continue;
        }
        if (p.RFensterNummer != p.RFenster->Nummer)
            fehler.push_back(name(Referenz(p)) + " nennt eine andere Typnummer");
        items[Referenz(p)] = {p.FassadenNummer, p.Traeger, &p.Einbauten,
                              &p.RFenster->PFensterListe};
    }

    for (const auto& [ref, e] : items) {
        const std::string n = name(ref);
        if (anzahl(*e.typListe, ref) != 1) fehler.push_back(n + ": nicht einmal bei seinem Typ");
        auto f = fassaden.find(int16_t(e.fassade));
        if (f == fassaden.end())
            fehler.push_back(n + ": keine Fassade " + std::to_string(e.fassade));
        else if (anzahl(f->second->Elemente, ref) != 1)
            fehler.push_back(n + ": nicht einmal bei Fassade " + f->second->Name);
        for (const TFassade& x : Fassaden)
            if (&x != (f == fassaden.end() ? nullptr : f->second) && anzahl(x.Elemente, ref))
                fehler.push_back(n + ": auch bei Fassade " + x.Name);
        if (e.traeger.Nummer != -1) {
            auto t = items.find(e.traeger);
            if (t == items.end())
                fehler.push_back(n + ": Träger " + name(e.traeger) + " fehlt");
            else {
                if (anzahl(*t->second.einbauten, ref) != 1)
                    fehler.push_back(n + ": nicht einmal beim Träger");
                if (t->second.fassade != e.fassade)
                    fehler.push_back(n + ": auf einer anderen Fassade als sein Träger");
                if (t->second.traeger.Nummer != -1)
                    fehler.push_back(n + ": Träger ist selbst eingebaut");
            }
        }
        for (const TTypNummer& x : *e.einbauten) {
            auto t = items.find(x);
            if (t == items.end() || t->second.traeger != ref)
                fehler.push_back(n + ": Einbau " + name(x) + " nennt ihn nicht als Träger");
        }
    }

    auto nurVorhandene = [&](const TTypNummerListe& liste, const std::string& wo) {
        for (const TTypNummer& r : liste)
            if (!items.count(r)) fehler.push_back(wo + " nennt " + name(r) + ", den es nicht gibt");
    };
    for (const TFassade& f : Fassaden) nurVorhandene(f.Elemente, "Fassade " + f.Name);
    for (const TRBauteil& t : RBauteile) {
        nurVorhandene(t.PBauteilListe, "Typ " + t.Name);
        for (const TTypNummer& r : t.PBauteilListe)
            if (r.Typ != int16_t(t.Bauteilart)) fehler.push_back("Typ " + t.Name + ": Art falsch");
        if (anzahl(Typnummern, TTypNummer{int16_t(t.Bauteilart), int16_t(t.Nummer)}) != 1)
            fehler.push_back("Typ " + t.Name + " fehlt in den Typnummern");
    }
    for (const TRFenster& t : RFenster) {
        nurVorhandene(t.PFensterListe, "Fenstertyp " + t.Name);
        if (anzahl(Typnummern, TTypNummer{TTypNummer::Fenster, int16_t(t.Nummer)}) != 1)
            fehler.push_back("Fenstertyp " + t.Name + " fehlt in den Typnummern");
    }
    return fehler;
}
