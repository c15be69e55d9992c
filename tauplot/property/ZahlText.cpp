#include "tauplot/property/ZahlText.h"

#include <cstdio>
#include <cstdlib>

void ZahlText::Zeigen(double wert, const char* format, double faktor) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert * faktor);
    Text = gezeigt_ = puffer;
    wert_ = wert;
    faktor_ = faktor;
}

double ZahlText::Lesen() const {
    if (!Geaendert()) return wert_;
    return std::strtod(Text.c_str(), nullptr) / faktor_;
}
