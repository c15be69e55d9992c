// The three tables of the energy sheet: the heating system with its fuel and
// the hot water, the heating demand at the project's location, and the
// annual consumption of heating and hot water.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/PJStruct.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdio>

namespace {
const char* const kStrich = " -- ";

// Column sets of the energy record: 1 heating system, 2 heating demand, 3 consumption.
constexpr int kSatzHeizsystem = 1;
constexpr int kSatzBedarf = 2;
constexpr int kSatzVerbrauch = 3;

// The energy per fuel unit that the efficiency refers to.
double heizwert(const TProjekt& p) {
    const TBrennstoff& b = p.Heizsystem.Brennstoff;
    return p.Heizsystem.Heizwertbezug == 1 ? b.Heizwert : b.Brennwert;
}

// Rules of a table from a local grid of row tops and column edges.
struct Raster {
    TDatenblattBasis& b;
    TDC& dc;
    void waagrecht(int zeileOben, int a, int e) {
        dc.MoveTo(b.Spaltenkante[size_t(a)], b.Zeilenkante(zeileOben));
        dc.LineTo(b.Spaltenkante[size_t(e)], b.Zeilenkante(zeileOben));
    }
    void senkrecht(int spalteRechts, int vonOben, int bisUnten) {
        dc.MoveTo(b.Spaltenkante[size_t(spalteRechts + 1)], b.Zeilenkante(vonOben));
        dc.LineTo(b.Spaltenkante[size_t(spalteRechts + 1)], b.Zeilenkante(bisUnten + 1));
    }
    void rahmen(int zeilen, int spalten) {
        const int x0 = b.Spaltenkante[0], x1 = b.Spaltenkante[size_t(spalten)];
        const int y0 = b.Zeilenkante(0), y1 = b.Zeilenkante(zeilen);
        dc.MoveTo(x0, y0);
        dc.LineTo(x0, y1);
        dc.LineTo(x1, y1);
        dc.LineTo(x1, y0);
        dc.LineTo(x0, y0);
    }
};

// Layout common to the three tables; true when the paint pass goes on.
bool tabelleAnlegen(TDatenblattBasis& b, TDC& dc, int satz, int zeilen, int spalten, int pass) {
    b.Durchgang = pass;
    // A block new to the array learns its section only when it is placed.
    if (b.Block.Abschnitt == 0) b.Block.Abschnitt = b.AktuellerAbschnitt;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(satz, spalten);
    b.Block.InnenOben = b.Block.Oben;
    b.TabelleZeichnen(dc, zeilen, spalten, 0);
    if (pass != 1 || !b.Projekt()) return false;
    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= spalten; ++k) b.Zelle(r, k) = TRect();
    return true;
}
} // namespace

void TDatenblattBasis::HeizsystemTabelle(TDC& dc, int pass) {
    constexpr int zeilen = 17, spalten = 5;
    if (!tabelleAnlegen(*this, dc, kSatzHeizsystem, zeilen, spalten, pass)) return;
    const TProjekt& p = *Projekt();
    const THeizsystem& h = p.Heizsystem;
    const TBrennstoff& b = h.Brennstoff;
    auto zelle = [&](int a, int e, int r, int n, int ausrichtung, int fuellen,
                     const std::string& t) {
        Spaltentext[size_t(a)] = t;
        ZelleText(dc, a, e, r, n, ausrichtung, fuellen);
    };
    auto wert = [](const char* format, double w) { return QTX_format(format, " ", w, " "); };
    auto zeile = [&](int r, const std::string& label, const std::string& w,
                     const std::string& einheit) {
        zelle(0, 2, r, 1, 0, 1, label);
        zelle(2, 4, r, 1, 1, 0, w);
        zelle(4, 5, r, 1, 0, 1, einheit);
    };
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    zelle(0, 5, 0, 2, 0, 1, " Heizsystem ");
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    zelle(0, 2, 2, 1, 0, 1, " Bezeichnung ");
    zelle(2, 5, 2, 1, 0, 0, " " + h.Name + " ");
    zelle(0, 2, 3, 1, 0, 1, " Brennstoff ");
    zelle(2, 5, 3, 1, 0, 0, " " + b.Name + " ");
    // The efficiency keeps the runtime's decimal point.
    char wirkung[64];
    std::snprintf(wirkung, sizeof wirkung, "%s%3.2lf%s", " ", h.Wirkungsgrad, " ");
    zeile(4,
          h.Heizwertbezug == 1 ? " Wirkungsgrad bezogen auf den Heizwert Hu "
                               : " Wirkungsgrad bezogen auf den Brennwert Ho ",
          wirkung, "   % ");
    zeile(5, " Heizwert Hu ", wert("%s%3.2lf%s", b.Heizwert), "   kWh / " + b.Einheit + " ");
    zeile(6, " Brennwert Ho ", wert("%s%3.2lf%s", b.Brennwert), "   kWh / " + b.Einheit + " ");
    zeile(7, " CO2 - Produktion ", wert("%s%3.2lf%s", b.CO2), "   kg / kWh ");
    zeile(8, " Einkaufspreis ", wert("%s%4.3lf%s", b.Preis), "   DM / " + b.Einheit + " ");
    // Without a heating value or an efficiency there is no price per kWh.
    const bool preis = heizwert(p) > 0 && h.Wirkungsgrad > 0;
    zeile(9, " Preis pro erzeugter kWh ", preis ? wert("%s%4.3lf%s", h.Waermepreis) : kStrich,
          "   DM / kWh ");
    zelle(0, 4, 10, 1, 0, 0, " ");
    zelle(4, 5, 10, 1, 0, 0, " ");
    dc.SelectObject(Texte().Font(Textstil::Titel));
    zelle(0, 5, 11, 2, 0, 1, " Warmwasser");
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const TWarmwasserbedarf& w = p.Warmwasser;
    const bool ww = w.ImVerbrauch != 0;
    auto wwWert = [&](double x) { return ww ? wert("%s%3.2lf%s", x) : std::string(kStrich); };
    zeile(13, " Verbrauch ", wwWert(w.LiterProTag), "   l / Tag ");
    zeile(14, " Kaltwassertemperatur ", wwWert(w.Kaltwassertemperatur), "   °C ");
    zeile(15, " Warmwassertemperatur ", wwWert(w.Warmwassertemperatur), "   °C ");
    zeile(16, " Wassererwärmung um ", wwWert(w.Warmwassertemperatur - w.Kaltwassertemperatur),
          "   °C ");

    if (AufAktuellerSeite()) {
        Raster g{*this, dc};
        g.rahmen(zeilen, spalten);
        for (int r : {2, 4, 10, 11, 13}) g.waagrecht(r, 0, spalten);
        g.senkrecht(1, 2, 9);
        g.senkrecht(1, 13, 16);
        g.senkrecht(3, 4, 9);
        g.senkrecht(3, 13, 16);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::HeizwaermebedarfTabelle(TDC& dc, int pass) {
    const TProjekt* pp = Projekt();
    const double qh = pp ? pp->Jahresverbrauch.Q_H_Ort : -1;
    const bool voll = qh >= 0;
    const int zeilen = voll ? 17 : 9;
    constexpr int spalten = 6;
    if (!tabelleAnlegen(*this, dc, kSatzBedarf, zeilen, spalten, pass)) return;
    const TProjekt& p = *pp;
    const TJahresverbrauch& j = p.Jahresverbrauch;
    PJStruct pj;
    p.SetPjGroessen(pj);
    auto zelle = [&](int a, int e, int r, int n, int ausrichtung, int fuellen,
                     const std::string& t) {
        Spaltentext[size_t(a)] = t;
        ZelleText(dc, a, e, r, n, ausrichtung, fuellen);
    };
    auto texte = [&](std::initializer_list<std::string> t) {
        size_t i = 0;
        for (const std::string& s : t) Spaltentext[i++] = s;
    };

    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    zelle(0, 6, 0, 2, 0, 1, " Heizwärmebedarf ");
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int kopf[spalten] = {0, 0, 1, 0, 0, 0};
    const double A = p.A_Bauteile + p.A_Fenster;
    texte({" A ", " Summe der Hüllflächen ", GrenzZahl("%3.2lf", A, " m² "), " ", " ", " "});
    TabellenZeile(dc, 2, spalten, 1, kopf, 0);
    texte({" V ", " beheiztes Gebäudevolumen ", GrenzZahl("%3.2lf", p.V, " m³ "), " ", " ", " "});
    TabellenZeile(dc, 3, spalten, 1, kopf, 0);
    zelle(3, 6, 2, 2, 2, 1,
          p.V > 0 ? GrenzZahl("%3.2lf", pj[0], " ", " A/V =  ") : std::string(" A/V = -- "));
    if (AufAktuellerSeite()) {
        const TRect& z = Zelle(2, 3);
        const TFont& f = Texte().Font(Textstil::TabellenKopf);
        const int modus = dc.SetBkMode(TRANSPARENT);
        EinheitMitExponentZeichnen(dc, (z.left + z.right) / 2 + 35, (z.top + z.bottom) / 2 - 8, f,
                                   f, "m", "-1");
        dc.SetBkMode(modus);
    }
    texte(
        {" AN ", " Gebäudenutzfläche ",
         j.Bezugsflaeche < 0 ? std::string(kStrich) : GrenzZahl("%3.2lf", j.Bezugsflaeche, " m² "),
         " ", " ", " "});
    TabellenZeile(dc, 4, spalten, 1, kopf, 0);
    texte({" ", " ", " ", " ", " ", " "});
    TabellenZeile(dc, 5, spalten, 1, kopf, 0);
    zelle(0, 1, 6, 1, 0, 1, " Ort:  ");
    zelle(1, 2, 6, 1, 0, 0, " " + p.Ort.Name + " ");
    zelle(2, 4, 6, 1, 0, 1, " Gradtagzahl: ");
    zelle(4, 5, 6, 1, 1, 0, QTX_format("%s%3.0lf%s", " ", p.Ort.Gradtagzahl, " "));
    zelle(5, 6, 6, 1, 0, 1, " hK/a ");
    texte({" ", " ", " ", " ", " ", " "});
    TabellenZeile(dc, 7, spalten, 1, kopf, 0);

    const double qt = j.Q_T_Ort;
    if (!voll) {
        zelle(0, 1, 8, 1, 0, 1, " QT ");
        zelle(1, 2, 8, 1, 2, 1, " Jahrestransmissionswärmebedarf ");
        zelle(2, 5, 8, 1, 2, 1, GrenzZahl("%1.0lf", qt, " "));
        zelle(5, 6, 8, 1, 0, 1, " kWh/a ");
    } else {
        const int ueber[spalten] = {0, 0, 2, 2, 2, 2};
        texte({" ", " ", " Wärmebedarf ", " Faktor ", " gewichteter ", " Anteil "});
        TabellenZeile(dc, 8, spalten, 1, ueber, 1);
        texte({" ", " ", " ", " ", " Wärmebedarf ", " "});
        TabellenZeile(dc, 9, spalten, 1, ueber, 1);
        texte({" ", " ", " [kWh/a] ", " [-] ", " [kWh/a] ", " [%] "});
        TabellenZeile(dc, 10, spalten, 1, ueber, 1);

        // Shares of QH of the weighted terms: with their signs they add up
        // to the QH row's 100.0. Without a positive QH there are none.
        const bool anteile = qh > 0;
        auto anteil = [&](double gewichtet) {
            return anteile ? GrenzZahl("%3.1lf", gewichtet / qh * 100, " ") : std::string(kStrich);
        };
        auto negativ = [&](const char* fest, double w) { return AbzugZahl(fest, w, " "); };
        auto faktor = [](double f) { return QTX_format("%s%2.1lf%s", " ", f, " "); };
        dc.SelectObject(Texte().Font(Textstil::Tabelle));
        const int werte[spalten] = {0, 0, 1, 2, 1, 1};
        texte({" QT ", " Transmissionswärmebedarf ", GrenzZahl("%1.0lf", qt, " "), faktor(0.9),
               GrenzZahl("%1.0lf", 0.9 * qt, " "), anteil(0.9 * qt)});
        TabellenZeile(dc, 11, spalten, 1, werte, 0);
        texte({" QL ", " Lüftungswärmebedarf ", GrenzZahl("%1.0lf", p.Q_L, " "), faktor(0.9),
               GrenzZahl("%1.0lf", pj[12], " "), anteil(pj[12])});
        TabellenZeile(dc, 12, spalten, 1, werte, 0);
        auto formel = [&](int zeile, const std::string& text) {
            const TFont vorher = dc.SelectObject(Texte().Font(Textstil::Fussnote));
            zelle(1, 2, zeile, 1, 1, 0, text);
            dc.SelectObject(vorher);
        };
        const char* f7 = "%s%3.2lf%s%3.2lf%s%3.2lf%s";
        std::string lueftung = " ";
        switch (p.LueftungsabzugArt) {
        case 0:
            lueftung = QTX_format(f7, " (", 22.85, " * [", 0.80, " * V] * ", 1.00, " ) ");
            break;
        case 1:
            lueftung = QTX_format(f7, " ( ", 22.85, " * [", 0.80, " * V] * ", 0.80, " ) ");
            break;
        case 2:
            lueftung =
                p.Waermerueckgewinnungsgrad > 0
                    ? QTX_format("%s%3.2lf%s%3.2lf%s%3.2lf%s%3.2lf%s", " ( ", 22.85, " * [", 0.80,
                                 " * V] * ", 0.80, " * ", 65 / p.Waermerueckgewinnungsgrad, " ) ")
                    : std::string(kStrich);
            break;
        case 3:
            lueftung = QTX_format(f7, " ( ", 22.85, " * [", 0.80, " * V] * ", 0.95, " ) ");
            break;
        default:
            break;
        }
        formel(12, lueftung);
        texte({" QI ", " Interne Wärmegewinne ", negativ("%1.0lf", p.Q_I), faktor(1.0),
               negativ("%1.0lf", pj[13]),
               anteile ? negativ("%3.1lf", pj[13] / qh * 100) : std::string(kStrich)});
        TabellenZeile(dc, 13, spalten, 1, werte, 0);
        const double rate = p.Gebaeudenutzung == 1 && p.LueftungsabzugArt == 0 ? 10.0 : 8.0;
        formel(13, p.InterneGewinnePauschal == 1 || p.Q_I_Vorgabe > p.Q_I
                       ? QTX_format("%s%2.1lf%s", " ( ", rate, " * V ) ")
                       : std::string(" "));
        texte({" QS ", " Nutzbare Solare Wärmegewinne ", negativ("%1.0lf", p.Q_S), faktor(1.0),
               negativ("%1.0lf", pj[14]),
               anteile ? negativ("%3.1lf", pj[14] / qh * 100) : std::string(kStrich)});
        TabellenZeile(dc, 14, spalten, 1, werte, 0);
        dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        texte({" QH ", " Jahresheizwärmebedarf ", " ", " ", GrenzZahl("%1.0lf", qh, " "),
               anteile ? QTX_format("%3.1lf%s", 100.0, " ") : std::string(kStrich)});
        TabellenZeile(dc, 15, spalten, 2, werte, 1);
    }

    if (AufAktuellerSeite()) {
        Raster g{*this, dc};
        g.rahmen(zeilen, spalten);
        for (int r : {2, 4, 6, 7}) g.waagrecht(r, 0, spalten);
        if (voll)
            for (int r : {8, 11, 15}) g.waagrecht(r, 0, spalten);
        g.senkrecht(2, 2, 3);
        for (int k : {0, 1, 3, 4}) g.senkrecht(k, 6, 6);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::EnergieverbrauchTabelle(TDC& dc, int pass) {
    constexpr int zeilen = 11, spalten = 5;
    if (!tabelleAnlegen(*this, dc, kSatzVerbrauch, zeilen, spalten, pass)) return;
    const TProjekt& p = *Projekt();
    const TJahresverbrauch& j = p.Jahresverbrauch;
    auto zelle = [&](int a, int e, int r, int n, int ausrichtung, int fuellen,
                     const std::string& t) {
        Spaltentext[size_t(a)] = t;
        ZelleText(dc, a, e, r, n, ausrichtung, fuellen);
    };
    // The model marks a value it could not compute with a negative number;
    // without a heating value there is no fuel quantity and no cost.
    const bool brennstoff = heizwert(p) > 0;
    auto wert = [&](double w, bool gilt = true) {
        return gilt && w >= 0 ? QTX_format("%s%3.2lf%s", " ", w, " ") : std::string(kStrich);
    };
    auto zeile = [&](int r, int n, const std::string& label, const std::string& a,
                     const std::string& b, const std::string& c, const std::string& einheit) {
        zelle(0, 1, r, n, 0, 1, label);
        zelle(1, 2, r, n, 1, 0, a);
        zelle(2, 3, r, n, 1, 0, b);
        zelle(3, 4, r, n, 1, 0, c);
        zelle(4, 5, r, n, 0, 1, einheit);
    };
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    zelle(0, 5, 0, 2, 0, 1, " Energieverbrauch");
    zelle(0, 1, 2, 2, 2, 1, " ");
    zelle(1, 3, 2, 2, 2, 1, " Heizung ");
    zelle(3, 4, 2, 2, 2, 1, " Warmwasser ");
    zelle(4, 5, 2, 2, 2, 1, " ");
    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    zelle(0, 1, 4, 1, 2, 1, "  ");
    zelle(1, 2, 4, 1, 2, 1, " gesamt ");
    zelle(2, 3, 4, 1, 2, 1, " pro m² ");
    zelle(3, 4, 4, 1, 2, 1, " gesamt ");
    zelle(4, 5, 4, 1, 2, 1, " ");
    zelle(0, 1, 5, 1, 2, 1, "  ");
    zelle(4, 5, 5, 1, 2, 1, "  ");
    zeile(6, 1, " Energieverbrauch ", wert(j.Q_Heizung), wert(j.Q_Heizung_A), wert(j.Q_Warmwasser),
          "   kWh / a ");
    zeile(7, 1, " Brennstoff-Menge ", wert(j.Brennstoffmenge, brennstoff),
          wert(j.Brennstoffmenge_A, brennstoff), wert(j.Brennstoffmenge_WW, brennstoff),
          "   " + p.Heizsystem.Brennstoff.Einheit + " / a ");
    zeile(8, 1, " CO2-Produktion ", wert(j.CO2), wert(j.CO2_A), wert(j.CO2_WW), "   kg / a ");
    dc.SelectObject(Texte().Font(Textstil::Titel));
    zeile(9, 2, " Kosten ", wert(j.Kosten, brennstoff), wert(j.Kosten_A, brennstoff),
          wert(j.Kosten_WW, brennstoff), " DM / a ");

    if (AufAktuellerSeite()) {
        Raster g{*this, dc};
        g.rahmen(zeilen, spalten);
        for (int r : {4, 8}) g.waagrecht(r, 0, spalten);
        for (int k : {0, 1, 2, 3}) g.senkrecht(k, 5, 10);
    }
    dc.SelectObject(alt);
}
