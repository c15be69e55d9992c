#include "stammwerk/grafik/TEinfacheGrafiken.h"

void TDefaultGrafik::Draw(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, false);
}

void TDefaultGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    DrawBegrenzung(dc, 2, true);
}
