#pragma once
// The shell's options in korpus.ini, section "Einstellungen" and "Speichern",
// and the printing switch "Banding" of section "Drucker".
#include <string_view>

// A switch is on when its text is "1" or, in any case, "true".
bool SchalterAn(std::string_view text);
// Reads "Statuszeile", "Symbolleiste", "Auto" and "Intervall" into the state.
void EinstellungenLesen();
// Writes the four back: "1" or "0" for the switches, the interval in decimal.
void EinstellungenSchreiben();
bool BandingLesen();
