#include "stammwerk/grafik/TSchutzbahnGrafik.h"

#include "platform/gdi/DC.h"

namespace {
constexpr int kMembranDicke = 6; // drawn thickness, device units
}

TSchutzbahnGrafik::TSchutzbahnGrafik(int dicke) : TBaustoffGrafik(dicke) {
    bSchutzbahn = 1;
    bFesteGroesse = true;
    FesteGroesse = kMembranDicke;
}

void TSchutzbahnGrafik::Draw(TDC& dc, TRect, bool) {
    dc.SelectStockObject(BLACK_BRUSH);
    const int s = Segmentlaenge;
    const int n = s > 0 ? Breite() / s : 0;
    const int versatz = bSchutzbahnVersetzen ? s : 0;
    for (int i = 0; i < n; ++i) {
        const int x = Links + 2 * i * s + versatz;
        dc.Rectangle(x, Oben, x + s, Unten);
    }
    DrawBegrenzung(dc, 2, false);
    dc.SelectStockObject(WHITE_BRUSH);
}

void TSchutzbahnGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    dc.SelectStockObject(BLACK_BRUSH);
    const int s = Segmentlaenge;
    const int n = s > 0 ? Hoehe() / s : 0;
    const int versatz = bSchutzbahnVersetzen ? s : 0;
    for (int i = 0; i < n; ++i) {
        const int y = Oben + 2 * i * s + versatz;
        dc.Rectangle(Links, y, Rechts, y + s);
    }
    DrawBegrenzung(dc, 2, true);
    dc.SelectStockObject(WHITE_BRUSH);
}

TDaemmschichtGrafik::TDaemmschichtGrafik(int dicke) : TBaustoffGrafik(dicke) {
    bSchutzbahn = 1;
    bFesteGroesse = true;
    FesteGroesse = kMembranDicke;
}

// The heavy boundary runs along the left and right ends in both layouts.
void TDaemmschichtGrafik::Draw(TDC& dc, TRect, bool) {
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(Links, Oben, Rechts, Unten);
    DrawBegrenzung(dc, 2, true);
    dc.SelectStockObject(WHITE_BRUSH);
}

void TDaemmschichtGrafik::DrawHochkant(TDC& dc, TRect rahmen, bool direkt) {
    Draw(dc, rahmen, direkt);
}
