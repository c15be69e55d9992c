#include "stammwerk/modell/TBSZeiger.h"

#include "platform/base/TextCompare.h"
#include "stammwerk/modell/TBaustoff.h"

bool operator==(const TBSZeiger& a, const TBSZeiger& b) {
    return a.Baustoff->Schluessel == b.Baustoff->Schluessel;
}

bool operator<(const TBSZeiger& a, const TBSZeiger& b) {
    const int c = CompareNoCase(a.Baustoff->Name, b.Baustoff->Name);
    if (c != 0) return c < 0;
    return a.Baustoff->Schluessel < b.Baustoff->Schluessel;
}
