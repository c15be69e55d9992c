#pragma once
// A device context that paints nothing and measures as the screen, image,
// printer and PDF device contexts do (the same fonts, the same mapping), for
// layout passes that must agree with the painting that follows. By default
// it is the reference screen; given a printer's caps it measures as that
// printer.
#include "platform/gdi/DC.h"
#include "platform/gdi/ReferenceScreen.h"

class TMeasuringDC : public TDC {
public:
    explicit TMeasuringDC(const TDeviceCaps& caps = ReferenceScreenCaps()) : TDC(caps) {}

protected:
    void Execute(const TDrawCall&) override {}
    TSize MeasureText(const LOGFONT& deviceFont, std::string_view text) const override;
    TEXTMETRIC DeviceMetrics(const LOGFONT& deviceFont) const override;
};
