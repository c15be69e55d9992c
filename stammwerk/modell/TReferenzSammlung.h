#pragma once
// The maker's and the user's file of a reference list (locations, fuels),
// merged in memory into one list ordered by name. Each entry remembers its
// file; saving a file writes only its own entries.
#include "stammwerk/modell/DateiStand.h"
#include "stammwerk/modell/TBrennstoff.h"
#include "stammwerk/modell/TOrt.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

template <class T>
class TReferenzSammlung {
public:
    // dir: the program's data directory.
    explicit TReferenzSammlung(const std::filesystem::path& dir);

    // kind 1 the maker's file, 2 the user's file. Results: 1 read; 0 not a
    // file of this kind, or damaged (nothing of it is taken); -1 a version
    // other than "5.00"/"6.00"; -2 the file cannot be opened (or bad kind).
    int Oeffnen(int kind);
    // The same on the bytes of the file of that kind, read elsewhere.
    int Lesen(int kind, std::span<const uint8_t> bytes);
    // The maker's file (its result dropped), then the user's file's result.
    int Oeffnen();
    // The bytes that Speichern writes; none for a bad kind or too many entries.
    std::optional<std::vector<uint8_t>> Dateibild(int kind) const;
    // 1 written; 0 not written (bad kind, the file cannot be written, or it
    // was found unreadable by Oeffnen and is kept as it is). LetzterFehler
    // then says why.
    int Speichern(int kind);

    void Einfuegen(const T& eintrag);
    std::vector<T>& Liste() { return liste_; }
    const std::vector<T>& Liste() const { return liste_; }
    const std::filesystem::path& Pfad(int kind) const { return pfad_[kind == 2 ? 1 : 0]; }
    const std::string& LetzterFehler() const { return fehler_; }

private:
    std::filesystem::path pfad_[2];
    bool unlesbar_[2] = {false, false};
    std::vector<T> liste_;
    std::string fehler_;
    DateiStand stand_[2];
};

class TOrtSammlung : public TReferenzSammlung<TOrt> {
public:
    using TReferenzSammlung<TOrt>::TReferenzSammlung;
};

class TBrennstoffSammlung : public TReferenzSammlung<TBrennstoff> {
public:
    using TReferenzSammlung<TBrennstoff>::TReferenzSammlung;
};
