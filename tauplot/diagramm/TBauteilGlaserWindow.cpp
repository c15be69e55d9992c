#include "tauplot/diagramm/TBauteilGlaserWindow.h"

#include "platform/gdi/ReferenceScreen.h"
#include "platform/print/Printout.h"
#include "platform/window/Application.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Scroller.h"
#include "tauplot/diagramm/DiagrammDruck.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

TBauteilGlaserWindow::TBauteilGlaserWindow(TMDIClient& parent, std::string_view title,
                                           TPrinter* printer, const char* projectName,
                                           TRBauteil* bauteil, int bereich, TKlima* klima,
                                           std::vector<TWindow*>* openWindows,
                                           TBtGrafikGroessen* grafik, TBtTextGroessen* text,
                                           TUnterlegungsGroessen* unterlegung)
    : TDiagrammWindow(parent, title, printer, projectName, bauteil, bereich, klima, openWindows),
      glaser_(std::make_unique<TBauteilGlaser>(grafik, text, unterlegung)), grafik_(grafik),
      text_(text), unterlegung_(unterlegung) {
    // The diagram is drawn for the whole screen: the bars reach the rest of it.
    ShowScrollBar(SB_BOTH);
    SetScroller(std::make_unique<TScroller>(this, 7, 12, 10, 25));
}

TBauteilGlaserWindow::~TBauteilGlaserWindow() = default;

void TBauteilGlaserWindow::Paint(TDC& dc, bool, TRect&) {
    if (TScroller* s = GetScroller()) {
        s->SetUnits(7, 12);
        s->SetRange(10, 25);
    }
    const TSize schirm = kReferenceScreenSize;
    TRect r(int(0.02 * schirm.cx), int(0.02 * schirm.cy), int(0.95 * schirm.cx), schirm.cy);
    glaser_->PaintGlaser(dc, r, Bauteil_, Bereich_, Projektname.c_str(), grafik_, text_,
                         unterlegung_, 0, 0);
}

int TBauteilGlaserWindow::Seite() const {
    return GetClientRect().Height() / 12;
}

void TBauteilGlaserWindow::EvVScroll(uint32_t code, int thumbPos, HWND) {
    TScroller* s = GetScroller();
    if (!s) return;
    switch (code) {
    case SB_LINEUP:
        s->ScrollBy(0, -2);
        break;
    case SB_LINEDOWN:
        s->ScrollBy(0, 2);
        break;
    case SB_PAGEUP:
        s->ScrollBy(0, -Seite());
        break;
    case SB_PAGEDOWN:
        s->ScrollBy(0, Seite());
        break;
    case SB_THUMBTRACK:
        s->ScrollTo(0, thumbPos);
        break;
    default:
        break;
    }
}

void TBauteilGlaserWindow::EvKeyDown(uint32_t key, uint32_t, uint32_t) {
    TScroller* s = GetScroller();
    if (!s) return;
    const bool strg = IsKeyDown(VK_CONTROL);
    switch (key) {
    case VK_PRIOR:
        s->ScrollBy(0, -Seite());
        break;
    case VK_NEXT:
    case VK_F6:
    case VK_F7:
        s->ScrollBy(0, Seite());
        break;
    case VK_HOME:
        if (strg)
            s->ScrollTo(s->GetXPos(), 0);
        else
            s->ScrollTo(0, s->GetYPos());
        break;
    case VK_END:
        if (strg)
            s->ScrollTo(s->GetXPos(), s->GetYRange());
        else
            s->ScrollTo(s->GetXRange(), s->GetYPos());
        break;
    case VK_LEFT:
        s->ScrollBy(-2, 0);
        break;
    case VK_RIGHT:
        s->ScrollBy(2, 0);
        break;
    case VK_UP:
        s->ScrollBy(0, -2);
        break;
    case VK_DOWN:
    case VK_SCROLL:
        s->ScrollBy(0, 2);
        break;
    default:
        break;
    }
}

std::unique_ptr<TPrintout> TBauteilGlaserWindow::Ausdruck(std::string_view title) {
    return std::make_unique<TBauteilGlaserPrintOut>(&Drucker(), title, this, true);
}
