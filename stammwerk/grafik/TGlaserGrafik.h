#pragma once
// The Glaser diagram laid over a cross-section drawing: partial vapour
// pressure and saturation pressure at every layer boundary as two curves
// across the bands, a pressure axis in Pa, a temperature scale whose ticks
// stand where each whole degree's saturation pressure falls, and a legend.
//
// The three lists run in parallel, one entry per point: 0 outside air,
// 1 outer surface, 2 .. n + 1 the layer boundaries from the outside inwards,
// n + 2 inside air (condensation period).
#include "platform/base/Geometry.h"

#include <vector>

class TBtGrafikGroessen;
class TDC;
class TPen;

class TGlaserGrafik {
public:
    struct TParams {
        int Anzahl = 0;          // ticks
        int ErsterGrad = 0;      // first whole degree
        double Untergrenze = 0;  // lower end temperature, °C
        double Obergrenze = 0;   // upper end temperature, °C
        double Spanne = 0;       // saturation-pressure span, Pa
        int Start = 0;           // position of the first whole degree
        int Laenge = 0;          // from the first to the last whole degree
        bool bUmgekehrt = false; // the first temperature is the higher one
        double PsErster = 0;     // saturation pressure at the first position, Pa
        int PosErster = 0;
        int PosLetzter = 0;
    };

    void SetTemperatur(double t) { Temperaturen.push_back(t); }
    void SetDampfdruck(double p) { Dampfdruecke.push_back(p); }
    void SetSattDampfdruck(double p) { Sattdampfdruecke.push_back(p); }
    double GetTemperatur(int i) const { return Temperaturen[size_t(i)]; }
    int Anzahl() const { return int(Temperaturen.size()); }

    // Saturation vapour pressure in Pa (DIN 4108-3 power law).
    static double F(double theta);
    static void FlipDoubleArray(std::vector<double>& a);
    // The axis maximum in Pa, rounded up to a two-digit step; its divisions and step.
    int CalculateMaxY(double pmax, int* divisions, int* step) const;

    void DrawSkala(TDC& dc, int from, int to, int axis, int divisions, int step) const;
    void DrawSkalaQuer(TDC& dc, int from, int to, int axis, int divisions, int step) const;
    static void CalcTempParameters(TParams& params, const std::vector<double>& temperaturen,
                                   double psFirst, double psLast, int posFirst, int posLast);
    // Where the saturation pressure of theta falls on the pressure coordinate.
    static int TempPosition(const TParams& params, double theta);
    void DrawTemperaturSkala(TDC& dc, const std::vector<double>& temperaturen, double psFirst,
                             double psLast, int posFirst, int posLast, int axis) const;
    void DrawTemperaturSkalaHochkant(TDC& dc, const std::vector<double>& temperaturen,
                                     double psFirst, double psLast, int posFirst, int posLast,
                                     int axis) const;
    void DrawArray(TDC& dc, TRect area, int axis, const std::vector<int>& positions,
                   const std::vector<double>& values, double scale, const TPen& pen, bool upright,
                   bool withAxis) const;
    void DrawLegende(TDC& dc, int x, int y, bool upright, bool showVapour,
                     bool showTemperature) const;
    void Draw(TDC& dc, TRect area, const std::vector<int>& positions, bool upright, bool reversed,
              bool showVapour, bool showTemperature);

    std::vector<double> Dampfdruecke;     // Pa
    std::vector<double> Sattdampfdruecke; // Pa
    std::vector<double> Temperaturen;     // °C

    // The graphic settings, valid during one drawing call.
    static TBtGrafikGroessen* spBtGG;

private:
    void TemperaturSkala(TDC& dc, const std::vector<double>& temperaturen, double psFirst,
                         double psLast, int posFirst, int posLast, int axis, bool upright) const;
};
