#include "stammwerk/modell/NamensVergleich.h"

#include "platform/base/Cp1252.h"
#include "platform/base/TextCompare.h"

#include <string>

int NamensVergleich(std::string_view a, std::string_view b, size_t laenge) {
    const std::string ca = cp1252::EncodeLossy(a).substr(0, laenge);
    const std::string cb = cp1252::EncodeLossy(b).substr(0, laenge);
    return CompareCp1252(cp1252::Decode(ca), cp1252::Decode(cb));
}
