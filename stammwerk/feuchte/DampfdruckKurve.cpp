// Vapour-pressure curve of one period: the straight line over s_d, capped at the saturation
// pressure and then straightened into the tangent construction of the Glaser method.
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/modell/TEinfachBauteil.h"

using glaser::kDiffusionskonstante;
using glaser::kToleranz;

namespace {

using Feld = TIArrayAsVector<TSchicht>;

// Guards the tangent construction: every change straightens a stretch between two boundaries,
// which settles within (n+1)² passes; the bound keeps bad input from looping for ever.
int MaxKorrekturen(int n) {
    return 4 * (n + 1) * (n + 1) + 16;
}

bool GibtAb(const TSchicht& s, int k) {
    return s.DiffusionsstromEin[k] < s.DiffusionsstromAus[k] - kToleranz;
}
bool Sammelt(const TSchicht& s, int k) {
    return s.DiffusionsstromEin[k] > s.DiffusionsstromAus[k] + kToleranz;
}

// One pass of the outward correction; false when the curve is final.
bool KorrigiereNachAussen(Feld& S, int n, int k) {
    int i = 1;
    while (i < n && !GibtAb(*S[i], k)) ++i;
    if (i >= n) return false;
    int j = i + 1;
    while (j <= n && !Sammelt(*S[j], k)) ++j;
    if (j > n) return false;
    double s = 0;
    for (int l = i - 1; l < j; ++l) s += S[l]->sdWert;
    const double d = (S[i - 1]->Dampfdruck[k] - S[j]->Dampfdruck[k]) / s;
    const double g = d / kDiffusionskonstante;
    S[i - 1]->DiffusionsstromAus[k] = g;
    for (int l = j - 1; l >= i; --l) {
        S[l]->Dampfdruck[k] = S[l + 1]->Dampfdruck[k] + S[l]->sdWert * d;
        S[l]->DiffusionsstromEin[k] = g;
        S[l]->DiffusionsstromAus[k] = g;
    }
    S[j]->DiffusionsstromEin[k] = g;
    return true;
}

// One pass of the inward correction (vapour flows from outside to inside).
bool KorrigiereNachInnen(Feld& S, int n, int k) {
    int i = n - 1;
    while (i >= 1 && !GibtAb(*S[i], k)) --i;
    if (i < 1) return false;
    int j = i - 1;
    while (j >= 0 && !Sammelt(*S[j], k)) --j;
    if (j < 0) return false;
    double s = 0;
    for (int l = j; l <= i; ++l) s += S[l]->sdWert;
    const double d = (S[j]->Dampfdruck[k] - S[i + 1]->Dampfdruck[k]) / s;
    const double g = d / kDiffusionskonstante;
    S[j]->DiffusionsstromAus[k] = g;
    for (int l = j + 1; l <= i; ++l) {
        S[l]->Dampfdruck[k] = S[l - 1]->Dampfdruck[k] - S[l - 1]->sdWert * d;
        S[l]->DiffusionsstromEin[k] = g;
        S[l]->DiffusionsstromAus[k] = g;
    }
    S[i + 1]->DiffusionsstromEin[k] = g;
    return true;
}

} // namespace

void TEinfachBauteil::DampfdruckKurveBerechnen(TIArrayAsVector<TSchicht>& S, int n, int k,
                                               int Begrenzen) {
    double summe = 0;
    for (int i = 0; i < n; ++i) summe += S[i]->sdWert;
    for (int i = 0; i <= n; ++i) {
        S[i]->Tauwassermenge[k] = 0;
        S[i]->TaupunktMarke[k] = 0;
    }
    if (summe <= 0) return;

    // In the evaporation period the caller may ask for the plain line, so that no renewed
    // condensation can be found.
    const bool begrenzt = !(Begrenzen == 0 && k == 1);
    const double p0 = S[0]->Dampfdruck[k];
    const double pn = S[n]->Dampfdruck[k];
    double davor = 0; // s_d of the layers in front of boundary i
    for (int i = 1; i < n; ++i) {
        davor += S[i - 1]->sdWert;
        double p = pn + (p0 - pn) / summe * (summe - davor);
        if (begrenzt && p > S[i]->Saettigungsdampfdruck[k]) p = S[i]->Saettigungsdampfdruck[k];
        S[i]->Dampfdruck[k] = p;
    }

    // Layers without s_d pass the flux on unchanged.
    double g0 = 0;
    if (S[0]->sdWert > 0) {
        g0 = (p0 - S[1]->Dampfdruck[k]) / (kDiffusionskonstante * S[0]->sdWert);
    } else {
        double sd = 0;
        for (int j = 0; j < n; ++j) {
            sd += S[j]->sdWert;
            if (sd > 0) {
                g0 = (p0 - S[j + 1]->Dampfdruck[k]) / (kDiffusionskonstante * sd);
                break;
            }
        }
    }
    S[0]->DiffusionsstromAus[k] = g0;
    for (int i = 1; i < n; ++i) {
        TSchicht& b = *S[i];
        const TSchicht& vorher = *S[i - 1];
        b.DiffusionsstromEin[k] = vorher.sdWert > 0 ? (vorher.Dampfdruck[k] - b.Dampfdruck[k]) /
                                                          (kDiffusionskonstante * vorher.sdWert)
                                                    : vorher.DiffusionsstromAus[k];
        b.DiffusionsstromAus[k] = b.sdWert > 0 ? (b.Dampfdruck[k] - S[i + 1]->Dampfdruck[k]) /
                                                     (kDiffusionskonstante * b.sdWert)
                                               : b.DiffusionsstromEin[k];
    }
    S[n]->DiffusionsstromEin[k] = S[n - 1]->DiffusionsstromAus[k];

    if (!begrenzt) return;
    // The inflow of boundary 0 and the outflow of element n are not computed here: they keep
    // the record's values, so the surfaces take part in the search as they stand.
    const bool nachInnen = pn > p0;
    for (int pass = MaxKorrekturen(n); pass > 0; --pass) {
        const bool geaendert =
            nachInnen ? KorrigiereNachInnen(S, n, k) : KorrigiereNachAussen(S, n, k);
        if (!geaendert) break;
    }
}
