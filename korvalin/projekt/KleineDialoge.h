#pragma once
// What the small dialogs of the project dialog share: the help button and
// the rule of "Sofort einer Hüllfläche zuordnen".
#include <cstdint>

class TDialog;

// Command 9 opens the program's help at this context.
void HilfeKnopfEintragen(TDialog& dialog, uint32_t kontext);

// Check box 105 and the list of envelope areas 104: without an area the box
// is greyed; the list is enabled exactly while the box is checked. Applied
// at set-up and on every click of the box.
void SofortZuordnenRegelEintragen(TDialog& dialog);
void SofortZuordnenRegel(TDialog& dialog, bool einrichten);
