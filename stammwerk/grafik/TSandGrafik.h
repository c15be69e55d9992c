#pragma once
// Sand: small ellipses, filled or hollow, scattered over the layer. The
// grains are drawn at random once and kept while the layer keeps its size.
#include "stammwerk/grafik/TBaustoffGrafik.h"

#include <vector>

class TSandGrafik : public TBaustoffGrafik {
public:
    explicit TSandGrafik(int dicke = 0) : TBaustoffGrafik(dicke) {}
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

    // Grains for a layer `laenge` long and `dicke` thick: one per 80 square
    // units, offsets within the layer, sizes below a eighth of the thickness.
    void CalcRandomNumberArrays(int laenge, int dicke);

    // Along and across the layer, in the layer's own direction.
    std::vector<int> Laengsversatz;
    std::vector<int> Querversatz;
    std::vector<int> Breiten; // along
    std::vector<int> Hoehen;  // across
    std::vector<int> Gefuellt;
    bool bZufallBerechnet = false;

private:
    void Koerner(TDC& dc, bool hochkant);
    int laenge_ = -1;
    int dicke_ = -1;
};

// Plaster 2: black dots, new ones at every paint.
class TPutzGrafik2 : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawBoth(TDC& dc);
};
