#pragma once
// What the heat-protection proof behind a certificate variant leaves unmet,
// read from the results of TProjekt::WSchVO, so that the opener can warn and
// the pages can say so. The sentences are those of the proof sheet.
#include "korvalin/ausweis/AusweisBloecke.h"

#include <string>
#include <vector>

class TProjekt;

namespace ausweis {

// How a number is written with the given decimals: the message box takes
// the program's number format, the certificate its decimal point.
using Zahlformat = std::string (*)(double wert, int stellen);

// One line per requirement that is not met, with its numbers; empty when
// the variant's proof is met.
std::vector<std::string> NichtErfuellt(const TProjekt& p, Variante v, Zahlformat zahl);

// The overall verdict that heads the lines above when the proof fails by
// every method the project may use.
inline constexpr const char* kNachweisNichtErfuellt =
    "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ist NICHT erfüllt!";

// The verdict that heads the lines above: kNachweisNichtErfuellt, or the
// variant's own method when a small residential building meets the proof
// by the other one, as the project window then says it is met.
std::string NichtErfuelltKopf(const TProjekt& p, Variante v);

// For the warning: the other method that meets the proof and the answer that
// chooses its certificate; empty when there is none.
std::string AndereMethodeErfuellt(const TProjekt& p, Variante v);

// The box below a variant's values that repeats the unmet requirements;
// lays out nothing when all are met.
void AusweisNichtErfuellt(TText& t, TDC& dc, Variante v);

} // namespace ausweis
