#include "platform/print/PreviewPage.h"

#include "platform/gdi/ImageDC.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"

#include <cmath>

TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, int widthPixels) {
    const TDeviceCaps caps = printer.PdfCaps();
    if (widthPixels <= 0 || caps.width <= 0) return {};
    const double scale = double(widthPixels) / caps.width;
    const int height = std::max(1, int(std::lround(caps.height * scale)));
    const int dpi = std::max(1, int(std::lround(caps.dpiY * scale)));
    TImageDC dc(widthPixels, height, dpi);
    printout.SetPrintParams(&dc, {widthPixels, height});
    TRect rect(0, 0, widthPixels, height);
    printout.PrintPage(page, rect, 0);
    return dc.GetPixels();
}
