#include "korvalin/shell/TKorpusPreviewWindow.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/korpusMDIChild.h"
#include "platform/print/Printer.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlBar.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/SeparatorGadget.h"

#include <cstdint>

TKorpusPreviewWindow::TKorpusPreviewWindow(TWindow* parent, TPrinter* printer,
                                           korpusMDIChild* fenster, std::string_view title,
                                           TLayoutWindow* client)
    : VorschauRahmen(parent, printer, fenster, title, client,
                     std::make_unique<TKorpusPrintout>(printer, "Druckvorschau", fenster, true)) {
    TControlBar& leiste = Werkzeugleiste();
    leiste.Insert(new TSeparatorGadget(20));
    leiste.Insert(new TButtonGadget(CM_FILEPRINT, CM_FILEPRINT, TButtonGadget::Command, true));
    leiste.Insert(new TSeparatorGadget(20));
    leiste.Insert(
        new TButtonGadget(CM_VORSCHAU_FERTIG, CM_VORSCHAU_FERTIG, TButtonGadget::Command, true));

    Responses().Command(CM_VORSCHAU_FERTIG, [this] { Beenden(); });
    Responses().Command(CM_FILEPRINT, [this] {
        // The view prints through its own command, with its print dialog.
        AktuellesFenster->SendMessage(WM_COMMAND, CM_FILEPRINT);
        Beenden();
    });
    Responses().CommandEnable(CM_VORSCHAU_ZURUECK, [this](TCommandEnabler& ce) {
        ce.Enable(Drucker->GetSetup().FromPage != 1);
    });
    Responses().CommandEnable(CM_VORSCHAU_VOR, [this](TCommandEnabler& ce) {
        ce.Enable(Drucker->GetSetup().ToPage != Drucker->GetSetup().MaxPage);
    });
    Responses().CommandEnable(CM_FILEPRINT, [](TCommandEnabler& ce) { ce.Enable(true); });
}

bool TKorpusPreviewWindow::SeiteNachHoehe(TSize client) const {
    // Bounded by the height when a page as wide as the client would be
    // taller than it. For an upright page this is not the test of the
    // smaller side's share against the client's height, which put pages as
    // wide as a nearly square client and cut them off at its bottom.
    const TSize ext = Druckbereich();
    if (ext.cx <= 0 || ext.cy <= 0) return true;
    return int64_t(client.cx) * ext.cy / ext.cx > client.cy;
}

int TKorpusPreviewWindow::SeitenProzent(bool nachHoehe) const {
    const TSize ext = Druckbereich();
    if (ext.cx <= 0 || ext.cy <= 0) return 100;
    return nachHoehe ? ext.cx * 95 / ext.cy : ext.cy * 95 / ext.cx;
}
