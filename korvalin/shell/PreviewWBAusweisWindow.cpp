#include "korvalin/shell/PreviewWBAusweisWindow.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"

PreviewWBAusweisWindow::PreviewWBAusweisWindow(TWindow* parent, TPrinter* printer,
                                               korpusMDIChild* fenster, std::string_view title,
                                               TLayoutWindow* client)
    : VorschauRahmen(
          parent, printer, fenster, title, client,
          std::make_unique<TWBAusweisPrintOut>(printer, "Druckvorschau", fenster, true)) {
    // It has no done button: its caption's close box ends it.
    Attr().Style = WS_POPUP | WS_CAPTION | WS_SYSMENU; // shown by its modal loop
}

void PreviewWBAusweisWindow::SetupWindow() {
    VorschauRahmen::SetupWindow();
    Sperren(CM_VORSCHAU_ZURUECK);
    if (Druckbereich().cx > Druckbereich().cy) Sperren(CM_VORSCHAU_ZWEI_SEITEN);
}

void PreviewWBAusweisWindow::EvClose() {
    Beenden();
}

bool PreviewWBAusweisWindow::SeiteNachHoehe(TSize) const {
    return Druckbereich().cx <= Druckbereich().cy;
}

int PreviewWBAusweisWindow::SeitenProzent(bool nachHoehe) const {
    const TSize ext = Druckbereich();
    if (ext.cx <= 0 || ext.cy <= 0) return 100;
    return nachHoehe ? ext.cx * 95 / ext.cy : ext.cy * 100 / ext.cx;
}
