#include "korvalin/shell/TProjectRCVersion.h"

const TVersionsSatz& ProgrammVersion() {
    static const TVersionsSatz satz{"KORVALIN", "6.11",
                                    "Copyright © 2025 die Entwickler von Korvalin", ""};
    return satz;
}

TProjectRCVersion::TProjectRCVersion(const TVersionsSatz* satz) {
    if (satz) satz_ = *satz;
}

bool TProjectRCVersion::get(const std::string& wert, const char*& text) {
    if (wert.empty()) return false;
    text = wert.c_str();
    return true;
}
