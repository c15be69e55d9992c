#pragma once
// A device context that paints nothing and records every call: its
// arguments, the device coordinates they map to, and the pen, brush, font,
// colours and clip it would be drawn with. Text is measured either with the
// real fonts (as the screen and printer measure) or with fixed fake metrics,
// so that layout tests need no installed font:
//   a negative height -h gives character height h and cell height h + h/4,
//   a positive height h gives cell height h and character height h - h/5,
//   every character advances half the character height, the descent is a
//   fifth of the cell.
#include "platform/gdi/DC.h"
#include "platform/gdi/DrawCall.h"

#include <string>
#include <vector>

enum class TMetricMode { Real, Fake };

class TRecordingDC : public TDC {
public:
    // Default device: a 1000 x 1000 screen at 96 pixels per inch.
    explicit TRecordingDC(TMetricMode metrics = TMetricMode::Fake);
    TRecordingDC(TMetricMode metrics, const TDeviceCaps& caps);

    const std::vector<TDrawCall>& Calls() const { return calls_; }
    std::vector<TDrawCall> CallsOf(TDrawKind kind) const;
    void Clear() { calls_.clear(); }
    // One line per call, for test messages.
    std::string Dump() const;

protected:
    void Execute(const TDrawCall& call) override { calls_.push_back(call); }
    TSize MeasureText(const LOGFONT& deviceFont, std::string_view text) const override;
    TEXTMETRIC DeviceMetrics(const LOGFONT& deviceFont) const override;

private:
    TMetricMode metrics_;
    std::vector<TDrawCall> calls_;
};

// The fake metrics on their own, for tests that compute expected layouts.
TEXTMETRIC FakeTextMetrics(const LOGFONT& deviceFont);
TSize FakeTextExtent(const LOGFONT& deviceFont, std::string_view text);
