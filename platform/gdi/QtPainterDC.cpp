#include "platform/gdi/QtPainterDC.h"

#include "platform/gdi/QtBackend.h"
#include "platform/gdi/QtFonts.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

class PainterDC : public TDC {
public:
    PainterDC(QPainter& painter, const TDeviceCaps& caps)
        : TDC(caps), painter_(painter), backend_(&painter) {
        painter_.save();
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    ~PainterDC() override { painter_.restore(); }

protected:
    void Execute(const TDrawCall& call) override { backend_.Paint(call); }
    TSize MeasureText(const LOGFONT& f, std::string_view text) const override {
        return QtTextExtent(f, text);
    }
    TEXTMETRIC DeviceMetrics(const LOGFONT& f) const override { return QtTextMetrics(f); }

private:
    QPainter& painter_;
    PainterBackend backend_;
};

} // namespace

std::unique_ptr<TDC> MakePainterDC(QPainter& painter) {
    TDeviceCaps caps;
    if (QPaintDevice* device = painter.device()) {
        caps.dpiX = device->logicalDpiX();
        caps.dpiY = device->logicalDpiY();
        caps.width = device->width();
        caps.height = device->height();
    }
    return MakePainterDC(painter, caps);
}

std::unique_ptr<TDC> MakePainterDC(QPainter& painter, const TDeviceCaps& caps) {
    return std::make_unique<PainterDC>(painter, caps);
}
