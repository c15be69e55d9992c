#pragma once
// The built-in area and volume formulas of the formula collection: rows 0
// to 31 of its tree under three group rows (0, 13, 19), and the fourth
// group row 32 above the user's own formulas. The texts are string
// resources 20001 to 20105; variable definitions run over several lines.
#include <string>

constexpr int kEigeneFunktionen = 32; // the group row of the user's formulas

// The string id of a built-in cell: column 0 name, 1 formula, 2 variable
// definitions. -1 for a group row, -2 for a row above 32, 0 for a negative
// row or column (or a column beyond 2).
int StandardFormelTextId(int zeile, int spalte);
// The text of a string id from 20001 to 20105; empty for other ids.
std::string StandardFormelText(int id);
// The name of a group row (0, 13, 19, 32), else empty.
std::string FormelGruppenName(int zeile);
bool IstFormelGruppe(int zeile);
