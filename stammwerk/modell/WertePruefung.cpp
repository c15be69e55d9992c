#include "stammwerk/modell/WertePruefung.h"

#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Results the program computes itself have no dialog and no limit (a fuel
// with no heating value costs billions); they only have to be numbers.
constexpr double kErgebnis = std::numeric_limits<double>::infinity();
// Values typed into the sheets' cells (layers, heating costs): 0..99999999.
constexpr double kZelle = 99999999;
// Areas and volumes of the area and volume calculator: ±999999.99 m² or m³.
constexpr double kFlaeche = 999999.99;

class Pruefer {
public:
    explicit Pruefer(std::vector<ErsetzterWert>& ersetzt) : ersetzt_(ersetzt) {}

    // True when the value was replaced.
    bool operator()(const std::string& stelle, const char* feld, double& wert, double vorgabe,
                    double von, double bis) {
        if (std::isfinite(wert) && wert >= von && wert <= bis) return false;
        ersetzt_.push_back({stelle, feld, wert, von, bis});
        wert = vorgabe;
        return true;
    }
    // A fraction that its dialog shows in percent: named so in the message.
    bool prozent(const std::string& stelle, const char* feld, double& wert, double vorgabe) {
        if (!(*this)(stelle, feld, wert, vorgabe, 0, 1)) return false;
        ersetzt_.back().Prozent = true;
        return true;
    }

private:
    std::vector<ErsetzterWert>& ersetzt_;
};

// Climate dialog: temperatures -40..100 °C, humidities 0..100 % (stored as
// fractions), periods 0..8768 h.
bool klima(Pruefer& p, const std::string& s, TKlima& k) {
    const TKlima d;
    bool e = false;
    e |= p(s, "Innentemperatur Tauperiode", k.ThetaI, d.ThetaI, -40, 100);
    e |= p(s, "Außentemperatur Tauperiode", k.ThetaE, d.ThetaE, -40, 100);
    e |= p(s, "Innentemperatur Verdunstungsperiode", k.ThetaI_V, d.ThetaI_V, -40, 100);
    e |= p(s, "Außentemperatur Verdunstungsperiode", k.ThetaE_V, d.ThetaE_V, -40, 100);
    e |= p(s, "Oberflächentemperatur Verdunstungsperiode", k.ThetaOberflaeche_V,
           d.ThetaOberflaeche_V, -40, 100);
    e |= p(s, "Temperatur unbeheizter Räume", k.KlimaWert1, d.KlimaWert1, -40, 100);
    e |= p(s, "Temperatur Erdreich", k.KlimaWert2, d.KlimaWert2, -40, 100);
    e |= p.prozent(s, "rel. Feuchte innen Tauperiode", k.PhiI, d.PhiI);
    e |= p.prozent(s, "rel. Feuchte außen Tauperiode", k.PhiE, d.PhiE);
    e |= p.prozent(s, "rel. Feuchte innen Verdunstungsperiode", k.PhiI_V, d.PhiI_V);
    e |= p.prozent(s, "rel. Feuchte außen Verdunstungsperiode", k.PhiE_V, d.PhiE_V);
    e |= p(s, "Dauer der Tauperiode", k.Tauperiode, d.Tauperiode, 0, 8768);
    e |= p(s, "Dauer der Verdunstungsperiode", k.Verdunstungsperiode, d.Verdunstungsperiode, 0,
           8768);
    return e;
}

// Temperature dialog: -50..100 °C. Temperatur A and B have no dialog and
// no reader: whatever they hold changes no result.
bool temperatur(Pruefer& p, const std::string& s, TTemperatur& t) {
    const TTemperatur d;
    bool e = false;
    e |= p(s, "Oberflächentemperatur Sommer hell", t.OberflaecheSommerHell, d.OberflaecheSommerHell,
           -50, 100);
    e |= p(s, "Oberflächentemperatur Sommer dunkel", t.OberflaecheSommerDunkel,
           d.OberflaecheSommerDunkel, -50, 100);
    e |= p(s, "Außentemperatur Winter", t.AussenWinter, d.AussenWinter, -50, 100);
    e |= p(s, "Innentemperatur Winter", t.InnenWinter, d.InnenWinter, -50, 100);
    e |= p(s, "Innentemperatur Sommer", t.InnenSommer, d.InnenSommer, -50, 100);
    return e;
}

bool ergebnisse(Pruefer& p, const std::string& s, std::initializer_list<double*> werte) {
    bool e = false;
    for (double* w : werte) e |= p(s, "berechneter Wert", *w, 0, -kErgebnis, kErgebnis);
    return e;
}

bool schicht(Pruefer& p, const std::string& s, TSchicht& l) {
    const TSchicht d;
    bool e = false;
    e |= p(s, "Rohdichte", l.Rohdichte, d.Rohdichte, 0, kZelle);
    e |= p(s, "lambda", l.Lambda, d.Lambda, 0, kZelle);
    e |= p(s, "µ", l.Mu, d.Mu, 0, kZelle);
    e |= p(s, "µ (zweiter Wert)", l.Zusatzwert1, d.Zusatzwert1, 0, kZelle);
    e |= p(s, "Dicke", l.Schichtdicke, d.Schichtdicke, 0, kZelle);
    e |= p(s, "Wärmekapazität", l.Waermekapazitaet, d.Waermekapazitaet, 0, kZelle);
    e |= p(s, "s_d-Wert", l.Zusatzwert2, d.Zusatzwert2, 0, kZelle);
    for (auto* a : {&l.Temperatur, &l.Saettigungsdampfdruck, &l.Dampfdruck, &l.Tauwassermenge})
        for (double& w : *a) e |= ergebnisse(p, s, {&w});
    for (double& w : l.ThetaVerlauf) e |= ergebnisse(p, s, {&w});
    e |= ergebnisse(p, s,
                    {&l.mu, &l.sdWert, &l.sdBisAussen, &l.sdTaupunkt, &l.Verdunstungsmenge,
                     &l.VerdunstungsdauerInnen, &l.VerdunstungsdauerAussen, &l.Flaechenmasse, &l.R,
                     &l.Eindringkoeffizient, &l.Periodenkennwert, &l.ChCos, &l.ShSin,
                     &l.ChSinPlusShCos, &l.ChSinMinusShCos});
    return e;
}

bool querschnitt(Pruefer& p, const std::string& s, TEinfachBauteil& q) {
    const TEinfachBauteil d;
    bool e = false;
    e |= p(s, "Flächenanteil", q.Flaechenanteil, d.Flaechenanteil, 0, 100);
    // Given in its dialog up to 999; computed as 100000 without any resistance.
    e |= p(s, "k-Wert", q.k_Wert, d.k_Wert, 0, 100000);
    e |= ergebnisse(p, s,
                    {&q.k_Heizung,
                     &q.k_Wert_vorBegrenzung,
                     &q.sd_Summe,
                     &q.Gesamtdicke,
                     &q.Flaechenmasse,
                     &q.k_max_Tab2,
                     &q.k_reduziert,
                     &q.Delta_k,
                     &q.Daempfung,
                     &q.Phasenverschiebung,
                     &q.DaempfungAussen,
                     &q.PhasenverschiebungAussen,
                     &q.ThetaSi,
                     &q.ThetaSiMin,
                     &q.phi_krit,
                     &q.phi_krit_belastet,
                     &q.Oberflaechentauwasser_belastet,
                     &q.Diffusion.k_max_Oberflaeche,
                     &q.Diffusion.Verdunstungsmenge,
                     &q.Diffusion.Tauwassermenge});
    int n = 0;
    for (TSchicht& l : q.Schichten)
        e |= schicht(p, s + ", Schicht " + std::to_string(++n) + " \"" + l.Name + "\"", l);
    e |= schicht(p, s + ", äußere Oberfläche", q.Aussenoberflaeche);
    return e;
}

std::string genannt(const char* was, const std::string& name) {
    return std::string(was) + " \"" + name + "\"";
}

void bauteiltyp(Pruefer& p, TRBauteil& t, WertePruefung& ergebnis) {
    const std::string s = genannt("Bauteil", t.Name);
    // The kind and the neighbour choose the proof's limits and weights: no
    // default could stand in for them.
    if (t.Bauteilart > 9 || t.Angrenzung > 9) {
        ergebnis.Unbrauchbar = s + ": die Bauteilart (" + std::to_string(t.Bauteilart) +
                               ") oder die Angrenzung (" + std::to_string(t.Angrenzung) +
                               ") ist unbekannt";
        return;
    }
    const TRBauteil d;
    bool e = klima(p, s, t.Klima) | temperatur(p, s, t.Temperatur);
    // The type's dialog allows 0..10, the layer table's "Widerstand" row 0..9999.
    e |= p(s, "Rsi", t.Rsi, d.Rsi, 0, 9999);
    e |= p(s, "Rse", t.Rse, d.Rse, 0, 9999);
    e |= ergebnisse(p, s,
                    {&t.k_m, &t.k_max_Anl1Z7, &t.k_max_Anl3, &t.k_max_DIN_Mittel,
                     &t.k_max_DIN_Stelle, &t.Reduktionsfaktor, &t.Dicke_max, &t.Flaechenmasse_m,
                     &t.Wert1, &t.k_max_DIN_Tab2});
    for (TEinfachBauteil& q : t.Flaechenanteile)
        e |= querschnitt(p, s + ", Bereich \"" + q.Name + "\"", q);
    if (e) t.WerteErsetzt = true;
}

void fenstertyp(Pruefer& p, TRFenster& t) {
    const std::string s = genannt("Fenster", t.Name);
    const TRFenster d;
    bool e = false;
    // Window dialog: g, z 0..1; a, k_F, k_R, k_V 0..9; frame share 0..100 %.
    e |= p(s, "g-Wert", t.g, d.g, 0, 1);
    e |= p(s, "a-Wert", t.a, d.a, 0, 9);
    e |= p(s, "Rahmenanteil", t.Rahmenanteil, d.Rahmenanteil, 0, 100);
    e |= p(s, "k_F-Wert", t.k_F, d.k_F, 0, 9);
    e |= p(s, "k_R-Wert", t.Wert6, d.Wert6, 0, 9);
    e |= p(s, "k_V-Wert", t.Wert7, d.Wert7, 0, 9);
    e |= ergebnisse(p, s, {&t.Wert8});
    if (e) t.WerteErsetzt = true;
}

bool flaechen(Pruefer& p, const std::string& s, TDimVolumenListe& liste) {
    bool e = false;
    for (TDimVolumen& v : liste)
        e |= p(s + ", " + genannt("Eintrag", v.Name), "Wert", v.Wert, 0, -kFlaeche, kFlaeche);
    return e;
}

// The gross area is the sum of the calculator's entries; the net area is
// computed from it.
template <class Platziert>
bool flaeche(Pruefer& p, const std::string& s, Platziert& b) {
    const double n = double(std::max<size_t>(1, b.Flaechenliste.GetItemsInContainer()));
    bool e = p(s, "Bruttofläche", b.Bruttoflaeche, 0, -n * kFlaeche, n * kFlaeche);
    e |= p(s, "Nettofläche", b.Nettoflaeche, 0, -kErgebnis, kErgebnis);
    return e;
}

bool platzierungen(Pruefer& p, TProjekt& v) {
    bool e = false;
    for (TPBauteil& b : v.PBauteile) {
        const std::string s = genannt("platziertes Bauteil", b.Name);
        e |= flaeche(p, s, b);
        e |= ergebnisse(p, s, {&b.Reduktionsfaktor, &b.Waermeverlust});
        e |= flaechen(p, s, b.Flaechenliste);
    }
    for (TPFenster& f : v.PFenster) {
        const std::string s = genannt("platziertes Fenster", f.Name);
        const TPFenster d;
        e |= flaeche(p, s, f);
        e |= p(s, "z fest", f.z_fest, d.z_fest, 0, 1);
        e |= p(s, "z beweglich", f.z_bew, d.z_bew, 0, 1);
        e |= p(s, "Neigung", f.Neigung, d.Neigung, 0, 90);
        e |= p.prozent(s, "Verschattung", f.Verschattung, d.Verschattung);
        e |= p(s, "Glasvorbaufaktor", f.Glasvorbaufaktor, d.Glasvorbaufaktor, 0, kErgebnis);
        e |= ergebnisse(
            p, s, {&f.Flaeche_angerechnet, &f.k_eq_F, &f.Q_S_angerechnet, &f.Q_S_voll, &f.Q_T});
        e |= flaechen(p, s, f.Flaechenliste);
    }
    for (TFassade& f : v.Fassaden) {
        const std::string s = genannt("Fassade", f.Name);
        const TFassade d;
        e |= p.prozent(s, "Verschattung", f.Verschattung_Vorgabe, d.Verschattung_Vorgabe);
        e |= p(s, "Neigung", f.Neigung_Vorgabe, d.Neigung_Vorgabe, 0, 90);
        e |= p(s, "z fest", f.z_fest_Vorgabe, d.z_fest_Vorgabe, 0, 1);
        e |= p(s, "z beweglich", f.z_bew_Vorgabe, d.z_bew_Vorgabe, 0, 1);
        e |= ergebnisse(p, s,
                        {&f.f_Sommer, &f.f_Fenster, &f.A_gesamt, &f.A_Fenster,
                         &f.A_Fenster_angerechnet, &f.A_Sommer, &f.g_Sommer, &f.g_F_Sommer,
                         &f.Wert5, &f.z_fest_Sommer, &f.z_bew_Sommer, &f.Q_T, &f.Q_T_Fenster,
                         &f.Q_S, &f.k_m_WF, &f.k_eq_F_m});
    }
    e |= flaechen(p, genannt("Variante", v.Name), v.Volumina);
    return e;
}

void variante(Pruefer& p, TProjekt& v, WertePruefung& ergebnis) {
    for (TRBauteil& t : v.RBauteile) {
        bauteiltyp(p, t, ergebnis);
        if (!ergebnis.Unbrauchbar.empty()) return;
    }
    for (TRFenster& t : v.RFenster) fenstertyp(p, t);

    const std::string s = genannt("Variante", v.Name);
    const TProjekt d;
    bool e = klima(p, s, v.Klima) | temperatur(p, s, v.Temperatur);
    e |= p(s, "Wärmerückgewinnungsgrad", v.Waermerueckgewinnungsgrad, 0, 0, 100);
    e |= p(s, "Vorgabe interne Gewinne", v.Q_I_Vorgabe, 0, 0, 1000000);
    e |= p(s, "Vorgabe Nutzfläche A_N", v.A_N_Vorgabe, 0, 0, 9999999);
    // The climate dialog's roof surface temperature.
    e |= p(s, "Oberflächentemperatur Dach", v.Wert20, d.Wert20, -40, 100);
    e |= p(s, "Zielwert", v.Zielwert, d.Zielwert, 0, 999);
    e |= p(s, "Unterschreitung", v.Unterschreitung, 0, 0, 100);
    e |= p(s, "Gradtagzahl", v.Ort.Gradtagzahl, TOrt().Gradtagzahl, 0, 100000);
    e |= p(s, "Wirkungsgrad der Heizung", v.Heizsystem.Wirkungsgrad, THeizsystem().Wirkungsgrad, 1,
           200);
    e |= p(s, "Heizwert", v.Heizsystem.Brennstoff.Heizwert, TBrennstoff().Heizwert, 0, kZelle);
    e |= p(s, "Brennwert", v.Heizsystem.Brennstoff.Brennwert, TBrennstoff().Brennwert, 0, kZelle);
    e |= p(s, "Brennstoffpreis", v.Heizsystem.Brennstoff.Preis, 0, 0, kZelle);
    e |= p(s, "CO2-Faktor", v.Heizsystem.Brennstoff.CO2, TBrennstoff().CO2, 0, kZelle);
    const TWarmwasserbedarf w;
    e |= p(s, "Warmwassertemperatur", v.Warmwasser.Warmwassertemperatur, w.Warmwassertemperatur, 0,
           100);
    e |= p(s, "Kaltwassertemperatur", v.Warmwasser.Kaltwassertemperatur, w.Kaltwassertemperatur, 0,
           100);
    e |= p(s, "Warmwasser Liter pro Tag", v.Warmwasser.LiterProTag, 0, 0, kZelle);
    e |= ergebnisse(p, s,
                    {&v.Fugenkoeffizient_max,
                     &v.Q_H,
                     &v.Q2_H,
                     &v.Q1_H,
                     &v.Q_H_Nutzflaeche,
                     &v.Q2_H_max,
                     &v.Q1_H_max,
                     &v.Q_T,
                     &v.Q_T_Wand,
                     &v.Q_T_Fenster,
                     &v.Q_T_Dach,
                     &v.Q_T_Boden,
                     &v.Q_T_Art6,
                     &v.Q_T_Art5,
                     &v.Q2_T,
                     &v.Q2_T_max,
                     &v.Q_L,
                     &v.Q_I,
                     &v.Q_S,
                     &v.k_eq_F_m,
                     &v.A_Fenster,
                     &v.A_Bauteile,
                     &v.V,
                     &v.k_m_AW,
                     &v.A_AW,
                     &v.Heizsystem.Waermepreis});
    for (double& x : v.Werte5) e |= ergebnisse(p, s, {&x});
    auto& j = v.Jahresverbrauch;
    e |=
        ergebnisse(p, s,
                   {&j.Q_T_Ort, &j.Q_H_Ort, &j.Q_Heizung, &j.Q_Heizung_A, &j.Brennstoffmenge,
                    &j.Brennstoffmenge_A, &j.Kosten, &j.Kosten_A, &j.CO2, &j.CO2_A, &j.Q_Warmwasser,
                    &j.Brennstoffmenge_WW, &j.Kosten_WW, &j.CO2_WW, &j.Bezugsflaeche});
    e |= platzierungen(p, v);
    if (e) v.WerteErsetzt = true;
}

// A marked type and everything that depends on it computed with the
// replaced values, so that no result of the bad ones is left standing.
void neuBerechnen(TProjekt& v) {
    bool geaendert = v.WerteErsetzt;
    for (TRBauteil& t : v.RBauteile) {
        if (!t.WerteErsetzt) continue;
        geaendert = true;
        t.WSchVO(v.Baumassnahme, v.NormaleInnentemperatur, v.KleinesWohngebaeude);
        t.FeuchteBerechnen(1);
        v.PBauteileNeuBerechnen(&t);
    }
    for (TRFenster& t : v.RFenster) {
        if (!t.WerteErsetzt) continue;
        geaendert = true;
        v.PFensterNeuBerechnen(&t, 1, 1);
    }
    if (!geaendert) return;
    v.UmfassungsflaecheBerechnen();
    v.WSchVO();
}

std::string zahl(double x) {
    if (std::isnan(x)) return "keine Zahl";
    if (std::isinf(x)) return x > 0 ? "unendlich" : "minus unendlich";
    char puffer[32];
    // Fixed notation: limits like 99999999 read as typed, not as 1e+08.
    const bool ganz = std::abs(x) < 1e15 && x == std::floor(x);
    const auto r =
        ganz ? std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 0)
             : std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 6);
    std::string t(puffer, r.ptr);
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

} // namespace

WertePruefung WertePruefen(TGesamtProjekt& g) {
    WertePruefung ergebnis;
    Pruefer p(ergebnis.Ersetzt);
    for (TProjekt& v : g.Projekte) {
        variante(p, v, ergebnis);
        if (!ergebnis.Unbrauchbar.empty()) return ergebnis;
    }
    for (TProjekt& v : g.Projekte) neuBerechnen(v);
    return ergebnis;
}

std::string ErsetzteWerteMeldung(const std::vector<ErsetzterWert>& werte, size_t hoechstens) {
    std::string t = "Die Projekt-Datei enthält Werte außerhalb des erlaubten Bereichs:\n";
    // Results without a dialog are counted per place, not listed one by one:
    // nobody types them, the program computes them anew.
    std::vector<std::pair<std::string, int>> berechnet;
    std::vector<std::string> zeilen;
    for (const ErsetzterWert& w : werte) {
        if (std::isinf(w.Von) && std::isinf(w.Bis)) {
            if (berechnet.empty() || berechnet.back().first != w.Stelle)
                berechnet.push_back({w.Stelle, 0});
            ++berechnet.back().second;
            continue;
        }
        const double f = w.Prozent ? 100 : 1;
        const std::string einheit = w.Prozent ? " %" : "";
        zeilen.push_back(w.Stelle + ": " + w.Feld + " = " + zahl(w.Wert * f) + einheit +
                         " (erlaubt " + zahl(w.Von * f) + " bis " + zahl(w.Bis * f) + einheit +
                         ")");
    }
    for (const auto& [stelle, anzahl] : berechnet)
        zeilen.push_back(stelle + ": " + std::to_string(anzahl) +
                         (anzahl == 1 ? " berechneter Wert ist ungültig (wird neu berechnet)"
                                      : " berechnete Werte sind ungültig (werden neu berechnet)"));
    for (size_t i = 0; i < zeilen.size() && i < hoechstens; ++i) t += " - " + zeilen[i] + "\n";
    if (zeilen.size() > hoechstens)
        t += " - und " + std::to_string(zeilen.size() - hoechstens) + " weitere\n";
    t += "\nDiese Werte wurden durch Vorgabewerte ersetzt. Kein Nachweis gilt mit ihnen als "
         "erfüllt: bei Bauteilen und Fenstern, bis sie in ihrem Dialog geprüft und mit OK "
         "bestätigt sind, bei Werten der Variante (Projektdaten, Flächen, Fassaden, Volumina), "
         "solange das Projekt geöffnet ist. Die Datei bleibt unverändert, bis Sie speichern. "
         "Speichern Sie, bevor alle Werte bestätigt sind, werden Sie gefragt: gespeicherte "
         "Vorgabewerte gelten nach dem nächsten Öffnen als Ihre Eingaben.";
    return t;
}

std::vector<std::string> UnbestaetigteStellen(const TGesamtProjekt& g) {
    std::vector<std::string> stellen;
    for (const TProjekt& v : g.Projekte) {
        for (const TRBauteil& t : v.RBauteile)
            if (t.WerteErsetzt) stellen.push_back(genannt("Bauteil", t.Name));
        for (const TRFenster& t : v.RFenster)
            if (t.WerteErsetzt) stellen.push_back(genannt("Fenster", t.Name));
        if (v.WerteErsetzt)
            stellen.push_back(genannt("Variante", v.Name) +
                              " (Projektdaten, Flächen, Fassaden oder Volumina)");
    }
    return stellen;
}

std::string ErsetzteWerteSpeichernFrage(const std::vector<std::string>& stellen) {
    std::string t = "Beim Öffnen wurden beschädigte Werte durch Vorgabewerte ersetzt, die Sie noch "
                    "nicht bestätigt haben:\n";
    for (const std::string& s : stellen) t += " - " + s + "\n";
    t += "\nWenn Sie jetzt speichern, stehen diese Vorgabewerte in der Datei wie eingegebene "
         "Werte: nach dem nächsten Öffnen sind sie nicht mehr markiert, und die Nachweise "
         "können mit ihnen als erfüllt gelten.\n\n"
         "Trotzdem speichern?\n(Nein: es wird nichts gespeichert, das Projekt bleibt geöffnet, "
         "wie es ist.)";
    return t;
}
