// Paints the drawing layer's test page to PNG and PDF, to look at:
//     render-demo [output folder]   (default: the current folder)
// writes "testseite.png" (A4 at 150 dpi) and "testseite.pdf" (one page, 600 dpi).
#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/print/TestPage.h"
#include "platform/window/QtRuntime.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QtRuntime qt(argc, argv);
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";

    TPrinter printer;
    TTestPagePrintout page;
    TBitmap picture = RenderPreviewPage(printer, page, 1, 1240);
    FileResult png = picture.SavePng(folder / "testseite.png");
    if (!png) {
        std::fprintf(stderr, "%s\n", png.error.c_str());
        return 1;
    }
    TPrintResult pdf = printer.PrintToPdf(page, folder / "testseite.pdf");
    if (!pdf) {
        std::fprintf(stderr, "%s\n", pdf.error.c_str());
        return 1;
    }
    std::printf("%s\n%s\n", (folder / "testseite.png").c_str(), (folder / "testseite.pdf").c_str());
    return 0;
}
