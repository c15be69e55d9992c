#include "stammwerk/grafik/TSandGrafik.h"

#include "platform/gdi/DC.h"
#include "stammwerk/grafik/TZufallsgenerator.h"

// The table follows the drawn size: a grain placed for a small layer would
// leave most of a larger one (print, zoom) empty.
void TSandGrafik::CalcRandomNumberArrays(int laenge, int dicke) {
    if (bZufallBerechnet && laenge == laenge_ && dicke == dicke_) return;
    TZufallsgenerator& zufall = TZufallsgenerator::Aktuell();
    zufall.Saeen();
    const int n = laenge > 0 && dicke > 0 ? (laenge * dicke) / 80 : 0;
    Laengsversatz.assign(size_t(n), 0);
    Querversatz.assign(size_t(n), 0);
    Breiten.assign(size_t(n), 0);
    Hoehen.assign(size_t(n), 0);
    Gefuellt.assign(size_t(n), 0);
    for (int i = 0; i < n; ++i) {
        Laengsversatz[i] = zufall.Unter(laenge);
        Querversatz[i] = zufall.Unter(dicke);
        Hoehen[i] = zufall.Unter(dicke / 8);
        Breiten[i] = zufall.Unter(dicke / 8);
        Gefuellt[i] = zufall.Unter(2);
    }
    laenge_ = laenge;
    dicke_ = dicke;
    bZufallBerechnet = true;
}

void TSandGrafik::Koerner(TDC& dc, bool hochkant) {
    const int laenge = hochkant ? Hoehe() : Breite();
    const int dicke = hochkant ? Breite() : Hoehe();
    CalcRandomNumberArrays(laenge, dicke);
    for (size_t i = 0; i < Gefuellt.size(); ++i) {
        dc.SelectStockObject(Gefuellt[i] == 1 ? BLACK_BRUSH : NULL_BRUSH);
        if (hochkant) {
            const int x = Links + Querversatz[i];
            const int y = Oben + Laengsversatz[i];
            dc.Ellipse(x, y, x + Hoehen[i], y + Breiten[i]);
        } else {
            const int x = Links + Laengsversatz[i];
            const int y = Oben + Querversatz[i];
            dc.Ellipse(x, y, x + Breiten[i], y + Hoehen[i]);
        }
    }
    dc.SelectStockObject(WHITE_BRUSH);
}

void TSandGrafik::Draw(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, false);
    Koerner(dc, false);
}

void TSandGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, true);
    Koerner(dc, true);
}

void TPutzGrafik2::DrawBoth(TDC& dc) {
    const int w = Breite();
    const int h = Hoehe();
    const int anzahl = w > 0 && h > 0 ? (h * w) / 30 : 0;
    TZufallsgenerator& zufall = TZufallsgenerator::Aktuell();
    zufall.Saeen();
    std::vector<TPoint> punkte(static_cast<size_t>(anzahl));
    for (TPoint& p : punkte) {
        p.x = zufall.Unter(w);
        p.y = zufall.Unter(h);
    }
    for (const TPoint& p : punkte) dc.SetPixel(Links + p.x, Oben + p.y, TColor::Black);
}

void TPutzGrafik2::Draw(TDC& dc, TRect, bool) {
    DrawBoth(dc);
    DrawBegrenzung(dc, 2, false);
}

void TPutzGrafik2::DrawHochkant(TDC& dc, TRect, bool) {
    DrawBoth(dc);
    DrawBegrenzung(dc, 2, true);
}
