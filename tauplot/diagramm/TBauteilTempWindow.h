#pragma once
// The MDI child that shows the Winter temperature profile through one area
// range: the layers side by side to scale, the temperature line through the
// stored boundary temperatures, a temperature and a thickness axis. It draws
// on a fixed reference area of 720 x 600 units and prints and previews itself.
#include "tauplot/diagramm/TDiagrammWindow.h"

class TBtGrafikGroessen;
class TBtTextGroessen;
class TEinfachBauteil;
class TFont;
struct TTemperatur;

class TBauteilTempWindow : public TDiagrammWindow {
public:
    // printing: the owner's flag, 1 while a print or a preview runs (may be null).
    TBauteilTempWindow(TMDIClient& parent, std::string_view title, TPrinter* printer, int* printing,
                       const char* projectName, TRBauteil* bauteil, int bereich, TKlima* klima,
                       TTemperatur* temperatur, std::vector<TWindow*>* openWindows,
                       TBtGrafikGroessen* grafik, TBtTextGroessen* text);
    ~TBauteilTempWindow() override;

    void SetupWindow() override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;
    std::unique_ptr<TPrintout> Ausdruck(std::string_view title) override;
    void DruckBeginn() override;
    void DruckEnde() override;

    // The thickness division for the total thickness in mm; false when none.
    bool Skalierung(double totalThickness);
    int Teilungen() const { return teilungen_; }
    double Teilungsbreite() const { return teilungsbreite_; } // mm
    TRect Diagramm() const { return diagramm_; }
    double xSkala() const { return xSkala_; } // units per mm
    double ySkala() const { return ySkala_; } // units per kelvin

    // Set by the print-out while it prints.
    bool Druckt = false;

private:
    void Ueberschrift(TDC& dc);
    void xAxisBeschriftung(TDC& dc);
    void yAxisBeschriftung(TDC& dc, double thetaI, double thetaE);
    void PaintArrow_x(TDC& dc, int x, int y);
    void PaintArrow_y(TDC& dc, int x, int y);
    void kopf(TDC& dc, const TRect& box);
    int y(double theta) const;

    int* druckt_;
    TTemperatur* temperatur_;
    TBtGrafikGroessen* grafik_;
    TBtTextGroessen* text_;
    TEinfachBauteil* bereich_ = nullptr;
    int schichten_ = 0;
    TRect diagramm_;
    double xSkala_ = 0, ySkala_ = 0;
    double thetaI_ = 0;
    int yThetaI_ = 0;
    int hEinheit_ = 0, vEinheit_ = 0;
    int teilungen_ = 0;
    double teilungsbreite_ = 0;
    struct Pfeil {
        int x = 0, y = 0;
    } pfeil_;
};
