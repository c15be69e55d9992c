#pragma once
// Small helpers of the pages of the settings sheets: resource entries for
// numeric edits and labels, and reading a page's controls.
#include "platform/window/DialogResource.h"

#include <initializer_list>

class TDialog;

namespace seite {

// A numeric edit of w dialog units at (x, y).
TControlResource Zahl(int id, int x, int y, int w = 28);
// A label; each gets an id of its own, so that each is placed by its rect.
TControlResource Text(const char* text, int x, int y, int w = 110);
// The edit's text as strtod reads it (0 when unreadable), times faktor.
double Zahl(const TDialog& d, int id, double faktor = 1);
// True when the check box or radio button is checked.
bool Gewaehlt(const TDialog& d, int id);
void Freigeben(TDialog& d, std::initializer_list<int> ids, bool frei);
void Setzen(TDialog& d, int id, bool an);

} // namespace seite
