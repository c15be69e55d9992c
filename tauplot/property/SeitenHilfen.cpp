#include "tauplot/property/SeitenHilfen.h"

#include "platform/window/CheckBox.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"

#include <cstdlib>

namespace seite {

TControlResource Zahl(int id, int x, int y, int w) {
    return {TControlKind::Edit, id, "", {x, y, x + w, y + 12}};
}

TControlResource Text(const char* text, int x, int y, int w) {
    static int naechste = 9300;
    if (naechste > 9999) naechste = 9300;
    return {TControlKind::Static, naechste++, text, {x, y + 2, x + w, y + 11}};
}

double Zahl(const TDialog& d, int id, double faktor) {
    auto* e = d.Item<TEdit>(id);
    return e ? std::strtod(e->GetText().c_str(), nullptr) * faktor : 0;
}

bool Gewaehlt(const TDialog& d, int id) {
    auto* b = d.Item<TCheckBox>(id);
    return b && b->GetCheck() == 1;
}

void Freigeben(TDialog& d, std::initializer_list<int> ids, bool frei) {
    for (int id : ids)
        if (auto* w = d.GetDlgItem(id)) w->EnableWindow(frei);
}

void Setzen(TDialog& d, int id, bool an) {
    if (auto* b = d.Item<TCheckBox>(id)) b->SetCheck(an ? 1 : 0);
}

} // namespace seite
