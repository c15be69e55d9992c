#pragma once
// The last step of every project conversion: version "5.00" to the current
// model. Each operation answers a status, so that a failed read stops the
// chain before anything is saved.
#include <filesystem>
#include <string>

class TBaustoffDatei;
class TBauteilDatei;
class TFensterDatei;
class TGesamtProjekt;
class TGesamtProjektVersion5;
class TPBauteil;
class TPBauteilVersion5;
class TProjekt;
class TProjektVersion5;
class TRBauteil;
class TRBauteilVersion5;

// Answers of the catalogue conversions.
enum KatalogErgebnis : int {
    KatalogKonvertiert = 0,      // written anew; the old file kept as backup
    KatalogNichtLesbar = 1,      // missing, foreign or cut short: nothing changed
    KatalogOhneSicherung = 2,    // no backup could be written: nothing changed
    KatalogNichtGeschrieben = 3, // the new file could not be written: nothing changed
};

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

    // Catalogue files of older versions, of the owner 0 (DIN), 1 (maker's)
    // or 2 (user's), in the catalogue object's own file. The whole old file
    // is read and converted in memory; only then is a byte copy of it kept
    // under the first free backup name (ending "BAK", then "100", "101" ...,
    // compared without regard to case) and the catalogue written anew in
    // the current format. `endung` receives the backup's ending. A
    // KatalogErgebnis.
    int ConvertBaustoffDateiV1_2_V6(TBaustoffDatei* datei, short besitzer, std::string& endung);
    int ConvertBaustoffDateiV3_V6(TBaustoffDatei* datei, short besitzer, std::string& endung);
    int ConvertBaustoffDateiV4_V6(TBaustoffDatei* datei, short besitzer, std::string& endung);
    int ConvertFensterDateiV1_2_V6(TFensterDatei* datei, short besitzer, std::string& endung);
    int ConvertFensterDateiV3_V6(TFensterDatei* datei, short besitzer, std::string& endung);
    int ConvertBauteilDateiV1_V6(TBauteilDatei* datei, short besitzer, std::string& endung);
    int ConvertBauteilDateiV2_V6(TBauteilDatei* datei, short besitzer, std::string& endung);
    int ConvertBauteilDateiV3_V6(TBauteilDatei* datei, short besitzer, std::string& endung);
    int ConvertBauteilDateiV4_V6(TBauteilDatei* datei, short besitzer, std::string& endung);
    int ConvertBauteilDateiV5_V6(TBauteilDatei* datei, short besitzer, std::string& endung);

    // The ending of the first free backup name of `datei`.
    static std::string SicherungsEndung(const std::filesystem::path& datei);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }
    const std::filesystem::path& Datei() const { return datei_; }

private:
    std::filesystem::path verzeichnis_;
    std::filesystem::path datei_;
};
