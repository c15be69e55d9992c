#include "stammwerk/modell/TCADBauteilDaten.h"

#include "hilfsmittel/Calculator.h"
#include "hilfsmittel/RuntimeError.h"
#include "platform/base/Cp1252.h"
#include "platform/base/TextCompare.h"

#include <cmath>
#include <limits>

namespace {

// Columns of the line format, counted from 0.
constexpr size_t kSpalteNummer = 13;
constexpr size_t kSpalteName = 24;
constexpr size_t kNameLaenge = 29;
constexpr size_t kSpalteArt = 54;
constexpr size_t kSpalteWertA = 58;
constexpr size_t kWertLaenge = 5;
constexpr size_t kSpalteRichtung = 64;
constexpr size_t kSpalteWertB = 69;
constexpr size_t kSpalteAnzahl = 75;
constexpr size_t kSpalteFormel = 78;
constexpr size_t kKennungLaenge = 12;

std::string_view ab(std::string_view z, size_t spalte, size_t laenge = std::string_view::npos) {
    return spalte < z.size() ? z.substr(spalte, laenge) : std::string_view{};
}

// From the start up to the first blank.
std::string_view bisLeerzeichen(std::string_view s) {
    return s.substr(0, std::min(s.size(), s.find(' ')));
}

std::string_view ohneEndLeerzeichen(std::string_view s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// A decimal integer after leading blanks, as the C library reads one; false
// when there is no digit or it does not fit.
bool ganzzahl(std::string_view s, int64_t grenze, int64_t& wert) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    int64_t v = 0;
    size_t ziffern = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++ziffern) {
        v = v * 10 + (s[i] - '0');
        if (v > grenze) return false;
    }
    if (ziffern == 0) return false;
    wert = negativ ? -v : v;
    return true;
}

int art(std::string_view token) {
    static const struct {
        const char* token;
        int art;
    } arten[] = {{"W", 0}, {"F", 10}, {"D", 3}, {"G", 4}, {"DL", 5}, {"AB", 6}};
    for (const auto& a : arten)
        if (EqualNoCase(token, a.token)) return a.art;
    return -1;
}

int16_t himmelsrichtung(std::string_view token) {
    static const char* const richtungen[] = {"Nord", "Süd", "West", "Ost"};
    const std::string utf8 = cp1252::Decode(token);
    for (int16_t i = 0; i < 4; ++i)
        if (EqualNoCase(utf8, richtungen[i])) return i;
    return -1;
}

} // namespace

TCADZeilenStatus CADZeileParsen(std::string_view z, TCADBauteilDaten& d) {
    d.Kennung = cp1252::Decode(bisLeerzeichen(z).substr(0, kKennungLaenge));
    int64_t nummer = 0;
    if (!ganzzahl(ab(z, kSpalteNummer, kSpalteName - kSpalteNummer),
                  std::numeric_limits<int32_t>::max(), nummer) ||
        nummer == 0) {
        d.CADNummer = 0;
        return CADKennungNull;
    }
    d.CADNummer = int32_t(nummer);
    d.Name = cp1252::Decode(ohneEndLeerzeichen(ab(z, kSpalteName, kNameLaenge)));
    d.WertA = cp1252::Decode(ab(z, kSpalteWertA, kWertLaenge));
    d.Himmelsrichtung = himmelsrichtung(bisLeerzeichen(ab(z, kSpalteRichtung)));
    d.WertB = cp1252::Decode(bisLeerzeichen(ab(z, kSpalteWertB, kWertLaenge)));
    int64_t anzahl = 0;
    d.Anzahl =
        ganzzahl(ab(z, kSpalteAnzahl, kSpalteFormel - kSpalteAnzahl), 0xFFFF, anzahl) && anzahl >= 0
            ? uint16_t(anzahl)
            : 0;
    d.Formel = cp1252::Decode(ab(z, kSpalteFormel));
    const int a = art(bisLeerzeichen(ab(z, kSpalteArt)));
    if (a < 0) return CADArtUnbekannt;
    d.Art = uint16_t(a);
    return CADZeileGelesen;
}

bool TCADZeilenleser::Naechste(std::string_view& zeile) {
    if (pos_ >= datei_.size()) return false;
    size_t ende = datei_.find('\n', pos_);
    if (ende == std::string_view::npos) ende = datei_.size();
    zeile = datei_.substr(pos_, ende - pos_);
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    pos_ = ende + 1;
    ++nummer_;
    return true;
}

bool CADFlaecheAuswerten(std::string_view formel, uint16_t rechenoption, double& wert,
                         std::string& fehler) {
    if (formel.find(',') != std::string_view::npos) {
        fehler = "Die Flächenformel \"" + std::string(formel) +
                 "\" enthält ein Komma; Dezimalstellen werden mit Punkt geschrieben.";
        return false;
    }
    if (formel.find_first_not_of(" \t") == std::string_view::npos) {
        fehler = "Die Zeile hat keine Flächenformel.";
        return false;
    }
    TRuntimeError laufzeit;
    TCalculator rechner(&laufzeit);
    const double v = rechner.Calculate(formel, short(rechenoption));
    int position = 0, zeile = 0;
    const int code = rechner.GetError(&position, &zeile);
    if (code != 0) {
        fehler = "Die Flächenformel \"" + std::string(formel) +
                 "\" ist fehlerhaft: " + rechner.GetErrorText(code) + " (Stelle " +
                 std::to_string(position + 1) + ").";
        return false;
    }
    if (laufzeit.state != 0) {
        fehler = "Die Flächenformel \"" + std::string(formel) +
                 "\" ist fehlerhaft: " + laufzeit.GetErrorString() + ".";
        return false;
    }
    if (!std::isfinite(v) || v < 0) {
        fehler = "Die Flächenformel \"" + std::string(formel) + "\" ergibt keine gültige Fläche.";
        return false;
    }
    wert = v;
    return true;
}
