#include "platform/print/PrinterInfo.h"

#include "platform/services/Services.h"

#include <QPrinterInfo>

namespace {

class QtPrinterInfoService : public PrinterInfoService {
public:
    std::optional<int> DefaultPrinterColors() override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return std::nullopt;
        // Qt knows colour or grey only; a colour printer has at least the
        // three primaries.
        return info.supportedColorModes().contains(QPrinter::Color) ? 256 : 2;
    }
};

} // namespace

PrinterInfoService& PrinterInfo() {
    auto& s = CurrentServices();
    if (!s.printerInfo) s.printerInfo = std::make_shared<QtPrinterInfoService>();
    return *s.printerInfo;
}
