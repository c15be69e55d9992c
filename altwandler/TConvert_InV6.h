#pragma once
// The last step of every project conversion: version "5.00" to the current
// model. Each operation answers a status, so that a failed read stops the
// chain before anything is saved.
#include <filesystem>

class TGesamtProjekt;
class TGesamtProjektVersion5;
class TPBauteil;
class TPBauteilVersion5;
class TProjekt;
class TProjektVersion5;
class TRBauteil;
class TRBauteilVersion5;

class TConvert_InV6 {
public:
    // The program directory and the name of the file being converted (empty
    // for catalogue conversions).
    TConvert_InV6(std::filesystem::path programmverzeichnis, std::filesystem::path datei);

    // Reads the version-5 file and converts it: a version code of the reader
    // (0 converted; otherwise nothing was added to the target).
    int ConvertGesamtProjekt(TGesamtProjekt* ziel, const std::filesystem::path& datei);
    // Appends one current variant per old variant, in list order. Answers 0.
    // The target takes the file's name when it is saved under it.
    int ConvertGesamtProjekt(TGesamtProjekt* ziel, TGesamtProjektVersion5* alt);

    void ConvertProjekt(TProjekt* neu, TProjektVersion5* alt);
    // Without a project (catalogue entries) the proof runs with the
    // defaults (0, 1, 0) and normal internal temperatures.
    void ConvertRBauteil(TRBauteil* neu, TRBauteilVersion5* alt, TProjekt* projekt);
    void ConvertPBauteil(TPBauteil* neu, TPBauteilVersion5* alt, TProjekt* projekt);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }
    const std::filesystem::path& Datei() const { return datei_; }

private:
    std::filesystem::path verzeichnis_;
    std::filesystem::path datei_;
};
