#include "korvalin/bauteil/BauteilTexte.h"

#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/base/Cp1252.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

std::string Zahl(int stellen, double wert) {
    char text[400];
    const auto r = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed, stellen);
    return r.ec == std::errc{} ? std::string(text, r.ptr) : std::string("-");
}

double DezimalLesen(std::string_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::string copy(text);
    for (char& c : copy)
        if (c == ',') c = '.';
    char* end = nullptr;
    const double wert = strtod_l(copy.c_str(), &end, cLocale);
    return end == copy.c_str() ? 0.0 : wert;
}

std::string Abschneiden(std::string_view text, size_t bytes) {
    std::string aus;
    size_t belegt = 0;
    for (size_t i = 0; i < text.size();) {
        size_t n = 1;
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0xF0)
            n = 4;
        else if (c >= 0xE0)
            n = 3;
        else if (c >= 0xC0)
            n = 2;
        if (belegt + 1 >= bytes) break;
        aus.append(text.substr(i, n));
        ++belegt; // one Windows-1252 byte per character
        i += n;
    }
    return aus;
}

const char* BauteilGruppenName(int gruppe) {
    return gruppe >= 0 && gruppe < 10 ? BauteilTypNamen[gruppe] : "";
}

uint16_t KatalogGruppe(int bauteilart) {
    static const uint16_t gruppen[10] = {1, 1, 2, 3, 4, 5, 6, 7, 7, 7};
    return bauteilart >= 0 && bauteilart < 10 ? gruppen[bauteilart] : 1;
}

int Warnung(std::string_view text, std::string_view caption, uint32_t buttons) {
    return MessageBox(text, caption, buttons | MB_ICONEXCLAMATION);
}

void KatalogFehler(std::string_view grund, std::string_view folge, std::string_view caption,
                   std::string_view ohneGrund) {
    std::string text(grund.empty() ? ohneGrund : grund);
    text += grund.empty() ? "" : "\n";
    text += folge;
    Warnung(text, caption);
}

void HilfeZeigen(uint32_t kontext) {
    Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, kontext);
}
