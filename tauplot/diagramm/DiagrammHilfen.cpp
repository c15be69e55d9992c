#include "tauplot/diagramm/DiagrammHilfen.h"

#include "platform/gdi/DC.h"
#include "tauplot/diagramm/DiagrammZahl.h"

#include <algorithm>
#include <cmath>

namespace DiagrammHilfen {

int Abschneiden(double v) {
    if (!std::isfinite(v)) return 0;
    return int(std::clamp(v, -1e9, 1e9));
}

int Texthoehe(const TDC& dc) {
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return tm.tmHeight;
}

void Rahmen(TDC& dc, const TRect& r, int breite) {
    const TPen alt = dc.SelectObject(TPen(TColor::Black, breite));
    const TBrush pinsel = dc.SelectObject(TBrush::Stock(NULL_BRUSH));
    dc.Rectangle(r);
    dc.SelectObject(pinsel);
    dc.SelectObject(alt);
}

void Linie(TDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void KopfzeileEinpassen(TDC& dc, const std::string& text, const TRect& zelle) {
    constexpr uint32_t format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    const int32_t breite = dc.GetTextExtent(text).cx;
    TRect r = zelle;
    if (breite <= zelle.Width() || breite <= 0) {
        dc.DrawText(text, r, format);
        return;
    }
    LOGFONT log = dc.GetFont().GetLogFont();
    log.lfHeight = int32_t(int64_t(log.lfHeight) * zelle.Width() / breite);
    log.lfWidth = 0;
    const TFont alt = dc.SelectObject(TFont(log));
    dc.DrawText(text, r, format);
    dc.SelectObject(alt);
}

void BauteilKopf(TDC& dc, const std::string& name, int bereich, const TRect& zelle) {
    const std::string nummer = DiagrammZahl::Ganzzahl(bereich);
    const std::string weit = " Bauteil: " + name + ",      Bereich: " + nummer;
    const std::string knapp = " Bauteil: " + name + ", Bereich: " + nummer;
    KopfzeileEinpassen(dc, dc.GetTextExtent(weit).cx <= zelle.Width() ? weit : knapp, zelle);
}

Teilung DekadenTeilung(double v, double u) {
    Teilung t;
    if (!(v > 0) || !std::isfinite(v)) return t;
    int n = 0;
    const bool teilen = v > u;
    if (teilen) {
        for (; v >= 10 * u; ++n) v /= 10;
    } else {
        for (; v <= u; ++n) v *= 10;
    }
    int m = 1;
    if (v > 2.5 * u && v <= 5 * u)
        m = 2;
    else if (v > 5 * u && v <= 7.5 * u)
        m = 3;
    else if (v > 7.5 * u && v <= 10 * u)
        m = 4;
    const double schritt = m * u / 10;
    const double zehnHochN = std::pow(10.0, n);
    t.Anzahl = int(std::floor(v) / schritt);
    t.Breite = teilen ? schritt * zehnHochN : schritt / zehnHochN;
    return t;
}

} // namespace DiagrammHilfen
