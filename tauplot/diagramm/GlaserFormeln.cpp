// The case line and the typeset formulas under the Glaser diagram: the
// current densities and masses of the condensation period (Winter) and of
// the evaporation period (Sommer), symbolic and with the stored numbers.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/DiagrammHilfen.h"
#include "tauplot/diagramm/DiagrammZahl.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

#include <algorithm>

namespace {

using DiagrammZahl::Festkomma;

using DiagrammHilfen::Texthoehe;

// Boundary i of the area: the inner face of layer i, or the outer surface after the last.
const TSchicht& grenze(const TEinfachBauteil& e, int i) {
    if (i >= 0 && i < e.AnzahlSchichten()) return e.Schichten[size_t(i)];
    return e.Aussenoberflaeche;
}

std::string druck(double p) {
    return Festkomma(p, 4, 0);
}

// A current density in kg/(m² h) as its thousandfold, followed by "*10^-3".
std::string strom(double g) {
    return Festkomma(g * 1000, 4, 3);
}

double quotient(double a, double b) {
    return b != 0 ? a / b : 0;
}

} // namespace

const char* TBauteilGlaser::FallText(int glaserCase) {
    switch (glaserCase) {
    case 1:
        return " Formelausgabe nicht möglich, da Tauwasser in Verdunstungsperiode anfällt ";
    case 2:
        return " Kein Tauwasserausfall ";
    case 3:
        return " Tauwasserausfall in einem Taupunkt ";
    case 4:
        return " Tauwasserausfall in zwei Taupunkten ";
    case 5:
        return " Tauwasserausfall in einem Bereich ";
    case 6:
        return " Formelausgabe nicht möglich, da mehr als zwei Taupunkte auftreten ";
    case 7:
        return " Formelausgabe nicht möglich, da Tauwasser in einem Taupunkt und zusätzlich in "
               "einem Bereich auftritt";
    default:
        return "";
    }
}

namespace {

int indexSchreiben(TDC& dc, const TFont& basisFont, const TFont& indexFont, int x, int y,
                   std::string_view base, std::string_view index, int lowered, int draw) {
    dc.SelectObject(basisFont);
    const TSize b = dc.GetTextExtent(base);
    if (draw) dc.TextOut(x, y, base);
    dc.SelectObject(indexFont);
    const TSize i = index.empty() ? TSize() : dc.GetTextExtent(index);
    if (draw && !index.empty()) {
        const int dy = lowered == 1 ? int(b.cy - 0.75 * i.cy) : -int(0.25 * i.cy);
        dc.TextOut(x + b.cx, y + dy, index);
    }
    dc.SelectObject(basisFont);
    return x + b.cx + i.cx + 5;
}

} // namespace

int TBauteilGlaser::IndexMitReturn(TDC& dc, int x, int y, std::string_view base,
                                   std::string_view index, int lowered, int draw) {
    return indexSchreiben(dc, textFont(int(Textstil::Formel)), textFont(int(Textstil::FormelIndex)),
                          x, y, base, index, lowered, draw);
}

int TBauteilGlaser::SymIndexMitReturn(TDC& dc, int x, int y, std::string_view base,
                                      std::string_view index, int lowered, int draw) {
    const int ende =
        indexSchreiben(dc, textFont(int(Textstil::FormelSymbol)),
                       textFont(int(Textstil::FormelIndex)), x, y, base, index, lowered, draw);
    dc.SelectObject(textFont(int(Textstil::Formel)));
    return ende;
}

int TBauteilGlaser::term(TDC& dc, int x, int y, const Term& t, bool draw) {
    for (const Teil& teil : t)
        x = teil.symbol ? SymIndexMitReturn(dc, x, y, teil.basis, teil.index, teil.tief, draw)
                        : IndexMitReturn(dc, x, y, teil.basis, teil.index, teil.tief, draw);
    return x;
}

int TBauteilGlaser::bruch(TDC& dc, int x, int yBar, const Term& zaehler, const Term& nenner,
                          int extra) {
    dc.SelectObject(textFont(int(Textstil::Formel)));
    const int h = Texthoehe(dc);
    const int bz = term(dc, 0, 0, zaehler, false);
    const int bn = term(dc, 0, 0, nenner, false);
    const int breite = std::max(bz, bn) + extra;
    term(dc, x + (breite - bz) / 2, yBar - h - 1, zaehler, true);
    dc.SelectObject(TPen(TColor::Black));
    dc.MoveTo(x, yBar);
    dc.LineTo(x + breite, yBar);
    term(dc, x + (breite - bn) / 2, yBar + 2, nenner, true);
    return x + breite + 5;
}

void TBauteilGlaser::FormelDiffusion(TDC& dc, TRect r, int period, int glaserCase) {
    if (!bereich_ || !bauteil_ || glaserCase < 3 || glaserCase > 5) return;
    const int zustand = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(textFont(int(Textstil::Formel)));
    if (period == 1)
        formelWinter(dc, r, glaserCase);
    else
        formelSommer(dc, r, glaserCase);
    dc.RestoreDC(zustand);
}

void TBauteilGlaser::formelWinter(TDC& dc, const TRect& r, int fall) {
    const TEinfachBauteil& e = *bereich_;
    const TTaupunkt& t = e.Taupunkt;
    const int h = Texthoehe(dc);
    const int x0 = r.left + 20;
    const bool zwei = fall == 4 || fall == 5;
    const double pi = grenze(e, 0).Dampfdruck[0];
    const double pa = e.Aussenoberflaeche.Dampfdruck[0];
    const double psw1 = grenze(e, t.Anfang[0]).Saettigungsdampfdruck[0];
    const double psw2 = fall == 4   ? grenze(e, t.Anfang[1]).Saettigungsdampfdruck[0]
                        : fall == 5 ? grenze(e, t.Ende[0]).Saettigungsdampfdruck[0]
                                    : psw1;
    const double zi = t.Z_innen[0];
    const double za = fall == 4 ? t.Z_aussen[1] : t.Z_aussen[0];
    const double ii = t.g_ein_T[0];
    const double ia = fall == 4 ? t.g_aus_T[1] : t.g_aus_T[0];
    const double iz = t.g_aus_T[0];
    const double dauer = bauteil_->Klima.Tauperiode;

    auto zahlNenner = [&](double z) {
        return Term{{"1/", "", false, true}, {Festkomma(z, 4, 2) + "*10", "6", false, false}};
    };
    auto symNenner = [](const char* index) {
        return Term{{"1/", "", false, true}, {"D", index, true, true}};
    };
    int bar = r.top + 2 * h;
    auto zeile = [&](const char* index, const char* oben, const char* unten, double pOben,
                     double pUnten, const char* nennerIndex, double z) {
        int x = term(dc, x0, bar - h / 2, {{"i", index}, {" = "}}, true);
        x = bruch(dc, x, bar, {{"p", oben}, {"- p", unten}}, symNenner(nennerIndex), 0);
        x = term(dc, x, bar - h / 2, {{" = "}}, true);
        bruch(dc, x, bar, {{druck(pOben) + " - " + druck(pUnten)}}, zahlNenner(z), 0);
        bar += 3 * h;
    };
    zeile("i", "i", zwei ? "sw1" : "sw", pi, psw1, "i", zi);
    if (fall == 4) zeile("z", "sw1", "sw2", psw1, psw2, "z", t.Z_zwischen);
    zeile("a", zwei ? "sw2" : "sw", "a", psw2, pa, "a", za);

    int y = bar - h / 2; // 3 h below the last bar
    auto masse = [&](const char* index, const char* innen, double gInnen, const char* aussen,
                     double gAussen, double w) {
        term(dc, x0, y,
             {{"W", index}, {" = "}, {"t", "T"}, {"* ( i", innen}, {"- i", aussen}, {")"}, {" ="}},
             true);
        y += 2 * h;
        term(dc, x0 + 40, y,
             {{Festkomma(dauer, 3, 0) + " * ( " + strom(gInnen) + " - " + strom(gAussen) + " ) *10",
               "-3", false, false},
              {" = " + Festkomma(w, 4, 3) + " kg/m²"}},
             true);
        y += 2 * h;
    };
    if (fall == 4) {
        masse("T1", "i", ii, "z", iz, t.W_T_Stelle[0]);
        masse("T2", "z", iz, "a", ia, t.W_T_Stelle[1]);
    } else {
        masse("T", "i", ii, "a", ia, e.Diffusion.Tauwassermenge);
    }
}

void TBauteilGlaser::formelSommer(TDC& dc, const TRect& r, int fall) {
    const TEinfachBauteil& e = *bereich_;
    const TTaupunkt& t = e.Taupunkt;
    const int h = Texthoehe(dc);
    const int x0 = r.left + 20;
    const double pi = grenze(e, 0).Dampfdruck[1];
    const double pa = e.Aussenoberflaeche.Dampfdruck[1];
    const double psw1 = t.p_s_V[0];
    const double psw2 = fall == 4 ? t.p_s_V[1] : psw1;
    const double zz = std::max(0.0, 1.5 * e.sd_Summe - t.Z_innen[0] - t.Z_aussen[0]);
    double zi = t.Z_innen[0];
    double za = fall == 4 ? t.Z_aussen[1] : t.Z_aussen[0];
    Term nennerI{{"1/", "", false, true}, {"D", "i", true, true}};
    Term nennerA{{"1/", "", false, true}, {"D", "a", true, true}};
    if (fall == 5) {
        nennerI.push_back({" + 0.5 *"});
        nennerI.push_back({" 1/", "", false, true});
        nennerI.push_back({"D", "z", true, true});
        nennerA = {{"0.5 * 1/", "", false, true},
                   {"D", "z", true, true},
                   {" + 1/"},
                   {"D", "a", true, true}};
        zi += 0.5 * zz;
        za += 0.5 * zz;
    }
    const double ii = quotient(psw1 - pi, zi * 1e6);
    const double ia = quotient(psw2 - pa, za * 1e6);
    const int code = fall == 4 ? t.ZuerstTrocken : 0;

    auto zahlNenner = [&](double z) {
        return Term{{"1/", "", false, true}, {Festkomma(z, 4, 2) + "*10", "6", false, false}};
    };
    int bar = r.top + 2 * h;
    auto zeile = [&](const char* index, const char* ende, double pSw, double pEnde,
                     const Term& nenner, double z) {
        int x = term(dc, x0, bar - h / 2, {{"i", index}, {" = "}}, true);
        x = bruch(dc, x, bar, {{"p", "sw"}, {"- p", ende}}, nenner, 20);
        x = term(dc, x, bar - h / 2, {{" = "}}, true);
        bruch(dc, x, bar, {{druck(pSw) + " - " + druck(pEnde)}}, zahlNenner(z), 20);
        bar += 3 * h;
    };
    zeile("i", "i", psw1, pi, nennerI, zi);
    zeile("a", "a", psw2, pa, nennerA, za);
    double izus = 0, tzus = 0;
    if (code == 1) {
        izus = quotient(psw2 - pi, t.Z_innen[1] * 1e6);
        tzus = t.DauerInnen[1];
        zeile("zus", "i", psw2, pi, {{"1/", "", false, true}, {"D", "i", true, true}},
              t.Z_innen[1]);
    } else if (code == 2) {
        izus = quotient(psw1 - pa, t.Z_aussen[0] * 1e6);
        tzus = t.DauerAussen[0];
        zeile("zus", "a", psw1, pa, {{"1/", "", false, true}, {"D", "a", true, true}},
              t.Z_aussen[0]);
    }

    int y = bar - h / 2;
    const double wv = e.Diffusion.Verdunstungsmenge;
    const Term exp3{{" *10", "-3", false, false}, {" = " + Festkomma(wv, 4, 3) + " kg/m²"}};
    if (fall == 4) {
        Term symbol{{"W", "V"}, {" ="}, {"t", "i"}, {"* i", "i"}, {"+ t", "a"}, {"* i", "a"}};
        std::string zahlen = "(" + Festkomma(t.DauerInnen[0], 3, 0) + " * " + strom(ii) + " + " +
                             Festkomma(t.DauerAussen[1], 3, 0) + " * " + strom(ia);
        if (code == 1 || code == 2) {
            symbol.push_back({"+ t", "zus"});
            symbol.push_back({"* i", "zus"});
            zahlen += " + " + Festkomma(tzus, 3, 0) + " * " + strom(izus);
        }
        term(dc, x0, y, symbol, true);
        y += 2 * h;
        Term z{{" = " + zahlen + ")"}};
        z.insert(z.end(), exp3.begin(), exp3.end());
        term(dc, x0 + 40, y, z, true);
    } else {
        term(dc, x0, y, {{"W", "V"}, {" ="}, {"t", "V"}, {"* ( i", "i"}, {"+ i", "a"}, {")"}},
             true);
        y += 2 * h;
        Term z{{" = " + Festkomma(bauteil_->Klima.Verdunstungsperiode, 3, 0) + " * ( " + strom(ii) +
                " + " + strom(ia) + " )"}};
        z.insert(z.end(), exp3.begin(), exp3.end());
        term(dc, x0 + 40, y, z, true);
    }
}
