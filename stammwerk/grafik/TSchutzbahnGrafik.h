#pragma once
// Membrane-like layers, always 6 units thick: a membrane as black segments
// along the layer, an insulating sheet as one black bar.
#include "stammwerk/grafik/TBaustoffGrafik.h"

class TSchutzbahnGrafik : public TBaustoffGrafik {
public:
    explicit TSchutzbahnGrafik(int dicke = 0);
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

    int Segmentlaenge = 24;

private:
    void Segmente(TDC& dc, bool hochkant);
};

class TDaemmschichtGrafik : public TBaustoffGrafik {
public:
    explicit TDaemmschichtGrafik(int dicke = 0);
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

    int Segmentlaenge = 24; // kept with the record; the bar has no segments
};
