#pragma once
// What both print preview frames share: a pop-up over its parent's client
// area with a tool bar on top and a layout window in which one or two
// preview pages show a view's pages through its print-out. The page state
// lives in the printer's settings: from page and to page are the pages shown.
// The view runs the frame modally and destroys it when the loop ends.
#include "platform/base/Geometry.h"
#include "platform/window/DecoratedFrame.h"
#include "platform/window/LayoutWindow.h"

#include <memory>
#include <string>

class TControlBar;
class TKorpusPrintout;
class TPreviewPage;
class TPrinter;
class TTextGadget;
class korpusMDIChild;

class VorschauRahmen : public TDecoratedFrame {
public:
    ~VorschauRahmen() override;

    TControlBar& Werkzeugleiste() const { return *werkzeugleiste_; }
    TPreviewPage* Seite1() const { return seite1_; }
    TPreviewPage* Seite2() const { return seite2_; }
    // The printer page in pixels.
    TSize Druckbereich() const { return druckbereich_; }
    TKorpusPrintout& Ausdruck() const { return *ausdruck_; }
    const std::string& Seitentext() const;

protected:
    VorschauRahmen(TWindow* parent, TPrinter* printer, korpusMDIChild* fenster,
                   std::string_view title, TLayoutWindow* client,
                   std::unique_ptr<TKorpusPrintout> ausdruck);

    // Page 1 on its page, placed by SeiteNachHoehe and SeitenProzent.
    void SetupWindow() override;
    // Whether page 1 runs from top to bottom, its width following its height
    // (else from left to right, its height following its width), and by how
    // many percent of the one the other follows. Decided once, at set-up.
    virtual bool SeiteNachHoehe(TSize client) const = 0;
    virtual int SeitenProzent(bool nachHoehe) const = 0;
    // The last page until the print-out tells the real one.
    virtual int ErsteHoechsteSeite() const { return 1; }

    void Zurueck();
    void Vor();
    void EineSeite();
    void ZweiSeiten();
    void SeitentextSetzen();
    void Beenden();
    // A button greyed until the next idle update.
    void Sperren(int befehl);

    TPrinter* Drucker;
    korpusMDIChild* AktuellesFenster;

private:
    TRect seite1Platz(TSize client) const;
    void zeigen(TPreviewPage* seite, int nummer);
    TControlBar* werkzeugleiste_;
    TTextGadget* seitentext_;
    TPreviewPage* seite1_ = nullptr;
    TPreviewPage* seite2_ = nullptr;
    TSize druckbereich_;
    bool nachHoehe_ = true;
    int prozent_ = 100;
    std::unique_ptr<TKorpusPrintout> ausdruck_;
    TLayoutWindow* client_;
};
