#pragma once
// The step from version "1.00" to version "2.00": the one project of the
// file becomes the main project of a version-2 file, its components keep
// their type codes and numbers.
#include <filesystem>

class TBauteilVersion1;
class TBauteilVersion2;
class TEinfachBauteilV2;
class TGesamtProjektVersion2;
class TProjektVersion1;
class TProjektVersion2;

class TConvert_InV2 {
public:
    explicit TConvert_InV2(std::filesystem::path programmverzeichnis);

    // Reads the version-1 file and adds the converted project as the
    // target's main and current project: a version code of the reader (0
    // converted; otherwise the target is left as it was).
    int ConvertGesamtProjekt(TGesamtProjektVersion2* ziel, const std::filesystem::path& datei);

    void ConvertProjekt(TProjektVersion2* neu, TProjektVersion1* alt);
    void ConvertBauteil(TBauteilVersion2* neu, TBauteilVersion1* alt);
    // Version 1 stores the first 550 bytes of the partial area; the rest is zero.
    void ConvertEinfachBauteil(TEinfachBauteilV2* neu, TEinfachBauteilV2* alt);

    const std::filesystem::path& Programmverzeichnis() const { return verzeichnis_; }

private:
    std::filesystem::path verzeichnis_;
};
