// The temperatures at the faces and boundaries, in framed labels beside the
// bands (horizontal layout) or in one column (upright layout).
#include "platform/gdi/DC.h"
#include "stammwerk/grafik/GrafikEinstellungen.h"
#include "stammwerk/grafik/GrafikText.h"
#include "stammwerk/grafik/TBaustoffGrafik.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/grafik/TGlaserGrafik.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMindestabstand = 1.0; // K between two labelled boundary temperatures

TPen Beschriftungsstift(const TBtGrafikGroessen* g) {
    return TPen(GrafikEinstellungen::SattdampfStift(g).Color(), 1, PS_SOLID);
}

} // namespace

double TBauteilGrafik::T(int j) const {
    if (!glaser_ || j < 0 || j >= glaser_->Anzahl()) return 0;
    return glaser_->GetTemperatur(j);
}

// A boundary whose temperature is within 1 K of the last labelled one gets no label.
void TBauteilGrafik::CalcObTemperaturZeichnen(std::vector<int>& show) const {
    const int n = Schichtanzahl();
    show.assign(size_t(n + 3), 0);
    show[0] = show[1] = show[size_t(n + 1)] = show[size_t(n + 2)] = 1;
    double bezug = bUmgekehrt ? T(1) : T(n + 1);
    for (int k = 2; k <= n; ++k) {
        const int j = bUmgekehrt ? k : n - k + 2;
        if (std::fabs(T(j) - bezug) >= kMindestabstand) {
            show[size_t(j)] = 1;
            bezug = T(j);
        }
    }
}

void TBauteilGrafik::DrawTemperaturRectangle(TDC& dc, const std::string& text, int x, int y,
                                             const TPen& pen) {
    const TSize g = dc.GetTextExtent(text);
    dc.TextOut(x, y - g.cy / 2, text);
    const TPen vorher = dc.SelectObject(pen);
    dc.Rectangle(x - 1, y - g.cy / 2, x + g.cx + 1, y + g.cy / 2);
    dc.SelectObject(vorher);
}

void TBauteilGrafik::DrawTemperatur(TDC& dc, int xOffset, int yOffset) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    const int n = int(folge.size());
    if (n == 0) return;
    const TFont vorher = dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
    const TPen stift = Beschriftungsstift(spBtGG);
    const TPen fuehrung(TColor::Black);
    std::vector<int> show;
    CalcObTemperaturZeichnen(show);
    const int h = GrafikText::Hoehe(dc);
    const int halb = h / 2;
    auto gezeigt = [&](int i) { return show[size_t(bUmgekehrt ? i + 1 : n - i + 1)] == 1; };

    // Label rows: at the boundary where there is room, else pushed down
    // below the last label.
    std::vector<int> y(size_t(n + 1), 0);
    y[0] = folge[0]->Oben + yOffset;
    int letzte = y[0];
    for (int i = 1; i < n; ++i) {
        const int t = folge[size_t(i)]->Oben + yOffset;
        y[size_t(i)] = y[size_t(i) - 1] + halb < t - halb ? t : std::max(t, letzte + 2 * halb + 1);
        if (gezeigt(i)) letzte = y[size_t(i)];
    }
    y[size_t(n)] = std::max(folge.back()->Unten + yOffset, letzte + 2 * halb + 1);

    dc.SelectStockObject(NULL_BRUSH);
    const int x0 = schraffuren_.front()->Rechts + xOffset + 20;
    DrawTemperaturRectangle(dc, GrafikText::Temperatur(bUmgekehrt ? T(0) : T(n + 2)), x0, y[0] - 20,
                            stift);
    auto beschriften = [&](int x, int grenze, int zeile, int j) {
        const TPen alt = dc.SelectObject(fuehrung);
        dc.MoveTo(x + 5, grenze);
        dc.LineTo(x + 10, grenze);
        dc.LineTo(x + 20, zeile);
        dc.SelectObject(alt);
        DrawTemperaturRectangle(dc, GrafikText::Temperatur(T(j)), x + 20, zeile, stift);
    };
    for (int i = 0; i < n; ++i) {
        const int j = bUmgekehrt ? i + 1 : n - i + 1;
        if (show[size_t(j)] != 1) continue;
        const TBaustoffGrafik* s = folge[size_t(i)];
        beschriften(s->Rechts + xOffset, s->Oben + yOffset, y[size_t(i)], j);
    }
    const TBaustoffGrafik* letzteSchicht = folge.back();
    beschriften(letzteSchicht->Rechts + xOffset, letzteSchicht->Unten + yOffset, y[size_t(n)],
                bUmgekehrt ? n + 1 : 1);
    DrawTemperaturRectangle(dc, GrafikText::Temperatur(bUmgekehrt ? T(n + 2) : T(0)), x0,
                            y[size_t(n)] + 25, stift);
    dc.SelectObject(vorher);
    dc.SelectStockObject(WHITE_BRUSH);
}

// Every boundary gets its label, all in one column.
void TBauteilGrafik::DrawTemperaturHochkant(TDC& dc, int xOffset, int yOffset) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    const int n = int(folge.size());
    if (n == 0) return;
    const TFont vorher = dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
    const TPen stift = Beschriftungsstift(spBtGG);
    const int h = GrafikText::Hoehe(dc);
    const int halb = h / 2;
    yPosBeschriftungBestimmen(folge[0]->Oben, folge[0]->Unten, yOffset, h);
    const std::vector<int>& l = BeschriftungPositionen;

    std::vector<int> y(size_t(n + 3), 0);
    y[0] = BlockY - 10;
    y[1] = y[0] + h + 4;
    for (int k = 2; k <= n; ++k)
        y[size_t(k)] = l[size_t(k - 2)] + (l[size_t(k - 1)] - l[size_t(k - 2)]) / 2;
    y[size_t(n + 1)] = l[size_t(n - 1)] + 4 * halb;
    y[size_t(n + 2)] = l[size_t(n - 1)] + 6 * halb;

    dc.SelectStockObject(NULL_BRUSH);
    const int x = BlockX + Schichtlaenge - 20;
    DrawTemperaturRectangle(dc, GrafikText::Temperatur(bUmgekehrt ? T(0) : T(n + 2)), x, y[0],
                            stift);
    for (int i = 0; i < n; ++i)
        DrawTemperaturRectangle(dc, GrafikText::Temperatur(bUmgekehrt ? T(i + 1) : T(n - i + 1)), x,
                                y[size_t(i + 1)], stift);
    DrawTemperaturRectangle(dc, GrafikText::Temperatur(bUmgekehrt ? T(n + 1) : T(1)), x,
                            y[size_t(n + 1)], stift);
    // Thin layers push their numbers under the label column: the outside
    // label then goes below the numbered circles instead of over them.
    const std::string letzte = GrafikText::Temperatur(bUmgekehrt ? T(n + 2) : T(0));
    int yLetzte = y[size_t(n + 2)] + 25;
    const TRect nummern = NummernBereich(dc, xOffset);
    const TRect rahmen(x - 1, yLetzte - halb, x + dc.GetTextExtent(letzte).cx + 1, yLetzte + halb);
    if (!rahmen.Intersection(nummern).IsEmpty()) yLetzte = nummern.bottom + 4 + halb;
    DrawTemperaturRectangle(dc, letzte, x, yLetzte, stift);
    dc.SelectObject(vorher);
    dc.SelectStockObject(WHITE_BRUSH);
}
