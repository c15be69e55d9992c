#include "korvalin/datenblatt/TFixDaten.h"

TFixDaten::TFixDaten() : Ordnung1(Identitaetsordnung()), Ordnung2(Identitaetsordnung()) {}

TBlattDaten* TFixDaten::Satz(int abschnitt) {
    switch (abschnitt) {
    case 1:
        return &Projekt;
    case 2:
        return &Energie;
    case 3:
        return &Massen;
    case 4:
        return &Bauteilspalten;
    case 5:
        return &Fensterspalten;
    case 6:
        return &Fassaden;
    case 7:
        return &Ueberblick;
    case 8:
        return &Verfahren;
    case 9:
        return &Erneuern;
    case 10:
        return &Volumen;
    case 11:
        return &Flaechen;
    case 12:
        return &Perioden;
    case 13:
        return &Temperatur;
    case 14:
        return &GlaserVergleich;
    default:
        return nullptr;
    }
}

const TBlattDaten* TFixDaten::Satz(int abschnitt) const {
    return const_cast<TFixDaten*>(this)->Satz(abschnitt);
}

int32_t TFixDaten::ErsteSeite(int abschnitt) const {
    const TBlattDaten* s = Satz(abschnitt);
    return s ? s->Schalter : Schalter;
}

void TFixDaten::SetErsteSeite(int abschnitt, int32_t seite) {
    if (TBlattDaten* s = Satz(abschnitt))
        s->Schalter = seite;
    else
        Schalter = seite;
}
