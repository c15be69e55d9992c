#pragma once
// The evaluation of an area or volume formula of the calculator: the
// variable definitions first, then the formula, whose lines are joined into
// one expression. What went wrong comes back with its message, its caption
// and the range of the edit to select; every failure gives the value 0.
#include <string>
#include <string_view>
#include <vector>

struct FormelErgebnis {
    enum TArt {
        Ok,
        VariablenFehler, // syntax error in the definitions
        KeineFormel,
        Laufzeitfehler, // an invalid argument of a function
        Ueberlauf,      // overflow or an invalid operation of the arithmetic
        FormelFehler,   // syntax error in the formula
    };
    TArt Art = Ok;
    double Wert = 0.0;
    std::string Meldung;
    std::string Titel;
    // Characters of the edit concerned (definitions or formula) to select.
    int AuswahlVon = 0, AuswahlBis = 0;
};

// The edits' texts with their line breaks ("\n"; a '\r' is ignored); a ','
// counts as a decimal point. grad: the trigonometric functions take degrees.
FormelErgebnis FormelAuswerten(std::string_view variablen, std::string_view formel, bool grad);

// The result field and the total: the program's formatter with "%4.3lf", above
// 9999999.0 "%G".
std::string ErgebnisText(double wert);
// A value cell of the list: "%4.3lf" with a decimal point, above 9999999.0 "%G".
std::string ListenWertText(double wert);
// A value written as a formula: "%4.3lf" with a decimal point, whatever the
// locale, so that it reads back as the same number.
std::string FormelZahlText(double wert);
// The edit's text as real lines, without the line breaks.
std::vector<std::string> TextZeilen(std::string_view text);
