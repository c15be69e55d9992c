#pragma once
// The three material catalogues (DIN, maker's, user's) in one list ordered
// by key, with an alphabetical index. File k (0, 1, 2) has header type k + 1.
#include "stammwerk/modell/DateiStand.h"
#include "stammwerk/modell/TBSZeiger.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TISListImp.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class TBaustoffDatei {
public:
    static constexpr const char* DateiNamen[3] = {"bs_din.dat", "bs_qtx.dat", "bs_anw.dat"};

    // verzeichnis: the folder of the three files.
    explicit TBaustoffDatei(const std::filesystem::path& verzeichnis);
    TBaustoffDatei(const TBaustoffDatei&) = delete;
    TBaustoffDatei& operator=(const TBaustoffDatei&) = delete;

    // Reads file k and adds its materials. 0 read (or no such file); 1 the
    // file is unreadable, foreign, of an unknown version or damaged (then
    // none of its materials is kept and it is not written over); 3, 4, 5 an
    // older version "1.00"/"2.00", "3.00", "4.00".
    int Oeffnen(int k);
    // Takes the materials of an older file k, converted, as the contents of
    // file k with its last record number, and writes the file in the current
    // format: 1 written and loaded; 0 not written, and the catalogue is as
    // it was. Every material is given to file k.
    int AltbestandUebernehmen(int k, std::vector<std::unique_ptr<TBaustoff>> baustoffe,
                              int32_t letzte);
    // Writes file k: 1 written; 0 not written (bad k, a file that did not
    // load, or a failed write; LetzterFehler says which).
    int Speichern(int k);
    // Inserts b into the catalogue its key names, with a fresh number, and
    // saves that file. 1: the catalogue owns b (b is empty afterwards);
    // 0: nothing changed and the caller keeps b.
    int Einfuegen(std::unique_ptr<TBaustoff>& b);
    // Gives b, a material of this catalogue, the values of neu but keeps its
    // key, puts it at its new place in the index and saves its file. 1 done;
    // 0 not saved: b has its old values and place again.
    int Aendern(const TBaustoff* b, const TBaustoff& neu);
    // Deletes the materials equal by key to those of liste and rewrites
    // file k. 1 done; 0 nothing done.
    int Loeschen(const TISListImp<TBaustoff>& liste, int k);

    const TISListImp<TBaustoff>& Baustoffe() const { return baustoffe_; }
    const TISListImp<TBSZeiger>& Index() const { return index_; }
    int32_t LetzteNummer(int k) const { return letzteNummer_.at(size_t(k)); }
    bool Geladen(int k) const { return gueltig(k) && geladen_[size_t(k)]; }
    const std::filesystem::path& Pfad(int k) const { return pfad_.at(size_t(k)); }
    const std::string& LetzterFehler() const { return fehler_; }

private:
    static bool gueltig(int k) { return k >= 0 && k <= 2; }
    // Writes file k, leaving out the materials `ohne`.
    bool schreiben(int k, std::string& fehler,
                   const std::vector<const TBaustoff*>& ohne = {}) const;

    TISListImp<TBaustoff> baustoffe_;
    TISListImp<TBSZeiger> index_;
    std::array<std::filesystem::path, 3> pfad_;
    std::array<int32_t, 3> letzteNummer_ = {-1, -1, -1};
    std::array<bool, 3> geladen_ = {false, false, false};
    mutable std::array<DateiStand, 3> stand_; // noted again at each own write
    std::string fehler_;
};

// Looks one material up by key in a catalogue file, without a catalogue: 1
// found (b holds it), 0 not found or no such file, -1 the file exists but is
// unreadable or not a material catalogue of the key's kind.
int BaustoffAusDateiLesen(TBaustoff& b, const TBaustoffSchluessel& s,
                          const std::filesystem::path& pfad);
