#pragma once
// One text block of a data-sheet page: where its content sits, on which page,
// what kind of content it is, which component or window it shows and, for an
// input-field block, the text the user typed. A page is a stack of blocks.
#include "platform/base/Geometry.h"

#include <memory>
#include <string>

class TRBauteil;
class TRFenster;
class TEinfachBauteil;

class TBlock {
public:
    TBlock() = default;
    TBlock(const TBlock& other) { *this = other; }
    // Copies every field; a source without text leaves this block's text.
    TBlock& operator=(const TBlock& other);

    TRect Rechteck() const { return {Links, Oben, Rechts, Unten}; }
    bool HatText() const { return Text != nullptr; }
    void SetText(const std::string& text) { Text = std::make_unique<std::string>(text); }

    int Nummer = 0;
    int Abschnitt = 0; // section id of the driver that made it
    int Zaehler = -1;
    int Links = 0, Oben = 0, Rechts = 0, Unten = 0;
    int Breite = 0, Hoehe = 0;
    int Einzug = 10;  // inset from the body's left and right edges
    int Abstand = 10; // space above the block
    int Benutzerblock = 0;
    int Art = 0;   // block kind 0-5; selects the column-handle set
    int Seite = 1; // from 1
    int InnenLinks = 0, InnenOben = 0, InnenRechts = 0, InnenUnten = 0;
    int InnenBreite = 0, InnenHoehe = 0;
    int Reserviert = 0;
    TRBauteil* Bauteil = nullptr;
    TRFenster* Fenster = nullptr;
    TEinfachBauteil* Variante = nullptr;
    int Satznummer = -1;
    int Variantennummer = -1;
    std::unique_ptr<std::string> Text;
    int Anzeige[2] = {0, 0}; // two switches of the context menu
};

// First and last block of a page.
struct TBlockSeiteStruct {
    int Erster = 0;
    int Letzter = 0;
};
