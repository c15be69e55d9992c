#pragma once
// Inserting into and deleting from a catalogue's ordered list, shared by the
// material, window and component catalogues. The file is written before the
// change counts: a failed write leaves the list as it was.
#include "stammwerk/modell/TISListImp.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

// Puts t at its key's position: the entries of the same catalogue, group and
// subgroup from that position on move one down, and t gets number ++letzte.
// Then schreiben() runs; if it fails, positions, letzte and the list are as
// before, t is handed back and the result is null.
template <class T, class Schreiben>
T* AnSeinerStelleEinfuegen(TISListImp<T>& liste, std::unique_ptr<T>& t, int32_t& letzte,
                           Schreiben schreiben) {
    const auto& s = t->Schluessel;
    std::vector<T*> verschoben;
    for (T& m : liste) {
        const auto& u = m.Schluessel;
        if (u.Katalog == s.Katalog && u.Gruppe == s.Gruppe && u.Untergruppe == s.Untergruppe &&
            int16_t(u.Position) >= int16_t(s.Position)) {
            m.Schluessel.Position++;
            verschoben.push_back(&m);
        }
    }
    t->Schluessel.Nummer = ++letzte;
    T* neu = &liste.Add(std::move(t));
    if (schreiben()) return neu;
    t = liste.Detach([&](const T& m) { return &m == neu; });
    --letzte;
    for (T* m : verschoben) m->Schluessel.Position--;
    return nullptr;
}

// The entries of liste equal to those of auswahl, each entry at most once.
template <class T>
std::vector<const T*> GleicheEintraege(const TISListImp<T>& liste, const TISListImp<T>& auswahl) {
    std::vector<const T*> gefunden;
    for (const T& a : auswahl) {
        const T* m = liste.FirstThat([&](const T& x) {
            return x == a && std::find(gefunden.begin(), gefunden.end(), &x) == gefunden.end();
        });
        if (m) gefunden.push_back(m);
    }
    return gefunden;
}
