#pragma once
// A project file (".pro") in memory: its path, its variants ordered by
// number, the current variant, and the companion files beside it.
#include "stammwerk/modell/DateiStand.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/WertePruefung.h"

#include "platform/base/ByteStream.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

class ByteImage;

class TGesamtProjekt {
public:
    static constexpr size_t kImageSize = 270;
    static constexpr size_t kPfadWidth = 260;

    // path = verzeichnis / "unbenannt.pro"; no variant yet.
    explicit TGesamtProjekt(const std::filesystem::path& verzeichnis);
    TGesamtProjekt(const TGesamtProjekt&) = delete;
    TGesamtProjekt& operator=(const TGesamtProjekt&) = delete;

    // 0 read; 1 cannot be read, foreign, unknown version, cut short or
    // damaged (then no variant is held); 2..6 an older version "1.00".."5.00".
    // The file is never changed.
    int Oeffnen(const std::filesystem::path& pfad);
    // The same on the bytes of a file read elsewhere; pfad becomes the path.
    int Oeffnen(std::span<const uint8_t> daten, const std::filesystem::path& pfad);
    // The bytes that Speichern writes.
    std::vector<uint8_t> Dateibild() const;
    // Writes to the object's own path, or to `ziel` (the image keeps the
    // object's path). 1 written; 0 not written, the old file unchanged and
    // LetzterFehler saying why.
    int Speichern();
    int Speichern(const std::filesystem::path& ziel);
    // Saves under a new path, which becomes the object's path only when the
    // save succeeds.
    int SpeichernAls(const std::filesystem::path& pfad);
    // Deletes the file at the object's path: 0 done, non-zero failed.
    int Loeschen() const;
    int Speicherbedarf() const;

    bool ProjektAuswaehlen(int nummer);
    // Copies the variant at list position `position`; the copy becomes current.
    TProjekt* ProjektKopieren(int position);
    void ProjektLoeschen(int nummer);
    // Adds a variant as it is (numbered by the caller); the first becomes current.
    TProjekt& ProjektHinzufuegen(std::unique_ptr<TProjekt> p);

    std::string GetFileName(bool mitEndung) const;
    // Folder of the project with a trailing separator.
    std::string GetProjektPfad() const;

    // Companion files: base + ext + digit 0..9, or base + ext alone when
    // `single`. A file exists when a file of that name, compared without
    // regard to case as the original's file system did, is in its folder.
    bool ZusatzFilesKopieren(const std::string& fromBase, const std::string& toBase,
                             const std::string& fromExt, const std::string& toExt,
                             bool single) const;
    bool ZusatzFilesLoeschen(const std::string& base, const std::string& ext, bool single) const;
    bool ZusatzFilesUmbenennenVariante(int number, const std::string& name,
                                       const std::string& ext) const;
    bool ZusatzFilesKopierenVariante(const std::string& name, const std::string& ext, int from,
                                     int to) const;

    const std::filesystem::path& Pfad() const { return pfad_; }
    // Another name for the project without writing it; its variants stay
    // the same objects.
    void PfadSetzen(const std::filesystem::path& pfad) {
        if (pfad != pfad_) stand_.Vergessen();
        pfad_ = pfad;
    }
    uint16_t Wert = 0; // stored unchanged
    TISListImp<TProjekt> Projekte;
    TProjekt* AktuellesProjekt = nullptr;
    const std::string& LetzterFehler() const { return fehler_; }
    // The file at the object's path is no longer the one it read or last
    // wrote: another program saved it since (or removed it).
    bool AufPlatteGeaendert() const;
    // The last Oeffnen met a file of a newer program version (result 1,
    // LetzterFehler says which version).
    bool NeuereVersion() const { return neuereVersion_; }
    // The values the last Oeffnen replaced because they were out of range;
    // their types and variants are marked (WertePruefung.h).
    const std::vector<ErsetzterWert>& ErsetzteWerte() const { return ersetzt_; }

private:
    ByteWriter bild() const;
    void leeren();
    std::filesystem::path pfad_;
    std::string fehler_;
    DateiStand stand_; // of the file read or written last at pfad_
    bool neuereVersion_ = false;
    std::vector<ErsetzterWert> ersetzt_;
};
