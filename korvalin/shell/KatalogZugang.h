#pragma once
// How the client opens the material, window and component catalogues at
// start-up and hands each result to the old-catalogue check. Until the
// catalogue files of the building model are part of the program, the
// default opens nothing.
#include <memory>

// Numbered as the old-catalogue check numbers the kinds.
enum class KatalogArt { Baustoffe = 0, Bauteile = 1, Fenster = 2 };

class KatalogZugang {
public:
    virtual ~KatalogZugang() = default;
    // The material catalogue empties its two index lists before its editions open.
    virtual void IndexLeeren(KatalogArt art) {}
    // Opens edition 0 (DIN), 1 (maker's) or 2 (user's); the catalogue's code.
    virtual int Oeffnen(KatalogArt art, int ausgabe) = 0;
    // The old-catalogue check: converts an older file or reports the code.
    virtual void AlteKatalogePruefen(KatalogArt art, int ausgabe, int ergebnis) {}
};

// No catalogue files yet: every edition reports itself missing, nothing is shown.
class KeineKataloge : public KatalogZugang {
public:
    static constexpr int kNichtVorhanden = -1;
    int Oeffnen(KatalogArt, int) override { return kNichtVorhanden; }
};
