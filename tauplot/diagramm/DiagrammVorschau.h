#pragma once
// The print preview of a diagram window: a pop-up "Druckvorschau" over the
// main window's client area with the paging tool bar and one or two preview
// pages of the window's print-out. Run modally by the window; closing ends it.
#include "platform/base/Geometry.h"
#include "platform/window/DecoratedFrame.h"

#include <memory>
#include <string>

class TControlBar;
class TDiagrammWindow;
class TLayoutWindow;
class TPreviewPage;
class TPrinter;
class TPrintout;
class TTextGadget;

class DiagrammVorschau : public TDecoratedFrame {
public:
    enum : int {
        CM_ZURUECK = 24500,
        CM_VOR = 24501,
        CM_EINE_SEITE = 24502,
        CM_ZWEI_SEITEN = 24503,
        IDG_SEITENTEXT = 24504,
    };

    DiagrammVorschau(TWindow* parent, TPrinter* printer, TDiagrammWindow* fenster);
    ~DiagrammVorschau() override;

    void SetupWindow() override;
    void EvClose() override;

    TControlBar& Werkzeugleiste() const { return *leiste_; }
    const std::string& Seitentext() const;
    TPreviewPage* Seite1() const { return seite1_; }
    TPreviewPage* Seite2() const { return seite2_; }

private:
    void zurueck();
    void vor();
    void eineSeite();
    void zweiSeiten();
    void seitentext();
    TRect platz(TSize client, int seite) const;

    TPrinter* drucker_;
    std::unique_ptr<TPrintout> ausdruck_;
    TLayoutWindow* client_;
    TControlBar* leiste_;
    TTextGadget* text_;
    TPreviewPage* seite1_ = nullptr;
    TPreviewPage* seite2_ = nullptr;
    TSize seite_; // the printer page, pixels
    bool breit_ = false;
};

// The preview frames of the two windows: the same frame over their print-outs.
using PreviewGlaserWindow = DiagrammVorschau;
using PreviewTempWindow = DiagrammVorschau;
