// Pagination of the list sections: which items and rows of a list go on
// which page, counted in table rows of 19 page units.
#include "korvalin/datenblatt/TDatenblattAufbau.h"

#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <algorithm>

int TDatenblattAufbau::LogoZeilenJedeSeite() const {
    return LogoAufJederSeite() ? LogoHoehe() / Zeilenhoehe + 1 : 0;
}

int TDatenblattAufbau::MassenProSeite() const {
    return std::max(1, Koerper.Height() / Zeilenhoehe - LogoZeilenJedeSeite() - 12);
}

std::vector<int> TDatenblattAufbau::VolumenSeiten() const {
    std::vector<int> seiten{0};
    const TProjekt* p = Projekt();
    if (!p) return seiten;
    const int proSeite = 49 - (1260 - Koerper.Height()) / Zeilenhoehe - LogoZeilenJedeSeite();
    int benutzt = 0, i = 0;
    for (const TDimVolumen& v : p->Volumina) {
        // Counted as the table prints it.
        const int zeilen = VolumenZeilen(v);
        if (benutzt > 0 && benutzt + zeilen > proSeite) {
            seiten.push_back(i);
            benutzt = 0;
        }
        benutzt += zeilen;
        ++i;
    }
    return seiten;
}

std::vector<int> TDatenblattAufbau::ListenZeilen(int modus) const {
    std::vector<int> zeilen;
    const TProjekt* p = Projekt();
    if (!p) return zeilen;
    if (modus == 0) {
        for (const TFassade& f : p->Fassaden)
            zeilen.push_back(int(f.Elemente.GetItemsInContainer()));
        return zeilen;
    }
    for (const TRBauteil& b : p->RBauteile) {
        const bool gezeigt = UebersichtTypFilter < 0 || b.Bauteilart == UebersichtTypFilter;
        zeilen.push_back(gezeigt ? int(b.PBauteilListe.GetItemsInContainer()) : 0);
    }
    for (const TRFenster& f : p->RFenster) {
        const bool gezeigt = UebersichtTypFilter < 0 || UebersichtTypFilter == 10;
        zeilen.push_back(gezeigt ? int(f.PFensterListe.GetItemsInContainer()) : 0);
    }
    return zeilen;
}

TDatenblattAufbau::Seitenaufteilung
TDatenblattAufbau::SeitenAufteilen(int h, int g, int t, const std::vector<int>& zeilen) const {
    const int l = LogoGezeigt() ? LogoHoehe() / Zeilenhoehe + 1 : 0;
    const int s = std::max(0, (800 - Koerper.Height()) / Zeilenhoehe);
    const int r = 35 - l - s;
    // With the logo on the first page only, later pages have its rows for the list.
    const int mehr = LogoGezeigt() && !LogoAufJederSeite() ? l : 0;
    Seitenaufteilung a;
    const auto neuerSlot = [&a] {
        for (auto* v : {&a.Erstes, &a.Ende, &a.ErsteZeile, &a.EndZeile, &a.Zeilen}) v->push_back(0);
    };
    neuerSlot();
    const auto k = [&] { return r - h - g - t + (a.Anzahl() > 1 ? mehr : 0); };
    const auto k2 = [&] { return r - h - t + (a.Anzahl() > 1 ? mehr : 0); };
    int u = 0;
    for (int i = 0; i < int(zeilen.size()); ++i) {
        const int n = zeilen[size_t(i)];
        if (n <= 0) continue;
        size_t p = size_t(a.Anzahl() - 1);
        if (n > k()) {
            // Longer than a page: what fits on the current page, then full
            // pages of its own, then the rest on one more page.
            int x = k() - u;
            if (x < 1 || x >= k()) x = 0;
            if (x > 0) {
                a.EndZeile[p] = x;
                a.Ende[p] = i + 1;
                a.Zeilen[p] = u + x + g;
            }
            const int voll = k();
            const int q = (n - x) / voll, m = (n - x) % voll;
            for (int j = 0; j < q; ++j) {
                const bool ersteSeiteFrei = a.Anzahl() == 1 && a.Zeilen[0] == 0 && j == 0 && x == 0;
                if (!ersteSeiteFrei) neuerSlot();
                p = size_t(a.Anzahl() - 1);
                a.Erstes[p] = i;
                a.Ende[p] = i + 1;
                a.ErsteZeile[p] = j * voll + x;
                a.EndZeile[p] = (j + 1) * voll + x;
                a.Zeilen[p] = g + voll;
            }
            if (m > 0) {
                neuerSlot();
                p = size_t(a.Anzahl() - 1);
                a.Erstes[p] = i;
                a.Ende[p] = i + 1;
                a.ErsteZeile[p] = q * voll + x;
                a.EndZeile[p] = n;
                u = a.Zeilen[p] = m + g;
            } else {
                // A full page takes nothing more: the next item opens a page.
                u = k2() + 1;
            }
            continue;
        }
        u += n + g;
        if (u > k2()) {
            a.Ende[p] = i;
            neuerSlot();
            p = size_t(a.Anzahl() - 1);
            a.Erstes[p] = i;
            a.Ende[p] = i + 1;
            a.ErsteZeile[p] = 0;
            a.EndZeile[p] = n;
            u = a.Zeilen[p] = n + g;
        } else {
            if (a.Zeilen[p] == 0) a.Erstes[p] = i;
            a.Ende[p] = i + 1;
            a.EndZeile[p] = n;
            a.Zeilen[p] = u;
        }
    }
    return a;
}
