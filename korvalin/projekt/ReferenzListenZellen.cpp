#include "korvalin/projekt/ReferenzListenZellen.h"

#include "hilfsmittel/DoubleValidator2.h"

#include <cstdio>

namespace referenzliste {

std::string Zahl(const char* format, double wert) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return puffer;
}

TTreeEditorStyle TextEditor() {
    TTreeEditorStyle stil;
    stil.textLimit = 40; // 39 characters and the end mark, as the files hold names
    return stil;
}

TTreeEditorStyle ZahlEditor() {
    TTreeEditorStyle stil;
    stil.validator = std::make_shared<TDoubleValidator2>(0, 99999999);
    return stil;
}

} // namespace referenzliste
