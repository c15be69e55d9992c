// Shares of placed items and facades in the totals of the current variant,
// for the data-sheet rows.
#include "stammwerk/modell/EBStruct.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"

namespace {
// Percent of a total that must be positive; 0 otherwise.
double anteil(double teil, double ganzes) {
    return ganzes > 0 ? teil / ganzes * 100 : 0;
}
const TProjekt* variante(const TGesamtProjekt* g) {
    return g ? g->AktuellesProjekt : nullptr;
}
} // namespace

void TPBauteil::SetBTGroessen(BTStruct& b, const TGesamtProjekt* g) const {
    b = BTStruct{};
    const TProjekt* p = variante(g);
    if (!p) return;
    b[0] = anteil(Nettoflaeche, p->A_Bauteile + p->A_Fenster);
    b[1] = anteil(Waermeverlust, p->Q_T);
}

void TPFenster::SetFensterGroessen(FensterStruct& f, const TGesamtProjekt* g) const {
    f = FensterStruct{};
    f[4] = z_fest * z_bew;
    const TProjekt* p = variante(g);
    if (!p) return;
    f[0] = anteil(Nettoflaeche, p->A_Bauteile + p->A_Fenster);
    f[1] = anteil(Nettoflaeche, p->A_Fenster);
    f[2] = anteil(Q_T, p->Q_T);
    f[3] = anteil(Q_S_angerechnet, p->Q_S);
}

void TFassade::SetFassGroessen(FassadeStruct& f, const TGesamtProjekt* g) const {
    f = FassadeStruct{};
    f[0] = anteil(A_Fenster, A_gesamt);
    const TProjekt* p = variante(g);
    if (!p) return;
    f[1] = anteil(A_gesamt, p->A_Bauteile + p->A_Fenster);
    // The losses and gains are divided by any total that is not exactly 0.
    f[2] = p->Q_T != 0 ? Q_T / p->Q_T * 100 : 0;
    f[3] = p->Q_S != 0 ? Q_S / p->Q_S * 100 : 0;
}

void TEinfachBauteil::SetEBGroessen(const TPBauteil* p, EBStruct& e,
                                    const TGesamtProjekt* g) const {
    e = EBStruct{};
    if (!p) return;
    const double k_m = p->RBauteil ? p->RBauteil->k_m : 0;
    e[0] = p->Nettoflaeche * Flaechenanteil * 0.01;
    // The cross-section's part of the placed component's loss (kWh/a): its
    // area share weighted by its U-value against the mean, so that the parts
    // add up to the component's loss and their shares to the component's.
    e[2] = k_m > 0 ? p->Waermeverlust * Flaechenanteil * 0.01 * k_Wert / k_m : 0;
    const TProjekt* v = variante(g);
    if (!v) return;
    e[1] = anteil(e[0], v->A_Bauteile + v->A_Fenster);
    e[3] = anteil(e[2], v->Q_T);
}
