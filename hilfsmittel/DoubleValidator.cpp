#include "hilfsmittel/DoubleValidator.h"

#include "platform/services/MessageBox.h"

#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number at the start of the text as strtod reads it, with '.' as the
// decimal point whatever the process locale; nullopt when none starts there.
std::optional<double> leadingNumber(std::string_view text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string copy(text);
    char* end = nullptr;
    const double value = strtod_l(copy.c_str(), &end, cLocale);
    if (end == copy.c_str()) return std::nullopt;
    // An exponent without digits ("1e") is unfinished, not 1.
    if (*end == 'e' || *end == 'E') return std::nullopt;
    return value;
}

// The range as "%3.2lf" writes it: point, two decimals, no grouping.
std::string fixed2(double v) {
    char text[400];
    const auto r = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 2);
    return std::string(text, r.ptr);
}

} // namespace

TDoubleValidator::TDoubleValidator(double min, double max) : minimum_(min), maximum_(max) {}

TDoubleValidator::~TDoubleValidator() = default;

bool TDoubleValidator::FilterDoubleInput(std::string& text) {
    if (text.empty()) return true;
    auto refuse = [&](std::size_t cut) {
        text.resize(cut);
        return false;
    };
    // Bytes from 128 up (any non-ASCII character) are refused like letters.
    const auto code = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    bool point = false;
    const char first = text[0];
    if (code(0) >= 128 ||
        !(isDigit(first) || first == '+' || first == '-' || first == ',' || first == '.'))
        return refuse(0);
    if (first == ',') text[0] = '.';
    if (text[0] == '.') point = true;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (code(i) >= 128) return refuse(i);
        if (isDigit(text[i])) continue;
        // "1e308" is a number as it stands: kept, so that its value is
        // judged, instead of the letter falling out and "1308" remaining.
        if ((text[i] == 'e' || text[i] == 'E') && isDigit(text[i - 1])) {
            std::size_t j = i + 1;
            if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
            while (j < text.size() && isDigit(text[j])) ++j;
            if (j == text.size()) return true;
            return refuse(j);
        }
        if (point) return refuse(0); // a second point, or a sign after it
        if (text[i] == ',') text[i] = '.';
        if (text[i] == '.') {
            point = true;
            continue;
        }
        return refuse(i);
    }
    return true;
}

bool TDoubleValidator::IsValidInput(std::string& text, bool) {
    return FilterDoubleInput(text);
}

bool TDoubleValidator::IsValid(std::string_view text) {
    rangeError_ = 0;
    if (text.empty()) return false;
    // A lone sign or point, or a sign followed by the point, is no number yet.
    if (!isDigit(text[0]) && !(text.size() > 1 && isDigit(text[1]))) return false;
    // A text like "x5" passes the look at its start but holds no number: the
    // format is wrong, not the range.
    const auto value = leadingNumber(text);
    if (!value) return false;
    if (minimum_ <= *value && *value <= maximum_) return true;
    rangeError_ = 1; // not a number lies outside every range
    return false;
}

void TDoubleValidator::Error(TWindow*) {
    const std::string text =
        rangeError_ ? "Wert ist nicht im Bereich zwischen\n\n " + fixed2(minimum_) + " und " +
                          fixed2(maximum_)
                    : "Eingabe-Format:\n\n Vorzeichen (optional) \n Vorkomma-Ziffern \n Komma "
                      "(optional) \n Nachkomma-Ziffern (optional)";
    MessageBox(text, "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION);
}
