#pragma once
// Saving the open project ("&Speichern" 1010, "Speichern &unter..." 1020)
// with its data-sheet companion files and their backups, which hold the
// state of the last save. Both answer 1 when the project file was written
// and 0 when nothing was written (cancelled, not enough space, or the write
// failed: then the user was told and the project stays marked changed).
#include "korvalin/shell/Speicherplatz.h"
#include "platform/base/FileLock.h"

#include <filesystem>
#include <string>

int ProjektSpeichern();
int ProjektSpeichernUnter();

class TGesamtProjekt;
// A project file that another program saved since this one read it is
// overwritten only when the user says so.
bool UeberschreibenErlaubt(const TGesamtProjekt& g);

// "The project is open in another program (host, process)."
std::string InAnderemProgrammGeoeffnet(const std::filesystem::path& datei,
                                       const FileLock::Holder& wer);

// Defaults that replaced damaged values and that the user has not confirmed
// are written only when the user says so; false cancels the save.
bool ErsetzteWerteSpeichernErlaubt(const TGesamtProjekt& g);

// Editors with pending changes of the project's types hand them over after
// asking; 0 when the user cancelled, 1 otherwise.
int BearbeitungenUebernehmen();

// An open component or window editor as saving sees it.
class BearbeitungsEditor {
public:
    virtual ~BearbeitungsEditor() = default;
    // Changes not yet taken over, to a type of the project (not a catalogue entry).
    virtual bool HatProjektAenderungen() const = 0;
    // Assigns the working copy to the project's type and clears the changed flag.
    virtual void AenderungenUebernehmen() = 0;
};
