#pragma once
// The status bar of the main frame: the hint area, then the project field
// ("Kein Projekt offen" or "Projekt: " + file name), the variant field and
// the state field ("Nicht geändert" / "Geändert"). Other code writes the
// fields through the program-wide pointer (Korpus().StatusBar).
#include "platform/window/Gadget.h"
#include "platform/window/StatusBar.h"

class TDecoratedFrame;
class TTextGadget;

class TStatusBarZeit : public TStatusBar {
public:
    TStatusBarZeit(TDecoratedFrame* parent, TGadget::TBorderStyle style);
    ~TStatusBarZeit() override;
    void SetupWindow() override;

    // Owned by the bar once it is set up.
    TTextGadget* Projektfeld;
    TTextGadget* Variantenfeld;
    TTextGadget* Zustandsfeld;
};
