#include "platform/gdi/RecordingDC.h"

#include "platform/gdi/QtFonts.h"

#include <cstdlib>

namespace {
TDeviceCaps ScreenCaps() {
    TDeviceCaps caps;
    caps.width = 1000;
    caps.height = 1000;
    return caps;
}

size_t CountCharacters(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((uint8_t(c) & 0xC0) != 0x80) ++n;
    return n;
}
} // namespace

TEXTMETRIC FakeTextMetrics(const LOGFONT& f) {
    TEXTMETRIC m;
    int32_t h = std::abs(f.lfHeight);
    int32_t charHeight = f.lfHeight < 0 ? h : h - h / 5;
    m.tmHeight = f.lfHeight < 0 ? h + h / 4 : h;
    m.tmInternalLeading = m.tmHeight - charHeight;
    m.tmDescent = m.tmHeight / 5;
    m.tmAscent = m.tmHeight - m.tmDescent;
    m.tmAveCharWidth = f.lfWidth > 0 ? f.lfWidth : charHeight / 2;
    m.tmMaxCharWidth = m.tmAveCharWidth;
    SetMetricStyle(m, f);
    return m;
}

TSize FakeTextExtent(const LOGFONT& f, std::string_view text) {
    TEXTMETRIC m = FakeTextMetrics(f);
    const int32_t charHeight = m.tmHeight - m.tmInternalLeading;
    // Half the character height per character, rounded once for the run.
    const int64_t doubled = int64_t(CountCharacters(text)) *
                            (f.lfWidth > 0 ? 2 * int64_t(f.lfWidth) : int64_t(charHeight));
    return {int32_t((doubled + 1) / 2), m.tmHeight};
}

TRecordingDC::TRecordingDC(TMetricMode metrics) : TRecordingDC(metrics, ScreenCaps()) {}

TRecordingDC::TRecordingDC(TMetricMode metrics, const TDeviceCaps& caps)
    : TDC(caps), metrics_(metrics) {}

TSize TRecordingDC::MeasureText(const LOGFONT& f, std::string_view text) const {
    return metrics_ == TMetricMode::Fake ? FakeTextExtent(f, text) : QtTextExtent(f, text);
}

TEXTMETRIC TRecordingDC::DeviceMetrics(const LOGFONT& f) const {
    return metrics_ == TMetricMode::Fake ? FakeTextMetrics(f) : QtTextMetrics(f);
}

std::vector<TDrawCall> TRecordingDC::CallsOf(TDrawKind kind) const {
    std::vector<TDrawCall> out;
    for (const TDrawCall& c : calls_)
        if (c.kind == kind) out.push_back(c);
    return out;
}

std::string TRecordingDC::Dump() const {
    std::string out;
    for (const TDrawCall& c : calls_) {
        out += DrawKindName(c.kind);
        for (TPoint p : c.device)
            out += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
        if (!c.text.empty()) out += " \"" + c.text + "\"";
        out += '\n';
    }
    return out;
}
