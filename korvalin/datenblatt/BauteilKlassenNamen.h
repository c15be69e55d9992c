#pragma once
// The ten component class names of the sheets, indexed by a component
// type's class, in the fixed fields the row formatters take.
#include "stammwerk/modell/ZeilenTexte.h"

extern const char BauteilKlassenNamen[10][kArtNamenBreite];

// The name of class i, empty outside 0-9.
const char* BauteilKlassenName(int i);
