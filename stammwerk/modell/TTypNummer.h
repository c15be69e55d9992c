#pragma once
// The 4-byte reference to a placed item: Typ 10 is a placed window, any other
// value the Bauteilart (0..9) of a placed component.
#include "stammwerk/modell/TISListImp.h"

#include <cstdint>

class ByteReader;
class ByteWriter;

struct TTypNummer {
    static constexpr size_t kImageSize = 4;
    static constexpr int16_t Fenster = 10;

    int16_t Typ = -1;
    int16_t Nummer = -1;

    friend bool operator==(const TTypNummer& a, const TTypNummer& b) = default;
    // By Typ, then Nummer (signed): placed components before placed windows.
    friend bool operator<(const TTypNummer& a, const TTypNummer& b) {
        return a.Typ != b.Typ ? a.Typ < b.Typ : a.Nummer < b.Nummer;
    }

    void Schreiben(ByteWriter& out) const;
    void Lesen(ByteReader& in);
};

using TTypNummerListe = TISListImp<TTypNummer>;

// Lists read from a file keep the file's order, also among equal entries, so
// that a save and a load give the same list.

// count references into list; false when they cannot all be in the data.
bool TypNummernLesen(ByteReader& in, int count, TTypNummerListe& list);
void TypNummernSchreiben(ByteWriter& out, const TTypNummerListe& list);
void TypNummernKopieren(TTypNummerListe& ziel, const TTypNummerListe& quelle);
// Position of the first entry equal to t, -1 when there is none.
int TypNummerIndex(const TTypNummerListe& list, TTypNummer t);
// Position of the first entry whose Nummer is n, -1 when there is none.
int TypNummerIndexNachNummer(const TTypNummerListe& list, int n);
// Removes the first entry equal to t; true when there was one.
bool TypNummerEntfernen(TTypNummerListe& list, TTypNummer t);
