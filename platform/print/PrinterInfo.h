#pragma once
// What the program asks of the system's default printer. Through the
// application state, so tests say which printer there is.
#include <optional>

class PrinterInfoService {
public:
    virtual ~PrinterInfoService() = default;
    // The default printer's number of colours (2 for black and white), or
    // nullopt when there is no default printer.
    virtual std::optional<int> DefaultPrinterColors() = 0;
};

PrinterInfoService& PrinterInfo();
