#pragma once
// Insulation hatches: a chain of half arcs joined by slanted lines
// (insulation 1), and a honeycomb (insulation 2).
#include "stammwerk/grafik/TBaustoffGrafik.h"

class TDaemmstoffGrafik : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;
};

class THDaemmstoffGrafik : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;
    // The same honeycomb in both layouts, clipped to the layer.
    void DoDraw(TDC& dc, TRect rahmen, bool direkt);
};
