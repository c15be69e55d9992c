#pragma once
// Hatches of straight lines: 45-degree lines for masonry, the two concretes
// and plaster, a square grid for precast concrete.
#include "stammwerk/grafik/TBaustoffGrafik.h"

// Lines from the top-left to the bottom-left at 45 degrees; the subclass
// chooses spacing and dashing.
class TSchraegstrichGrafik : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

protected:
    // Distance from the line drawn before to line number `nr` (counted from 0).
    virtual int Vorschub(int nr) const = 0;
    // Advance before the line (plaster) or after it (the others).
    virtual bool VorschubVorher() const { return false; }
    virtual bool Gestrichelt(int nr) const = 0;

private:
    void Linie(TDC& dc, TPoint von, TPoint bis, int nr) const;
    void Schraegen(TDC& dc, int start, int grenze, bool hochkant) const;
};

class TMauerwerkGrafik : public TSchraegstrichGrafik {
public:
    using TSchraegstrichGrafik::TSchraegstrichGrafik;

protected:
    int Vorschub(int) const override { return 10; }
    bool Gestrichelt(int) const override { return false; }
};

// Reinforced concrete: dashed and solid lines alternate, the first dashed.
class TBetonGrafik : public TSchraegstrichGrafik {
public:
    using TSchraegstrichGrafik::TSchraegstrichGrafik;

protected:
    int Vorschub(int) const override { return 10; }
    bool Gestrichelt(int nr) const override { return nr % 2 == 0; }
};

class TUnbewehrterBetonGrafik : public TSchraegstrichGrafik {
public:
    using TSchraegstrichGrafik::TSchraegstrichGrafik;

protected:
    int Vorschub(int) const override { return 10; }
    bool Gestrichelt(int) const override { return true; }
};

// Groups of three lines 10 apart, 40 between groups; never at the edge itself.
class TPutzGrafik : public TSchraegstrichGrafik {
public:
    using TSchraegstrichGrafik::TSchraegstrichGrafik;

protected:
    int Vorschub(int nr) const override { return nr % 3 == 0 ? 40 : 10; }
    bool VorschubVorher() const override { return true; }
    bool Gestrichelt(int) const override { return false; }
};

// Precast concrete: a square grid.
class TBetonfertigteilGrafik : public TBaustoffGrafik {
public:
    using TBaustoffGrafik::TBaustoffGrafik;
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

private:
    void Senkrechte(TDC& dc) const;
    void Waagerechte(TDC& dc) const;
};
