#pragma once
// Hatches that draw only the layer's boundary lines: materials without a
// pattern of their own, and air layers.
#include "stammwerk/grafik/TBaustoffGrafik.h"

class TDefaultGrafik : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;
};

// Drawn as the default; a class of its own so that air layers stay told apart.
class TLuftschichtGrafik : public TDefaultGrafik {
public:
    using TDefaultGrafik::TDefaultGrafik;
};
