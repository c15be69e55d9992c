#pragma once
// The default printer a test says there is: none until told.
#include "platform/print/PrinterInfo.h"

namespace testsupport {

class FixedPrinterInfoService : public PrinterInfoService {
public:
    void SetDefaultPrinterColors(std::optional<int> colors) { colors_ = colors; }
    std::optional<int> DefaultPrinterColors() override { return colors_; }

private:
    std::optional<int> colors_;
};

} // namespace testsupport
