#pragma once
// The MDI child that shows the Glaser diagram of one area range on screen,
// scrolls it with the bars and the keys, and prints and previews it.
#include "tauplot/diagramm/TDiagrammWindow.h"

class TBauteilGlaser;
class TBtGrafikGroessen;
class TBtTextGroessen;
class TUnterlegungsGroessen;

class TBauteilGlaserWindow : public TDiagrammWindow {
public:
    TBauteilGlaserWindow(TMDIClient& parent, std::string_view title, TPrinter* printer,
                         const char* projectName, TRBauteil* bauteil, int bereich, TKlima* klima,
                         std::vector<TWindow*>* openWindows, TBtGrafikGroessen* grafik,
                         TBtTextGroessen* text, TUnterlegungsGroessen* unterlegung);
    ~TBauteilGlaserWindow() override;

    void Paint(TDC& dc, bool erase, TRect& rect) override;
    void EvVScroll(uint32_t code, int thumbPos, HWND control) override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    std::unique_ptr<TPrintout> Ausdruck(std::string_view title) override;

    TBauteilGlaser& Glaser() const { return *glaser_; }
    // Lines per page: a twelfth of the client height.
    int Seite() const;

private:
    std::unique_ptr<TBauteilGlaser> glaser_;
    TBtGrafikGroessen* grafik_;
    TBtTextGroessen* text_;
    TUnterlegungsGroessen* unterlegung_;
};
