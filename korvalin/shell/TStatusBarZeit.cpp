#include "korvalin/shell/TStatusBarZeit.h"

#include "platform/window/CommandIds.h"
#include "platform/window/DecoratedFrame.h"
#include "platform/window/TextGadget.h"

TStatusBarZeit::TStatusBarZeit(TDecoratedFrame* parent, TGadget::TBorderStyle style)
    : TStatusBar(parent, style),
      Projektfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 27)),
      Variantenfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 15)),
      Zustandsfeld(new TTextGadget(0, TGadget::Recessed, TTextGadget::Center, 15)) {
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
