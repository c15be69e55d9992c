#pragma once
// What the component sheet's layer table shows besides its rows, shared by
// its layout and its painting.
class TRBauteil;
class TEinfachBauteil;
class TProjekt;

// Limits, verdicts and footnotes are shown for a catalogue component or in a
// project of normal inside temperatures.
bool SchichtAnforderungenAnzeigen(const TRBauteil& bauteil, const TProjekt* p);
// Footnote lines under the table (0 to 3).
int SchichtFussnotenZeilen(const TRBauteil& bauteil, const TEinfachBauteil& eb, const TProjekt* p,
                           bool feuchte);
