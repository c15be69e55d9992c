#include "platform/gdi/MeasuringDC.h"

#include "platform/gdi/QtFonts.h"

TSize TMeasuringDC::MeasureText(const LOGFONT& f, std::string_view text) const {
    return QtTextExtent(f, text);
}

TEXTMETRIC TMeasuringDC::DeviceMetrics(const LOGFONT& f) const {
    return QtTextMetrics(f);
}
