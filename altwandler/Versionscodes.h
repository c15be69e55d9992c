#pragma once
// The answers of every project reader of this library and of
// TGesamtProjekt::Oeffnen: 0 read; 1 the file does not open, is foreign,
// carries an unknown version text, or (here) is cut short or damaged;
// 2..6 the file is of version "1.00".."5.00".
#include <string>

class ByteReader;

enum Versionscode : int {
    VersionGelesen = 0,
    VersionFehler = 1,
    Version100 = 2,
    Version200 = 3,
    Version300 = 4,
    Version400 = 5,
    Version500 = 6,
};

// Reads the project header with the given version rule: VersionGelesen when
// accepted, VersionFehler for a foreign or cut header, else the code of the
// file's real version.
int ProjektKopfPruefen(ByteReader& in, int versionsRegel);

// "1.0" .. "5.0" for the codes 2..6, as the question to the user names them.
std::string VersionsText(int code);
