// The heat-demand table of the heat-protection proof: envelope and volume,
// the balance term by term with its weights and shares, and the verdict rows
// of the specific demand against its limit by A/V (WSchVO 1995 Anlage 1
// Ziffer 1; Anlage 2 for low internal temperatures).
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/PJStruct.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

namespace {
// Columns of the table.
constexpr int kSpalten = 7;
// Width slots of the proof record: 1-7 normal layout, 8-14 low internal
// temperatures.
constexpr int kSatzNormal = 0;
constexpr int kSatzNiedrig = 7;

// WSchVO 1995 constants the table prints inside its formula texts; the
// building model computes with the same ones.
constexpr double kLueftung = 22.85; // kWh/(m³a) per 1/h of air change (0.34 × 84 × ...)
constexpr double kLuftwechsel = 0.8;
constexpr double kAVUnten = 0.2; // Anlage 1 Table 1, lower bound of A/V
constexpr double kAVOben = 1.05; // upper bound
constexpr double kAVObenT = 1.0; // Anlage 2, upper bound of A/V
constexpr double kAnzahl = 0.32; // A_N = 0.32 V
} // namespace

std::string TDatenblattBasis::GrenzZahl(const char* fest, double wert, const char* nach,
                                        const char* vor) const {
    if (wert < double(Zahlen().ExponentLimit)) {
        if (vor) return QTX_format((std::string("%s") + fest + "%s").c_str(), vor, wert, nach);
        return QTX_format((std::string(fest) + "%s").c_str(), wert, nach);
    }
    if (vor) return QTX_format("%s%5.4G%s", vor, wert, nach);
    return QTX_format("%5.4G%s", wert, nach);
}

std::string TDatenblattBasis::AbzugZahl(const char* fest, double wert, const char* nach) const {
    std::string text = wert < double(Zahlen().ExponentLimit)
                           ? QTX_format((std::string(fest) + "%s").c_str(), -wert, nach)
                           : QTX_format("%5.4G%s", -wert, nach);
    const auto minus = text.find('-');
    if (minus != std::string::npos && text.find_first_of("123456789", minus) == std::string::npos)
        text.erase(minus, 1);
    return text;
}

void TDatenblattBasis::WaermebedarfsTabelle(TDC& dc, int pass) {
    Durchgang = pass;
    const TProjekt* p = Projekt();
    if (!p) {
        Block.InnenHoehe = Block.Hoehe = 0;
        return;
    }
    const bool normal = p->NormaleInnentemperatur != 0;
    const bool an = normal && p->A_N_pauschal != 0;
    const bool ne = p->UnterschreitungStatus != 0;
    const bool ph = p->ZielwertStatus != 0;
    const int zeilen = (normal ? 21 + (an ? 1 : 0) : 17) + (ne ? 1 : 0) + (ph ? 1 : 0);

    // A block new to the array learns its section only when it is placed.
    if (Block.Abschnitt == 0) Block.Abschnitt = AktuellerAbschnitt;
    SpaltenLayout();
    {
        const auto& prozent = Breitensaetze.at(1);
        const int ab = normal ? kSatzNormal : kSatzNiedrig;
        const double faktor = Koerper.Width() * Breitenfaktor;
        Spaltenbreite.fill(0);
        for (int i = 1; i <= kSpalten; ++i)
            Spaltenbreite[size_t(i)] = 0.01 * prozent[size_t(ab + i - 1)] * faktor;
    }
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, kSpalten, 0);
    if (pass != 1) return;

    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= kSpalten; ++k) Zelle(r, k) = TRect();
    PJStruct pj;
    p->SetPjGroessen(pj);
    const bool vPositiv = p->V > 0;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));

    auto texte = [&](std::initializer_list<std::string> t) {
        size_t i = 0;
        for (const std::string& s : t) Spaltentext[i++] = s;
    };
    auto zelle = [&](int a, int b, int r, int n, int ausrichtung, int fuellen,
                     const std::string& t) {
        Spaltentext[size_t(a)] = t;
        ZelleText(dc, a, b, r, n, ausrichtung, fuellen);
    };

    // Project data.
    zelle(0, kSpalten, 0, 1, 0, 1, " Projektdaten ");
    const int projekt[kSpalten] = {0, 0, 1, 0, 0, 0, 0};
    const double A = p->A_Bauteile + p->A_Fenster;
    texte({" A ", " Summe der Hüllflächen ", GrenzZahl("%3.2lf", A, " m² "), " ", " ", " ", " "});
    TabellenZeile(dc, 1, kSpalten, 1, projekt, 0);
    texte({" V ", " beheiztes Gebäudevolumen ", GrenzZahl("%3.2lf", p->V, " m³ "), " ", " ", " ",
           " "});
    TabellenZeile(dc, 2, kSpalten, 1, projekt, 0);
    // The A/V cell over columns 3-6 of the A and V rows, with its unit m⁻¹.
    zelle(3, kSpalten, 1, 2, 2, 1,
          vPositiv ? GrenzZahl("%3.2lf", pj[0], " ", " A/V =  ") : std::string(" A/V = -- "));
    {
        const TRect& z = Zelle(1, 3);
        const int mx = (z.left + z.right) / 2, my = (z.top + z.bottom) / 2;
        const TFont& kopf = Texte().Font(Textstil::TabellenKopf);
        if (AufAktuellerSeite()) {
            const int modus = dc.SetBkMode(TRANSPARENT);
            EinheitMitExponentZeichnen(dc, mx + 35, my - 8, kopf, kopf, "m", "-1");
            dc.SetBkMode(modus);
        }
    }
    int r = 3;
    if (an) {
        texte({" AN ", " Gebäudenutzfläche ", GrenzZahl("%3.2lf", kAnzahl * p->V, " m² "), " ", " ",
               " ", " "});
        TabellenZeile(dc, r++, kSpalten, 1, projekt, 0);
    }
    const int letzteProjektzeile = r - 1;

    // Column headings.
    const int kopf = r;
    const std::array<std::array<const char*, 5>, 3> koepfe{{
        {" Wärmebedarf ", " Anteil ", " Faktor ", " gewichteter ", " Anteil "},
        {" ", " ", " ", " Wärmebedarf ", " "},
        {" [kWh/a] ", " [%] ", " [-] ", " [kWh/a] ", " [%] "},
    }};
    for (const auto& zeile : koepfe) {
        zelle(0, 1, r, 1, 0, 0, " ");
        zelle(1, 2, r, 1, 0, 0, " ");
        for (int k = 2; k < kSpalten; ++k) zelle(k, k + 1, r, 1, 2, 1, zeile[size_t(k - 2)]);
        ++r;
    }

    // The balance: QT with its classes, then QL, QI, QS and QH.
    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int werte[kSpalten] = {0, 0, 1, 1, 2, 1, 1};
    const bool qhPositiv = p->Q_H > 0;
    // A share of QH exists only for a positive QH.
    auto anteil = [&](double wert) {
        return normal && !qhPositiv ? std::string(" -- ") : GrenzZahl("%3.1lf", wert, " ");
    };
    texte({" QT ", " Transmissionswärmebedarf ", GrenzZahl("%1.0lf", p->Q_T, " "),
           QTX_format("%3.1lf%s", 100.0, " "), QTX_format("%s%2.1lf%s", " ", 0.9, " "),
           GrenzZahl("%1.0lf", pj[11], " "), anteil(pj[7])});
    TabellenZeile(dc, r++, kSpalten, 1, werte, 0);
    static const std::array<std::array<const char*, 2>, 6> klassen{{
        {" W ", " Außenwände "},
        {" F ", " Fenster "},
        {" D ", " Dach "},
        {" G ", " Grundfläche "},
        {" AB ", " Trennwand "},
        {" DL ", " Decke (unten Außenluft) "},
    }};
    const double teile[6] = {p->Q_T_Wand,  p->Q_T_Fenster, p->Q_T_Dach,
                             p->Q_T_Boden, p->Q_T_Art6,    p->Q_T_Art5};
    const std::string fuenfzehn(15, ' ');
    const int klasse[kSpalten] = {0, 1, 1, 1, 0, 0, 1};
    for (size_t i = 0; i < klassen.size(); ++i) {
        texte({klassen[i][0], klassen[i][1], GrenzZahl("%1.0lf", teile[i], fuenfzehn.c_str()),
               GrenzZahl("%3.1lf", pj[1 + i], " "), " ", " ", " "});
        TabellenZeile(dc, r++, kSpalten, 1, klasse, 0);
    }
    const int dl = r - 1;
    int qh = -1;
    if (normal) {
        auto gewinn = [&](const char* fest, double wert, const char* nach) {
            return AbzugZahl(fest, wert, nach);
        };
        auto formel = [&](int zeile, const std::string& text) {
            const TFont vorher = dc.SelectObject(Texte().Font(Textstil::Fussnote));
            zelle(1, 2, zeile, 1, 1, 0, text);
            dc.SelectObject(vorher);
        };
        texte({" QL ", " Lüftungswärmebedarf ", GrenzZahl("%1.0lf", p->Q_L, " "), " ",
               QTX_format("%s%2.1lf%s", " ", 0.9, " "), GrenzZahl("%1.0lf", pj[12], " "),
               anteil(pj[8])});
        TabellenZeile(dc, r, kSpalten, 1, werte, 0);
        const char* f7 = "%s%3.2lf%s%3.2lf%s%3.2lf%s";
        std::string lueftung;
        switch (p->LueftungsabzugArt) {
        case 0:
            lueftung =
                QTX_format(f7, " (", kLueftung, " * [", kLuftwechsel, " * V] * ", 1.0, " ) ");
            break;
        case 1:
            lueftung =
                QTX_format(f7, " ( ", kLueftung, " * [", kLuftwechsel, " * V] * ", 0.8, " ) ");
            break;
        case 2:
            lueftung = p->Waermerueckgewinnungsgrad > 0
                           ? QTX_format("%s%3.2lf%s%3.2lf%s%3.2lf%s%3.2lf%s", " ( ", kLueftung,
                                        " * [", kLuftwechsel, " * V] * ", 0.8, " * ",
                                        65 / p->Waermerueckgewinnungsgrad, " ")
                           : std::string(" -- ");
            break;
        case 3:
            lueftung =
                QTX_format(f7, " ( ", kLueftung, " * [", kLuftwechsel, " * V] * ", 0.95, " ) ");
            break;
        default:
            lueftung = " ";
            break;
        }
        formel(r++, lueftung);

        texte({" QI ", " Interne Wärmegewinne ", gewinn("%1.0lf", p->Q_I, " "), " ",
               QTX_format("%s%2.1lf%s", " ", 1.0, " "), gewinn("%1.0lf", pj[13], " "),
               normal && !qhPositiv ? std::string(" -- ") : gewinn("%3.1lf", pj[9], " ")});
        TabellenZeile(dc, r, kSpalten, 1, werte, 0);
        const double rate = p->Gebaeudenutzung == 1 && p->LueftungsabzugArt == 0 ? 10.0 : 8.0;
        const bool zeigen = p->InterneGewinnePauschal == 1 || p->Q_I_Vorgabe > p->Q_I;
        formel(r++, zeigen ? QTX_format("%s%2.1lf%s", " ( ", rate, " * V ) ") : std::string(" "));

        texte({" QS ", " Nutzbare Solare Wärmegewinne ", gewinn("%1.0lf", p->Q_S, " "), " ",
               QTX_format("%s%2.1lf%s", " ", 1.0, " "), gewinn("%1.0lf", pj[14], " "),
               normal && !qhPositiv ? std::string(" -- ") : gewinn("%3.1lf", pj[10], " ")});
        TabellenZeile(dc, r++, kSpalten, 1, werte, 0);

        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        qh = r;
        texte({" QH ", " Jahresheizwärmebedarf ", " ", " ", " ", GrenzZahl("%1.0lf", p->Q_H, " "),
               qhPositiv ? QTX_format("%3.1lf%s", 100.0, " ") : std::string(" -- ")});
        TabellenZeile(dc, r++, kSpalten, 1, werte, 1);
    }

    // Verdict rows.
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int urteil[kSpalten] = {0, 0, 1, 1, 2, 2, 0};
    const int ersteUrteilszeile = r;
    const double av = pj[0];
    auto zeile = [&](std::initializer_list<std::string> t) {
        texte(t);
        TabellenZeile(dc, r++, kSpalten, 1, urteil, 1);
    };
    if (normal) {
        const bool flaeche = p->ProjektMerker != 0;
        const char* einheit = flaeche ? " kWh/m²*a " : " kWh/m³*a ";
        const double vorh = flaeche ? p->Q1_H : p->Q2_H;
        const double zul = flaeche ? p->Q1_H_max : p->Q2_H_max;
        auto wert = [&](double w) {
            return vPositiv ? GrenzZahl("%3.2lf", w, "") : std::string(" -- ");
        };
        zeile({flaeche ? " Q''H vorh." : " Q'H vorh.", " vorhandener spezifischer ", " ", " ", " ",
               " ", " "});
        zeile({" ", " Jahresheizwärmebedarf ", flaeche ? " QH / AN " : " QH / V ", " ", " = ",
               wert(vorh), einheit});
        zeile({flaeche ? " Q''H zul." : " Q'H zul.", " max. zulässiger spezifischer ", " ", " ",
               " ", " ", " "});
        std::string grenze;
        if (av >= kAVOben)
            grenze = QTX_format("%s%3.2lf%s", flaeche ? " Q''H(A/V>=" : " Q'H(A/V>=", kAVOben, ")");
        else if (av > kAVUnten)
            grenze = flaeche ? QTX_format("%s%3.2lf%s%3.2lf%s%3.2lf%s", "(", 13.82, "+", 17.32,
                                          "*(A/V))/", kAnzahl, " ")
                             : QTX_format("%3.2lf%s%3.2lf%s", 13.82, "+", 17.32, "*(A/V) ");
        else
            grenze =
                QTX_format("%s%3.2lf%s", flaeche ? " Q''H(A/V<=" : " Q'H(A/V<=", kAVUnten, ")");
        zeile({" ", " Jahresheizwärmebedarf ", grenze, " ", " = ", wert(zul), einheit});
        if (ne) {
            const double anteilNE = p->Unterschreitung / 100;
            zeile({" ", " Niedrigenergiehaus-Anforderung ",
                   QTX_format("%s%3.2lf%s", " (1 - ", anteilNE,
                              flaeche ? ")*Q''H zul. " : ")*Q'H zul. "),
                   " ", " = ", QTX_format("%3.2lf", (1 - anteilNE) * zul), einheit});
        }
        if (ph)
            zeile({" ", " Passivhaus-Anforderung ", " ", " ", " ",
                   QTX_format("%3.2lf", p->Zielwert), " kWh/m²*a "});
    } else {
        const int niedrig[kSpalten] = {0, 0, 1, 1, 2, 1, 1};
        auto zeileT = [&](std::initializer_list<std::string> t) {
            texte(t);
            TabellenZeile(dc, r++, kSpalten, 1, niedrig, 1);
        };
        const char* einheit = "    kWh/m³*a ";
        auto wert = [&](double w) {
            return vPositiv ? GrenzZahl("%3.2lf", w, einheit) : std::string(" -- ");
        };
        zeileT({" Q'T vorh.", " vorhandener spezifischer ", " ", " ", " ", " ", " "});
        zeileT({" ", " Jahrestransmissionswärmebedarf ", " QT / V    =  ", wert(p->Q2_T), " ", " ",
                " "});
        zeileT({" Q'T zul.", " max. zulässiger spezifischer ", " ", " ", " ", " ", " "});
        std::string grenze;
        if (av >= kAVObenT)
            grenze = QTX_format("%s%3.2lf%s", " Q'T(A/V>=", kAVObenT, ")");
        else if (av > kAVUnten)
            grenze = QTX_format("%2.1lf%s", 3.0, " + 16*(A/V)    =  ");
        else
            grenze = QTX_format("%s%3.2lf%s", " Q'T(A/V<=", kAVUnten, ")");
        zeileT({" ", " Jahrestransmissionswärmebedarf ", grenze, wert(p->Q2_T_max), " ", " ", " "});
        if (ne) {
            const double anteilNE = p->Unterschreitung / 100;
            zeileT({" ", " Niedrigenergiehaus-Anforderung ",
                    QTX_format("%s%3.2lf%s", " (1 - ", anteilNE, ")* Q'T zul. = "),
                    QTX_format("%3.2lf%s", (1 - anteilNE) * p->Q2_T_max, einheit), " ", " ", " "});
        }
        if (ph)
            zeileT({" ", " Passivhaus-Anforderung ",
                    QTX_format("%3.2lf%s", p->Zielwert, "    kWh/m²*a "), " ", " ", " ", " "});
    }

    // Grid.
    if (AufAktuellerSeite()) {
        const TPen duenn(TColor::Black, 1), dick(TColor::Black, 2);
        const TPen vorher = dc.SelectObject(duenn);
        const int x0 = Spaltenkante[0], xn = Spaltenkante[kSpalten];
        auto waagrecht = [&](int zeileUnter, int a, int b, const TPen& stift) {
            dc.SelectObject(stift);
            const int y = Zeilenkante(zeileUnter + 1);
            dc.MoveTo(Spaltenkante[size_t(a)], y);
            dc.LineTo(Spaltenkante[size_t(b)], y);
        };
        auto senkrecht = [&](int spalte, int vonUnter, int bisUnter) {
            dc.SelectObject(duenn);
            dc.MoveTo(Spaltenkante[size_t(spalte)], Zeilenkante(vonUnter + 1));
            dc.LineTo(Spaltenkante[size_t(spalte)], Zeilenkante(bisUnter + 1));
        };
        waagrecht(0, 0, kSpalten, duenn);
        waagrecht(1, 0, 3, duenn);
        if (an) waagrecht(2, 0, kSpalten, duenn);
        waagrecht(kopf + 1, 2, kSpalten, duenn);
        for (int z = letzteProjektzeile; z < zeilen - 1; ++z) {
            if (z == kopf || z == kopf + 1 || z == ersteUrteilszeile || z == ersteUrteilszeile + 2)
                continue;
            const bool schwer = z == letzteProjektzeile || z == (normal ? qh : dl);
            waagrecht(z, 0, kSpalten, schwer ? dick : duenn);
        }
        if (normal) {
            for (int k : {0, 2, 4, 5, 6}) senkrecht(k, letzteProjektzeile, qh);
            senkrecht(3, 0, qh);
        } else {
            senkrecht(2, 2, ersteUrteilszeile);
            senkrecht(3, 0, ersteUrteilszeile);
        }
        dc.SelectObject(vorher);
        dc.MoveTo(x0, Zeilenkante(0));
        dc.LineTo(xn, Zeilenkante(0));
        dc.LineTo(xn, Zeilenkante(zeilen));
        dc.LineTo(x0, Zeilenkante(zeilen));
        dc.LineTo(x0, Zeilenkante(0));
    }
    dc.SelectObject(alt);
}
