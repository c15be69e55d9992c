#pragma once
// The user's formula collection "formel.dat": the header (file type 13) and
// then the formulas up to the end of the file, each as its angle-mode byte
// and three zero-terminated texts; there is no count.
#include "stammwerk/modell/DateiStand.h"
#include "stammwerk/modell/TFormel.h"

#include <filesystem>
#include <string>
#include <vector>

class TFormelSammlung {
public:
    static constexpr const char* DateiName = "formel.dat";

    // dir: the program's data directory. Reads nothing.
    explicit TFormelSammlung(const std::filesystem::path& dir);

    // Adds the file's formulas to the list (it is not emptied first).
    // 1 read; 0 not a formula file, or a record broken off by the end of the
    // file (the formulas before it stay); -1 a version other than "5.00" and
    // "6.00"; -2 the file cannot be opened.
    int Oeffnen();
    // Writes the whole list: 1 written; 0 not written (a text has no
    // Windows-1252 form, the file cannot be written, or the last Oeffnen
    // found the file but did not read it whole), the old file unchanged and
    // LetzterFehler saying why.
    int Speichern();

    // Inserts before the first formula whose name is not smaller; equal
    // names are kept.
    void Einfuegen(const TFormel& f);
    std::vector<TFormel>& Liste() { return liste_; }
    const std::vector<TFormel>& Liste() const { return liste_; }
    const std::filesystem::path& Pfad() const { return pfad_; }
    const std::string& LetzterFehler() const { return fehler_; }

private:
    std::filesystem::path pfad_;
    std::vector<TFormel> liste_;
    std::string fehler_;
    DateiStand stand_;
    bool unvollstaendig_ = false;
};
