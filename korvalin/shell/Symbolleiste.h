#pragma once
// The tool bar of the main frame: 36 gadgets, buttons whose picture id is
// their command id, created disabled; command enabling switches them on.
class TControlBar;
class TPicture;

// Registers the buttons' pictures, drawn anew on a 16 x 16 grid.
void SymbolbilderEintragen();
// The bar with window id 32041 and its gadgets; the caller inserts it.
TControlBar* SymbolleisteBauen();

// The program's own icon, drawn anew: a house whose wall shows its layers.
TPicture Programmsymbol();
// Makes it the icon of the main frame and of every MDI child.
void ProgrammsymbolSetzen();
