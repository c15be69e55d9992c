// The Glaser comparison sheet: two vapour-pressure diagrams side by side,
// each with its boundary conditions and amounts, under one legend.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/PatternedLine.h"
#include "hilfsmittel/Rounding.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr TColor kHellgrau{225, 225, 225};

// The pressure axis stops far beyond the saturation pressure of any climate
// (about 100 kPa at 100 °C): a damaged pressure must not give it millions of
// ticks.
constexpr int kHoechsterDruck = 200000; // Pa

// "Nicht stehende Luftschicht": this layer and all behind it take no part.
bool bewegteLuft(const TSchicht& s) {
    return s.Schluessel.Katalog == 0 && s.Schluessel.Gruppe == 9 && s.Schluessel.Position == 3;
}
} // namespace

void TDatenblattBasis::SdAchsenTeilung(double v, int& anzahl, double& schritt) {
    anzahl = 0;
    schritt = 0;
    if (!(v > 0) || !std::isfinite(v)) return;
    int e = 0;
    const bool gross = v > 10;
    if (gross)
        while (v >= 100) {
            v *= 0.1;
            ++e;
        }
    else
        while (v <= 10) {
            v *= 10;
            ++e;
        }
    const int k = v <= 25 ? 1 : v <= 50 ? 2 : v <= 75 ? 3 : 4;
    anzahl = int(v) / k;
    schritt = gross ? k * std::pow(10.0, e) : k / std::pow(10.0, e);
}

void TDatenblattBasis::AchsenStricheX(TDC& dc, int anzahl, double schritt, double faktor, TRect d,
                                      const int& x0, int* xs) {
    for (int j = 0; j < anzahl; ++j) xs[j] = 0;
    const int m = schritt < 1 ? 3 : schritt <= 1000 ? 2 : schritt <= 1000000 ? 3 : 4;
    for (int j = 0; j <= anzahl; ++j) {
        xs[j] = int(x0 + j * schritt * faktor);
        dc.MoveTo(xs[j], d.bottom);
        dc.LineTo(xs[j], d.bottom + 5);
        if (j == anzahl || j % m != 0) continue;
        char text[64];
        if (schritt < 1)
            std::snprintf(text, sizeof text, "%4.2lf", j * schritt);
        else
            // Truncated as a whole number, without a cast a damaged s_d could overflow.
            std::snprintf(text, sizeof text, "%4.0lf", std::trunc(j * schritt));
        dc.TextOut(xs[j] - dc.GetTextExtent(text).cx / 2, d.bottom + 10, text);
    }
    GlaserMaler().IndexMitReturn(
        dc, GlaserMaler().IndexMitReturn(dc, d.right + 10, d.bottom + 5, " s", "d", 1, 1),
        d.bottom + 5, " in m ", "", 1, 1);
}

void TDatenblattBasis::GlaserDiagrammZeichnen(TDC& dc, int schichten, TRBauteil* /*bauteil*/,
                                              TEinfachBauteil* eb, TRect d, TPen duenn) {
    if (!eb) return;
    const TFont altFont = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    schichten = std::min(schichten, eb->AnzahlSchichten());
    int n = 0;
    while (n < schichten && !bewegteLuft(eb->Schichten[size_t(n)])) ++n;
    if (n == 0) {
        dc.SelectObject(altFont);
        return;
    }
    const double w = d.Width(), h = d.Height();
    const double X = 0.01 * w, Y = 0.01 * h;
    std::vector<double> sd(size_t(n) + 1, 0.0), ps(size_t(n) + 1), p(size_t(n) + 1);
    double pmax = 0, sdSumme = 0;
    for (int i = 0; i < n; ++i) {
        const TSchicht& s = eb->Schichten[size_t(i)];
        sd[size_t(i)] = s.sdWert;
        sdSumme += s.sdWert;
        ps[size_t(i)] = s.Saettigungsdampfdruck[0];
        p[size_t(i)] = s.Dampfdruck[0];
        pmax = std::max({pmax, s.Saettigungsdampfdruck[0], s.Saettigungsdampfdruck[1]});
    }
    ps[size_t(n)] = eb->Aussenoberflaeche.Saettigungsdampfdruck[0];
    p[size_t(n)] = eb->Aussenoberflaeche.Dampfdruck[0];
    pmax = std::max({pmax, eb->Aussenoberflaeche.Saettigungsdampfdruck[0],
                     eb->Aussenoberflaeche.Saettigungsdampfdruck[1]});
    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int cy = dc.GetTextExtent(" String ").cy;

    // Layer list.
    for (int i = 0; i < n; ++i) {
        const TSchicht& s = eb->Schichten[size_t(i)];
        const int y = d.bottom + 5 + (i + 2) * cy;
        dc.TextOut(d.left, y, std::to_string(i + 1) + "     " + s.Name);
        char text[64];
        std::snprintf(text, sizeof text, "%s%4.3lf%s", " ", s.sdWert, " ");
        dc.TextOut(d.right, y, std::string(text) + " m ");
    }
    const int altModus = dc.SetBkMode(TRANSPARENT);

    // Pressure axis.
    const int pTop = pmax >= 2500 ? TruncatedWithin(pmax, 2500, kHoechsterDruck, 2500) : 2500;
    const int gross = pTop >= 50000 ? 5000 : pTop >= 10000 ? 2500 : 500;
    const int klein = pTop >= 50000 ? 1000 : pTop >= 10000 ? 500 : 100;
    const int oben = (pTop / gross + 1) * gross;
    const int N = oben / klein;
    const TPen altPen = dc.SelectObject(duenn);
    std::vector<int> yStrich(size_t(N) + 1, d.bottom);
    for (int k = 1; k <= N; ++k) {
        yStrich[size_t(k)] = d.bottom - ((d.bottom - d.top) * k) / N;
        const int laenge = int((k % 5 == 0 ? 4 : 2) * X);
        dc.MoveTo(d.left - laenge, yStrich[size_t(k)]);
        dc.LineTo(d.left, yStrich[size_t(k)]);
    }
    const int cx5 = dc.GetTextExtent("00000").cx;
    for (int j = 1; j <= pTop / gross && 5 * j <= N; ++j) {
        const int yk = yStrich[size_t(5 * j)];
        TRect box(int(d.left - 1.5 * cx5 - 6 * X), int(yk - cy / 2 - Y), int(d.left - 6 * X),
                  int(yk + cy / 2 + Y));
        dc.DrawText(std::to_string(j * gross), box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
    {
        TRect box(d.left - cx5 - 25, d.top, int(d.left - X), d.top + cy);
        dc.DrawText("[Pa]", box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    dc.MoveTo(d.left, d.top);
    dc.LineTo(d.left, d.bottom);

    // s_d axis; a build-up without s_d has none, and its layers stand at the left edge.
    int anzahl = 0;
    double schritt = 0;
    SdAchsenTeilung(sdSumme, anzahl, schritt);
    const double faktor = sdSumme > 0 ? w / sdSumme : 0;
    if (anzahl > 0) {
        std::vector<int> xs(size_t(anzahl) + 1);
        AchsenStricheX(dc, anzahl, schritt, faktor, d, d.left, xs.data());
    }

    // Layer boundaries and numbers.
    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    std::vector<int> x(size_t(n) + 1, d.left);
    // A damaged s_d value or pressure puts its point at most the diagram's
    // width or height off the diagram.
    const auto lage = [&](double v, int nan) {
        return TruncatedWithin(v, int(d.left - w), int(d.right + w), nan);
    };
    for (int i = 1; i < n; ++i) {
        x[size_t(i)] = lage(sd[size_t(i - 1)] * faktor + x[size_t(i - 1)], x[size_t(i - 1)]);
        dc.MoveTo(x[size_t(i)], d.top);
        dc.LineTo(x[size_t(i)], d.bottom);
    }
    x[size_t(n)] = d.right;
    double vorher = 0;
    int breiteVorher = 0;
    const int ziffer = dc.GetTextExtent("0").cx;
    for (int i = 1; i <= n; ++i) {
        double c = x[size_t(i - 1)] + 0.5 * sd[size_t(i - 1)] * faktor;
        if (vorher + breiteVorher > c) c = vorher + breiteVorher;
        dc.TextOut(lage(c, x[size_t(i - 1)]), int(d.top - (cy + Y)), std::to_string(i));
        vorher = c;
        breiteVorher = (i < 10 ? 1 : 2) * ziffer;
    }

    // Curves: partial pressure b, then saturation pressure a.
    const double skala = h / oben;
    const auto y = [&](double druck, double versatz = 0) {
        return TruncatedWithin(d.top + (oben - druck) * skala + versatz, int(d.top - h),
                               int(d.bottom + h), d.bottom);
    };
    const auto kurve = [&](const std::vector<double>& werte, const TPen& stift, TColor farbe,
                           const char* buchstabe) {
        dc.SelectObject(stift);
        dc.MoveTo(x[0], y(werte[0]));
        dc.SetTextColor(farbe);
        dc.TextOut(x[0] + 5, y(werte[0], -10), buchstabe);
        dc.SetTextColor(TColor::Black);
        dc.MoveTo(x[0], y(werte[0]));
        for (int i = 1; i <= n; ++i) DrawLineToXY(dc, x[size_t(i)], y(werte[size_t(i)]), 10);
    };
    kurve(p, *Grafik().pDampfPen, Grafik().DampfdruckFarbe, " b ");
    kurve(ps, *Grafik().pSattdampfPen, Grafik().SattdampfFarbe, " a ");
    dc.SetBkMode(altModus);
    dc.SelectObject(altPen);
    dc.SelectObject(altFont);
}

void TDatenblattBasis::GlaserVergleichSeite(TDC& dc, TRBauteil* bauteil, TEinfachBauteil* eb,
                                            const TRect& r) {
    const int S = int(0.8 * Bildschirmhoehe);
    const TPen duenn(TColor::Black, 1);
    const TPen altPen = dc.SelectObject(duenn);
    const int y1 = int(r.top + 0.05 * S);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.right, r.top);
    dc.MoveTo(r.left, y1);
    dc.LineTo(r.right, y1);
    dc.MoveTo(r.right, r.top);
    dc.LineTo(r.right, y1);
    const double w = r.Width(), h = r.Height();
    const TRect D(int(r.left + 0.2 * w), int(r.top + 0.2 * h), int(r.right - 0.2 * w),
                  int(r.bottom - 0.2 * h));
    dc.Rectangle(D);
    const TFont altFont = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    dc.SetTextColor(TColor::Black);
    int cy = dc.GetTextExtent(" String ").cy;
    dc.TextOut(D.left - 40, D.top - 3 * cy, " innen ");
    dc.TextOut(D.right, D.top - 3 * cy, " außen ");

    dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    TRect kopf(r.left, r.top, r.right, y1);
    dc.FillRect(kopf, TBrush(kHellgrau));
    dc.DrawText(" " + (bauteil ? bauteil->Name : std::string()), kopf,
                DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    const bool mehrere = bauteil && bauteil->Flaechenanteile.GetItemsInContainer() > 1;
    dc.DrawText(mehrere && eb ? " " + eb->Bereichstitel() + "  " : std::string(" "), kopf,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);

    // Boundary conditions and amounts.
    const TRect T(r.left, r.bottom, r.right, int(r.bottom + 0.2 * S));
    dc.FillRect(T, TBrush(Unterlegung().Unterlegungsfarbe[2]));
    dc.SelectObject(Texte().Font(Textstil::Fussnote));
    const int x0 = T.left + 10;
    const TSize rb = dc.GetTextExtent(" Randbedingungen ");
    const int cxR = rb.cx;
    cy = rb.cy;
    const auto zeile = [&](int x, int y, const std::string& text) {
        TRect box(x, y, T.right, y + cy);
        dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    };
    const TKlima k = bauteil ? bauteil->Klima : TKlima();
    char text[128];
    int y = T.top + 5;
    zeile(x0, y, " Randbedingungen ");
    y += cy;
    zeile(x0 + cxR + 60, y, " Winter ");
    zeile(x0 + 2 * cxR + 60, y, " Sommer ");
    const auto klima = [&](const char* name, double tW, double phiW, double tS, double phiS) {
        y += cy;
        zeile(x0, y, name);
        std::snprintf(text, sizeof text, "%s%1.0lf%s%1.0lf%s", " T / Phi: ", tW, "°C / ",
                      phiW * 100, "% ");
        zeile(x0 + cxR + 30, y, text);
        std::snprintf(text, sizeof text, "%s%1.0lf%s%1.0lf%s", " T / Phi: ", tS, "°C / ",
                      phiS * 100, "% ");
        zeile(x0 + 2 * cxR + 40, y, text);
    };
    klima(" Außenklima ", k.ThetaE, k.PhiE, k.ThetaE_V, k.PhiE_V);
    klima(" Innenklima ", k.ThetaI, k.PhiI, k.ThetaI_V, k.PhiI_V);
    y += cy;
    zeile(x0, y, " Dauer ");
    std::snprintf(text, sizeof text, "%s%1.0lf%s", " ", k.Tauperiode, " Stunden ");
    zeile(x0 + cxR + 40, y, text);
    std::snprintf(text, sizeof text, "%s%1.0lf%s", " ", k.Verdunstungsperiode, " Stunden ");
    zeile(x0 + 2 * cxR + 50, y, text);

    const int y6 = y + cy + 5, y7 = y6 + cy;
    GlaserMaler().IndexMitReturn(dc, x0, y6, " Tauwassermenge W", "T", 1, 1);
    dc.SelectObject(Texte().Font(Textstil::Formel));
    const std::string wT =
        QTX_format("%s%5.3lf%s", " ", eb ? eb->Diffusion.Tauwassermenge : 0.0, " kg/m² ");
    int cyWert = dc.GetTextExtent(wT).cy;
    TRect boxT(x0 + 50, y6, T.right - 140, y6 + cyWert);
    dc.DrawText(wT, boxT, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    GlaserMaler().IndexMitReturn(dc, x0, y7, " Verdunstungsmenge W", "V", 1, 1);
    const std::string wV =
        QTX_format("%s%5.3lf%s", " ", eb ? eb->Diffusion.Verdunstungsmenge : 0.0, " kg/m²     ");
    cyWert = dc.GetTextExtent(wV).cy;
    TRect boxV(x0 + 50, y7, T.right - 10, y7 + cyWert);
    dc.DrawText(wV, boxV, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    dc.SelectObject(altFont);

    GlaserDiagrammZeichnen(dc, eb ? eb->AnzahlSchichten() : 0, bauteil, eb, D, duenn);

    dc.SelectObject(duenn);
    dc.MoveTo(r.left, r.top);
    dc.LineTo(r.left, r.bottom);
    dc.LineTo(r.right, r.bottom);
    dc.LineTo(r.right, r.top);
    dc.LineTo(r.left, r.top);
    dc.MoveTo(T.left, T.top);
    dc.LineTo(T.left, T.bottom);
    dc.LineTo(T.right, T.bottom);
    dc.LineTo(T.right, T.top);
    Block.Unten = Block.InnenUnten = T.bottom + 4 * cy;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SelectObject(altPen);
}

void TDatenblattBasis::GlaserVergleichSeiten(TDC& dc, TRect& r, TRBauteil* a, TEinfachBauteil* ebA,
                                             TRBauteil* b, TEinfachBauteil* ebB) {
    GlaserVergleichSeite(dc, a, ebA, r);
    r.left = r.right;
    r.right = Block.Rechts;
    GlaserVergleichSeite(dc, b, ebB, r);
}

void TDatenblattBasis::GlaserVergleich(TDC& dc, TRBauteil* a, TEinfachBauteil* ebA, TRBauteil* b,
                                       TEinfachBauteil* ebB) {
    const TFont altFont = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    const int maxSchichten =
        std::max(ebA ? ebA->AnzahlSchichten() : 0, ebB ? ebB->AnzahlSchichten() : 0);
    const int W = Block.Rechts - Block.Links;
    const int H = Koerper.Height();
    const int cy = dc.GetTextExtent("Tg").cy;
    const int oben = int(Block.Oben + 0.02 * H);
    TRect r(Block.Links, oben, int(Block.Links + 0.5 * W), int(oben + 0.5 * H + maxSchichten * cy));
    GlaserVergleichSeiten(dc, r, a, ebA, b, ebB);
    const int yB = r.bottom;

    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int cyL = dc.GetTextExtent(" Wasserdampfpartialdruck ").cy;
    const TPen altPen = dc.SelectObject(*Grafik().pSattdampfPen);
    int y = int(yB + 120 + 1.5 * cyL);
    dc.MoveTo(Block.Links, y);
    DrawLineToXY(dc, Block.Links + 60, y, 10);
    dc.SetTextColor(Grafik().SattdampfFarbe);
    dc.TextOut(Block.Links + 70, yB + 120 + cyL, " a - Wasserdampfsättigungsdruck ");
    dc.SelectObject(*Grafik().pDampfPen);
    y = int(yB + 120 + 2.5 * cyL);
    dc.MoveTo(Block.Links, y);
    DrawLineToXY(dc, Block.Links + 60, y, 10);
    dc.SetTextColor(Grafik().DampfdruckFarbe);
    dc.TextOut(Block.Links + 70, yB + 120 + 2 * cyL, " b - Wasserdampfpartialdruck ");
    dc.SetTextColor(TColor::Black);
    dc.SelectObject(altPen);
    dc.SetBkMode(altModus);
    dc.SelectObject(altFont);
}
