#include "altwandler/Lesehilfen.h"

#include "hilfsmittel/DbAssert.h"
#include "platform/base/ByteStream.h"

bool ZaehlerLesen(ByteReader& in, std::span<int16_t> zaehler) {
    for (int16_t& n : zaehler) n = in.ReadI16();
    if (!in.Ok()) return false;
    for (int16_t n : zaehler)
        if (n < 0) return false;
    return true;
}

int SatzZaehlerLesen(ByteReader& in, std::span<int16_t> zaehler) {
    if (zaehler.empty()) return SatzGelesen;
    zaehler[0] = in.ReadI16();
    if (!in.Ok()) return SatzEnde;
    return ZaehlerLesen(in, zaehler.subspan(1)) && zaehler[0] >= 0 ? SatzGelesen : SatzKurz;
}

void Pruefen(bool ok, const char* modul, int zeile) {
    if (!ok) dbassert(modul, zeile);
}

bool ZeilenLesen(ByteReader& in, int n, TTextListe& liste) {
    return n >= 0 && in.CanHold(size_t(n), TTextString::kImageSize) &&
           AddTextStringToList(in, n, &liste);
}
