// Thermal calculation of a cross-section: surface mass and DIN 4108-2 Table 2
// limit, U-value with its additions and checks, layer temperatures.
#include "stammwerk/modell/InterpolationDINTabelle2.h"
#include "stammwerk/modell/TEinfachBauteil.h"

namespace {
// Resistance in the U-value sums: λ below 1e-6 W/(m·K) counts as 1e-6.
double rSumme(const TSchicht& s) {
    const double lambda = s.Lambda < 1e-6 ? 1e-6 : s.Lambda;
    return 0.001 * s.Schichtdicke / lambda;
}

// Resistance in the temperature steps: λ below 1e-6 gives R = d × 1000.
double rTemperatur(const TSchicht& s) {
    return s.Lambda < 1e-6 ? s.Schichtdicke * 1000 : 0.001 * s.Schichtdicke / s.Lambda;
}

// Resistance for the insulation tests; a material without λ counts as 1.0 m²K/W.
double rDaemmung(const TSchicht& s) {
    return s.Lambda > 0 ? 0.001 * s.Schichtdicke / s.Lambda : 1.0;
}

// U' = 1 / (1/U - Rse): from the inside air to the outer surface.
double uOhneRse(double U, double Rse) {
    if (U < 1e-6) return 0;
    const double r = 1 / U - Rse;
    return r != 0 ? 1 / r : 0;
}

// Takes the inverted-roof addition out of k_Wert while a temperature step runs.
class OhneDeltaK {
public:
    OhneDeltaK(TEinfachBauteil& e, bool aktiv) : e_(e), aktiv_(aktiv) {
        if (aktiv_) e_.k_Wert -= e_.Delta_k;
    }
    ~OhneDeltaK() {
        if (aktiv_) e_.k_Wert += e_.Delta_k;
    }
    OhneDeltaK(const OhneDeltaK&) = delete;
    OhneDeltaK& operator=(const OhneDeltaK&) = delete;

private:
    TEinfachBauteil& e_;
    bool aktiv_;
};
} // namespace

int TEinfachBauteil::FlaechenmasseBerechnen(int modus, int grenze) {
    Flaechenmasse = 0;
    Abbruchschicht = -1;
    k_max_Tab2 = -1;
    if (kWertVorgegeben != 0) return modus != 0 ? -1 : 0;

    bool zaehlen = true;
    int c = 0;
    int i = 0;
    for (TSchicht& s : Schichten) {
        const int pos = i++;
        if (!zaehlen) {
            s.Flaechenmasse = -1;
            continue;
        }
        double m = s.Rohdichte * s.Schichtdicke * 0.001; // kg/m²
        if (s.Schluessel.Gruppe == 6) m *= 2;            // wood counts twice
        // Insulation layer: λ <= 0.1 W/(m·K) and R >= 0.25 m²K/W.
        bool normal = s.Lambda > 0.1 || rDaemmung(s) < 0.25;
        if (!normal) ++c;
        if (modus == 0) normal = true;
        const bool belueftet = s.Schluessel.IsBelueftet();
        if (normal && !belueftet) {
            Flaechenmasse += m;
            s.Flaechenmasse = m;
            continue;
        }
        s.Flaechenmasse = -1;
        if (modus != 2 || belueftet || c > grenze) {
            Abbruchschicht = static_cast<int16_t>(pos);
            zaehlen = false;
        } else if (k_reduziert > 1e-6) {
            // One of the first `grenze` insulation layers: its resistance
            // leaves the U-value compared with the table.
            const double x = 1 / k_reduziert - rSumme(s);
            k_reduziert = x > 1e-7 ? 1 / x : 10000;
        }
    }
    return modus == 0 ? c : -1;
}

int TEinfachBauteil::FlaechenmasseBerechnen(double Rsi, double Rse, int DINTab2Anwendbar,
                                            bool Umkehrdach) {
    Tabelle2Markierung = 0;
    const int n = FlaechenmasseBerechnen(0, 0);
    if (DINTab2Anwendbar == 0) return n;
    FlaechenmasseBerechnen(1, 0);
    if (Flaechenmasse <= 300) { // kg/m², DIN 4108-2 Table 2 applies up to here
        Tabelle2Markierung = 1;
        k_max_Tab2 = InterpolationDINTabelle2(Flaechenmasse, Rsi, Rse, Umkehrdach);
    }
    return n;
}

int TEinfachBauteil::UmkehrdachSchichtAbdichtung() const {
    int letzteDaemmung = -1;
    int i = 0;
    for (const TSchicht& s : Schichten) {
        if (s.Lambda < 0.1 && rDaemmung(s) > 0.25) letzteDaemmung = i;
        ++i;
    }
    for (int j = letzteDaemmung - 1; j >= 0; --j) {
        const TSchicht& s = Schichten[static_cast<size_t>(j)];
        if (s.Mu * s.Schichtdicke * 0.001 > 10) return j; // s_d > 10 m: waterproofing
    }
    return -1;
}

void TEinfachBauteil::k_wertBerechnen(double Rsi, double Rse, int Bauteilart, int Angrenzung,
                                      int normaleInnentemperatur, int DINTab2Anwendbar,
                                      bool Umkehrdach) {
    const int nDaemmung = FlaechenmasseBerechnen(Rsi, Rse, DINTab2Anwendbar, Umkehrdach);
    FlaechenheizungStatus = 0;
    RolladenkastenStatus = 0;
    Tabelle2Erfuellt = 1;
    Gesamtdicke = 0;
    bool rolladenkasten = false;
    if (kWertVorgegeben != 0) return;

    k_Heizung = 0;
    k_Wert_vorBegrenzung = 0;
    double R_T = Rsi, R_H = 0, R_U = Rsi;
    const int w = Umkehrdach ? UmkehrdachSchichtAbdichtung() : -1;
    int i = 0;
    for (const TSchicht& s : Schichten) {
        Gesamtdicke += s.Schichtdicke;
        if (s.Schluessel.IsBelueftet()) break;
        const double R = rSumme(s);
        R_T += R;
        if (i >= Heizschicht - 1) R_H += R;
        if (Umkehrdach && i <= w) R_U += R;
        if (s.Schluessel.Gruppe == 11) rolladenkasten = true;
        ++i;
    }
    R_T += Rse;

    if (Heizschicht > 0) {
        R_H += Rse;
        k_Heizung = R_H > 1e-6 ? 1 / R_H : 100000;
        // Surface heating: at most 0.35 W/(m²K) from the heating layer outward (HeizAnlV).
        FlaechenheizungStatus = k_Heizung > 0.35 ? 2 : 1;
    }
    k_Wert = R_T >= 1e-6 ? 1 / R_T : 100000;

    Delta_k = 0;
    if (Umkehrdach) {
        // Inverted roof: addition to U by the share of the resistance below
        // the waterproofing (DIN 4108-2, 1981 amendment).
        const double a = R_T > 1e-6 ? R_U / R_T : 1;
        if (a < 0.1)
            Delta_k = 0.05;
        else if (a <= 0.5)
            Delta_k = 0.03;
        if (R_U < 0.1) Delta_k = 0.05;
        k_Wert += Delta_k;
    }
    k_reduziert = k_Wert;

    if (normaleInnentemperatur != 0 && Tabelle2Markierung != 0 && k_reduziert > k_max_Tab2) {
        for (int j = 1; j <= nDaemmung; ++j) {
            k_reduziert = k_Wert;
            FlaechenmasseBerechnen(2, j);
            if (Flaechenmasse > 300) {
                Tabelle2Markierung = 0;
                break;
            }
            k_max_Tab2 = InterpolationDINTabelle2(Flaechenmasse, Rsi, Rse, Umkehrdach);
            if (k_reduziert <= k_max_Tab2) break;
        }
        if (Tabelle2Markierung != 0 && k_reduziert > k_max_Tab2) {
            k_reduziert = k_Wert;
            FlaechenmasseBerechnen(1, 0);
            if (Flaechenmasse <= 300)
                k_max_Tab2 = InterpolationDINTabelle2(Flaechenmasse, Rsi, Rse, Umkehrdach);
            Tabelle2Erfuellt = 0;
        }
    }

    k_Wert_vorBegrenzung = k_Wert;
    // Roller-shutter boxes: at most 0.6 W/(m²K) (WSchVO 1995).
    if (rolladenkasten) RolladenkastenStatus = k_Wert_vorBegrenzung > 0.6 ? 2 : 1;
    // Kind 4 against the ground with low interior temperatures: capped at 2.0 W/(m²K).
    if (normaleInnentemperatur == 0 && Bauteilart == 4 && Angrenzung == 4 && k_Wert > 2.0)
        k_Wert = 2.0;
}

void TEinfachBauteil::TemperaturSchichten(TKlima klima, double Rsi, double Rse, short Umkehrdach) {
    OhneDeltaK ohne(*this, Umkehrdach != 0);
    const double U = k_Wert;
    const double q = (klima.ThetaI - klima.ThetaE) * U;

    if (klima.OberflaecheDreifachRsi != 0) {
        if (U <= 0) {
            ThetaSiMin = klima.ThetaI;
        } else {
            const double R = 1 / U - Rse - Rsi + 3 * Rsi;
            ThetaSiMin =
                R > 0 ? klima.ThetaI - (klima.ThetaI - klima.ThetaE) / R * 3 * Rsi : klima.ThetaE;
        }
    } else {
        ThetaSiMin = klima.ThetaI - 0.27 * U * (klima.ThetaI - klima.ThetaE); // Rsi 0.27 m²K/W
    }
    if (kWertVorgegeben != 0) {
        ThetaSi = klima.ThetaI - Rsi * q;
        return;
    }

    const bool aussenluft = klima.AussenluftVerdunstung != 0;
    const double qV = aussenluft ? (klima.ThetaI_V - klima.ThetaE_V) * U
                                 : (klima.ThetaI_V - klima.ThetaOberflaeche_V) * uOhneRse(U, Rse);
    const double aussenV = aussenluft ? klima.ThetaE_V + Rse * qV : klima.ThetaOberflaeche_V;
    if (Schichten.IsEmpty()) return;

    TSchicht& erste = Schichten[0];
    erste.Temperatur[0] = klima.ThetaI - Rsi * q;
    ThetaSi = erste.Temperatur[0];
    Aussenoberflaeche.Temperatur[0] = klima.ThetaE + Rse * q;
    erste.Temperatur[1] = klima.ThetaI_V - Rsi * qV;
    Aussenoberflaeche.Temperatur[1] = aussenV;

    auto aussenwerte = [&](size_t ab, double tV) {
        for (size_t j = ab; j < Schichten.GetItemsInContainer(); ++j)
            Schichten[j].Temperatur = {klima.ThetaE, tV};
        Aussenoberflaeche.Temperatur = {klima.ThetaE, tV};
    };
    if (erste.Schluessel.IsBelueftet()) {
        aussenwerte(1, klima.ThetaE_V);
        return;
    }
    const double tVHinterLuft = aussenluft ? klima.ThetaE_V : klima.ThetaOberflaeche_V;
    for (size_t i = 1; i < Schichten.GetItemsInContainer(); ++i) {
        const TSchicht& vor = Schichten[i - 1];
        TSchicht& s = Schichten[i];
        const double R = rTemperatur(vor);
        s.Temperatur[0] = vor.Temperatur[0] - R * q;
        s.Temperatur[1] = vor.Temperatur[1] - R * qV;
        if (s.Schluessel.IsBelueftet()) {
            aussenwerte(i + 1, tVHinterLuft);
            return;
        }
    }
}

void TEinfachBauteil::TemperaturVerlauf(TTemperatur t, double Rsi, double Rse, short Umkehrdach) {
    if (kWertVorgegeben != 0) return;
    OhneDeltaK ohne(*this, Umkehrdach != 0);
    const double U = k_Wert;
    const double U1 = uOhneRse(U, Rse);
    const double q[3] = {(t.InnenWinter - t.AussenWinter) * U,
                         (t.InnenSommer - t.OberflaecheSommerHell) * U1,
                         (t.InnenSommer - t.OberflaecheSommerDunkel) * U1};
    if (Schichten.IsEmpty()) return;
    Aussenoberflaeche.ThetaVerlauf = {t.AussenWinter + Rse * q[0], t.OberflaecheSommerHell,
                                      t.OberflaecheSommerDunkel};
    Schichten[0].ThetaVerlauf = {t.InnenWinter - Rsi * q[0], t.InnenSommer - Rsi * q[1],
                                 t.InnenSommer - Rsi * q[2]};
    for (size_t i = 1; i < Schichten.GetItemsInContainer(); ++i) {
        const TSchicht& vor = Schichten[i - 1];
        const double R = rTemperatur(vor);
        for (size_t k = 0; k < 3; ++k)
            Schichten[i].ThetaVerlauf[k] = vor.ThetaVerlauf[k] - R * q[k];
    }
}
