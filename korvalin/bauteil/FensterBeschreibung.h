#pragma once
// What the window dialogs share of a type's descriptive data: the class
// lists, the description as one text and back as numbered records.
#include "stammwerk/modell/TTextString.h"

#include <string>
#include <string_view>

extern const char* const Schallschutzklassen[7];
extern const char* const FensterBaustoffklassen[7];
extern const char* const FensterFeuerwiderstandsklassen[6];

// The records' texts one after the other, in list order.
std::string BeschreibungText(const TTextListe& liste);
// Replaces the list by records of at most 127 characters each, numbered 0, 1, 2 ...
void BeschreibungSetzen(TTextListe& liste, std::string_view text);
