// Copying placements and facades, taking over edited types, moving facades
// and recomputing areas along the chain of carriers.
#include "stammwerk/modell/TProjekt.h"

#include <memory>
#include <vector>

namespace {

// Re-sorts a list whose order depends on values that changed.
template <class T>
void neuOrdnen(TISListImp<T>& liste) {
    std::vector<std::unique_ptr<T>> alle;
    while (auto x = liste.Detach([](const T&) { return true; })) alle.push_back(std::move(x));
    for (auto& x : alle) liste.AddAfterEquals(std::move(x));
}

} // namespace

int TProjekt::BauteilUebernehmen(const TRBauteil& daten) {
    auto t = RBauteile.Detach([&](const TRBauteil& x) { return x.Nummer == daten.Nummer; });
    if (!t) return 0;
    const auto altArt = int16_t(t->Bauteilart);
    const auto nummer = int16_t(t->Nummer);
    TypNummerEntfernen(Typnummern, TTypNummer{altArt, nummer});
    *t = daten;
    t->WerteErsetzt = false; // confirmed in the dialog
    const auto neuArt = int16_t(t->Bauteilart);
    std::vector<TTypNummer> refs;
    for (const TTypNummer& r : t->PBauteilListe) refs.push_back(r);
    t->PBauteilListe.Flush();
    for (TTypNummer r : refs) {
        if (r.Typ == altArt) {
            artAendern(r, TTypNummer{neuArt, r.Nummer});
            r.Typ = neuArt;
        }
        t->PBauteilListe.Add(r);
    }
    RBauteile.Add(std::move(t));
    Typnummern.Add(TTypNummer{neuArt, nummer});
    neuOrdnen(PBauteile); // ordered by their types' kinds
    return 1;
}

void TProjekt::FlaecheBerechnen(TPBauteil* p) {
    if (!p || !p->RBauteil) return;
    flaecheAufwaerts(TTypNummer{int16_t(p->RBauteil->Bauteilart), int16_t(p->Nummer)});
}

void TProjekt::FlaecheBerechnen(TPFenster* p) {
    if (!p) return;
    flaecheAufwaerts(TTypNummer{TTypNummer::Fenster, int16_t(p->Nummer)});
}

void TProjekt::flaecheAufwaerts(TTypNummer ref) {
    // Up the chain of carriers; a file may hold a cycle, so the steps are bounded.
    const size_t schritte = PBauteile.GetItemsInContainer() + PFenster.GetItemsInContainer();
    for (size_t i = 0; i <= schritte && ref.Nummer != -1; ++i) {
        nettoflaecheSetzen(ref);
        TTypNummer traeger{-1, -1};
        uint16_t fassade = 0xFFFF;
        if (ref.Typ == TTypNummer::Fenster) {
            if (const TPFenster* f = PFensterNr(ref.Nummer))
                traeger = f->Traeger, fassade = f->FassadenNummer;
        } else if (const TPBauteil* b = PBauteilNr(ref.Nummer)) {
            traeger = b->Traeger, fassade = b->FassadenNummer;
        }
        fassadeRechnen(FassadeNr(fassade));
        ref = traeger;
    }
    UmfassungsflaecheBerechnen();
    WSchVO();
}

void TProjekt::einbautenKopieren(const TTypNummerListe& quelle, TPBauteil* zielBauteil,
                                 TPFenster* zielFenster) {
    // Inserted items nest no deeper than there are placements; deeper means a
    // cycle in a file.
    const int grenze = int(PBauteile.GetItemsInContainer() + PFenster.GetItemsInContainer());
    if (kopierTiefe_ > grenze) return;
    ++kopierTiefe_;
    std::vector<TTypNummer> items;
    for (const TTypNummer& e : quelle) items.push_back(e);
    for (const TTypNummer& e : items) {
        if (e.Typ == TTypNummer::Fenster)
            PFensterKopieren(PFensterNr(e.Nummer), zielBauteil, zielFenster);
        else
            PBauteilKopieren(PBauteilNr(e.Nummer), zielBauteil, zielFenster);
    }
    --kopierTiefe_;
}

TPBauteil* TProjekt::PBauteilKopieren(const TPBauteil* p, TFassade* f, int rechnen) {
    if (!p || !f) return nullptr;
    auto kopie = std::make_unique<TPBauteil>(*p);
    kopie->Traeger = TTypNummer{};
    kopie->Einbauten.Flush();
    TPBauteil* neu = PBauteilEinfuegen(std::move(kopie), f, 0);
    if (!neu) return nullptr;
    einbautenKopieren(p->Einbauten, neu, nullptr);
    if (rechnen) {
        fassadeRechnen(f);
        UmfassungsflaecheBerechnen();
        WSchVO();
    }
    return neu;
}

TPFenster* TProjekt::PFensterKopieren(const TPFenster* p, TFassade* f, int rechnen) {
    if (!p || !f) return nullptr;
    auto kopie = std::make_unique<TPFenster>(*p);
    kopie->Traeger = TTypNummer{};
    kopie->Einbauten.Flush();
    TPFenster* neu = PFensterEinfuegen(std::move(kopie), f, 0);
    if (!neu) return nullptr;
    einbautenKopieren(p->Einbauten, nullptr, neu);
    if (rechnen) {
        fassadeRechnen(f);
        UmfassungsflaecheBerechnen();
        WSchVO();
    }
    return neu;
}

namespace {
// The carrier's facade, reference and inserted-items list.
struct Traeger {
    uint16_t fassade = 0xFFFF;
    TTypNummer ref;
    TTypNummerListe* einbauten = nullptr;
};
Traeger traegerVon(TPBauteil* b, TPFenster* f) {
    if (b && b->RBauteil)
        return {b->FassadenNummer, TTypNummer{int16_t(b->RBauteil->Bauteilart), int16_t(b->Nummer)},
                &b->Einbauten};
    if (f)
        return {f->FassadenNummer, TTypNummer{TTypNummer::Fenster, int16_t(f->Nummer)},
                &f->Einbauten};
    return {};
}
} // namespace

TPBauteil* TProjekt::PBauteilKopieren(const TPBauteil* item, TPBauteil* traegerBauteil,
                                      TPFenster* traegerFenster) {
    const Traeger t = traegerVon(traegerBauteil, traegerFenster);
    TFassade* f = FassadeNr(t.fassade);
    if (!item || !t.einbauten || !f) return nullptr;
    auto kopie = std::make_unique<TPBauteil>(*item);
    kopie->Einbauten.Flush();
    kopie->Traeger = t.ref;
    TPBauteil* neu = PBauteilEinfuegen(std::move(kopie), f, 0);
    if (!neu) return nullptr;
    t.einbauten->Add(TTypNummer{int16_t(neu->RBauteil->Bauteilart), int16_t(neu->Nummer)});
    einbautenKopieren(item->Einbauten, neu, nullptr);
    // The copy joins the facade: the carrier's area, the facade sums and
    // the proof change with it.
    flaecheAufwaerts(t.ref);
    return neu;
}

TPFenster* TProjekt::PFensterKopieren(const TPFenster* item, TPBauteil* traegerBauteil,
                                      TPFenster* traegerFenster) {
    const Traeger t = traegerVon(traegerBauteil, traegerFenster);
    TFassade* f = FassadeNr(t.fassade);
    if (!item || !t.einbauten || !f) return nullptr;
    auto kopie = std::make_unique<TPFenster>(*item);
    kopie->Einbauten.Flush();
    kopie->Traeger = t.ref;
    TPFenster* neu = PFensterEinfuegen(std::move(kopie), f, 0);
    if (!neu) return nullptr;
    t.einbauten->Add(TTypNummer{TTypNummer::Fenster, int16_t(neu->Nummer)});
    einbautenKopieren(item->Einbauten, nullptr, neu);
    // The copy joins the facade: the carrier's area, the facade sums and
    // the proof change with it.
    flaecheAufwaerts(t.ref);
    return neu;
}

void TProjekt::FassadeVerschieben(TFassade* f, short nummer) {
    const auto anzahl = short(Fassaden.GetItemsInContainer());
    if (!f || nummer < 0 || nummer >= anzahl) return;
    const auto alt = short(f->Nummer);
    for (TFassade& x : Fassaden) {
        const auto n = short(x.Nummer);
        if (nummer < alt && n >= nummer && n < alt) x.Nummer = uint16_t(n + 1);
        if (nummer > alt && n > alt && n <= nummer) x.Nummer = uint16_t(n - 1);
    }
    f->Nummer = uint16_t(nummer);
    neuOrdnen(Fassaden);
    for (TFassade& x : Fassaden) FassadeNummerInBauteileSetzen(&x);
}

TFassade* TProjekt::FassadeKopieren(const TFassade* f) {
    if (!f) return nullptr;
    auto kopie = std::make_unique<TFassade>(*f);
    kopie->Nummer = uint16_t(Fassaden.GetItemsInContainer());
    kopie->Elemente.Flush();
    TFassade& neu = Fassaden.Add(std::move(kopie));
    std::vector<TTypNummer> elemente;
    for (const TTypNummer& e : f->Elemente) elemente.push_back(e);
    for (const TTypNummer& e : elemente) {
        if (e.Typ == TTypNummer::Fenster) {
            const TPFenster* p = PFensterNr(e.Nummer);
            if (p && p->Traeger.Nummer == -1) PFensterKopieren(p, &neu, 0);
        } else {
            const TPBauteil* p = PBauteilNr(e.Nummer);
            if (p && p->Traeger.Nummer == -1) PBauteilKopieren(p, &neu, 0);
        }
    }
    fassadeRechnen(&neu);
    UmfassungsflaecheBerechnen();
    WSchVO();
    return &neu;
}

void TProjekt::StandardFassadenAnlegen() {
    struct Flaeche {
        const char* name;
        bool wand;
        uint16_t orientierung; // 0 north, 1 south, 2 west, 3 east
    };
    static const Flaeche flaechen[] = {
        {"Grundfläche", false, 0}, {"Fassade Nord", true, 0}, {"Fassade West", true, 2},
        {"Fassade Süd", true, 1},  {"Fassade Ost", true, 3},  {"Dach", false, 0},
    };
    for (const Flaeche& fl : flaechen) {
        auto f = std::make_unique<TFassade>();
        f->Nummer = uint16_t(Fassaden.GetItemsInContainer());
        f->Name = fl.name;
        if (fl.wand) {
            f->IstFassade = 1;
            f->Orientierung = fl.orientierung;
        }
        Fassaden.Add(std::move(f));
    }
}
