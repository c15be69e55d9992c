#include "korvalin/layout/TEinstellungenProperty.h"

#include "hilfsmittel/layout/IniEinstellungenGroessen.h"

TEinstellungenProperty::TEinstellungenProperty(TPropertyDialog* sheet,
                                               const TDialogResource& resource, LayoutZiel ziel)
    : TPropertyPage(sheet, resource), bDateiEinstellungen(ziel == LayoutZiel::Datei), Ziel(ziel) {}

void TEinstellungenProperty::EinstellungenLaden(bool standard) {
    const bool global = standard || Ziel == LayoutZiel::Programm;
    Einstellungen().Laden(global, global || !bDateiEinstellungen);
}

bool TEinstellungenProperty::EinstellungenSpeichern(TIniEinstellungenGroessen& g) {
    // The program's settings are global.ini itself: written once.
    if (Ziel == LayoutZiel::Programm) return g.Speichern(true, true);
    if (bAlsStandard && !g.Speichern(true, true)) return false;
    return g.Speichern(false, !bDateiEinstellungen);
}
