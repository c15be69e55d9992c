// Moisture proof of one cross-section by the Glaser method under the boundary conditions of
// DIN 4108 Teil 3 (1981), and the driver of the whole calculation of a cross-section.
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/modell/TEinfachBauteil.h"

#include <vector>

namespace {

using Feld = TIArrayAsVector<TSchicht>;

constexpr double kEndeVerdunstung = 0.0001;   // h of evaporation time that count as none
constexpr double kTauwasserSchwelle = 0.0005; // kg/m², below it no evaporation proof
constexpr double kGrenzeNormal = 1.0;         // kg/m², DIN 4108-3 (1981) 3.2.1
constexpr double kGrenzeVermindert = 0.5;     // kg/m², the climate's reduced limit

// Insulation layer of the diffusion calculation: lambda < 0.1 W/(mK) and R > 0.25 m²K/W.
bool IstDaemmschicht(const TSchicht& s) {
    const double r = s.Lambda > 0 ? 0.001 * s.Schichtdicke / s.Lambda : 1.0;
    return s.Lambda < 0.1 && r > 0.25;
}

void EvaporationsspeicherLeeren(Feld& S, int n) {
    for (int i = 0; i < n; ++i) {
        S[i]->Verdunstungsmenge = 0;
        S[i]->VerdunstungsdauerInnen = 0;
        S[i]->VerdunstungsdauerAussen = 0;
    }
}

} // namespace

void TEinfachBauteil::FeuchteBerechnen(TKlima Klima, double Rsi, int Feuchteoption) {
    Diffusion.Nachweisfehler.fill(0);
    Diffusion.Tauwassermenge = -2000; // markers of a run in progress
    Diffusion.Verdunstungsmenge = -1000;
    FeuchteErfuellt = 1;
    Taupunkt.Init();

    const double psInnen = double(Saettigungsdruck(Klima.ThetaI));
    phi_krit = double(Saettigungsdruck(ThetaSi)) / psInnen;
    phi_krit_belastet = double(Saettigungsdruck(ThetaSiMin)) / psInnen;

    if (kWertVorgegeben != 0) {
        Taupunkt.Fall = 0;
        return;
    }
    const int n = AnzahlSchichten();
    if (n > 0) {
        // The layers are worked on in place, in list order (= Nummer order); the outer
        // surface closes the array.
        Feld S;
        S.reserve(size_t(n) + 1);
        for (TSchicht& s : Schichten) S.push_back(&s);
        S.push_back(&Aussenoberflaeche);

        for (TSchicht* s : S)
            for (int k = 0; k < 2; ++k)
                s->Saettigungsdampfdruck[k] = double(Saettigungsdruck(s->Temperatur[k]));
        auto randdruck = [](TSchicht& s, int k, double phi, double theta) {
            s.Dampfdruck[k] = phi * double(Saettigungsdruck(theta));
            if (s.Dampfdruck[k] > s.Saettigungsdampfdruck[k])
                s.Dampfdruck[k] = s.Saettigungsdampfdruck[k];
        };
        randdruck(*S[0], 0, Klima.PhiI, Klima.ThetaI);
        randdruck(*S[0], 1, Klima.PhiI_V, Klima.ThetaI_V);
        randdruck(Aussenoberflaeche, 0, Klima.PhiE, Klima.ThetaE);
        randdruck(Aussenoberflaeche, 1, Klima.PhiE_V, Klima.ThetaE_V);

        bool keinNachweis = Klima.KlimaMerker1 != 0;
        for (int i = 0; i < n; ++i)
            if (S[i]->Schluessel.IsSystemBaustoff() && S[i]->Schluessel.Gruppe != 9)
                keinNachweis = true;
        if (keinNachweis) {
            for (TSchicht* s : S) s->Dampfdruck = {0, 0};
            Taupunkt.Fall = 0;
            return;
        }

        // Largest U-value at which the inner surface stays dry.
        const double thetaS = Taupunkttemperatur(Klima.PhiI, Klima.ThetaI);
        if (!(Klima.ThetaI > Klima.ThetaE) || !(Rsi > 0)) {
            Diffusion.k_max_Oberflaeche = -1;
        } else {
            Diffusion.k_max_Oberflaeche =
                (Klima.ThetaI - thetaS) / Rsi / (Klima.ThetaI - Klima.ThetaE);
            if (Diffusion.k_max_Oberflaeche < k_Wert) Diffusion.Nachweisfehler[4] = 1;
        }

        // A ventilated air layer ends the calculation: it and the layers behind it carry the
        // outside values and no resistance.
        int nr = n;
        for (int i = 0; i < n; ++i)
            if (S[i]->Schluessel.IsBelueftet()) {
                nr = i;
                break;
            }
        for (int i = nr; i < n; ++i) {
            TSchicht& s = *S[i];
            s.Saettigungsdampfdruck = Aussenoberflaeche.Saettigungsdampfdruck;
            s.Dampfdruck = Aussenoberflaeche.Dampfdruck;
            s.sdWert = s.sdBisAussen = s.sdTaupunkt = 0;
            s.DiffusionsstromEin[0] = s.DiffusionsstromAus[0] = 0;
            // Both periods, so that no condensate of an earlier run stays behind the air layer.
            s.Tauwassermenge = {0, 0};
            s.TaupunktMarke = {0, 0};
        }

        // DIN 4108-5 asks for the unfavourable of a material's two mu values: the lower (the
        // first) on the warm side, the higher (the second) on the cold side. The boundary is
        // the outer face of the insulation layer, or without one the condensation plane.
        int daemmschicht = -1;
        for (int i = 0; i < nr && daemmschicht < 0; ++i)
            if (IstDaemmschicht(*S[i])) daemmschicht = i;
        if (daemmschicht >= 0) {
            DiffusionswiderstandSetzen(S, nr, daemmschicht + 1);
        } else {
            const int grenze = UnguenstigsteGrenze(S, nr, Klima, Feuchteoption);
            DiffusionswiderstandSetzen(S, nr, grenze);
        }
        DiffusionRechnen(S, nr, Klima, Feuchteoption);
    } else {
        Taupunkt.Fall = 2;
    }

    for (int f = 0; f < 5; ++f) {
        if (!Diffusion.Nachweisfehler[f]) continue;
        if (f == 1 && TauwassergrenzeAusgenommen == 1) continue;
        FeuchteErfuellt = 0;
    }
}

void TEinfachBauteil::DiffusionRechnen(TIArrayAsVector<TSchicht>& S, int nr, TKlima Klima,
                                       int Feuchteoption) {
    // A run for another boundary may have left its marks.
    Diffusion.Nachweisfehler[0] = Diffusion.Nachweisfehler[1] = Diffusion.Nachweisfehler[2] = 0;
    const int n = AnzahlSchichten();
    EvaporationsspeicherLeeren(S, nr);
    Aussenoberflaeche.Nummer = int16_t(n);
    Diffusion.Tauwassermenge = 0;
    Diffusion.Verdunstungsmenge = 0;

    if (sd_Summe > 0) {
        TaupunkteBerechnen(S, short(nr), Diffusion, 0, 1);
        TauwasserBerechnen(S, Klima.Tauperiode, nr, 0);
        double wt = 0;
        for (int i = 0; i < nr; ++i) wt += S[i]->Tauwassermenge[0];
        Diffusion.Tauwassermenge = wt;
        Diffusion.Verdunstungsmenge = 0;
        EvaporationsspeicherLeeren(S, nr);
        TauwasserInVerdunstungsperiode = 0;

        double rest = Klima.Verdunstungsperiode;
        if (Feuchteoption == 0) {
            // DIN 4108 Teil 5, 11.2.3: condensate forming anew while drying is not taken
            // into account; the step is redone with the pressures left uncapped.
            VerdunstungBerechnen(S, Diffusion, rest, short(nr), 1);
            if (TauwasserInVerdunstungsperiode) {
                Diffusion.Verdunstungsmenge = 0;
                EvaporationsspeicherLeeren(S, nr);
                rest = Klima.Verdunstungsperiode;
                VerdunstungBerechnen(S, Diffusion, rest, short(nr), 0);
            }
        } else {
            VerdunstungBerechnen(S, Diffusion, rest, short(nr), 1);
            if (Diffusion.AnzahlTaupunkte[1] > 0) TauwasserInVerdunstungsperiode = 1;
        }

        if (rest > kEndeVerdunstung) {
            // The sites still wet continue from the condensate they hold; only the
            // evaporation sums of these steps are kept.
            std::vector<TSchicht> kopien;
            kopien.reserve(size_t(nr) + 1);
            for (int i = 0; i <= nr; ++i) kopien.push_back(*S[i]);
            Feld K;
            K.reserve(kopien.size());
            for (TSchicht& s : kopien) {
                s.Tauwassermenge[0] = s.Tauwassermenge[1];
                K.push_back(&s);
            }
            TDiffusion d = Diffusion;
            for (int schritt = 0; rest > kEndeVerdunstung; ++schritt) {
                if (schritt >= glaser::VerdunstungsschritteHoechstens) {
                    // Cut off: the evaporation sum is incomplete, and the proof says so.
                    Diffusion.Nachweisfehler[2] = 1;
                    break;
                }
                d.AnzahlTaupunkte[0] = d.AnzahlTaupunkte[1];
                d.ErsterTaupunkt[0] = d.ErsterTaupunkt[1];
                d.LetzterTaupunkt[0] = d.LetzterTaupunkt[1];
                VerdunstungBerechnen(K, d, rest, short(nr), Feuchteoption);
                Diffusion.Verdunstungsmenge = d.Verdunstungsmenge;
            }
            for (int i = 0; i <= nr; ++i) {
                S[i]->Verdunstungsmenge = K[i]->Verdunstungsmenge;
                S[i]->VerdunstungsdauerInnen = K[i]->VerdunstungsdauerInnen;
                S[i]->VerdunstungsdauerAussen = K[i]->VerdunstungsdauerAussen;
            }
        }

        Diffusion.Nachweisfehler[0] = Diffusion.Tauwassermenge > kTauwasserSchwelle &&
                                      Diffusion.Verdunstungsmenge < Diffusion.Tauwassermenge;
        const double grenze = Klima.KlimaMerker2 != 0 ? kGrenzeVermindert : kGrenzeNormal;
        Diffusion.Nachweisfehler[1] = Diffusion.Tauwassermenge > grenze;
    } else {
        // Without any diffusion resistance no curve is drawn; the sites and condensate of
        // an earlier run must not be reported again.
        for (int k = 0; k < 2; ++k) {
            Diffusion.AnzahlTaupunkte[k] = 0;
            Diffusion.ErsterTaupunkt[k] = -1;
            Diffusion.LetzterTaupunkt[k] = -1;
        }
        for (int i = 0; i <= nr; ++i) {
            S[i]->Tauwassermenge = {0, 0};
            S[i]->TaupunktMarke = {0, 0};
        }
        TauwasserInVerdunstungsperiode = 0;
    }
    TaupunktAusgabeAktualisieren(S, Klima, Feuchteoption);
}

void TEinfachBauteil::DiffusionswiderstandSetzen(TIArrayAsVector<TSchicht>& S, int n, int grenze) {
    sd_Summe = 0;
    for (int i = 0; i < n; ++i) {
        TSchicht& s = *S[i];
        s.muZweiterWert = i >= grenze ? 1 : 0;
        s.mu = i >= grenze ? s.Zusatzwert1 : s.Mu;
        s.sdWert = s.Kennzeichen == 0 ? 0.001 * s.Schichtdicke * s.mu : s.Zusatzwert2;
        sd_Summe += s.sdWert;
    }
    double davor = 0;
    for (int i = 0; i < n; ++i) {
        S[i]->sdBisAussen = sd_Summe - davor;
        davor += S[i]->sdWert;
    }
}

int TEinfachBauteil::Tauwasserebene(TIArrayAsVector<TSchicht>& S, int n) {
    TDiffusion probe = Diffusion;
    TaupunkteBerechnen(S, short(n), probe, 0, 1);
    if (probe.AnzahlTaupunkte[0] > 0) return probe.ErsterTaupunkt[0];
    // No condensate: the plane where it would form first, the boundary at which the
    // pressure comes closest to saturation.
    int ebene = -1;
    double abstand = 0;
    for (int i = 1; i < n; ++i) {
        const double a = S[i]->Saettigungsdampfdruck[0] - S[i]->Dampfdruck[0];
        if (ebene < 0 || a < abstand) {
            ebene = i;
            abstand = a;
        }
    }
    return ebene;
}

int TEinfachBauteil::GrenzeAnTauwasserebene(TIArrayAsVector<TSchicht>& S, int n) {
    // Every layer with its first mu; then the boundary follows the plane that the values
    // give until both agree. The plane moves by whole layers, so a cycle ends the search.
    int grenze = n;
    DiffusionswiderstandSetzen(S, n, grenze);
    std::vector<bool> versucht(size_t(n) + 1, false);
    versucht[size_t(grenze)] = true;
    while (sd_Summe > 0) {
        const int ebene = Tauwasserebene(S, n);
        if (ebene < 1 || ebene == grenze || versucht[size_t(ebene)]) return grenze;
        versucht[size_t(ebene)] = true;
        grenze = ebene;
        DiffusionswiderstandSetzen(S, n, grenze);
    }
    return grenze;
}

int TEinfachBauteil::UnguenstigsteGrenze(TIArrayAsVector<TSchicht>& S, int n, TKlima Klima,
                                         int Feuchteoption) {
    // A wall may have more than one boundary at which the plane and the values agree, and
    // which one a search finds depends on where it starts; every one is calculated and the
    // least favourable kept: the proof failing, then the most condensate, then the least
    // evaporation.
    std::vector<int> grenzen;
    for (int g = 1; g <= n; ++g) {
        DiffusionswiderstandSetzen(S, n, g);
        if (sd_Summe > 0 && Tauwasserebene(S, n) == g) grenzen.push_back(g);
    }
    if (grenzen.size() < 2) return grenzen.empty() ? GrenzeAnTauwasserebene(S, n) : grenzen[0];

    int schlechteste = grenzen[0];
    bool schlechtVersagt = false;
    double schlechtWT = 0, schlechtWV = 0;
    for (size_t i = 0; i < grenzen.size(); ++i) {
        DiffusionswiderstandSetzen(S, n, grenzen[i]);
        DiffusionRechnen(S, n, Klima, Feuchteoption);
        const auto& f = Diffusion.Nachweisfehler;
        const bool versagt = f[0] || f[2] || (f[1] && TauwassergrenzeAusgenommen != 1);
        const double wt = Diffusion.Tauwassermenge, wv = Diffusion.Verdunstungsmenge;
        const bool schlechter =
            i == 0 ||
            (versagt != schlechtVersagt ? versagt
                                        : (wt != schlechtWT ? wt > schlechtWT : wv < schlechtWV));
        if (!schlechter) continue;
        schlechteste = grenzen[i];
        schlechtVersagt = versagt;
        schlechtWT = wt;
        schlechtWV = wv;
    }
    return schlechteste;
}

void TEinfachBauteil::TaupunktAusgabeAktualisieren(TIArrayAsVector<TSchicht> S, TKlima,
                                                   int Feuchteoption) {
    TTaupunkt& t = Taupunkt;
    t.Init();
    if (Feuchteoption != 0 && TauwasserInVerdunstungsperiode) {
        t.Fall = 1;
        return;
    }
    const int c = Diffusion.AnzahlTaupunkte[0];
    if (c == 0) {
        t.Fall = 2;
        return;
    }
    if (c > 2) {
        t.Fall = 6;
        return;
    }
    t.Anfang[0] = Diffusion.ErsterTaupunkt[0];
    if (c == 2) {
        t.Fall = 4;
        t.Anfang[1] = Diffusion.LetzterTaupunkt[0];
    }
    const int letzte = int(S.size()) - 1;
    for (int v = 0; v < c; ++v) {
        const int a = t.Anfang[v];
        if (a < 0 || a > letzte) continue;
        int e = a;
        while (e + 1 <= letzte && S[e + 1]->TaupunktMarke[0] != 0) ++e;
        const TSchicht& sa = *S[a];
        t.Ende[v] = int16_t(e);
        t.Z_innen[v] = (sd_Summe - sa.sdBisAussen) * 1.5;
        t.Z_aussen[v] = S[e]->sdBisAussen * 1.5;
        t.g_ein_T[v] = sa.DiffusionsstromEin[0];
        t.g_aus_T[v] = S[e]->DiffusionsstromAus[0];
        t.g_ein_V[v] = sa.DiffusionsstromEin[1];
        t.g_aus_V[v] = sa.DiffusionsstromAus[1];
        t.DauerInnen[v] = sa.VerdunstungsdauerInnen;
        t.DauerAussen[v] = sa.VerdunstungsdauerAussen;
        t.W_T_Stelle[v] = sa.Tauwassermenge[0];
        t.p_s_V[v] = sa.Saettigungsdampfdruck[1];
        if (a == e) {
            t.Art[v] = 1;
            if (c == 1) t.Fall = 3;
            t.Z_innen_Ebene[v] = (sd_Summe - sa.sdBisAussen) * 1.5;
            t.Z_aussen_Ebene[v] = sa.sdBisAussen * 1.5;
        } else {
            t.Art[v] = 2;
            t.Fall = c == 1 ? 5 : 7;
            t.Z_innen_Ebene[v] = (sd_Summe - sa.sdTaupunkt) * 1.5;
            t.Z_aussen_Ebene[v] = sa.sdTaupunkt * 1.5;
        }
    }
    if (c == 2) {
        t.Z_zwischen = 1.5 * sd_Summe - t.Z_innen[0] - t.Z_aussen[1];
        if (t.DauerAussen[0] == 0) t.ZuerstTrocken = 1;
        if (t.DauerInnen[1] == 0) t.ZuerstTrocken = 2;
        if (t.DauerAussen[0] == 0 && t.DauerInnen[1] == 0) t.ZuerstTrocken = 0;
    }
}

int TEinfachBauteil::GlaserDiagrammAnzeigenMoeglich() const {
    if (kWertVorgegeben != 0 || Schichten.IsEmpty()) return 0;
    for (const TSchicht& s : Schichten)
        if (s.Schluessel.IsSystemBaustoff() && s.Schluessel.Gruppe != 9) return 0;
    return 1;
}

void TEinfachBauteil::Berechnungen(TKlima klima, TTemperatur t, double Rsi, double Rse,
                                   int Bauteilart, int Angrenzung, bool Umkehrdach,
                                   int normaleInnentemperatur, int Feuchteoption,
                                   int DINTab2Anwendbar, int vollstaendig) {
    k_wertBerechnen(Rsi, Rse, Bauteilart, Angrenzung, normaleInnentemperatur, DINTab2Anwendbar,
                    Umkehrdach);
    if (vollstaendig == 0) return;
    TemperaturSchichten(klima, Rsi, Rse, Umkehrdach);
    TemperaturVerlauf(t, Rsi, Rse, Umkehrdach);
    FeuchteBerechnen(klima, Rsi, Feuchteoption);
    OberflaechentauwassermengeBerechnen(klima);
}
