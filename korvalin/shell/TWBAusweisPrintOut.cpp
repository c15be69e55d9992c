#include "korvalin/shell/TWBAusweisPrintOut.h"

#include "korvalin/shell/korpusMDIChild.h"
#include "tauplot/diagramm/TText.h"

TWBAusweisPrintOut::TWBAusweisPrintOut(TPrinter* printer, std::string_view title,
                                       korpusMDIChild* window, bool scale)
    : TKorpusPrintout(printer, title, window, scale) {
    // Isotropic: a stretched page would stretch the certificate's text.
    MapMode = MM_ISOTROPIC;
}

void TWBAusweisPrintOut::PrintPage(int page, TRect&, unsigned) {
    TText& text = Window->Seitenlayout();
    text.Drucken = true;
    text.VOffset = text.SeitenHoehe * page;
    text.ScrollPosition = text.ZeilenProSeite * page;
    const bool scale = Scale && text.SeitenBreite > 0 && text.SeitenHoehe > 0;
    if (scale)
        Map({int32_t(text.SeitenBreite * 1.1), text.SeitenHoehe},
            {0, (page - 1) * text.SeitenHoehe});
    // The certificate lays out every page anew: it gets the whole page.
    TRect seite(0, 0, PageSize.cx, PageSize.cy);
    Window->Paint(*DC, false, seite);
    if (scale) Restore();
    text.Drucken = false;
}
