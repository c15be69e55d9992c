#include "korvalin/shell/TStatusBarZeit.h"

#include "platform/window/CommandIds.h"
#include "platform/window/DecoratedFrame.h"
#include "platform/window/TextGadget.h"

TStatusBarZeit::TStatusBarZeit(TDecoratedFrame* parent, TGadget::TBorderStyle style)
    : TStatusBar(parent, style),
      // Wide enough for "Projekt: " and a file name of usual length, a
      // variant name of its 29 characters, and "Nicht geändert".
      Projektfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 36)),
      Variantenfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 30)),
      Zustandsfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Center, 17)) {
    Attr().Id = IDW_STATUSBAR;
}

TStatusBarZeit::~TStatusBarZeit() {
    for (auto* feld : {Projektfeld, Variantenfeld, Zustandsfeld})
        if (!feld->GetGadgetWindow()) delete feld;
}

void TStatusBarZeit::SetupWindow() {
    TStatusBar::SetupWindow();
    Insert(Projektfeld);
    Insert(Variantenfeld);
    Insert(Zustandsfeld);
    Projektfeld->SetText("Kein Projekt offen");
    Zustandsfeld->SetText("Nicht geändert");
}
