#pragma once
// Base of the nine print layout settings objects. Each one reads and writes a
// section of one of three INI files in the configuration folder or beside the
// project: "global.ini" (all projects), the project's own file, "datei.ini"
// (sheets that belong to no project).
#include <filesystem>
#include <initializer_list>

class TIniEinstellungenGroessen {
public:
    virtual ~TIniEinstellungenGroessen() = default;

    // Missing files, sections and keys give the class's defaults.
    virtual void Laden(bool bGlobal, bool bProjekt) = 0;
    // False when the file could not be written; the user has been told.
    virtual bool Speichern(bool bGlobal, bool bProjekt) = 0;

    // The project's settings file: folder and base name of the project file,
    // extension ".ini" (Haus.pro -> Haus.ini); empty without an open project.
    static std::filesystem::path ProjektIniDatei();

    // Laden of each object from the same file. Values there that do not
    // parse are named in one message with the file, not an assertion box
    // each: a hand-edited or damaged file is input, not a broken program.
    static void LadenMitMeldung(std::initializer_list<TIniEinstellungenGroessen*> objekte,
                                bool bGlobal, bool bProjekt);

protected:
    static std::filesystem::path IniDateiZumLesen(bool bGlobal, bool bProjekt);
    static std::filesystem::path IniDateiZumSchreiben(bool bGlobal, bool bProjekt);
};
