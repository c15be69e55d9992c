#pragma once
// What a converted project must pass before it replaces the old file: the
// checks of the current reader (counts, sizes, references between the
// records, read back from its own image) and values that are numbers of a
// building (finite, within the magnitudes a building can have). A damaged
// old file read with the old layout gives records that pass neither.
class TGesamtProjekt;

bool KonvertierungPlausibel(const TGesamtProjekt& projekt);
