#include "stammwerk/modell/TBauteilDatei.h"

namespace {

// Only "6.00" is current; every older version goes to the converter.
int alteBauteilVersion(const std::string& version) {
    static const char* const alt[] = {"1.00", "2.00", "3.00", "4.00", "5.00"};
    for (int i = 0; i < 5; ++i)
        if (version == alt[i]) return i + 2;
    return 1;
}

} // namespace

const TKatalogArt TBauteilDatei::Art = {
    "Bauteil",         1, 2, {"bt_qtx.dat", "bt_anw.dat", nullptr}, DateiTypBauteileQTX, RegelV600,
    alteBauteilVersion};

int TBauteilDatei::GruppeDerBauteilart(int bauteilart) {
    switch (bauteilart) {
    case 0:
    case 1:
        return 1;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
        return bauteilart;
    case 7:
    case 8:
    case 9:
        return 7;
    default:
        return -1;
    }
}

int TBauteilDatei::BauteilUebernehmen(TRBauteil* b) {
    if (!b) return 0;
    std::unique_ptr<TRBauteil> t = herausnehmen(b);
    if (!t) return 0;
    const TBauteilSchluessel alt = t->Schluessel;
    const int gruppe = GruppeDerBauteilart(t->Bauteilart);
    if (gruppe >= 0) t->Schluessel.Gruppe = uint16_t(gruppe);
    if (Einfuegen(t)) return 1;
    // Not saved: the record goes back as it was, so that nothing is lost.
    t->Schluessel = alt;
    zuruecklegen(std::move(t));
    return 0;
}
