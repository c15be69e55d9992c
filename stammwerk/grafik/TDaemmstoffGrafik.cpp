#include "stammwerk/grafik/TDaemmstoffGrafik.h"

#include "platform/gdi/DC.h"
#include "stammwerk/grafik/TBauteilGrafik.h"

namespace {

void Linie(TDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

void TDaemmstoffGrafik::Draw(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, false);
    const int h = Hoehe();
    const int w = Breite();
    const bool boegen = h >= 20;
    const bool mitte = h >= 20 && h <= 40;
    int s = 2 * h / 5;
    int d = 1;
    if (mitte) {
        s *= 2;
        d = 2;
    }
    // Below 3 units the step would be 0: boundary only.
    if (s <= 0) return;
    const int a = s / 2;
    const int e = a / d;
    const int oben = Oben + e;
    const int unten = Unten - e;

    Linie(dc, Links + s, oben, Links + s + a, unten);
    const int n = w / s;
    TRect u(Links, Oben, Links + s, Oben + s / d);
    TRect l(Links - a, Unten - s / d, Links - a + s, Unten);
    auto obererBogen = [&] { dc.Arc(u, {u.right, oben}, {u.left, oben}); };
    auto untererBogen = [&] {
        const int yc = l.bottom - (l.bottom - l.top) / 2;
        dc.Arc(l, {l.left, yc}, {l.right, yc});
    };
    if (boegen) {
        obererBogen();
        untererBogen();
    }
    Linie(dc, u.left, oben, u.left + a, unten);
    for (int i = 0; i < n; ++i) {
        u = u.Offset(s, 0);
        if (boegen) obererBogen();
        Linie(dc, u.right, oben, u.right + a, unten);
        Linie(dc, u.left, oben, u.left - a, unten);
        l = l.Offset(s, 0);
        if (boegen) untererBogen();
    }
}

void TDaemmstoffGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, true);
    const int w = Breite();
    const int h = Hoehe();
    const int p = 2 * w / 5;
    if (p <= 0) return; // too thin for the pattern: boundary only
    const int a = p / 2;

    Linie(dc, Links + a, Oben + p, Rechts - a, Oben + p + a);
    const int n = h / p;
    TRect b1(Links, Oben, Links + p, Oben + p);
    TRect b2(Rechts - p, Oben - a, Rechts, Oben - a + p);
    auto linkerBogen = [&] { dc.Arc(b1, {Links + a, b1.top}, {Links + a, b1.bottom}); };
    auto rechterBogen = [&] {
        const int cx = b2.right - (b2.right - b2.left) / 2;
        dc.Arc(b2, {cx, b2.bottom}, {cx, b2.top});
    };
    linkerBogen();
    rechterBogen();
    b2 = b2.Offset(0, p);
    rechterBogen();
    Linie(dc, Links + a, b1.top, Rechts - a, b1.top + a);
    for (int i = 0; i < n; ++i) {
        b1 = b1.Offset(0, p);
        linkerBogen();
        Linie(dc, Links + a, b1.bottom, Rechts - a, b1.bottom + a);
        Linie(dc, Links + a, b1.top, Rechts - a, b1.top - a);
        b2 = b2.Offset(0, p);
        rechterBogen();
    }
}

void THDaemmstoffGrafik::DoDraw(TDC& dc, TRect, bool direkt) {
    TBauteilGrafik::DoClipping(dc, Links, Oben, Rechts, Unten, direkt);

    const int h = Hoehe();
    const int w = Breite();
    for (int r = 0; 5 * r < h; ++r) {
        const int cy = Oben + 5 + 5 * r;
        for (int versatz = 0; versatz < w; versatz += 18) {
            const int cx = Links + versatz + (r % 2 ? 16 : 7);
            const TPoint wabe[7] = {{cx - 3, cy - 5}, {cx + 3, cy - 5}, {cx + 6, cy},
                                    {cx + 3, cy + 5}, {cx - 3, cy + 5}, {cx - 6, cy},
                                    {cx - 3, cy - 5}};
            dc.Polygon(wabe, 7);
        }
    }
    TBauteilGrafik::ResetClipping(dc);
}

void THDaemmstoffGrafik::Draw(TDC& dc, TRect rahmen, bool direkt) {
    DoDraw(dc, rahmen, direkt);
    DrawBegrenzung(dc, 2, false);
}

void THDaemmstoffGrafik::DrawHochkant(TDC& dc, TRect rahmen, bool direkt) {
    DoDraw(dc, rahmen, direkt);
    DrawBegrenzung(dc, 2, true);
}
