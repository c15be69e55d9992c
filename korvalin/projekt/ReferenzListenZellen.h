#pragma once
// Cell texts and editors shared by the location and fuel lists.
#include "platform/tree/TreeTypes.h"

#include <string>

namespace referenzliste {

// The runtime's "%fmt" of a number, with '.' as decimal point.
std::string Zahl(const char* format, double wert);
// A one-line editor; numbers admit only the characters of a decimal number.
TTreeEditorStyle TextEditor();
TTreeEditorStyle ZahlEditor();

} // namespace referenzliste
