#include "altwandler/Plausibilitaet.h"

#include "stammwerk/modell/TGesamtProjekt.h"

#include <cmath>
#include <initializer_list>

namespace {

// No building reaches a length, area, volume, U-value or energy of this
// magnitude in the units the records use (m, m², m³, W/(m²K), kWh/a).
constexpr double kGroesstesMass = 1e9;

bool zahl(double x) {
    return std::isfinite(x) && std::fabs(x) < kGroesstesMass;
}

bool zahlen(std::initializer_list<double> werte) {
    for (double x : werte)
        if (!zahl(x)) return false;
    return true;
}

bool variantePlausibel(const TProjekt& p) {
    if (!zahlen({p.V, p.A_N_Vorgabe, p.A_Bauteile, p.A_Fenster, p.Fugenkoeffizient_max,
                 p.Waermerueckgewinnungsgrad, p.Q_I_Vorgabe, p.Q_H, p.Q_T, p.Q_L, p.Q_I, p.Q_S}))
        return false;
    for (const TDimVolumen& v : p.Volumina)
        if (!zahl(v.Wert)) return false;
    for (const TFassade& f : p.Fassaden)
        if (!zahlen({f.A_gesamt, f.A_Fenster})) return false;
    for (const TPBauteil& b : p.PBauteile)
        if (!zahlen({b.Bruttoflaeche, b.Nettoflaeche, b.Waermeverlust})) return false;
    for (const TPFenster& f : p.PFenster)
        if (!zahlen({f.Bruttoflaeche, f.Nettoflaeche, f.k_eq_F, f.Q_T, f.Q_S_voll})) return false;
    for (const TRFenster& f : p.RFenster)
        if (!zahlen({f.g, f.a, f.Rahmenanteil})) return false;
    for (const TRBauteil& t : p.RBauteile) {
        if (!zahlen({t.Rsi, t.Rse, t.k_m, t.Flaechenmasse_m, t.Dicke_max})) return false;
        for (const TEinfachBauteil& e : t.Flaechenanteile) {
            if (!zahl(e.k_Wert)) return false;
            for (const TSchicht& s : e.Schichten)
                if (!zahlen({s.Schichtdicke, s.Lambda, s.Mu, s.R})) return false;
        }
    }
    return true;
}

} // namespace

bool KonvertierungPlausibel(const TGesamtProjekt& projekt) {
    for (const TProjekt& p : projekt.Projekte)
        if (!variantePlausibel(p)) return false;
    // What the current reader refuses would leave a file that no longer opens.
    TGesamtProjekt probe(projekt.GetProjektPfad());
    return probe.Oeffnen(projekt.Dateibild(), projekt.Pfad()) == 0;
}
