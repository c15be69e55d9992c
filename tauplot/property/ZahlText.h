#pragma once
// A number in a transfer record's text field. While the text is still the
// one shown, reading gives back the number exactly as it was, so that the
// rounding of the display never changes a stored value.
#include <string>

struct ZahlText {
    std::string Text;

    // Shows wert × faktor with the printf format (decimal point always '.').
    void Zeigen(double wert, const char* format, double faktor = 1);
    // The shown number when the text is untouched, else strtod(Text) / faktor
    // (0 for a text that does not read as a number).
    double Lesen() const;
    bool Geaendert() const { return Text != gezeigt_; }

private:
    std::string gezeigt_;
    double wert_ = 0;
    double faktor_ = 1;
};
