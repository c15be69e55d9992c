#include "hilfsmittel/PrinterQuery.h"

#include "platform/print/PrinterInfo.h"
#include "platform/services/MessageBox.h"

bool IsColorPrinter() {
    const auto colors = PrinterInfo().DefaultPrinterColors();
    if (!colors) {
        MessageBox("GetPrinterIC: Kann ProfileString nicht lesen", "Fehler",
                   MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return *colors >= 3;
}
