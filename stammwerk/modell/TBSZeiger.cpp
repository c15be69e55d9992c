#include "stammwerk/modell/TBSZeiger.h"

#include "platform/base/TextCompare.h"
#include "stammwerk/modell/TBaustoff.h"

TBSZeiger::TBSZeiger(TBaustoff* baustoff)
    : Baustoff(baustoff), Sortierform(MakeNoCaseKey(baustoff->Name)) {}

bool operator==(const TBSZeiger& a, const TBSZeiger& b) {
    return a.Baustoff->Schluessel == b.Baustoff->Schluessel;
}

bool operator<(const TBSZeiger& a, const TBSZeiger& b) {
    const int c = CompareNoCaseKeys(a.Sortierform, b.Sortierform);
    if (c != 0) return c < 0;
    return a.Baustoff->Schluessel < b.Baustoff->Schluessel;
}
