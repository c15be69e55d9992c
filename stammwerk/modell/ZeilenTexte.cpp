#include "stammwerk/modell/ZeilenTexte.h"

#include "hilfsmittel/Formatter.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <cstring>
#include <optional>
#include <string>
#include <utility>

namespace {

const char* const kOrientierung[] = {" N ", " S ", " W ", " O ", " Hor. "};
const char* const kArtKuerzel[] = {" AW ", " AW ", " AW ", " D ",  " G ",
                                   " DL ", " AB ", " GV ", " GV ", " GV "};
const char* const kAngrenzung[] = {" Außenluft ",
                                   " Außenluft (Hinterlüftet) ",
                                   " Außenluft nach oben ",
                                   " nicht ausgebautem Dachraum ",
                                   " Erdreich ",
                                   " Hohlraum ",
                                   " Erdreich ",
                                   " Keller ",
                                   " Außenluft nach unten ",
                                   " unbeheiztem Raum "};
constexpr int kArten = 10;
// A window shaded by more than this counts as facing north (WSchVO 1995 Anlage 1).
constexpr double kVerschattet = 0.5;

// The texts of a kind or neighbour outside 0..9 are empty rather than read
// from beyond the tables.
const char* tabelle(const char* const (&t)[kArten], int i) {
    return i >= 0 && i < kArten ? t[i] : "";
}

std::string artName(const char names[][kArtNamenBreite], int art) {
    if (art < 0 || art >= kArten) return {};
    return std::string(names[art], strnlen(names[art], kArtNamenBreite));
}

// Percent of a total; 0 when the total is not positive.
double anteil(double teil, double ganzes) {
    return ganzes > 0 ? teil / ganzes * 100 : 0;
}

// Writes the cells of one row; columns are counted from 1 as on the sheet.
class Zeile {
public:
    Zeile(char** spalten, double schwelle) : spalten_(spalten), schwelle_(schwelle) {}

    void lit(int i, const std::string& t) {
        QTX_snprintf(at(i), kZeilenSpaltenBreite, "%s", t.c_str());
    }
    void pre(int i, const std::string& t) { lit(i, " " + t); }
    void post(int i, const std::string& t) { lit(i, t + " "); }
    // The number with its format, followed by one blank.
    void q(int i, double v, const char* format) {
        QTX_snprintf(at(i), kZeilenSpaltenBreite, format, v, " ");
    }
    // Large values in four significant digits with a point.
    void n(int i, double v, const char* format) {
        if (v >= schwelle_)
            q(i, v, "%5.4G%s");
        else
            q(i, v, format);
    }
    // The number between two blanks; `format` holds the number's conversion.
    void qb(int i, double v, const std::string& format) {
        QTX_snprintf(at(i), kZeilenSpaltenBreite, ("%s" + format + "%s").c_str(), " ", v, " ");
    }
    void nb(int i, double v, const char* format) { qb(i, v, v >= schwelle_ ? "%5.4G" : format); }
    void leeren(int anzahl) {
        for (int i = 1; i <= anzahl; ++i) lit(i, "");
    }

private:
    char* at(int i) { return spalten_[i - 1]; }
    char** spalten_;
    double schwelle_;
};

const TProjekt* variante(const TGesamtProjekt* g) {
    return g ? g->AktuellesProjekt : nullptr;
}

const TPFenster* fensterNr(const TProjekt& p, int nummer) {
    return p.PFenster.FirstThat([&](const TPFenster& f) { return f.Nummer == uint16_t(nummer); });
}

const TPBauteil* bauteilNr(const TProjekt& p, int nummer) {
    return p.PBauteile.FirstThat([&](const TPBauteil& b) { return b.Nummer == uint16_t(nummer); });
}

// The orientation the calculation used, so that the row matches its gains.
int orientierung(const TProjekt& p, const TPFenster& f) {
    return f.EffektiveOrientierung(p.WestAnsatz);
}

bool verschattet(const TPFenster& f) {
    return f.Verschattung > kVerschattet;
}

std::string orientierungsText(const TProjekt& p, const TPFenster& f) {
    std::string t = kOrientierung[orientierung(p, f)];
    if (verschattet(f)) t += "* ";
    return t;
}

// Heating-period irradiation, kWh/(m²a), that the window's gains took.
std::string strahlungsText(const TProjekt& p, const TPFenster& f) {
    if (!p.NormaleInnentemperatur) return " -- ";
    return QTX_format("%s%3.0lf%s", " ", f.Solarwerte(p.WestAnsatz).I, "  ");
}

double fensterU(const TProjekt& p, const TPFenster& f) {
    return f.Effektiver_k_F(p.Baumassnahme, p.NormaleInnentemperatur);
}

// Limit of a component in the component table: Anlage 3 for replaced
// components, Anlage 1 Ziffer 7 for the proof by components; else none.
double grenzwert(const TProjekt& p, const TRBauteil& t) {
    if (p.Baumassnahme == 2) return t.k_max_Anl3;
    if (p.NormaleInnentemperatur && p.KleinesWohngebaeude) return t.k_max_Anl1Z7;
    return 0;
}

const char* fassadenArt(const TFassade& f) {
    return f.IstFassade ? " Fassade " : " Hüllfläche ";
}

void fassadenFensterZeile(Zeile& z, const TProjekt& p, const TGesamtProjekt* g,
                          const TPFenster& f) {
    FensterStruct s;
    f.SetFensterGroessen(s, g);
    const double gWert = f.RFenster ? f.RFenster->g : 0;
    z.lit(1, " Fenster ");
    z.pre(2, f.Name);
    z.lit(3, orientierungsText(p, f));
    z.n(4, f.Nettoflaeche, "%3.2lf%s");
    z.q(5, s[0], "%3.1lf%s");
    z.q(6, fensterU(p, f), "%4.3lf%s");
    z.q(7, f.Glasvorbaufaktor, "%3.1lf%s");
    z.n(8, f.Q_T, "%3.0lf%s");
    z.q(9, s[2], "%3.1lf%s");
    z.n(10, f.Nettoflaeche, "%3.2lf%s");
    z.lit(11, orientierung(p, f) == Nord || verschattet(f) ? " -- " : " ** ");
    z.n(12, f.Flaeche_angerechnet, "%3.2lf%s");
    z.lit(13, strahlungsText(p, f));
    z.qb(14, gWert, "%3.2lf");
    z.qb(15, s[4], "%3.2lf");
    z.qb(16, gWert * s[4], "%3.2lf");
    if (p.NormaleInnentemperatur) {
        z.n(17, f.Q_S_angerechnet, "%3.0lf%s");
        z.q(18, s[3], "%3.1lf%s");
    } else {
        z.lit(17, " -- ");
        z.lit(18, " -- ");
    }
}

void fassadenBauteilZeile(Zeile& z, const TGesamtProjekt* g, const TPBauteil& b,
                          const char names[][kArtNamenBreite]) {
    BTStruct s;
    b.SetBTGroessen(s, g);
    const int art = b.RBauteil ? b.RBauteil->Bauteilart : -1;
    z.pre(1, artName(names, art));
    z.pre(2, b.Name);
    z.lit(3, " -- ");
    z.n(4, b.Nettoflaeche, "%3.2lf%s");
    z.q(5, s[0], "%3.1lf%s");
    z.q(6, b.RBauteil ? b.RBauteil->k_m : 0, "%4.3lf%s");
    z.q(7, b.Reduktionsfaktor, "%3.1lf%s");
    z.n(8, b.Waermeverlust, "%3.0lf%s");
    z.q(9, s[1], "%3.1lf%s");
    for (int i = 10; i <= 18; ++i) z.lit(i, " -- ");
}

// Columns 1 to 9 and 11 of a component in the component table; column 6 with
// or without the hardship text.
void bauteilSpalten(Zeile& z, const TProjekt& p, const TPBauteil& b,
                    const char names[][kArtNamenBreite], bool haertefallText) {
    const TRBauteil* t = b.RBauteil;
    const int art = t ? t->Bauteilart : -1;
    z.pre(1, tabelle(kArtKuerzel, art));
    z.pre(2, artName(names, art));
    z.pre(3, b.Name);
    z.pre(4, tabelle(kAngrenzung, t ? t->Angrenzung : -1));
    const double din = t ? t->k_wert_max_DIN() : 0;
    if (din <= 0)
        z.post(5, " -- ");
    else
        z.q(5, din, "%3.2lf%s");
    const double L = t ? grenzwert(p, *t) : 0;
    if (L <= 0)
        z.post(6, " -- ");
    else if (haertefallText && t->Haertefall)
        z.lit(6, " Härtefall: §14 ");
    else
        z.q(6, L, "%3.2lf%s");
    z.q(7, t ? t->k_m : 0, "%4.3lf%s");
    z.q(8, b.Reduktionsfaktor, "%3.2lf%s");
    z.n(9, b.Nettoflaeche, "%3.2lf%s");
    z.n(11, b.Waermeverlust, "%3.0lf%s");
}

// Sums area and loss over the placements of a type; `element` gives both
// for a placement number, or nothing when it is not in the variant.
template <class Element>
void referenzZeile(TGesamtProjekt* g, const TTypNummerListe& platzierungen, const std::string& name,
                   bool fenster, char** columns, double threshold, Element element) {
    Zeile z(columns, threshold);
    const TProjekt* p = variante(g);
    if (!p) return z.leeren(kBauteilTabSpalten);
    double S_A = 0, S_T = 0;
    for (const TTypNummer& r : platzierungen) {
        if (const auto werte = element(*p, r.Nummer)) {
            S_A += werte->first;
            S_T += werte->second;
        }
    }
    z.lit(1, " ");
    z.lit(2, " Referenzbauteil ");
    z.pre(3, name);
    z.pre(4, " -- ");
    for (int i = 5; i <= 8; ++i) fenster ? z.post(i, " -- ") : z.pre(i, " -- ");
    z.nb(9, S_A, "%3.2lf");
    z.qb(10, anteil(S_A, p->A_Bauteile + p->A_Fenster), "%3.1lf");
    z.nb(11, S_T, "%3.0lf");
    z.qb(12, anteil(S_T, p->Q_T), "%3.1lf");
}

} // namespace

void FormatFassadenBauteilDaten(TGesamtProjekt* g, const TTypNummer& t, double threshold,
                                const char names[][kArtNamenBreite], char** columns) {
    Zeile z(columns, threshold);
    const TProjekt* p = variante(g);
    if (!p) return z.leeren(kFassadenSpalten);
    if (t.Typ == TTypNummer::Fenster) {
        if (const TPFenster* f = fensterNr(*p, t.Nummer)) return fassadenFensterZeile(z, *p, g, *f);
    } else if (const TPBauteil* b = bauteilNr(*p, t.Nummer)) {
        return fassadenBauteilZeile(z, g, *b, names);
    }
    z.leeren(kFassadenSpalten);
}

void FormatFassadenDaten(TGesamtProjekt* g, const TFassade& f, char** columns, double threshold) {
    Zeile z(columns, threshold);
    const TProjekt* p = variante(g);
    FassadeStruct s;
    f.SetFassGroessen(s, g);
    z.lit(1, fassadenArt(f));
    z.pre(2, f.Name);
    z.lit(3, " --  ");
    z.n(4, f.A_gesamt, "%3.2lf%s");
    z.q(5, s[1], "%3.1lf%s");
    z.q(6, f.k_m_WF, "%4.3lf%s");
    z.lit(7, " --  ");
    z.n(8, f.Q_T, "%3.0lf%s");
    z.q(9, s[2], "%3.1lf%s");
    z.n(10, f.A_Fenster, "%3.2lf%s");
    z.q(11, f.f_Fenster * 100, "%3.1lf%s");
    z.n(12, f.A_Fenster_angerechnet, "%3.2lf%s");
    z.lit(13, " --  ");
    if (f.g_F_Sommer <= 0) {
        for (int i = 14; i <= 16; ++i) z.lit(i, " -- ");
    } else {
        z.q(14, f.g_Sommer, "%3.2lf%s");
        z.q(15, f.z_fest_Sommer * f.z_bew_Sommer, "%3.2lf%s");
        z.q(16, f.g_F_Sommer, "%3.2lf%s");
    }
    if (p && p->NormaleInnentemperatur) {
        z.n(17, f.Q_S, "%3.0lf%s");
        z.q(18, s[3], "%3.1lf%s");
    } else {
        z.lit(17, " -- ");
        z.lit(18, " -- ");
    }
}

void FormatBauteilDaten(TGesamtProjekt* g, const TTypNummer& t, const char names[][kArtNamenBreite],
                        char** columns, double threshold) {
    Zeile z(columns, threshold);
    const TProjekt* p = variante(g);
    if (!p) return z.leeren(kBauteilTabSpalten);
    if (t.Typ == TTypNummer::Fenster) {
        const TPFenster* f = fensterNr(*p, t.Nummer);
        if (!f) return z.leeren(kBauteilTabSpalten);
        FensterStruct s;
        f->SetFensterGroessen(s, g);
        z.lit(1, " F ");
        z.pre(2, " Fenster ");
        z.pre(3, f->Name);
        z.pre(4, " -- ");
        z.post(5, " -- ");
        // WSchVO 1995 Anlage 3 Table 1: replaced windows 1.8 W/(m²K).
        if (p->Baumassnahme == 2)
            z.q(6, 1.8, "%2.1lf%s");
        else
            z.post(6, " -- ");
        z.q(7, fensterU(*p, *f), "%4.3lf%s");
        z.q(8, f->Glasvorbaufaktor, "%3.2lf%s");
        z.n(9, f->Nettoflaeche, "%3.2lf%s");
        z.q(10, s[0], "%3.1lf%s");
        z.n(11, f->Q_T, "%3.0lf%s");
        z.q(12, s[2], "%3.1lf%s");
        return;
    }
    const TPBauteil* b = bauteilNr(*p, t.Nummer);
    if (!b) return z.leeren(kBauteilTabSpalten);
    BTStruct s;
    b->SetBTGroessen(s, g);
    bauteilSpalten(z, *p, *b, names, true);
    z.q(10, s[0], "%3.1lf%s");
    z.q(12, s[1], "%3.1lf%s");
}

void FormatRBauteilDaten(TGesamtProjekt* g, const TPBauteil& p, const char names[][kArtNamenBreite],
                         char** columns, double threshold) {
    const TProjekt* v = variante(g);
    if (!v || (p.RBauteil && p.RBauteil->Bauteilart == TTypNummer::Fenster)) return;
    const TPBauteil* b = bauteilNr(*v, p.Nummer);
    if (!b) return;
    Zeile z(columns, threshold);
    bauteilSpalten(z, *v, *b, names, false);
}

void FormatBauteilTabFassadenDaten(TGesamtProjekt* g, const TFassade& f, char** columns,
                                   double threshold) {
    Zeile z(columns, threshold);
    FassadeStruct s;
    f.SetFassGroessen(s, g);
    z.lit(1, " ");
    z.lit(2, fassadenArt(f));
    z.pre(3, f.Name);
    z.pre(4, " -- ");
    for (int i = 5; i <= 8; ++i) z.post(i, " -- ");
    z.n(9, f.A_gesamt, "%3.2lf%s");
    z.q(10, s[1], "%3.1lf%s");
    z.n(11, f.Q_T, "%3.0lf%s");
    z.q(12, s[2], "%3.1lf%s");
}

void FormatFensterTabReferenzDaten(TGesamtProjekt* g, const TRFenster& t, char** columns,
                                   double threshold) {
    referenzZeile(g, t.PFensterListe, t.Name, true, columns, threshold,
                  [](const TProjekt& p, int nummer) -> std::optional<std::pair<double, double>> {
                      const TPFenster* f = fensterNr(p, nummer);
                      if (!f) return std::nullopt;
                      return std::pair{f->Nettoflaeche, f->Q_T};
                  });
}

void FormatBauteilTabReferenzDaten(TGesamtProjekt* g, const TRBauteil& t, char** columns,
                                   double threshold) {
    referenzZeile(g, t.PBauteilListe, t.Name, false, columns, threshold,
                  [](const TProjekt& p, int nummer) -> std::optional<std::pair<double, double>> {
                      const TPBauteil* b = bauteilNr(p, nummer);
                      if (!b) return std::nullopt;
                      return std::pair{b->Nettoflaeche, b->Waermeverlust};
                  });
}
