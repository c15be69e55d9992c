#pragma once
// Wood with its grain along the layer: wavy lines whose frequency and phase
// vary a little at random. The random table is made at the first drawing and
// kept, so that repaints look the same.
#include "stammwerk/grafik/TBaustoffGrafik.h"

#include <vector>

class THolzLaengsGrafik : public TBaustoffGrafik {
public:
    explicit THolzLaengsGrafik(int dicke = 0) : TBaustoffGrafik(dicke) {}
    void Draw(TDC& dc, TRect rahmen, bool direkt) override;
    void DrawHochkant(TDC& dc, TRect rahmen, bool direkt) override;

    struct Parameters {
        double Abstand = 0;       // line spacing, logical units
        double Frequenz = 0;      // angular frequency per unit of length
        double Phasenschritt = 0; // phase step per line
    };
    struct RandomValues {
        double Frequenz = 0;
        double Phase = 0;
        double Lage = 0; // position of the line across the layer
    };

    // d thickness, L length of the layer; returns the number of grain lines.
    static int CalcParameters(int d, int L, Parameters& p);
    // Makes sure the table holds `count` lines; entries once drawn are kept.
    void CalcRandomNumberArrays(unsigned count);
    void CalcRandomArguments(int i, int start, const Parameters& p, RandomValues& r) const;

    std::vector<double> Frequenzabweichung;
    std::vector<double> Phasenabweichung;
    std::vector<int> Vorzeichen;
    bool bZufallBerechnet = false;

private:
    void Maserung(TDC& dc, bool hochkant);
};
