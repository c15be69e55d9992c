#pragma once
// The window editor's rules that need no window: the window U-value table of
// DIN 4108 (k_F by glazing value k_V and frame material group) with its
// frame-share rules, the free computation from k_R and k_V, and how the
// orientation and the tilt of a placed window follow each other.
#include <optional>

namespace KFTabelle {

constexpr int kZeilen = 29;     // glazing values 5.8 .. 0.5
constexpr int kSpalten = 5;     // frame groups 1, 2.1, 2.2, 2.3, 3
constexpr int kInfoZeilen = 24; // the information dialog's list ends with "1.0"

// k_F in W/(m²K) (DIN 4108-4 table of window U-values).
extern const double Werte[kZeilen][kSpalten];
extern const char* const ZeilenTexte[kZeilen];   // k_V, the glazing list
extern const char* const SpaltenTexte[kSpalten]; // the frame-group list

// k_F of the table for a frame share in percent: group "3" loses 0.5 at a
// share of 15 % or less (not for "5.8"), and at 5 % or less the window counts
// as its glazing. Nothing for a row or group outside the table.
std::optional<double> Wert(int zeile, int gruppe, double rahmenanteil);
// The glazing value of a row; nothing outside the table.
std::optional<double> Verglasung(int zeile);
// Share-weighted mean of frame and glazing: (f·k_R + (100 − f)·k_V) / 100.
double Berechnet(double rahmenanteil, double kR, double kV);

} // namespace KFTabelle

// Orientation indices of the list "Orientierung".
constexpr int kHorizontal = 4;
// A window of 15° tilt or less counts as horizontal.
constexpr double kHorizontalNeigung = 15.0; // degrees

// The tilt after the orientation was chosen.
double NeigungZurOrientierung(int orientierung, double neigung);
// The orientation after the tilt was typed; the facade's orientation is
// where a window that stands up again turns to.
int OrientierungZurNeigung(double neigung, int orientierung, int fassadenOrientierung);
