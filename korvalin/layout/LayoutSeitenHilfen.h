#pragma once
// Resource entries shared by the layout settings pages.
#include "platform/window/DialogResource.h"

namespace layoutseite {

// The size of every page, in dialog units.
inline constexpr TSize kGroesse{296, 150};

TControlResource Gruppe(const char* text, int l, int t, int r, int b);
TControlResource Kasten(int id, const char* text, int x, int y, int w = 110);
TControlResource Knopf(int id, const char* text, int x, int y, int w = 50);
TControlResource Radio(int id, const char* text, int x, int y, bool ersterDerGruppe, int w = 100);
TControlResource Feld(int id, int x, int y, int w);
TControlResource Liste(int id, int l, int t, int r, int b);
TControlResource Auswahl(int id, int x, int y, int w);
// The sample button: owner-drawn and disabled, made by the page.
TControlResource Muster(int l, int t, int r, int b);

} // namespace layoutseite
