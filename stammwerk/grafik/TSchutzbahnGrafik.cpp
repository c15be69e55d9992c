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

// Black segments along the layer, every second one left free; staggered by
// one segment where two membranes lie side by side.
void TSchutzbahnGrafik::Segmente(TDC& dc, bool hochkant) {
    dc.SelectStockObject(BLACK_BRUSH);
    const int s = Segmentlaenge;
    const int n = s > 0 ? (hochkant ? Hoehe() : Breite()) / s : 0;
    const int versatz = bSchutzbahnVersetzen ? s : 0;
    for (int i = 0; i < n; ++i) {
        const int a = 2 * i * s + versatz;
        if (hochkant)
            dc.Rectangle(Links, Oben + a, Rechts, Oben + a + s);
        else
            dc.Rectangle(Links + a, Oben, Links + a + s, Unten);
    }
    DrawBegrenzung(dc, 2, hochkant);
    dc.SelectStockObject(WHITE_BRUSH);
}

void TSchutzbahnGrafik::Draw(TDC& dc, TRect, bool) {
    Segmente(dc, false);
}

void TSchutzbahnGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    Segmente(dc, true);
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
