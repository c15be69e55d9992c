#pragma once
// The hatch of one layer in a cross-section drawing. The owner makes one per
// layer (chosen by the material's graphic kind), gives it its drawn size and
// rectangle, and asks it to draw itself for a horizontal layer (Draw: the
// thickness runs vertically) or an upright one (DrawHochkant).
#include "platform/base/Geometry.h"

#include <string>

class TDC;

class TBaustoffGrafik {
public:
    TBaustoffGrafik() = default;
    explicit TBaustoffGrafik(int dicke) : Dicke(dicke) {}
    TBaustoffGrafik(const TBaustoffGrafik&) = default;
    TBaustoffGrafik& operator=(const TBaustoffGrafik&) = default;
    virtual ~TBaustoffGrafik() = default;

    // `rahmen` is the drawing's frame, which the patterns do not need;
    // `direkt` is true when drawing straight into the target (printing).
    virtual void Draw(TDC& dc, TRect rahmen, bool direkt) = 0;
    virtual void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) = 0;
    // The two boundary lines: along the left and right edges when hochkant,
    // else along the top and bottom. Width 1 uses the context's current pen.
    virtual void DrawBegrenzung(TDC& dc, int breite, bool hochkant) const;

    // Only the thickness counts.
    friend bool operator==(const TBaustoffGrafik& a, const TBaustoffGrafik& b) {
        return a.Dicke == b.Dicke;
    }

    // Drawn thickness: the fixed size, or GrafikGroesse but at least 3 units.
    int CalcGrafikSize() const;
    void SetPosition(int x, int y, int hoehe, int breite);

    TRect Rechteck() const { return {Links, Oben, Rechts, Unten}; }
    int Hoehe() const { return Unten - Oben; }
    int Breite() const { return Rechts - Links; }

    std::string Name;      // the material's name
    int Dicke = 0;         // layer thickness in mm, truncated
    int GrafikGroesse = 0; // drawn thickness in device units, set by the owner
    int Oben = 0;
    int Unten = 0;
    int Links = 0;
    int Rechts = 0;
    int bSchutzbahn = 0; // membrane-like: adjacent ones are drawn staggered
    bool bFesteGroesse = false;
    int FesteGroesse = 0;

    // Two adjacent membranes show staggered segments; valid during one drawing pass.
    static bool bSchutzbahnVersetzen;
};
