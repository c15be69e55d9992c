#pragma once
// The area calculator on a placed component's or window's area list, for the
// editors: it works on copies, so that Cancel leaves the item as it was (a
// "Fläche 1" added to an empty list goes again); OK stores the list, its
// number and the gross area, the sum of the list.
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "platform/services/MessageBox.h"

#include <memory>

template <class Platziert>
bool FlaecheMitRechner(TWindow* parent, Platziert& b) {
    const bool angelegt = b.Flaechenliste.IsEmpty();
    if (angelegt) {
        auto erste = std::make_unique<TDimVolumen>();
        erste->Name = "Fläche 1";
        erste->Nummer = 0;
        b.Flaechenliste.Add(std::move(erste));
    }
    TDimVolumenListe kopien;
    DimVolumenKopieren(kopien, b.Flaechenliste);
    TFlaechenVolumenDialog rechner(parent, kopien, b.CADNummer, b.Name,
                                   TFlaechenVolumenDialog::Flaechen);
    if (rechner.Execute() != IDOK) {
        if (angelegt) b.Flaechenliste.Flush();
        return false;
    }
    b.CADNummer = rechner.BauteilNummer();
    b.Flaechenliste = std::move(kopien);
    b.Bruttoflaeche = 0;
    for (const TDimVolumen& d : b.Flaechenliste) b.Bruttoflaeche += d.Wert;
    return true;
}
