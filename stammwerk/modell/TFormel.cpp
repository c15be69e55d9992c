#include "stammwerk/modell/TFormel.h"

#include "platform/base/TextCompare.h"

bool operator<(const TFormel& a, const TFormel& b) {
    return CompareCp1252(a.Name, b.Name) < 0;
}

bool operator==(const TFormel& a, const TFormel& b) {
    return CompareCp1252(a.Name, b.Name) == 0;
}
