// Condensation sites of one period and the condensate they collect.
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/modell/TEinfachBauteil.h"

void TEinfachBauteil::TaupunkteBerechnen(TIArrayAsVector<TSchicht>& S, short n,
                                         TDiffusion& Diffusion, int k, int Begrenzen) {
    DampfdruckKurveBerechnen(S, n, k, Begrenzen);

    S[0]->TaupunktMarke[k] = 0;
    Diffusion.AnzahlTaupunkte[k] = 0;
    Diffusion.ErsterTaupunkt[k] = -1;
    Diffusion.LetzterTaupunkt[k] = -1;
    // The surfaces are never sites; a run of collecting boundaries is one zone, represented
    // by its first boundary with sdTaupunkt at the zone's s_d middle.
    for (int i = 1; i < n; ++i) {
        TSchicht& b = *S[i];
        if (!(b.DiffusionsstromAus[k] + glaser::kToleranz < b.DiffusionsstromEin[k])) continue;
        if (S[i - 1]->TaupunktMarke[k] == 0) {
            if (Diffusion.AnzahlTaupunkte[k] == 0) Diffusion.ErsterTaupunkt[k] = int16_t(i);
            Diffusion.LetzterTaupunkt[k] = int16_t(i);
            b.TaupunktMarke[k] = 1;
            b.sdTaupunkt = b.sdBisAussen;
            ++Diffusion.AnzahlTaupunkte[k];
        } else {
            b.TaupunktMarke[k] = -1;
            int f = i - 1;
            while (f > 0 && S[f]->TaupunktMarke[k] != 1) --f;
            S[f]->sdTaupunkt = (b.sdBisAussen + S[f]->sdBisAussen) / 2;
        }
    }
}

void TEinfachBauteil::TauwasserBerechnen(TIArrayAsVector<TSchicht>& S, double Dauer, int n, int k) {
    for (int i = 1; i < n; ++i) {
        TSchicht& b = *S[i];
        b.Tauwassermenge[k] = b.TaupunktMarke[k] == 0
                                  ? 0
                                  : (b.DiffusionsstromEin[k] - b.DiffusionsstromAus[k]) * Dauer;
    }
}
