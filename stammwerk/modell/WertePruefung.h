#pragma once
// The numbers of a project read from a file, checked against the ranges that
// their dialogs allow. A value outside its range (also NaN, infinite) is
// replaced by the field's default and its component type, window type or
// variant marked, so that no proof counts as met with it; a value that
// cannot be replaced without changing what the file means refuses the file.
#include <string>
#include <vector>

class TGesamtProjekt;

struct ErsetzterWert {
    std::string Stelle; // "Bauteil "Außenwand"" or "Variante "Standardprojekt""
    std::string Feld;   // "Innentemperatur Tauperiode"
    double Wert = 0;    // as read
    double Von = 0, Bis = 0;
    bool Prozent = false; // stored as a fraction, typed in % in its dialog
};

struct WertePruefung {
    std::vector<ErsetzterWert> Ersetzt;
    std::string Unbrauchbar; // why the file cannot be used; empty when it can
};

// Checks every variant; replaces, marks and computes the marked items again.
WertePruefung WertePruefen(TGesamtProjekt& g);

// The German message naming each replaced value (at most `hoechstens`
// lines, then how many more).
std::string ErsetzteWerteMeldung(const std::vector<ErsetzterWert>& werte, size_t hoechstens = 20);

// The components, windows and variants whose replaced values the user has
// not confirmed yet, one line each; empty when there are none.
std::vector<std::string> UnbestaetigteStellen(const TGesamtProjekt& g);

// The question before a save writes the unconfirmed defaults into the file.
std::string ErsetzteWerteSpeichernFrage(const std::vector<std::string>& stellen);
