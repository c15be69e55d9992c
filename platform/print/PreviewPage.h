#pragma once
// Print preview: one page of a print-out painted into a picture, as the
// printer would print it (resolution and sizes are the printer's, scaled).
// A page the print-out does not have stays white; the print-out is run as
// for one page of a job (HasPage, BeginPrinting .. EndPrinting), so that it
// can tell the printer its page range.
#include "platform/gdi/Bitmap.h"
#include "platform/window/Window.h"

#include <string>

class TPrinter;
class TPrintout;

// The picture of the given size.
TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, TSize size);
// The given width; the height follows the sheet's proportions.
TBitmap RenderPreviewPage(const TPrinter& printer, TPrintout& printout, int page, int widthPixels);

// A window that shows one page of a print-out in its client area. The page
// is rendered when its number is set and when the window's size changes;
// page 0 is an empty page.
class TPreviewPage : public TWindow {
public:
    TPreviewPage(TWindow* parent, TPrintout& printout, const TPrinter& printer, int page);

    void SetPageNumber(int page);
    int GetPageNumber() const { return page_; }
    // The page as shown, rendered again when the size changed.
    const TBitmap& Picture();

    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void Paint(TDC& dc, bool erase, TRect& rect) override;

private:
    void render();
    TPrintout& printout_;
    const TPrinter& printer_;
    int page_;
    TBitmap picture_;
};

// --- The frame around preview pages ---
class TControlBar;
class TTextGadget;
struct TPrintSetup;

// The commands of a preview's tool bar.
struct TPreviewCommands {
    int back, next, onePage, twoPages, pageText;
};
// Back and next, one page (down) and two pages, then the page text "Seite 1".
TTextGadget* InsertPreviewButtons(TControlBar& bar, const TPreviewCommands& ids);
// A preview covers its parent's client area, one unit beyond each edge.
void CoverParentClientArea(TWindow& preview, TWindow* parent);
// "Seite 3", or "Seite 3 - 4" while two different pages are shown.
std::string PreviewPageText(const TPrintSetup& setup, bool twoPages);
