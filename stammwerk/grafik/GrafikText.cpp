#include "stammwerk/grafik/GrafikText.h"

#include "platform/gdi/DC.h"

#include <charconv>

namespace GrafikText {

int Hoehe(const TDC& dc) {
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    return tm.tmHeight;
}

std::string Zahl(int wert) {
    char puffer[16];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    return std::string(puffer, ende);
}

std::string Grad(int grad) {
    std::string text = Zahl(grad);
    if (grad == 0) return " " + text;
    return grad > 0 ? "+" + text : text;
}

std::string Temperatur(double wert) {
    char puffer[64];
    const auto r = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, 1);
    std::string text = r.ec == std::errc() ? std::string(puffer, r.ptr) : std::string("?");
    if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
    return text + "°C";
}

} // namespace GrafikText
