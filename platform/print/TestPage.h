#pragma once
// A page with every drawing primitive of the layer, for looking at what the
// backends make of them (tools/render-demo) and for the rendering tests. It
// maps a logical page of 891 x 1260 units onto the page, as the data sheets do.
#include "platform/print/Printout.h"

class TDC;

constexpr TSize kTestPageLogical{891, 1260};

void PaintTestPage(TDC& dc, TSize devicePage);

class TTestPagePrintout : public TPrintout {
public:
    TTestPagePrintout() : TPrintout("Testseite") {}
    void PrintPage(int page, TRect& rect, unsigned flags) override;
};
