#include "korvalin/projekt/BaumKnoepfe.h"

#include "platform/window/Button.h"
#include "platform/window/Dialog.h"
#include "platform/window/Picture.h"

namespace {
const TColor kDunkel(0, 0, 128), kHell(255, 255, 255);

TPicture baum(bool auf) {
    TPicture p;
    p.AddRect({1, 1, 7, 7}, kDunkel, kHell).AddLine({2, 4}, {6, 4}, kDunkel);
    if (auf) p.AddLine({4, 2}, {4, 6}, kDunkel);
    p.AddLine({4, 7}, {4, 13}, kDunkel).AddLine({4, 10}, {8, 10}, kDunkel);
    p.AddLine({4, 13}, {8, 13}, kDunkel);
    p.AddRect({9, 8, 15, 12}, kDunkel, auf ? TColor(255, 255, 127) : kHell);
    return p;
}
} // namespace

void BaumBilderRegistrieren() {
    RegisterPicture(kBildAlleAuf, baum(true));
    RegisterPicture(kBildAlleZu, baum(false));
    TPicture mehr; // three dots: the text goes on below
    for (int x : {3, 7, 11}) mehr.AddRect({x, 11, x + 2, 13}, kDunkel, kDunkel);
    RegisterPicture(kBildMehrzeilig, mehr);
}

void BaumKnoepfeBebildern(TDialog& dialog, std::initializer_list<std::pair<int, int>> knoepfe) {
    BaumBilderRegistrieren();
    for (const auto& [knopf, bild] : knoepfe)
        if (auto* b = dialog.Item<TButton>(knopf)) b->SetPicture(bild);
}
