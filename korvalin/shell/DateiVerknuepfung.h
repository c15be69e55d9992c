#pragma once
// The open command of the project document type, written at every start:
// the registry store's key "Korvalin.Document\shell\open\command" of
// HKEY_CLASSES_ROOT gets the program path followed by " %1", and the
// desktop gets an application entry "korvalin.desktop" that opens a file
// with the program. Neither maps the extension ".pro" to the program (the
// original never did, and ".pro" is also a qmake project file). Failures
// are not reported: the start goes on.
#include <filesystem>

class RegistryStore;

inline constexpr const char* kVerknuepfungSchluessel =
    "HKEY_CLASSES_ROOT\\Korvalin.Document\\shell\\open\\command";

void DateiVerknuepfungSchreiben(RegistryStore& registry, const std::filesystem::path& programm,
                                const std::filesystem::path& anwendungen);
// The program file of this process.
std::filesystem::path ProgrammDatei();
// $XDG_DATA_HOME/applications beside the program data folder.
std::filesystem::path AnwendungsVerzeichnis();
