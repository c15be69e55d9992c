#include "tauplot/diagramm/DiagrammDruck.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/print/Printer.h"
#include "tauplot/diagramm/TBauteilGlaserWindow.h"
#include "tauplot/diagramm/TBauteilTempWindow.h"

TDiagrammPrintOut::TDiagrammPrintOut(TPrinter* printer, std::string_view title,
                                     TDiagrammWindow* window, bool scale)
    : TPrintout(std::string(title)), Printer(printer), Window(window), Scale(scale),
      MapMode(MM_ISOTROPIC) {}

// Pages 1 to 1: a first page of 0, as the diagrams once reported, would start
// the print loop at a page that does not exist and print nothing.
void TDiagrammPrintOut::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage,
                                      int& selToPage) {
    minPage = maxPage = 1;
    selFromPage = selToPage = 1;
}

bool TDiagrammPrintOut::HasPage(int page) {
    return page == 1;
}

void TDiagrammPrintOut::PrintPage(int, TRect& rect, unsigned) {
    if (!DC || !Window) return;
    int modus = 0;
    TSize fensterAusdehnung, sichtAusdehnung;
    TPoint fensterUrsprung;
    if (Scale) {
        modus = DC->SetMapMode(MapMode);
        // The window extent first: an isotropic mapping fits the viewport to it.
        DC->SetWindowExt(kReferenceScreenSize, &fensterAusdehnung);
        DC->SetViewportExt(PageSize, &sichtAusdehnung);
        DC->SetWindowOrg({0, -100}, &fensterUrsprung);
    }
    TRect bereich = rect;
    Window->Paint(*DC, false, bereich);
    if (Scale) {
        DC->SetViewportExt(sichtAusdehnung);
        DC->SetWindowExt(fensterAusdehnung);
        DC->SetWindowOrg(fensterUrsprung);
        DC->SetMapMode(modus);
    }
}

TBauteilGlaserPrintOut::TBauteilGlaserPrintOut(TPrinter* printer, std::string_view title,
                                               TBauteilGlaserWindow* window, bool scale)
    : TDiagrammPrintOut(printer, title, window, scale) {}

TBauteilTempPrintOut::TBauteilTempPrintOut(TPrinter* printer, std::string_view title,
                                           TBauteilTempWindow* window, bool scale)
    : TDiagrammPrintOut(printer, title, window, scale), temp_(window) {}

void TBauteilTempPrintOut::PrintPage(int page, TRect& rect, unsigned flags) {
    if (temp_) temp_->Druckt = true;
    TDiagrammPrintOut::PrintPage(page, rect, flags);
    if (temp_) temp_->Druckt = false;
}
