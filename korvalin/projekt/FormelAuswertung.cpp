#include "korvalin/projekt/FormelAuswertung.h"

#include "hilfsmittel/Calculator.h"
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/RuntimeError.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>

namespace {

constexpr double kGrenze = 9999999.0; // above it values are written with "%G"

constexpr const char* kParser = "Parser-Meldung";
constexpr const char* kLaufzeit = "Laufzeit-Fehler";

// The arithmetic's own errors: the floating-point flags of the evaluation, or
// a result that is not a number, unless the evaluator explained it already.
// Overflow and division by zero always count; an invalid operation only when
// no function reported its argument.
bool rechenfehler(double wert, bool syntaxfehler, bool laufzeitfehler) {
    const bool ueberlauf = std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO) != 0;
    const bool ungueltig = std::fetestexcept(FE_INVALID) != 0;
    const bool unendlich = std::isinf(wert) && !syntaxfehler;
    const bool keineZahl = std::isnan(wert) && !syntaxfehler;
    return ueberlauf || unendlich || ((ungueltig || keineZahl) && !laufzeitfehler);
}

// Characters (not bytes) before the byte position.
int zeichen(std::string_view text, size_t bytes) {
    bytes = std::min(bytes, text.size());
    return int(std::count_if(text.begin(), text.begin() + ptrdiff_t(bytes),
                             [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}

std::string bereinigt(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != '\r') s.push_back(c == ',' ? '.' : c);
    return s;
}

FormelErgebnis fehler(FormelErgebnis::TArt art, std::string meldung, const char* titel) {
    FormelErgebnis e;
    e.Art = art;
    e.Meldung = std::move(meldung);
    e.Titel = titel;
    return e;
}

FormelErgebnis ueberlauf() {
    return fehler(FormelErgebnis::Ueberlauf, "Überlauf bei der Berechnung", kLaufzeit);
}

// The character before the error position and its line, by the position
// alone: lines are the text's "\n".
void auswahl(FormelErgebnis& e, std::string_view text, int position) {
    const size_t p = size_t(std::clamp(position, 0, int(text.size())));
    e.AuswahlVon = zeichen(text, p > 0 ? p - 1 : 0);
    e.AuswahlBis = zeichen(text, p);
}

int zeileVon(std::string_view text, int position) {
    const size_t vor = size_t(std::clamp(position - 1, 0, int(text.size())));
    return int(std::count(text.begin(), text.begin() + ptrdiff_t(vor), '\n'));
}

} // namespace

std::vector<std::string> TextZeilen(std::string_view text) {
    std::vector<std::string> zeilen(1);
    for (char c : text) {
        if (c == '\n')
            zeilen.emplace_back();
        else if (c != '\r')
            zeilen.back().push_back(c);
    }
    if (zeilen.size() > 1 && zeilen.back().empty()) zeilen.pop_back();
    return zeilen;
}

FormelErgebnis FormelAuswerten(std::string_view variablenText, std::string_view formelText,
                               bool grad) {
    TRuntimeError rechenFehler; // fresh for each evaluation: no stale message
    TCalculator rechner(&rechenFehler);
    const short winkel = grad ? 1 : 0;

    const std::string variablen = bereinigt(variablenText);
    std::feclearexcept(FE_ALL_EXCEPT);
    const double v = rechner.Calculate(variablen, winkel);
    int position = 0;
    const bool variablenFehler = rechner.GetError(&position, nullptr) != 0;
    if (rechenfehler(v, variablenFehler, rechenFehler.state != 0)) return ueberlauf();
    if (variablenFehler) {
        const int zeile = zeileVon(variablen, position);
        auto e =
            fehler(FormelErgebnis::VariablenFehler,
                   "Variablen-Definition:\nFehler in Zeile " + std::to_string(zeile + 1), kParser);
        auswahl(e, variablen, position);
        return e;
    }

    if (formelText.empty()) {
        auto e = fehler(FormelErgebnis::KeineFormel, "Keine Formel angegeben!", kParser);
        return e;
    }
    // One expression of all lines; where each line starts in it.
    const std::vector<std::string> zeilen = TextZeilen(bereinigt(formelText));
    std::string formel;
    std::vector<size_t> anfang;
    for (const std::string& z : zeilen) {
        anfang.push_back(formel.size());
        formel += z;
    }
    rechner.Reset();
    std::feclearexcept(FE_ALL_EXCEPT);
    const double wert = rechner.Calculate(formel, winkel);
    const bool formelFehler = rechner.GetError(&position, nullptr) != 0;
    const bool fp = rechenfehler(wert, formelFehler, rechenFehler.state != 0);
    std::feclearexcept(FE_ALL_EXCEPT);

    if (rechenFehler.state != 0 && !fp)
        return fehler(FormelErgebnis::Laufzeitfehler, rechenFehler.GetErrorString(), kLaufzeit);
    if (fp) return ueberlauf();
    if (formelFehler) {
        // The line that holds the character before the position; in the
        // edit each line before it adds its line break.
        const size_t zeichenVor = size_t(std::max(position - 1, 0));
        size_t zeile = 0;
        for (size_t i = 0; i < zeilen.size(); ++i)
            if (anfang[i] <= zeichenVor && !zeilen[i].empty()) zeile = i;
        std::string imEdit;
        for (size_t i = 0; i < zeilen.size(); ++i)
            imEdit += zeilen[i] + (i + 1 < zeilen.size() ? "\n" : "");
        auto e = fehler(FormelErgebnis::FormelFehler,
                        "Formel: Fehler in Zeile " + std::to_string(zeile + 1), kParser);
        auswahl(e, imEdit, position + int(zeile));
        return e;
    }
    FormelErgebnis e;
    e.Wert = wert;
    return e;
}

std::string ErgebnisText(double wert) {
    // An unordered value goes the first way, as the comparison lets it.
    return QTX_format(wert > kGrenze ? "%G" : "%4.3lf", wert);
}

std::string ListenWertText(double wert) {
    if (wert > kGrenze) return QTX_format("%G", wert); // 'G' keeps the point
    return FormelZahlText(wert);
}

std::string FormelZahlText(double wert) {
    char text[400];
    const auto r = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed, 3);
    return std::string(text, r.ptr);
}
