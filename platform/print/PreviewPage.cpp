#include "platform/print/PreviewPage.h"

#include "platform/gdi/ImageDC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/ControlBar.h"
#include "platform/window/SeparatorGadget.h"
#include "platform/window/TextGadget.h"
#include "platform/window/detail/WindowImpl.h"

#include <algorithm>
#include <cmath>

namespace {

// One page as a job of its own: the print-out learns its range on the way.
void runPage(TPrintout& printout, TDC& dc, TSize size, int page) {
    printout.SetPrintParams(&dc, size);
    if (page <= 0 || !printout.HasPage(page)) return;
    printout.BeginPrinting();
    printout.BeginDocument(page, page, 0);
    TRect rect(0, 0, size.cx, size.cy);
    printout.PrintPage(page, rect, 0);
    printout.EndDocument();
    printout.EndPrinting();
}

} // namespace

TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, TSize size) {
    const TDeviceCaps caps = printer.PdfCaps(printout);
    if (size.cx <= 0 || size.cy <= 0 || caps.height <= 0) return {};
    // Fonts sized by LOGPIXELSY shrink with the page.
    const int dpi = std::max(1, int(std::lround(double(caps.dpiY) * size.cy / caps.height)));
    TImageDC dc(size.cx, size.cy, dpi);
    runPage(printout, dc, size, page);
    return dc.GetPixels();
}

TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, int widthPixels) {
    const TDeviceCaps caps = printer.PdfCaps(printout);
    if (widthPixels <= 0 || caps.width <= 0) return {};
    const int height =
        std::max(1, int(std::lround(caps.height * double(widthPixels) / caps.width)));
    return RenderPreviewPage(printer, printout, page, TSize{widthPixels, height});
}

TPreviewPage::TPreviewPage(TWindow* parent, TPrintout& printout, const TPrinter& printer, int page)
    : TWindow(parent), printout_(printout), printer_(printer), page_(page) {}

void TPreviewPage::SetupWindow() {
    TWindow::SetupWindow();
    render();
}

void TPreviewPage::SetPageNumber(int page) {
    page_ = page;
    render();
}

const TBitmap& TPreviewPage::Picture() {
    if (picture_.Size() != GetClientRect().Size()) render();
    return picture_;
}

void TPreviewPage::render() {
    const TSize size = GetClientRect().Size();
    if (size.cx > 0 && size.cy > 0) {
        picture_ = RenderPreviewPage(printer_, printout_, page_, size);
    } else {
        // Not placed yet: the print-out still runs, so that the page range
        // is known before the first paint.
        TMeasuringDC dc(printer_.PdfCaps(printout_));
        const TDeviceCaps caps = printer_.PdfCaps(printout_);
        runPage(printout_, dc, {caps.width, caps.height}, page_);
        picture_ = {};
    }
    if (IsCreated()) Invalidate(false);
    // The print-out may have changed what the frame's buttons offer.
    window_detail::RequestIdleUpdate();
}

void TPreviewPage::EvSize(uint32_t sizeType, const TSize& size) {
    TWindow::EvSize(sizeType, size);
    if (picture_.Size() != size) render();
}

void TPreviewPage::Paint(TDC& dc, bool, TRect&) {
    const TBitmap& picture = Picture();
    if (picture.IsNull()) return;
    TImageDC source(picture, 96);
    dc.BitBlt(TRect(0, 0, picture.Width(), picture.Height()), source, {0, 0});
}

// --- The frame around preview pages ---

TTextGadget* InsertPreviewButtons(TControlBar& bar, const TPreviewCommands& ids) {
    auto knopf = [&](int befehl, TButtonGadget::TType art, TButtonGadget::TState zustand) {
        bar.Insert(new TButtonGadget(befehl, befehl, art, true, zustand));
    };
    knopf(ids.back, TButtonGadget::Command, TButtonGadget::Up);
    knopf(ids.next, TButtonGadget::Command, TButtonGadget::Up);
    bar.Insert(new TSeparatorGadget(6));
    knopf(ids.onePage, TButtonGadget::Exclusive, TButtonGadget::Down);
    knopf(ids.twoPages, TButtonGadget::Exclusive, TButtonGadget::Up);
    bar.Insert(new TSeparatorGadget(12));
    auto* text = new TTextGadget(ids.pageText, TGadget::Recessed, TTextGadget::Left, 10, "Seite 1");
    bar.Insert(text);
    return text;
}

void CoverParentClientArea(TWindow& preview, TWindow* parent) {
    if (!parent || !parent->IsCreated()) return;
    const TRect flaeche = parent->GetClientRect();
    const TPoint ecke = parent->ClientToScreen({-1, -1});
    preview.Attr().X = ecke.x;
    preview.Attr().Y = ecke.y;
    preview.Attr().W = flaeche.Width() + 2;
    preview.Attr().H = flaeche.Height() + 2;
}

std::string PreviewPageText(const TPrintSetup& setup, bool twoPages) {
    std::string text = "Seite " + std::to_string(setup.FromPage);
    if (twoPages && setup.FromPage != setup.ToPage) text += " - " + std::to_string(setup.ToPage);
    return text;
}
