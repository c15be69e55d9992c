#include "korvalin/shell/TKorpusPrintout.h"

#include "korvalin/shell/korpusMDIChild.h"
#include "platform/gdi/DC.h"
#include "platform/print/Printer.h"
#include "tauplot/diagramm/TText.h"

TKorpusPrintout::TKorpusPrintout(TPrinter* printer, std::string_view title, korpusMDIChild* window,
                                 bool scale)
    : TPrintout(std::string(title)), Window(window), Scale(scale), Printer(printer) {}

void TKorpusPrintout::GetDialogInfo(int& minPage, int& maxPage, int& selFromPage, int& selToPage) {
    minPage = 1;
    maxPage = Window->Seitenlayout().Seitenanzahl;
    selFromPage = 0;
    selToPage = 1;
}

void TKorpusPrintout::BeginPrinting() {
    // Only the bounds: from and to page are what the user chose.
    TPrintSetup& setup = Printer->GetSetup();
    setup.MinPage = 1;
    setup.MaxPage = Window->Seitenlayout().Seitenanzahl;
    TPrintout::BeginPrinting();
}

bool TKorpusPrintout::HasPage(int page) {
    const TPrintSetup& setup = Printer->GetSetup();
    return setup.MinPage <= page && page <= setup.MaxPage;
}

void TKorpusPrintout::PrintPage(int page, TRect& rect, unsigned) {
    TText& text = Window->Seitenlayout();
    text.Drucken = true;
    text.VOffset = text.SeitenHoehe * (page - 1);
    text.Seite = page - 1;
    const bool scale = Scale && text.SeitenBreite > 0 && text.SeitenHoehe > 0;
    if (scale) Map({text.SeitenBreite, text.SeitenHoehe}, {0, 0});
    Window->Paint(*DC, false, rect);
    if (scale) Restore();
    text.Drucken = false;
}

std::optional<TOrientation> TKorpusPrintout::PageOrientation() const {
    const TText& text = Window->Seitenlayout();
    if (text.SeitenBreite <= 0 || text.SeitenHoehe <= 0) return std::nullopt;
    return text.SeitenBreite > text.SeitenHoehe ? TOrientation::Landscape : TOrientation::Portrait;
}

void TKorpusPrintout::Map(TSize windowExt, TPoint windowOrg) {
    saved_.mode = DC->SetMapMode(MapMode);
    // The window extent first: an isotropic mapping fits the viewport to it.
    DC->SetWindowExt(windowExt, &saved_.windowExt);
    DC->SetViewportExt(PageSize, &saved_.viewportExt);
    DC->SetViewportOrg({0, 0}, &saved_.viewportOrg);
    DC->SetWindowOrg(windowOrg, &saved_.windowOrg);
}

void TKorpusPrintout::Restore() {
    DC->SetViewportExt(saved_.viewportExt);
    DC->SetWindowExt(saved_.windowExt);
    DC->SetMapMode(saved_.mode);
    DC->SetViewportOrg(saved_.viewportOrg);
    DC->SetWindowOrg(saved_.windowOrg);
}
