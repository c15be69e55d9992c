#pragma once
// Recovery of an autosave copy when a project is opened: a copy "QZ4..." of
// the same project left in the temporary folder shows that the program did
// not end normally; when it is newer than the project file the user chooses
// what becomes of it.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

class korpusMDIClient;

// What one file of the temporary folder is to the project being opened.
enum class KopieArt {
    Fremd,          // no project file of this version
    AnderesProjekt, // the copy of another project
    Beschaedigt,    // this project's, but it does not read as a whole
    Kopie,          // this project's, readable
};
KopieArt KopieArtBestimmen(std::span<const uint8_t> datei, const std::filesystem::path& projekt);

struct Sicherungskopie {
    std::filesystem::path datei;
    std::vector<uint8_t> bytes; // as read, and as checked
    std::filesystem::file_time_type zeit;
};
// The readable copies of the project in the folder, the newest (by the
// copy's file time) first. Files that cannot be read or are damaged are
// passed over and left alone.
std::vector<Sicherungskopie> SicherungskopienSuchen(const std::filesystem::path& ordner,
                                                    const std::filesystem::path& projekt);
// The newest of them.
std::optional<Sicherungskopie> SicherungskopieSuchen(const std::filesystem::path& ordner,
                                                     const std::filesystem::path& projekt);
// Removes a copy with its companion files.
void SicherungskopieEntfernen(const std::filesystem::path& kopie);
// Removes the empty "QZ4..." files written before `vor`: names taken by an
// autosave that died before it wrote.
void LeereKopienEntfernen(const std::filesystem::path& ordner, std::filesystem::file_time_type vor);

// Before the project file `datei` is read: 0 = go on opening `datei`
// (which choice 2 may have replaced), -1 = do not open.
int SicherungskopiePruefen(korpusMDIClient& client, std::string& datei);

// At start and on "Neu": the copy of a project that was never saved, left
// by a program that did not end normally, is offered as well. Copies whose
// lock a running program holds are that program's own.
enum class UnbenannteKopie {
    Keine,       // none taken: go on as without a copy
    Geoeffnet,   // a project made from the copy is open
    Abgebrochen, // cancelled or failed: nothing more happens
};
UnbenannteKopie UnbenannteSicherungskopiePruefen(korpusMDIClient& client);

// Choice 2: where the copy goes as a new project; empty when cancelled.
std::string SicherungskopieZielWaehlen(const korpusMDIClient& client);
// Writes the checked bytes to `ziel` (unless empty) and the copy's data
// sheets to the base `begleitZiel` (unless empty), then removes the copy.
// False, with the message shown, when the file could not be written.
bool SicherungskopieUebernehmen(const Sicherungskopie& kopie, const std::string& ziel,
                                const std::string& begleitZiel);
