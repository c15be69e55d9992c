#pragma once
// The cross-section drawing of one component: one hatched band per layer,
// scaled into a fixed drawing area, with dimension axis, layer numbers,
// material names, temperature labels and the vapour-pressure diagram.
//
// Horizontal layout: the layers are stacked from top to bottom. Upright
// layout (Hochkant): they stand side by side from left to right.
//
// Every drawing call goes: SetPosition, then PrepareDraw. The settings
// objects passed to PrepareDraw are only read, and only during the call.
#include "platform/base/Geometry.h"

#include <memory>
#include <string>
#include <vector>

class TBaustoffGrafik;
class TBtGrafikGroessen;
class TBtSeitenGroessen;
class TDC;
class TEinfachBauteil;
class TGlaserGrafik;
class TPen;
class TRBauteil;

class TBauteilGrafik {
public:
    TBauteilGrafik();
    // Copies the layout and the vapour diagram, not the hatches: a copy
    // draws nothing until it is rebuilt (SetBauteilGrafikNeu).
    TBauteilGrafik(const TBauteilGrafik& other);
    TBauteilGrafik& operator=(const TBauteilGrafik&) = delete;
    ~TBauteilGrafik();

    // Two drawings never make two components differ.
    friend bool operator==(const TBauteilGrafik&, const TBauteilGrafik&) { return true; }

    // Condensation-period climate of the component type; without a type the
    // standard climate of DIN 4108-3.
    void SetBauteilKlimaDaten(const TRBauteil* t);
    // One hatch per layer and the vapour diagram; after SetBauteilKlimaDaten and Close.
    void Init(const TEinfachBauteil* bauteil);
    void Close();

    void SetPosition(int x, int y);
    int GetTotalActSize() const;       // mm
    double ScaleSize(int total) const; // drawing units per mm
    // Also used by the hatches that clip themselves.
    static void ResetClipping(TDC& dc);
    // Clip region of the rectangle (right and bottom included); 0 error,
    // 1 empty, 2 simple.
    static int DoClipping(TDC& dc, int left, int top, int right, int bottom, bool toDevice);

    // `rect` is the page area being drawn (its left/top are subtracted
    // before clipping when drawing directly); `direct` draws straight into
    // dc (printing) instead of through an off-screen bitmap (screen).
    void PrepareDraw(TDC& dc, TRect rect, bool upright, bool reversed, bool direct,
                     TBtGrafikGroessen* graphic, TBtSeitenGroessen* page, bool noVapourDiagram);

    // The hatch class number of a material's graphic kind, and the hatch it stands for.
    static int SetBaustoffGrafikKlasse(int art);
    static std::unique_ptr<TBaustoffGrafik> NeueBaustoffGrafik(int klasse, int dicke);

    // Annotations.
    void DrawSkala(TDC& dc, TRect scale, int total, bool direct, bool upright);
    void y_PositionBestimmen(TDC& dc, int total, int offset, bool upright);
    void yPosBeschriftungBestimmen(int from, int to, int offset, int textHeight);
    void Achse(TDC& dc, TPoint start, TPoint end, int offset, bool upright);
    void Numerierung(TDC& dc, TPoint at, int offset, bool withFaces);
    void Beschriftung(TDC& dc, TPoint at, int bottom, int offset, bool upright);
    void Bemassung(TDC& dc, TPoint at, int offset, bool upright);
    void DrawTextWithCircle(TDC& dc, int x, int y, const std::string& text);
    // Upright layout: the area below the bands that the layer numbers, their
    // leader lines and the word at the outer face take (page coordinates).
    TRect NummernBereich(TDC& dc, int offset);
    void DrawTemperatur(TDC& dc, int xOffset, int yOffset);
    void DrawTemperaturHochkant(TDC& dc, int xOffset, int yOffset);
    void DrawTemperaturRectangle(TDC& dc, const std::string& text, int x, int y, const TPen& pen);
    // One entry per point (n + 3): 1 where a temperature label is drawn.
    void CalcObTemperaturZeichnen(std::vector<int>& show) const;

    // The hatches in the layers' order (first = inside layer), and in drawing order.
    const std::vector<std::unique_ptr<TBaustoffGrafik>>& Schraffuren() const {
        return schraffuren_;
    }
    std::vector<TBaustoffGrafik*> Zeichenfolge() const;
    const TGlaserGrafik* Glaser() const { return glaser_.get(); }
    bool HatGlaser() const { return glaser_ != nullptr; }

    bool bReserviert = true;
    bool bGlaserAnzeigen = true;     // from the page settings, per PrepareDraw
    bool bTemperaturAnzeigen = true; // same
    int Beschriftungsmass = 14;      // label font's height (horizontal) or char width (upright)
    std::vector<int> NummerPositionen;
    std::vector<int> BeschriftungPositionen;
    double ThetaI = 0; // °C
    double ThetaE = 0; // °C
    double PsI = 0;    // saturation pressure at ThetaI, Pa
    double PsE = 0;    // Pa
    double PI = 0;     // inside partial vapour pressure, Pa
    double PE = 0;     // Pa
    int UrsprungX = 0;
    int UrsprungY = 0;
    int BlockX = 20;
    int BlockY = 50;
    int Zeichengroesse = 270;
    int Schichtlaenge = 270;  // band extent across the section, horizontal layout
    int Hochkantlaenge = 220; // band extent in the upright layout; reference of the scale
    bool bUmgekehrt = false;

    // Valid only during one PrepareDraw.
    static TBtGrafikGroessen* spBtGG;
    static TBtSeitenGroessen* spBtSG;

private:
    int Schichtanzahl() const { return int(schraffuren_.size()); }
    int wortAussenX(TDC& dc, int offset) const;
    // Entry j of the vapour diagram's temperature list, 0 when there is none.
    double T(int j) const;

    std::vector<std::unique_ptr<TBaustoffGrafik>> schraffuren_;
    std::unique_ptr<TGlaserGrafik> glaser_;
};
