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
