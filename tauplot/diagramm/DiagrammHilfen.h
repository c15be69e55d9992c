#pragma once
// Small drawing helpers of the two diagrams.
#include "platform/base/Geometry.h"

#include <string>

class TDC;

namespace DiagrammHilfen {

// A computed position cut toward zero to whole device units (0 for what is not finite).
int Abschneiden(double v);
int Texthoehe(const TDC& dc);
// A frame of the rectangle in a black pen of the width, nothing filled.
void Rahmen(TDC& dc, const TRect& r, int breite);
void Linie(TDC& dc, int x1, int y1, int x2, int y2);

// One line of the header band, left-aligned and vertically centred in its
// cell, as typed ("&" included); a line wider than the cell is set in a font
// small enough for it rather than cut at the cell's edge.
void KopfzeileEinpassen(TDC& dc, const std::string& text, const TRect& zelle);
// " Bauteil: <name>,      Bereich: <n>" in its cell; a narrow cell first
// gives up the gap before the area, then the font shrinks.
void BauteilKopf(TDC& dc, const std::string& name, int bereich, const TRect& zelle);

// The division of an axis of length v: v is brought by powers of ten into
// untergrenze .. 10 x untergrenze, the step is 1, 2, 3 or 4 tenths of the
// lower bound by the quarter it falls into. Count 0 for v not above 0 or not finite.
struct Teilung {
    int Anzahl = 0;
    double Breite = 0;
};
Teilung DekadenTeilung(double v, double untergrenze);

} // namespace DiagrammHilfen
