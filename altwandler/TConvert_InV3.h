#pragma once
// The step from version "2.00" to version "3.00": windows move from the
// components into the project, every wall with windows becomes a facade of
// its own, areas get their entries (with formulas where the old record held
// side lengths), and the proof values of version 3 are computed.
#include <cstddef>
#include <cstdint>
#include <filesystem>

class ByteImage;
class TBauteilVersion2;
class TBauteilVersion3;
class TBaustoffVersion1_2;
class TBaustoffVersion3;
class TEinfachBauteilV2;
class TEinfachBauteilV3;
class TFensterVersion1_2;
class TFensterVersion3;
class TGesamtProjektVersion2;
class TGesamtProjektVersion3;
class TProjektVersion2;
class TProjektVersion3;
class TSchichtVersion1_2;
class TSchichtVersion3;

class TConvert_InV3 {
public:
    explicit TConvert_InV3(std::filesystem::path programmverzeichnis);

    // Reads the version-2 file and converts it: a version code of the reader
    // (0 converted; otherwise nothing was added to the target).
    int ConvertGesamtProjekt(TGesamtProjektVersion3* ziel, const std::filesystem::path& datei);
    // Copies the file name and appends one version-3 project per old
    // project, in list order. Answers 0.
    int ConvertGesamtProjekt(TGesamtProjektVersion3* ziel, TGesamtProjektVersion2* alt);

    void ConvertProjekt(TProjektVersion3* neu, TProjektVersion2* alt);
    // Without a project (catalogue entries) windows and facades are left alone.
    void ConvertBauteil(TBauteilVersion3* neu, TBauteilVersion2* alt, TProjektVersion3* projekt);
    void ConvertFenster(TFensterVersion3* neu, TFensterVersion1_2* alt);
    void ConvertEinfachBauteil(TEinfachBauteilV3* neu, TEinfachBauteilV2* alt);
    void ConvertSchicht(TSchichtVersion3* neu, const TSchichtVersion1_2* alt);
    void ConvertBaustoff(TBaustoffVersion3* neu, const TBaustoffVersion1_2* alt);
    // The 88-byte climate record at `altOff` into the 138-byte one at `neuOff`.
    void ConvertKlima(ByteImage& neu, size_t neuOff, const ByteImage& alt, size_t altOff);

    // The component type codes of version 3: 1..8 become 2..9, 9 becomes 1.
    static int16_t Bauteiltyp(int16_t typVersion2);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }

private:
    std::filesystem::path verzeichnis_;
};
