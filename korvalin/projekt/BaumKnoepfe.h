#pragma once
// The picture buttons beside the trees of the project dialogs: expand all
// (511) and collapse all (515), and the marker of a cell that holds more than
// its first line (60).
#include <initializer_list>
#include <utility>

class TDialog;

enum : int { kBildAlleAuf = 511, kBildAlleZu = 515, kBildMehrzeilig = 60 };

void BaumBilderRegistrieren();
// Registers the pictures and puts them on the dialog's buttons of those ids
// (id of the button, id of its picture).
void BaumKnoepfeBebildern(TDialog& dialog, std::initializer_list<std::pair<int, int>> knoepfe);
