#include "tauplot/diagramm/DiagrammZahl.h"

#include <charconv>
#include <cmath>

namespace DiagrammZahl {

namespace {
std::string auffuellen(std::string text, int breite) {
    if (int(text.size()) < breite) text.insert(0, size_t(breite) - text.size(), ' ');
    return text;
}
} // namespace

std::string Festkomma(double wert, int breite, int stellen) {
    if (!std::isfinite(wert)) return auffuellen(std::isnan(wert) ? "nan" : "inf", breite);
    char puffer[400];
    const auto r =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    return auffuellen(r.ec == std::errc() ? std::string(puffer, r.ptr) : "?", breite);
}

std::string Ganzzahl(long long wert, int breite) {
    char puffer[32];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return auffuellen(std::string(puffer, r.ptr), breite);
}

} // namespace DiagrammZahl
