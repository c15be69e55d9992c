#pragma once
// The print-out of the heat demand certificate: page n is the n-th band of
// the page height on the certificate's one long page, a tenth wider than the
// page so that nothing at the right edge is cut, mapped without distortion.
#include "korvalin/shell/TKorpusPrintout.h"

class TWBAusweisPrintOut : public TKorpusPrintout {
public:
    TWBAusweisPrintOut(TPrinter* printer, std::string_view title, korpusMDIChild* window,
                       bool scale);
    void PrintPage(int page, TRect& rect, unsigned flags) override;
};
