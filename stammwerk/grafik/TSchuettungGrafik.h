#pragma once
// Loose fill: rows of small gravel tiles, each row shifted by a random
// offset that is drawn once and kept.
#include "stammwerk/grafik/TBaustoffGrafik.h"

#include <vector>

class TBitmap;

class TSchuettungGrafik : public TBaustoffGrafik {
public:
    explicit TSchuettungGrafik(int dicke = 0);
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

    // The tile, KachelBreite x KachelHoehe: two pebbles on white.
    TBitmap Kachel(const TDC& dc) const;

    std::vector<int> Versatz;
    bool bZufallBerechnet = false;
    int KachelBreite = 16;
    int KachelHoehe = 8;

private:
    // Makes sure `anzahl` offsets below `grenze` exist; upright rows shift
    // down within the tile height, horizontal ones right within its width.
    void Versaetze(int anzahl, bool hochkant);
    void Kacheln(TDC& dc, bool hochkant);
    bool hochkant_ = false;
};
