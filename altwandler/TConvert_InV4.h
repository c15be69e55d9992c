#pragma once
// The step from version "3.00" to version "4.00": components split into a
// component type and a placed component, windows into a window type and a
// placed window of the current layout, and the facades take the current
// layout. Without a placed record and project (catalogue entries) only the
// type record is filled, and a window keeps its own number.
#include <cstddef>
#include <filesystem>

class ByteImage;
class TBauteilVersion3;
class TBaustoffVersion3;
class TBaustoffVersion4;
class TEinfachBauteilV3;
class TEinfachBauteilVersion4;
class TFassade;
class TFassadeVersion3;
class TFensterVersion3;
class TGesamtProjektVersion3;
class TGesamtProjektVersion4;
class TPBauteilVersion5;
class TPFenster;
class TProjektVersion3;
class TProjektVersion4;
class TRBauteilVersion4;
class TRFenster;
class TSchichtVersion3;
class TSchichtVersion4;
using TPBauteilVersion4 = TPBauteilVersion5;

class TConvert_InV4 {
public:
    explicit TConvert_InV4(std::filesystem::path programmverzeichnis);

    // Reads the version-3 file and converts it: a version code of the reader
    // (0 converted; otherwise nothing was added to the target).
    int ConvertGesamtProjekt(TGesamtProjektVersion4* ziel, const std::filesystem::path& datei);
    // Refreshes the source's facade numbers, copies the file name and appends
    // one version-4 variant per old project. Answers 0.
    int ConvertGesamtProjekt(TGesamtProjektVersion4* ziel, TGesamtProjektVersion3* alt);

    void ConvertProjekt(TProjektVersion4* neu, TProjektVersion3* alt);
    void ConvertBauteil(TRBauteilVersion4* typ, TBauteilVersion3* alt, TPBauteilVersion4* platziert,
                        TProjektVersion4* projekt);
    void ConvertFenster(TRFenster* typ, TFensterVersion3* alt, TPFenster* platziert,
                        TProjektVersion4* projekt);
    void ConvertFassade(TFassade* neu, TFassadeVersion3* alt);
    void ConvertEinfachBauteil(TEinfachBauteilVersion4* neu, TEinfachBauteilV3* alt);
    void ConvertSchicht(TSchichtVersion4* neu, const TSchichtVersion3* alt);
    void ConvertBaustoff(TBaustoffVersion4* neu, const TBaustoffVersion3* alt);
    // The 138-byte version-3 climate record at `altOff` of `alt` into the
    // 200-byte version-4 record at `neuOff` of `neu`.
    void ConvertKlima(ByteImage& neu, size_t neuOff, const ByteImage& alt, size_t altOff);

    // The glazing U-value (W/(m²K)) of the version-3 glazing table, or -1
    // for an index outside it.
    static double Verglasungswert(int index);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }

private:
    std::filesystem::path verzeichnis_;
};
