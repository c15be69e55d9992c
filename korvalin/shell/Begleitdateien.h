#pragma once
// The data-sheet companion files of a project, in the groups that opening,
// saving, closing and deleting move together. A base is the project's folder
// and its file name without ending; the sheet files carry the variant digit
// behind their ending (".pb0"), the settings file ".ini" stands alone.
// Every operation attempts all of its files and answers false when any
// existing file could not be copied or deleted.
#include <filesystem>
#include <string>

class TGesamtProjekt;

// Folder + name without ending of a project file.
std::string BegleitBasis(const std::filesystem::path& projektdatei);
// The same base, compared as the companion files are found: without case.
bool GleicheBasis(const std::string& a, const std::string& b);

// ".pb"→".px", ".eb"→".ex", ".fb"→".fx", ".ini"→".ixi".
bool BackupsAnlegen(const TGesamtProjekt& g, const std::string& basis);
// ".px", ".ex", ".fx", ".ixi".
bool BackupsLoeschen(const TGesamtProjekt& g, const std::string& basis);
// ".px"→".pb", ".ex"→".eb", ".fx"→".fb", ".ixi"→".ini".
bool BackupsZurueckkopieren(const TGesamtProjekt& g, const std::string& basis);
// ".pb", ".eb", ".fb", and with the settings file also ".ini".
bool DatenblattDateienLoeschen(const TGesamtProjekt& g, const std::string& basis,
                               bool mitEinstellungen);
// ".pb", ".eb", ".fb", ".ini" from one base to another under the same endings.
bool DatenblattDateienKopieren(const TGesamtProjekt& g, const std::string& von,
                               const std::string& nach);
// The base of a project made by "Neu": "unbenannt" in the program directory.
std::string UnbenanntBasis();
