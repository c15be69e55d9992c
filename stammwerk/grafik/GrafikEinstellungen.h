#pragma once
// What the cross-section drawing reads of the main program's layout
// settings: fonts, label colour, the two pressure pens and the page
// switches. The only place that knows the settings' members; without
// settings (nullptr) the settings' own defaults apply.
#include "platform/base/Color.h"

class TBtGrafikGroessen;
class TBtSeitenGroessen;
class TFont;
class TPen;

namespace GrafikEinstellungen {

const TFont& BasisSchrift(const TBtGrafikGroessen* g);    // labels and names
const TFont& NormalSchrift(const TBtGrafikGroessen* g);   // Arial 10 by default
const TFont& VertikalSchrift(const TBtGrafikGroessen* g); // the same, reading upwards
TColor BeschriftungFarbe(const TBtGrafikGroessen* g);
const TPen& DampfdruckStift(const TBtGrafikGroessen* g);
const TPen& SattdampfStift(const TBtGrafikGroessen* g);

bool Glasergrafik(const TBtSeitenGroessen* s);
bool Temperaturgrafik(const TBtSeitenGroessen* s);

} // namespace GrafikEinstellungen
