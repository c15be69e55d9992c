#pragma once
// The print-out of a view (data sheets; the certificate derives from it). It
// draws nothing itself: for each page it tells the view's page layout which
// page is printed, maps the logical page onto the printer page and calls the
// view's Paint with the printer's device context. Printer and preview alike.
#include "platform/gdi/LogRecords.h"
#include "platform/print/Printout.h"

#include <string_view>

class TPrinter;
class korpusMDIChild;

class TKorpusPrintout : public TPrintout {
public:
    TKorpusPrintout(TPrinter* printer, std::string_view title, korpusMDIChild* window, bool scale);

    // Pages 1 to the view's page count; the range the user sets in the print
    // dialog is kept.
    void GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) override;
    void BeginPrinting() override;
    bool HasPage(int page) override;
    void PrintPage(int page, TRect& rect, unsigned flags) override;
    // A page laid out wider than high goes on landscape paper.
    std::optional<TOrientation> PageOrientation() const override;

protected:
    // The logical rectangle of the window extent at origin onto the whole
    // device page; Restore puts the device's own mapping back.
    void Map(TSize windowExt, TPoint windowOrg);
    void Restore();

    korpusMDIChild* Window;
    bool Scale;
    TPrinter* Printer;
    int MapMode = MM_ANISOTROPIC;

private:
    struct Saved {
        int mode = MM_TEXT;
        TSize viewportExt, windowExt;
        TPoint viewportOrg, windowOrg;
    } saved_;
};
