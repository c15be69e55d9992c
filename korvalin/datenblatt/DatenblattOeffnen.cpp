#include "korvalin/datenblatt/DatenblattOeffnen.h"

#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"

namespace {
template <class Fenster>
TWindow* zeigen(korpusMDIClient& client, int art) {
    auto* w = new Fenster(client, BlattartAngaben(art).Titel, art);
    return AnsichtZeigen(w, GetScreenSize().cx < 1000) ? w : nullptr;
}
} // namespace

TWindow* DatenblattOeffnen(int befehl, korpusMDIClient& client) {
    switch (befehl) {
    case CM_MASSENERMITTLUNG:
        return zeigen<TMassenDatenWindow>(client, 3);
    case CM_PROJEKTDATEN:
        return zeigen<TProjektDatenWindow>(client, 1);
    case CM_ENERGIEDATEN:
        return zeigen<TEnergieDatenWindow>(client, 2);
    case CM_HUELLFLAECHENDATEN:
        return zeigen<TFassadenDatenWindow>(client, 6);
    case CM_BAUTEIL_UEBERSICHT:
        return zeigen<TBauteilViewWindow>(client, 7);
    case CM_VOLUMEN_FLAECHENDATEN:
        return zeigen<TFlaechenDatenWindow>(client, 8);
    default:
        return nullptr;
    }
}
