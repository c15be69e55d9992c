#pragma once
// The step from version "4.00" to version "5.00". Single-layer components,
// layers and materials go straight to the current classes, because version 5
// stores them in the current layout.
#include <cstddef>
#include <filesystem>

class ByteImage;
class TBaustoff;
class TEinfachBauteil;
class TEinfachBauteilVersion4;
class TGesamtProjektVersion4;
class TGesamtProjektVersion5;
class TKlima;
class TPBauteilVersion5;
class TProjektVersion4;
class TProjektVersion5;
class TRBauteilVersion4;
class TRBauteilVersion5;
class TSchicht;
class TSchichtVersion4;
using TPBauteilVersion4 = TPBauteilVersion5;

class TConvert_InV5 {
public:
    explicit TConvert_InV5(std::filesystem::path programmverzeichnis);

    // Reads the version-4 file and converts it: a version code of the reader
    // (0 converted; otherwise nothing was added to the target).
    int ConvertGesamtProjekt(TGesamtProjektVersion5* ziel, const std::filesystem::path& datei);
    // Copies the file name and appends one version-5 variant per old variant.
    // Answers 0.
    int ConvertGesamtProjekt(TGesamtProjektVersion5* ziel, TGesamtProjektVersion4* alt);

    void ConvertProjekt(TProjektVersion5* neu, TProjektVersion4* alt);
    // The project may be absent (catalogue entries).
    void ConvertRBauteil(TRBauteilVersion5* neu, TRBauteilVersion4* alt, TProjektVersion4* projekt);
    void ConvertPBauteil(TPBauteilVersion5* neu, TPBauteilVersion4* alt, TProjektVersion5* projekt);
    void ConvertEinfachBauteil(TEinfachBauteil* neu, TEinfachBauteilVersion4* alt);
    void ConvertSchicht(TSchicht* neu, const TSchichtVersion4* alt);
    // The version-4 material image at `off` of `alt`; the comment lines are
    // the caller's to copy.
    void ConvertBaustoff(TBaustoff* neu, const ByteImage& alt, size_t off);
    // The 200-byte version-4 climate record at `off` of `alt`.
    void ConvertKlima(TKlima* neu, const ByteImage& alt, size_t off);

    // The loss factor and heat loss of a placed component made by the step
    // from version 3, from its type; `normal` is the variant's
    // internal-temperature flag.
    void PBauteilWerteAusVersion3(TPBauteilVersion4* platziert, const TRBauteilVersion4* typ,
                                  int normal);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }

private:
    std::filesystem::path verzeichnis_;
};
