#include "korvalin/datenblatt/DatenblattOeffnen.h"

#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/korpusMDIClient.h"

namespace {
template <class Fenster>
TWindow* zeigen(korpusMDIClient& client, int art) {
    auto* w = new Fenster(client, BlattartAngaben(art).Titel, art);
    if (!w->Create()) {
        delete w;
        return nullptr;
    }
    w->ShowWindow(SW_SHOWNORMAL);
    w->BringWindowToTop();
    return w;
}
} // namespace

TWindow* DatenblattOeffnen(int befehl, korpusMDIClient& client) {
    switch (befehl) {
    case CM_MASSENERMITTLUNG:
        return zeigen<TMassenDatenWindow>(client, 3);
    // Sheets whose content is still to come open here once it is:
    // CM_PROJEKTDATEN TProjektDatenWindow (1), CM_ENERGIEDATEN
    // TEnergieDatenWindow (2), CM_HUELLFLAECHENDATEN TFassadenDatenWindow (6),
    // CM_BAUTEIL_UEBERSICHT TBauteilViewWindow (7), CM_VOLUMEN_FLAECHENDATEN
    // TFlaechenDatenWindow (8).
    default:
        return nullptr;
    }
}
