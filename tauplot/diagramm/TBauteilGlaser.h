#pragma once
// The vapour-pressure diagram of the Glaser method for one area range of a
// component type: a "Winter" (condensation) and a "Sommer" (evaporation)
// panel side by side under a header, above a result box, and optionally the
// case line and the typeset formulas of the condensate and evaporated
// masses. It computes no physics: every value is a stored result of the
// moisture calculation, collected anew on every paint.
//
// Geometry taken "from the screen" uses the reference screen, so that the
// same call gives the same drawing on any monitor, printer or PDF.
#include "platform/base/Geometry.h"
#include "platform/gdi/Font.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TBtGrafikGroessen;
class TBtTextGroessen;
class TDC;
class TEinfachBauteil;
class TRBauteil;
class TUnterlegungsGroessen;

class TBauteilGlaser {
public:
    TBauteilGlaser(TBtGrafikGroessen* grafik, TBtTextGroessen* text,
                   TUnterlegungsGroessen* unterlegung);
    ~TBauteilGlaser();
    TBauteilGlaser(const TBauteilGlaser&) = delete;
    TBauteilGlaser& operator=(const TBauteilGlaser&) = delete;

    // Draws everything into area (device units of dc). bereich: the stored
    // number of the area range; reverseNumbering counts the layers from the
    // outside; withFormulas adds the case line and the formula block.
    void PaintGlaser(TDC& dc, TRect& area, TRBauteil* component, int bereich,
                     const char* projectName, TBtGrafikGroessen* grafik, TBtTextGroessen* text,
                     TUnterlegungsGroessen* unterlegung, int reverseNumbering, int withFormulas);

    // Computes and frames the two panels; size gets the Winter panel's size.
    void GrafikRect(TDC& dc, TRect& area, TRect& winter, TRect& sommer, TSize& size);
    // The s_d division for the total s_d in m; false (count 0) when none can
    // be made (total not above 0 or not finite).
    bool Skalierung(double totalSd);
    void xEinteilung(TDC& dc, int count, double step, double unitsPerMetre, TRect& winter,
                     TRect& sommer, std::vector<int>& winterTicks, std::vector<int>& sommerTicks);
    void AchsenBeschriftung(TDC& dc, TRect& winter, int count, double step, TSize& size);
    void xAxis(TDC& dc, const TRect& panel);
    void yAxis(TDC& dc, const TRect& winter);
    void Ueberschrift(TDC& dc, const TRect& panel, std::string_view title);
    void Legende(TDC& dc, int y);
    void TaupunkteMarkieren(TDC& dc, int x, int y, int stem, int head);

    // Formula helpers: base in the formula font (symbol font for the Sym
    // form) at (x, y), then index in the index font, lowered (lowered 1) or
    // raised; draws only with draw set. Returns x + both widths + 5.
    int IndexMitReturn(TDC& dc, int x, int y, std::string_view base, std::string_view index,
                       int lowered, int draw);
    int SymIndexMitReturn(TDC& dc, int x, int y, std::string_view base, std::string_view index,
                          int lowered, int draw);
    // One half of the formula block: period 1 Winter, 2 Sommer.
    void FormelDiffusion(TDC& dc, TRect r, int period, int glaserCase);
    // The case line's text of a Glaser case (without its leading blank).
    static const char* FallText(int glaserCase);

    // What the last paint computed, for the formula painters and data sheets.
    struct Skala {
        int Anzahl = 0;           // s_d divisions
        double Breite = 0;        // division width, m
        double EinheitenProM = 0; // device units per metre of s_d
    };
    const Skala& SdSkala() const { return sd_; }
    int DruckTeilung() const { return druckTick_; }   // Pa per pressure tick
    int DruckSkalaOben() const { return skalaOben_; } // Pa
    int FormelHoehe() const { return formelHoehe_; }
    TRect WinterRect() const { return winter_; }
    TRect SommerRect() const { return sommer_; }
    TSize Einheit() const { return {hEinheit_, vEinheit_}; }

private:
    struct Punkte;
    // The text fonts: the settings' own, or their defaults without settings.
    const TFont& textFont(int stil) const;
    void kopf(TDC& dc, const TRect& area, const TRBauteil& bauteil, const char* projectName);
    void ergebnis(TDC& dc, const TRect& box, const TRBauteil& bauteil);
    void druckSkala(TDC& dc, double maximum);
    void grenzen(TDC& dc, const TRect& panel, const std::vector<double>& sd, bool reverse,
                 std::vector<int>& x);
    void kurve(TDC& dc, const TRect& panel, const std::vector<int>& x,
               const std::vector<double>& p);
    int druckY(const TRect& panel, double p) const;
    void formelWinter(TDC& dc, const TRect& r, int glaserCase);
    void formelSommer(TDC& dc, const TRect& r, int glaserCase);
    // A piece of formula text: base with an optional index, lowered
    // (subscript) or raised (exponent), the base in the symbol font or not.
    struct Teil {
        Teil(std::string b, std::string i = {}, bool sym = false, bool unten = true)
            : basis(std::move(b)), index(std::move(i)), symbol(sym), tief(unten) {}
        std::string basis, index;
        bool symbol;
        bool tief;
    };
    using Term = std::vector<Teil>;
    // Writes the pieces one after the other with the top of the base at y;
    // returns where the next piece starts. Measures only without draw.
    int term(TDC& dc, int x, int y, const Term& t, bool draw);
    // A fraction whose bar lies at yBar: the numerator above, the bar as
    // wide as the wider part plus extra, the denominator centred under it.
    // Returns the x after the fraction.
    int bruch(TDC& dc, int x, int yBar, const Term& zaehler, const Term& nenner, int extra);

    TBtGrafikGroessen* grafik_;
    TBtTextGroessen* text_;
    TUnterlegungsGroessen* unterlegung_;
    TFont vertikal_; // s_d labels, reading upwards
    TFont aufrecht_; // pressure labels and "[m]"

    TRBauteil* bauteil_ = nullptr;
    TEinfachBauteil* bereich_ = nullptr;
    TRect winter_, sommer_, label_, formelRect_;
    double breite_ = 0, hoehe_ = 0; // panel size
    int hEinheit_ = 0, vEinheit_ = 0;
    Skala sd_;
    std::vector<int> winterGrenzen_, sommerGrenzen_, winterTicks_, sommerTicks_, druckTicks_;
    int druckQuotient_ = 0, druckRest_ = 0, skalaOben_ = 0, druckTickAnzahl_ = 0;
    int druckTick_ = 100, druckSchritt_ = 500;
    int formelHoehe_ = 0;
    struct Marke {
        int x = 0, y = 0, stiel = 0, kopf = 0;
    } marke_;
};
