// One step of the evaporation period of the Glaser method: the condensate of the sites dries
// until the first site is dry or the period is spent.
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/modell/TEinfachBauteil.h"

#include <algorithm>
#include <vector>

namespace {

using Feld = TIArrayAsVector<TSchicht>;

constexpr double kNeuesTauwasser = 1e-5; // kg/m² of new condensate that counts

constexpr int kHilfsgrenze = -1; // layer index of an auxiliary boundary in the combined list

// Temporary boundary at the s_d midpoint `mitte` of a zone, inside layer m. Layer m's sdWert
// must already hold the part in front of the midpoint; `ganz` is its full value.
void HilfsgrenzeBilden(const Feld& S, int m, double ganz, double mitte, TSchicht& h) {
    const double davor = S[m]->sdWert;
    const double t0 = S[m]->Temperatur[1];
    h.sdWert = ganz - davor;
    h.sdBisAussen = mitte;
    h.Temperatur[1] = ganz > 0 ? t0 + davor * (S[m + 1]->Temperatur[1] - t0) / ganz : t0;
    h.Saettigungsdampfdruck[1] = double(Saettigungsdruck(h.Temperatur[1]));
    h.Dampfdruck[1] = h.Saettigungsdampfdruck[1];
}

double Bilanz(const TSchicht& e) {
    return e.DiffusionsstromAus[1] - e.DiffusionsstromEin[1];
}

bool Verdunstet(const TSchicht& e) {
    return e.DiffusionsstromAus[1] > e.DiffusionsstromEin[1] + glaser::kToleranz;
}

// The combined list of the sections from inside to outside, with the layer index of every
// element (kHilfsgrenze for A and B).
struct Gesamtliste {
    Feld liste;
    std::vector<int> schicht;

    void Anhaengen(TSchicht* s, int i) {
        liste.push_back(s);
        schicht.push_back(i);
    }
    void AnhaengenBis(const Feld& S, int& naechste, int bis) {
        for (; naechste <= bis; ++naechste) Anhaengen(S[naechste], naechste);
    }
    int Position(int i) const {
        return int(std::find(schicht.begin(), schicht.end(), i) - schicht.begin());
    }
};

} // namespace

void TEinfachBauteil::VerdunstungBerechnen(TIArrayAsVector<TSchicht>& S, TDiffusion& Diffusion,
                                           double& Restdauer, short n, int Begrenzen) {
    for (int i = 0; i < n; ++i) {
        S[i]->TaupunktMarke[1] = 0;
        S[i]->Tauwassermenge[1] = 0;
    }
    // Condensate that forms anew during the step is taken off the evaporated mass.
    auto neuesTauwasserAbziehen = [&] {
        for (int i = 0; i < n; ++i) {
            const double neu = S[i]->Tauwassermenge[1];
            Diffusion.Verdunstungsmenge -= neu;
            S[i]->Verdunstungsmenge -= neu;
            if (neu > kNeuesTauwasser) TauwasserInVerdunstungsperiode = 1;
        }
    };

    const int f = Diffusion.ErsterTaupunkt[0];
    const int l = Diffusion.LetzterTaupunkt[0];
    if (Diffusion.AnzahlTaupunkte[0] == 0 || f < 1 || l < f || l >= n) {
        TaupunkteBerechnen(S, n, Diffusion, 1, Begrenzen);
        TauwasserBerechnen(S, Restdauer, n, 1);
        neuesTauwasserAbziehen();
        Restdauer = 0;
        return;
    }

    Diffusion.AnzahlTaupunkte[1] = 0;
    Diffusion.ErsterTaupunkt[1] = -1;
    Diffusion.LetzterTaupunkt[1] = -1;
    const bool einzeln = Diffusion.AnzahlTaupunkte[0] == 1;
    auto istEbene = [&](int i) { return S[i]->sdTaupunkt == S[i]->sdBisAussen; };
    // A site whose zone midpoint falls on a boundary sits at that boundary, at saturation.
    auto anSaettigung = [&](int i) {
        if (i < n) S[i]->Dampfdruck[1] = S[i]->Saettigungsdampfdruck[1];
    };
    // Site data of a section, its indices mapped back to layer positions.
    auto uebernehmen = [&](const TDiffusion& lokal, auto schichtVon) {
        if (Diffusion.ErsterTaupunkt[1] == -1 && lokal.ErsterTaupunkt[1] != -1)
            Diffusion.ErsterTaupunkt[1] = int16_t(schichtVon(lokal.ErsterTaupunkt[1]));
        if (lokal.LetzterTaupunkt[1] != -1)
            Diffusion.LetzterTaupunkt[1] = int16_t(schichtVon(lokal.LetzterTaupunkt[1]));
        Diffusion.AnzahlTaupunkte[1] += lokal.AnzahlTaupunkte[1];
    };

    TSchicht A, B;
    Gesamtliste G;
    G.liste.reserve(size_t(n) + 3);
    G.schicht.reserve(size_t(n) + 3);
    Feld abschnitt;
    abschnitt.reserve(size_t(n) + 3);
    int naechste = 0; // next layer position to go into the combined list

    // Inner section: inside surface to the inner site.
    int m = f;
    TSchicht* eInnen = S[f]; // element whose fluxes leave and reach the inner site
    int idxA = f;
    {
        TDiffusion lokal;
        if (istEbene(f)) {
            S[f]->Dampfdruck[1] = S[f]->Saettigungsdampfdruck[1];
            G.AnhaengenBis(S, naechste, f);
            abschnitt = G.liste;
            TaupunkteBerechnen(abschnitt, short(f), lokal, 1, Begrenzen);
        } else {
            const double mitte = S[f]->sdTaupunkt;
            while (m + 1 < n && S[m + 1]->sdBisAussen > mitte) ++m;
            // Layer m is cut at the midpoint while the section runs.
            const double ganz = S[m]->sdWert;
            S[m]->sdWert = S[m]->sdBisAussen - mitte;
            HilfsgrenzeBilden(S, m, ganz, mitte, A);
            G.AnhaengenBis(S, naechste, m);
            if (A.sdWert != 0) {
                G.Anhaengen(&A, kHilfsgrenze);
                eInnen = &A;
            } else {
                // The midpoint lies on boundary m+1: it is the site's element.
                anSaettigung(m + 1);
                G.AnhaengenBis(S, naechste, m + 1);
                eInnen = S[m + 1];
            }
            idxA = m + 1;
            abschnitt = G.liste;
            TaupunkteBerechnen(abschnitt, short(m + 1), lokal, 1, Begrenzen);
            S[m]->sdWert = ganz;
        }
        Diffusion.ErsterTaupunkt[1] = lokal.ErsterTaupunkt[1];
        Diffusion.LetzterTaupunkt[1] = lokal.LetzterTaupunkt[1];
        Diffusion.AnzahlTaupunkte[1] += lokal.AnzahlTaupunkte[1];
    }

    // Outer section: outer site to the outside surface.
    TSchicht* eAussen = S[l];
    int idxB = idxA;
    int mStrich = m;   // layer that holds the outer zone's midpoint
    double mitteL = 0; // the outer zone's midpoint
    bool bEingefuegt = false;
    {
        TDiffusion lokal;
        int versatz = l;
        if (istEbene(l)) {
            G.AnhaengenBis(S, naechste, n);
            idxB = G.Position(l);
            S[l]->Dampfdruck[1] = S[l]->Saettigungsdampfdruck[1];
            abschnitt.assign(S.begin() + l, S.begin() + n + 1);
        } else {
            mitteL = S[l]->sdTaupunkt;
            if (einzeln) {
                B = A;
            } else {
                mStrich = l;
                while (mStrich + 1 < n && S[mStrich + 1]->sdBisAussen > mitteL) ++mStrich;
                G.AnhaengenBis(S, naechste, mStrich);
                const double ganz = S[mStrich]->sdWert;
                S[mStrich]->sdWert = S[mStrich]->sdBisAussen - mitteL;
                HilfsgrenzeBilden(S, mStrich, ganz, mitteL, B);
                S[mStrich]->sdWert = ganz;
            }
            abschnitt.clear();
            if (B.sdWert == 0) {
                anSaettigung(mStrich + 1);
                versatz = mStrich + 1;
                eAussen = S[mStrich + 1];
            } else {
                abschnitt.push_back(&B);
                versatz = mStrich;
                eAussen = &B;
                if (!einzeln) {
                    G.Anhaengen(&B, kHilfsgrenze);
                    bEingefuegt = true;
                    idxB = int(G.liste.size()) - 1;
                }
            }
            abschnitt.insert(abschnitt.end(), S.begin() + mStrich + 1, S.begin() + n + 1);
            naechste = std::max(naechste, mStrich + 1);
            G.AnhaengenBis(S, naechste, n);
            if (!einzeln && !bEingefuegt) idxB = G.Position(mStrich + 1);
        }
        TaupunkteBerechnen(abschnitt, short(abschnitt.size() - 1), lokal, 1, Begrenzen);
        uebernehmen(lokal, [versatz](int i) { return i + versatz; });
        if (einzeln && !istEbene(l)) A.DiffusionsstromAus[1] = B.DiffusionsstromAus[1];
    }

    // Middle section between the two sites, both held at saturation.
    if (!einzeln) {
        TDiffusion lokal;
        const double ganz = S[mStrich]->sdWert;
        if (bEingefuegt) S[mStrich]->sdWert = S[mStrich]->sdBisAussen - mitteL;
        abschnitt.assign(G.liste.begin() + idxA, G.liste.begin() + idxB + 1);
        for (TSchicht* s : abschnitt) s->Dampfdruck[1] = s->Saettigungsdampfdruck[1];
        TaupunkteBerechnen(abschnitt, short(idxB - idxA), lokal, 1, Begrenzen);
        if (bEingefuegt) S[mStrich]->sdWert = ganz;
        uebernehmen(lokal, [&G, idxA](int i) { return G.schicht[size_t(idxA + i)]; });
    }

    // Drying times: the step ends when the first site is dry.
    bool d1 = false, d2 = false;
    double tmin = 0, t1 = 0;
    if (Verdunstet(*eInnen)) {
        t1 = S[f]->Tauwassermenge[0] / Bilanz(*eInnen);
        d1 = true;
        tmin = t1;
    }
    if (l != f && Verdunstet(*eAussen)) {
        const double t2 = S[l]->Tauwassermenge[0] / Bilanz(*eAussen);
        if (tmin > 0 && t2 <= tmin) {
            tmin = t2;
            d2 = true;
            d1 = t1 == t2;
        }
    }
    double dt;
    if (tmin <= 0) {
        dt = Restdauer;
    } else if (Restdauer < tmin) {
        dt = Restdauer;
        d1 = d2 = false;
    } else {
        dt = tmin;
    }
    Restdauer -= dt;

    // Evaporation of the step; the site's own boundary takes over the flux that leaves it.
    auto verdunsten = [&](int s, const TSchicht& e) {
        const double w = Bilanz(e) * dt;
        Diffusion.Verdunstungsmenge += w;
        S[s]->Verdunstungsmenge += w;
        if (&e != S[s]) S[s]->DiffusionsstromAus[1] = e.DiffusionsstromAus[1];
    };
    verdunsten(f, *eInnen);
    if (l != f) verdunsten(l, *eAussen);
    S[f]->VerdunstungsdauerInnen += dt;
    S[l]->VerdunstungsdauerAussen += dt;

    TauwasserBerechnen(G.liste, dt, int(G.liste.size()) - 1, 1);
    neuesTauwasserAbziehen();
    auto haeltTauwasser = [&](int s) {
        TSchicht& b = *S[s];
        b.Tauwassermenge[1] += b.Tauwassermenge[0] - Bilanz(b) * dt;
        if (b.TaupunktMarke[1] != 0) return;
        b.TaupunktMarke[1] = 1;
        ++Diffusion.AnzahlTaupunkte[1];
        if (Diffusion.ErsterTaupunkt[1] == -1) {
            Diffusion.ErsterTaupunkt[1] = Diffusion.LetzterTaupunkt[1] = int16_t(s);
        } else {
            Diffusion.ErsterTaupunkt[1] = int16_t(std::min<int>(Diffusion.ErsterTaupunkt[1], s));
            Diffusion.LetzterTaupunkt[1] = int16_t(std::max<int>(Diffusion.LetzterTaupunkt[1], s));
        }
    };
    if (!d1) haeltTauwasser(f);
    if (l != f && !d2) haeltTauwasser(l);
    if (Diffusion.AnzahlTaupunkte[1] == 0) {
        // Every site is dry: the rest of the period is spent at the inner site.
        const double w = Bilanz(*eInnen) * Restdauer;
        Diffusion.Verdunstungsmenge += w;
        S[f]->Verdunstungsmenge += w;
        S[f]->VerdunstungsdauerInnen += Restdauer;
        S[f]->VerdunstungsdauerAussen += Restdauer;
        Restdauer = 0;
    }
}
