#pragma once
// The open project as the program keeps it: making a project the open one,
// discarding it, and the status bar's three fields that show it.
#include <memory>
#include <string_view>

class TGesamtProjekt;

// Makes the project the open one: AktuellesProjekt, ProjektOffen, and the
// project file that the layout settings look beside.
void ProjektSetzen(std::unique_ptr<TGesamtProjekt> projekt);
// Deletes the open project (if any) with its autosave copy and clears the
// pointer, ProjektOffen and the project file.
void ProjektVerwerfen();
// After a save under a new name: the layout settings follow the file.
void ProjektdateiMelden();

// The recent-files list: the name goes first, or leaves the list (found
// without regard to case); the menu is rebuilt before "&Beenden".
void MruDateiVorn(std::string_view name);
void MruDateiEntfernen(std::string_view name);
// The entries in the main window's menu, before "&Beenden".
void MruMenueAufbauen();

// Sets the change flag and shows it in the state field.
void ProjektGeaendertSetzen(bool geaendert);

// "Projekt: " + file name with ending, and the current variant's name.
void StatusProjektAnzeigen();
// "Kein Projekt offen" and an empty variant field.
void StatusKeinProjekt();
void StatusProjektfeld(std::string_view text);
void StatusVariantenfeld(std::string_view text);
// "Geändert" / "Nicht geändert".
void StatusZustand(bool geaendert);
// All three fields for the open project, or for none (an activated view).
void StatusAktualisieren();
