// The area sheet's pages: facades, elements and partial areas cut so that
// every page's table fits its body.
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

namespace {
// Rows of each partial area of an element, in list order.
std::vector<int> teilflaechenZeilen(TProjekt& p, const TTypNummer& t) {
    std::vector<int> z;
    const auto nr = uint16_t(t.Nummer);
    TDimVolumenListe* liste = nullptr;
    if (t.Typ == TTypNummer::Fenster) {
        if (TPFenster* f = p.PFenster.FirstThat([&](const TPFenster& x) { return x.Nummer == nr; }))
            liste = &f->Flaechenliste;
    } else if (TPBauteil* b =
                   p.PBauteile.FirstThat([&](const TPBauteil& x) { return x.Nummer == nr; })) {
        liste = &b->Flaechenliste;
    }
    if (liste)
        for (const TDimVolumen& d : *liste) {
            const int v = int(d.Textliste1.GetItemsInContainer());
            const int f = int(d.Formelliste.GetItemsInContainer());
            z.push_back(!d.Formelmodus ? 1 : f > 0 ? v + f : v + 1);
        }
    return z;
}
} // namespace

std::vector<TDatenblattAufbau::FlaechenWerte> TDatenblattAufbau::FlaechenSeitenAufteilen() const {
    std::vector<FlaechenWerte> seiten;
    TProjekt* p = Projekt();
    if (!p) return seiten;
    // Rows of a page R = 55 - logo rows - the rows the margins take from a
    // full page; the entries get R less the 4 heading and 2 sum rows.
    const int r = 55 - LogoZeilenJedeSeite() - (1260 - Koerper.Height()) / Zeilenhoehe;
    const int proSeite = std::max(8, r - 4 - 2);
    FlaechenWerte seite{0, 0, 0, 0, 0, -1, 0};
    int belegt = 0;
    bool offen = false;
    const auto schliessen = [&](int endFassade, int endElement, int endTeil) {
        seite[1] = endFassade;
        seite[3] = endElement;
        seite[5] = endTeil;
        seite[6] = belegt + 6;
        seiten.push_back(seite);
        belegt = 0;
        offen = false;
    };
    const auto oeffnen = [&](int f, int e, int t) {
        seite = {f, f + 1, e, e, t, -1, 0};
        offen = true;
    };
    const int fassaden = int(p->Fassaden.GetItemsInContainer());
    for (int fi = 0; fi < fassaden; ++fi) {
        const TFassade& f = p->Fassaden[size_t(fi)];
        const int n = int(f.Elemente.GetItemsInContainer());
        if (n == 0) continue;
        for (int k = 0; k < n; ++k) {
            const TTypNummer t = f.Elemente[size_t(k)];
            const std::vector<int> teile = teilflaechenZeilen(*p, t);
            int zeilen = 1;
            for (int z : teile) zeilen += z;
            // The facade row closes every page the facade stands on.
            if (offen && belegt + zeilen + 1 > proSeite) {
                if (k == 0) {
                    // The page ends with the previous facade.
                    int vorher = fi - 1;
                    while (vorher >= 0 && p->Fassaden[size_t(vorher)].Elemente.IsEmpty()) --vorher;
                    schliessen(vorher + 1,
                               int(p->Fassaden[size_t(vorher)].Elemente.GetItemsInContainer()), -1);
                } else {
                    ++belegt; // the facade row of this part
                    schliessen(fi + 1, k, -1);
                }
            }
            if (!offen) oeffnen(fi, k, 0);
            if (zeilen + 1 <= proSeite - belegt) {
                belegt += zeilen;
                continue;
            }
            // An element longer than a page: its partial areas in parts.
            int erster = 0, summe = 0;
            for (int j = 0; j < int(teile.size()); ++j) {
                if (summe > 0 && belegt + summe + teile[size_t(j)] + 2 > proSeite) {
                    belegt += summe + 2;
                    schliessen(fi + 1, k + 1, j);
                    oeffnen(fi, k, j);
                    erster = j;
                    summe = 0;
                }
                summe += teile[size_t(j)];
            }
            (void)erster;
            belegt += summe + 1;
        }
        if (offen) ++belegt;
    }
    if (offen) {
        int letzte = fassaden - 1;
        while (letzte >= 0 && p->Fassaden[size_t(letzte)].Elemente.IsEmpty()) --letzte;
        schliessen(letzte + 1, int(p->Fassaden[size_t(letzte)].Elemente.GetItemsInContainer()), -1);
    }
    return seiten;
}

void TDatenblattAufbau::HuellflaechenSeite(TDC& dc, const FlaechenWerte& w, int pass) {
    HuellflaechenTabelle(dc, w[0], w[1], w[2], w[3], w[4], w[5], w[6], pass);
}
