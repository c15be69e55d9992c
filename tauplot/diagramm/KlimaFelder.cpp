#include "tauplot/diagramm/KlimaFelder.h"

#include "hilfsmittel/DoubleValidator.h"
#include "platform/window/Dialog.h"
#include "platform/window/Edit.h"

namespace klima {

void FelderPruefen(TDialog& d, std::initializer_list<int> weitereTemperaturen) {
    const auto pruefen = [&d](std::initializer_list<int> ids, double von, double bis) {
        for (int id : ids)
            if (auto* e = d.Item<TEdit>(id)) e->SetValidator(new TDoubleValidator(von, bis));
    };
    pruefen({105, 106, 114, 115}, -40, 100);
    pruefen(weitereTemperaturen, -40, 100);
    pruefen({107, 108, 116, 109}, 0, 100);
    pruefen({113, 110}, 0, 8768);
    if (auto* e = d.Item<TEdit>(130)) e->LimitText(50);
}

void DinPeriodenSetzen(TDialog& d) {
    for (const auto& [id, wert] : kDinPerioden)
        if (auto* e = d.Item<TEdit>(id)) e->SetText(wert);
}

} // namespace klima
