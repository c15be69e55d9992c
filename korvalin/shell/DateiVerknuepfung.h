#pragma once
// The open command of the project document type, written at every start:
// the registry store's key "Korvalin.Document\shell\open\command" of
// HKEY_CLASSES_ROOT gets the program path followed by " %1", and the
// desktop gets an application entry "korvalin.desktop" that opens a file
// with the program. A MIME type of its own (shared-mime-info package
// beside the applications folder) names project files by their glob and
// the header's format identifier, so that a ".pro" of qmake, which shares
// the glob, stays a text file; the desktop entry handles that type.
// Failures are not reported: the start goes on.
#include <filesystem>

class RegistryStore;

inline constexpr const char* kVerknuepfungSchluessel =
    "HKEY_CLASSES_ROOT\\Korvalin.Document\\shell\\open\\command";
inline constexpr const char* kProjektMimeTyp = "application/x-korvalin-projekt";

void DateiVerknuepfungSchreiben(RegistryStore& registry, const std::filesystem::path& programm,
                                const std::filesystem::path& anwendungen);
// The program file of this process.
std::filesystem::path ProgrammDatei();
// $XDG_DATA_HOME/applications beside the program data folder.
std::filesystem::path AnwendungsVerzeichnis();
