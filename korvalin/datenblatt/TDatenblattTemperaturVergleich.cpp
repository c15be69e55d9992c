// The temperature comparison sheets: the titles of the three comparison
// kinds, two cross-sections side by side with their three temperature cases,
// and the profile of one case through the layers.
#include "hilfsmittel/PatternedLine.h"
#include "hilfsmittel/Rounding.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr TColor kHellgrau{225, 225, 225};

// The temperature axis stops far beyond any climate (the climate dialog takes
// -40 .. 100 °C): a damaged temperature must not give it millions of ticks.
constexpr int kKaeltesterGrad = -100;
constexpr int kWaermsterGrad = 200;

std::string plain(const char* format, double a) {
    char text[128];
    std::snprintf(text, sizeof text, format, a);
    return text;
}

// Pen and colour of the three cases: winter, summer light, summer dark.
const TPen& fallStift(const TBtGrafikGroessen& g, int fall) {
    return fall == 0 ? *g.pTemperaturWPen : fall == 1 ? *g.pTemperaturSHOPen : *g.pTemperaturSDOPen;
}
TColor fallFarbe(const TBtGrafikGroessen& g, int fall) {
    return fall == 0 ? g.TemperaturWFarbe : fall == 1 ? g.TemperaturSHOFarbe : g.TemperaturSDOFarbe;
}
} // namespace

void TDatenblattBasis::VergleichTitel(TDC& dc, int pass) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    Titeltext = Blattart == 12 ? "\n Temperaturverlauf im Bauteil \n"
                               : "\n Vergleich Temperaturverlauf im Bauteil \n";
    TitelZeichnen(dc, Titeltext, pass);
    dc.SelectObject(alt);
}

void TDatenblattBasis::GlaserVergleichTitel(TDC& dc, int pass) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Titel));
    Titeltext = "\n Vergleich Glaser - Diagramme \n";
    TitelZeichnen(dc, Titeltext, pass);
    dc.SelectObject(alt);
}

void TDatenblattBasis::AchsenTeilung(double laenge, int& striche, double& schritt) {
    striche = 0;
    schritt = 0;
    if (!(laenge > 0) || !std::isfinite(laenge)) return;
    double L = laenge;
    int e = 0;
    const bool klein = L <= 100;
    if (klein)
        while (L <= 100) {
            L *= 10;
            ++e;
        }
    else
        while (L >= 1000) {
            L *= 0.1;
            ++e;
        }
    const int s = L <= 250 ? 10 : L <= 500 ? 20 : L <= 750 ? 30 : 40;
    striche = int(L) / s;
    schritt = klein ? s / std::pow(10.0, e) : s * std::pow(10.0, e);
}

void TDatenblattBasis::TemperaturVerlaufZeichnen(TDC& dc, int fall, int m, TRBauteil* bauteil,
                                                 TEinfachBauteil* eb, TRect plot, TPen fallPen,
                                                 TPen rahmenPen) {
    if (m <= 0 || !bauteil || !eb) return;
    m = std::min(m, eb->AnzahlSchichten());
    if (m <= 0) return;
    fall = std::clamp(fall, 0, 2);
    const TTemperatur& t = bauteil->Temperatur;
    const TFont altFont = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int cy = dc.GetTextExtent("Tg").cy;
    const int W = plot.Width(), H = plot.Height();
    const int u = W / 100, v = H / 100;

    std::vector<double> dicke(size_t(m), 0.0), temp(size_t(m) + 1, 0.0);
    double D = 0;
    for (int i = 0; i < m; ++i) {
        const TSchicht& s = eb->Schichten[size_t(i)];
        const size_t k = s.Nummer >= 0 && s.Nummer < m ? size_t(s.Nummer) : size_t(i);
        dicke[k] = s.Schichtdicke;
        temp[k] = s.ThetaVerlauf[size_t(fall)];
        D += s.Schichtdicke;
        const int y = plot.bottom + v + (i + 2) * cy;
        dc.TextOut(plot.left, y, std::to_string(i + 1) + "     " + s.Name);
        char dickeText[64];
        std::snprintf(dickeText, sizeof dickeText, "%s%4.3lf%s", " ", s.Schichtdicke * 0.001, " ");
        dc.TextOut(plot.right, y, std::string(dickeText) + " m ");
    }
    temp[size_t(m)] = eb->Aussenoberflaeche.ThetaVerlauf[size_t(fall)];
    const double sx = D > 0 ? W / D : 0;

    const double tMax = std::max(t.OberflaecheSommerDunkel, t.OberflaecheSommerHell);
    const double tMin = std::min(t.AussenWinter, t.InnenWinter);
    const auto grad = [](double T) {
        return TruncatedWithin(T, kKaeltesterGrad, kWaermsterGrad, 0);
    };
    const int oben = (grad(tMax) / 10 + 1) * 10;
    const int unten = (grad(tMin) / 10 - 1) * 10;
    const double sy = oben > unten ? double(plot.top - plot.bottom) / (oben - unten) : 0;
    // A damaged temperature or thickness puts its point at most a plot's
    // height or width off the plot.
    const auto y = [&](double T) {
        return TruncatedWithin((T - unten) * sy + plot.bottom, plot.top - H, plot.bottom + H,
                               plot.bottom);
    };
    const auto lage = [&](double v, int nan) {
        return TruncatedWithin(v, plot.left - W, plot.right + W, nan);
    };

    const TPen altPen = dc.SelectObject(fallPen);
    std::vector<int> x(size_t(m) + 1, plot.left);
    dc.MoveTo(x[0], plot.top);
    dc.LineTo(x[0], plot.bottom);
    for (int k = 1; k <= m; ++k) {
        const int links = x[size_t(k - 1)];
        x[size_t(k)] = lage(links + dicke[size_t(k - 1)] * sx, links);
        dc.MoveTo(x[size_t(k)], plot.top);
        dc.LineTo(x[size_t(k)], plot.bottom);
        dc.TextOut(lage(links + 0.5 * dicke[size_t(k - 1)] * sx, links), plot.top - cy - v,
                   std::to_string(k));
    }
    const double luftInnen = fall == 0 ? t.InnenWinter : t.InnenSommer;
    const double luftAussen = fall == 0 ? t.AussenWinter : t.TemperaturB;
    dc.MoveTo(x[0] - 20, y(luftInnen));
    DrawLineToXY(dc, x[0] - 15, y(luftInnen), 10);
    for (int k = 0; k <= m; ++k) DrawLineToXY(dc, x[size_t(k)], y(temp[size_t(k)]), 10);
    DrawLineToXY(dc, x[size_t(m)] + 15, y(luftAussen), 10);
    DrawLineToXY(dc, x[size_t(m)] + 20, y(luftAussen), 10);
    const char* buchstabe[3] = {" a ", " b ", " c "};
    const TColor altFarbe = dc.SetTextColor(fallFarbe(Grafik(), fall));
    dc.TextOut(plot.right, y(temp[size_t(m)]) - cy, buchstabe[fall]);
    if (fall == 0) {
        dc.SetTextColor(Grafik().TemperaturWFarbe);
        const std::string t0 = plain(" %2.1lf ", temp[0]);
        dc.TextOut(plot.left - dc.GetTextExtent(t0).cx, y(temp[0]), t0);
    }
    dc.SetTextColor(TColor::Black);
    dc.SelectObject(rahmenPen);

    // Temperature axis.
    const int strich = 2 * u;
    const int n = (oben - unten) / 10;
    for (int k = 0; k <= n; ++k) {
        const int yk = int(plot.bottom + k * 10 * sy);
        if (k < n) {
            dc.MoveTo(plot.left - strich, yk);
            dc.LineTo(plot.left, yk);
        }
        const double wert = unten + 10.0 * k;
        const std::string text = plain(" %3.1lf  ", wert);
        const int rechts = plot.left - 5 * strich;
        TRect box(rechts - dc.GetTextExtent(text).cx - (wert < 0 ? 8 : 4) * strich, yk - cy / 2 - v,
                  rechts, yk + cy / 2 + v);
        dc.DrawText(text, box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        if (wert == 0.0) {
            dc.SelectObject(TPen(TColor::Black, 1, PS_DOT));
            dc.MoveTo(plot.left - 20, yk);
            dc.LineTo(plot.right + 20, yk);
            dc.SelectObject(rahmenPen);
        }
    }
    dc.MoveTo(plot.left - strich, plot.top);
    dc.LineTo(plot.left, plot.top);
    {
        const int rechts = plot.left - 5 * strich - 5;
        TRect box(rechts - dc.GetTextExtent(" [°C] ").cx - 4 * strich, plot.top - 4 * cy - v,
                  rechts, plot.top + cy + v);
        dc.DrawText(" [°C] ", box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }

    // Thickness axis; a layer build-up without thickness has none.
    int striche = 0;
    double schritt = 0;
    AchsenTeilung(D, striche, schritt);
    for (int k = 0; k <= striche && schritt > 0; ++k) {
        const int xk = int(x[0] + k * sx * schritt);
        dc.MoveTo(xk, plot.bottom);
        dc.LineTo(xk, plot.bottom + 2 * v);
        if (k % 5 == 0) {
            const std::string text = plain("%3.2lf", k * schritt / 1000);
            const int b = dc.GetTextExtent(text).cx;
            TRect box(xk - b / 2 - 1, plot.bottom + 2 * v, xk + b / 2 + 1,
                      plot.bottom + 2 * v + cy);
            dc.DrawText(text, box, DT_SINGLELINE | DT_CENTER);
        }
    }
    if (striche > 0) {
        TRect box(plot.right + 5, plot.bottom + 2 * v, plot.right + 25, plot.bottom + 2 * v + cy);
        dc.DrawText(" [m] ", box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP);
    }
    dc.SetTextColor(altFarbe);
    dc.SelectObject(altPen);
    dc.SelectObject(altFont);
}

void TDatenblattBasis::TemperaturVergleichHaelften(TDC& dc, TRect& rahmen, TRBauteil* a,
                                                   TEinfachBauteil* ebA, TRBauteil* b,
                                                   TEinfachBauteil* ebB) {
    const TPen schwarz(TColor::Black, 1);
    const TPen altPen = dc.SelectObject(schwarz);
    const int band = int(0.05 * int(0.8 * Bildschirmhoehe));
    const int mA = ebA ? ebA->AnzahlSchichten() : 0;
    const int mB = ebB ? ebB->AnzahlSchichten() : 0;
    int cy = 0;
    const auto haelfte = [&](TRect& r, TRBauteil* bt, TEinfachBauteil* eb, bool name) {
        const int kopf = r.top + band;
        const int mitte = r.left + r.Width() / 2;
        dc.SelectObject(schwarz);
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.right, r.top);
        dc.MoveTo(r.left, kopf);
        dc.LineTo(r.right, kopf);
        dc.MoveTo(mitte, r.top);
        dc.LineTo(mitte, kopf);
        const TRect plot(int(r.left + 0.2 * r.Width()), int(r.top + 0.2 * rahmen.Height()),
                         int(r.right - 0.2 * r.Width()),
                         int(rahmen.bottom - 0.2 * rahmen.Height()));
        dc.SetTextColor(TColor::Black);
        const TFont altFont = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
        TRect nameBox(r.left, r.top, mitte, kopf), bereichBox(mitte, r.top, r.right, kopf);
        if (name) {
            dc.FillRect(nameBox, TBrush(kHellgrau));
            dc.DrawText(" " + (bt ? bt->Name : std::string()), nameBox,
                        DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        }
        dc.FillRect(bereichBox, TBrush(kHellgrau));
        const bool mehrere = bt && bt->Flaechenanteile.GetItemsInContainer() > 1;
        dc.DrawText(mehrere && eb ? " " + eb->Bereichstitel() : std::string(" "), bereichBox,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
        cy = dc.GetTextExtent("Tg").cy;
        dc.SelectObject(altFont);
        return plot;
    };

    // The plot's height follows from the frame as given; the frame then grows
    // to hold the layer list of the larger build-up.
    TRect links = rahmen;
    TRect plot = haelfte(links, a, ebA, true);
    rahmen.bottom = plot.bottom + (std::max(mA, mB) + 4) * cy;
    const auto umriss = [&](const TRect& r) {
        dc.SelectObject(schwarz);
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.left, rahmen.bottom);
        dc.LineTo(r.right, rahmen.bottom);
        dc.LineTo(r.right, r.top);
    };
    const auto profile = [&](const TRect& p, TRBauteil* bt, TEinfachBauteil* eb) {
        dc.SelectObject(schwarz);
        dc.Rectangle(p);
        for (int fall = 0; fall < 3; ++fall)
            TemperaturVerlaufZeichnen(dc, fall, eb ? eb->AnzahlSchichten() : 0, bt, eb, p,
                                      fallStift(Grafik(), fall), schwarz);
        const TFont altFont = dc.SelectObject(Texte().Font(Textstil::Tabelle));
        dc.SetTextColor(TColor::Black);
        dc.TextOut(p.left - 20, p.top - 3 * cy, " innen ");
        dc.TextOut(p.right, p.top - 3 * cy, " außen ");
        dc.SelectObject(altFont);
    };
    umriss(links);
    profile(plot, a, ebA);
    if (ebB) {
        TRect rechts(rahmen.right, rahmen.top, Block.Rechts, rahmen.bottom);
        TRect rechtsPlot = haelfte(rechts, b, ebB, b && int16_t(b->Nummer) >= 0);
        rechtsPlot.top = plot.top;
        rechtsPlot.bottom = plot.bottom;
        umriss(rechts);
        profile(rechtsPlot, b, ebB);
        rahmen.left = rechts.left;
        rahmen.right = rechts.right;
    }
    Block.Unten = Block.InnenUnten = rahmen.bottom + 4 * cy;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    dc.SelectObject(altPen);
}

void TDatenblattBasis::TemperaturVergleich(TDC& dc, TRBauteil* a, TEinfachBauteil* ebA,
                                           TRBauteil* b, TEinfachBauteil* ebB) {
    const TFont altFont = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    const int seite = Koerper.Height();
    const int breite = Block.Rechts - Block.Links;
    TRect rahmen(Block.Links, int(Block.Oben + 0.02 * seite), int(Block.Links + 0.5 * breite), 0);
    rahmen.bottom = int(rahmen.top + 0.5 * seite);
    TemperaturVergleichHaelften(dc, rahmen, a, ebA, b, ebB);

    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int cy = dc.GetTextExtent(" Sommer (dunkle Oberfläche ").cy;
    const int B = rahmen.bottom;
    const TPen altPen = dc.SelectObject(TPen(TColor::Black));
    const TTemperatur t = a ? a->Temperatur : TTemperatur();
    char text[3][160];
    std::snprintf(text[2], sizeof text[2], "%s%2.1lf%s%2.1lf%s", " c - Sommer (dunkle Oberfläche ",
                  t.OberflaecheSommerDunkel, " °C,  Luft ", t.TemperaturB, " °C)");
    std::snprintf(text[1], sizeof text[1], "%s%2.1lf%s%2.1lf%s", " b - Sommer (helle Oberfläche ",
                  t.OberflaecheSommerHell, " °C,  Luft ", t.TemperaturB, " °C)");
    std::snprintf(text[0], sizeof text[0], "%s%2.1lf%s", " a - Winter ( Luft ", t.AussenWinter,
                  " °C)");
    for (int fall = 2, zeile = 1; fall >= 0; --fall, ++zeile) {
        dc.SelectObject(fallStift(Grafik(), fall));
        const int yLinie = int(B + (zeile + 0.5) * cy);
        dc.MoveTo(Block.Links, yLinie);
        DrawLineToXY(dc, Block.Links + 60, yLinie, 10);
        dc.SetTextColor(fallFarbe(Grafik(), fall));
        dc.TextOut(Block.Links + 70, B + zeile * cy, text[fall]);
    }
    dc.SetTextColor(TColor::Black);
    dc.SelectObject(altPen);
    dc.SetBkMode(altModus);
    dc.SelectObject(altFont);
}
