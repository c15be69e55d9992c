// Printing and preview of a data sheet: the sheet's own Paint draws one page
// at a time into the printer's or the preview's device context.
#include "korvalin/datenblatt/TDatenWindow.h"

#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TKorpusPreviewWindow.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/korpusApp.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/LayoutWindow.h"
#include "tauplot/diagramm/TText.h"

namespace {
korpusApp* programm() {
    return dynamic_cast<korpusApp*>(TApplication::Current());
}

// The screen's page stays where it was, however the job ends.
class SeitenMerker {
public:
    explicit SeitenMerker(TText& t) : t_(t), seite_(t.AktuelleSeite), pos_(t.ScrollPosition) {}
    ~SeitenMerker() {
        t_.AktuelleSeite = seite_;
        t_.ScrollPosition = pos_;
        t_.Drucken = false;
    }

private:
    TText& t_;
    int32_t seite_, pos_;
};
} // namespace

void TDatenWindow::CmDrucken() {
    korpusApp* app = programm();
    if (!app) return;
    TPrinter& drucker = app->GetPrinter();
    TKorpusPrintout ausdruck(&drucker, GetCaption(), this, true);
    app->Drucken = 1;
    {
        SeitenMerker merker(Seitenlayout());
        const TPrintResult ergebnis = drucker.Print(ausdruck, TPrintPrompt::Dialog);
        if (!ergebnis && !ergebnis.cancelled && !ergebnis.error.empty())
            MessageBox(ergebnis.error, "Drucken", MB_OK | MB_ICONEXCLAMATION);
    }
    app->Drucken = 0;
}

void TDatenWindow::CmDruckerEinrichten() {
    if (korpusApp* app = programm()) app->GetPrinter().Setup();
}

void TDatenWindow::CmDruckvorschau() {
    korpusApp* app = programm();
    if (!app) return;
    app->Drucken = 1;
    {
        SeitenMerker merker(Seitenlayout());
        auto* vorschau = new TKorpusPreviewWindow(GetParent(), &app->GetPrinter(), this,
                                                  "Druckvorschau", new TLayoutWindow);
        if (vorschau->Create()) app->BeginModal(vorschau);
        vorschau->Destroy();
        delete vorschau;
    }
    app->Drucken = 0;
    Invalidate(true);
}
