#pragma once
// Entry of the old-file conversion for the opening of a project.
//
// When TGesamtProjekt::Oeffnen answers 2..6 (a file of version "1.00" to
// "5.00"), the opening calls ProjektKonvertieren(file, program directory).
// It asks the user, makes the backup copy "<name>.BAK", runs the chain of
// converters from the step after the file's version up to TConvert_InV6,
// saves the result in the current format under the file's own name and
// checks that the current reader takes it back. On Konvertiert the opening
// opens the file again from the start. On every other result (but
// KeineAlteVersion) the user has already been told, last with "Projekt-Datei
// kann nicht geöffnet werden!": the opening discards its project object
// without another message. The project file is changed only on Konvertiert.
#include <filesystem>
#include <vector>

class TGesamtProjekt;

enum class Konvertierung {
    Konvertiert,      // saved as version "6.00"
    KeineAlteVersion, // the file is of the current version; nothing done
    Abgelehnt,        // the user declined, or no backup copy could be made
    NichtLesbar,      // foreign, cut short or damaged; nothing saved
    NichtGespeichert, // the result could not be saved or read back
};

Konvertierung ProjektKonvertieren(const std::filesystem::path& datei,
                                  const std::filesystem::path& programmverzeichnis);

// Asks whether to convert a file of version code 2..6; true on "Ja".
bool KonvertierenFragen(int code);

// The steps that convert a file of version code `code`: N stands for
// TConvert_InV<N>; empty for codes outside 2..6.
std::vector<int> KonvertierungsSchritte(int code);

// Runs the chain for a file of version code `code` into `ziel` (which then
// holds the converted variants, unsaved). Answers the first failing step's
// version code: 0 converted; 1 unreadable; 2..6 the file turned out to be of
// another version.
int KonvertierungsketteAusfuehren(TGesamtProjekt& ziel, const std::filesystem::path& datei,
                                  int code, const std::filesystem::path& programmverzeichnis);
