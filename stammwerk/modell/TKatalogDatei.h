#pragma once
// The window and component catalogues: the files of one kind of type in one
// list ordered by key, with an alphabetical index. File k of a catalogue is
// the one whose records carry `Katalog` k in their keys.
//
// Reading keeps what it could read: a record that cannot be read ends the
// file, and the records before it stay; such a file is then never written,
// which would drop the records after the damage. Saving replaces a file
// atomically and changes memory only when the file is written.
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/DateiStand.h"
#include "stammwerk/modell/KatalogListe.h"
#include "stammwerk/modell/ListenGrenze.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TISListImp.h"
#include "stammwerk/modell/TKatalogZeiger.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

// What tells the catalogues apart: files, header types and version rules.
struct TKatalogArt {
    const char* Typname;    // "Fenster" / "Bauteil", for the messages
    int ErsterKatalog;      // Katalog value of the first file
    int Dateien;            // number of files
    const char* Namen[3];   // file names, first file first
    int16_t ErsterDateityp; // header type of the first file; the others follow
    int VersionsRegel;      // TDateiKopf rule of the current versions
    int (*AlteVersion)(const std::string& version); // Oeffnen's code for an older file
};

template <class T>
class TKatalogDatei {
public:
    using Zeiger = TKatalogZeiger<T>;

    TKatalogDatei(const TKatalogArt& art, const std::filesystem::path& verzeichnis) : art_(art) {
        for (int i = 0; i < art_.Dateien; ++i) pfad_[size_t(i)] = verzeichnis / art_.Namen[i];
    }
    TKatalogDatei(const TKatalogDatei&) = delete;
    TKatalogDatei& operator=(const TKatalogDatei&) = delete;

    // Reads file k and adds its records. 0 read (also: no such file, or
    // reading stopped at a damaged record, see Beschaedigt); 1 unreadable,
    // foreign header or unknown version; an older version gives its code.
    int Oeffnen(int k) {
        if (!gueltig(k)) return 1;
        const size_t i = index(k);
        letzteNummer_[i] = -1;
        geladen_[i] = false;
        stand_[i].Merken(pfad_[i]);
        beschaedigt_[i] = false;
        std::error_code ec;
        if (!std::filesystem::exists(pfad_[i], ec)) {
            geladen_[i] = true; // an absent catalogue reads as empty
            return 0;
        }
        const auto datei = ReadWholeFile(pfad_[i]);
        if (!datei.ok) {
            fehler_ = datei.error;
            return 1;
        }
        ByteReader in(datei.bytes);
        TDateiKopf kopf;
        const int r = kopf.Lesen(in, dateityp(k), art_.VersionsRegel);
        if (r == 0) {
            fehler_ =
                "\"" + pfad_[i].string() + "\" ist keine " + art_.Typname + "-Datei dieser Art.";
            return 1;
        }
        if (r == -1) {
            const int code = art_.AlteVersion(kopf.Version);
            if (code == 1)
                fehler_ = "\"" + pfad_[i].string() + "\" hat die unbekannte Version \"" +
                          kopf.Version + "\".";
            return code;
        }
        letzteNummer_[i] = in.ReadI32();
        if (!in.Ok()) letzteNummer_[i] = -1;
        std::vector<std::unique_ptr<T>> gelesen;
        std::vector<std::unique_ptr<Zeiger>> zeiger;
        while (in.Ok() && !in.AtEnd()) {
            auto t = std::make_unique<T>();
            if (t->Oeffnen(in) != 0) {
                beschaedigt_[i] = true;
                fehler_ = "Die " + std::string(art_.Typname) + "-Datei \"" + pfad_[i].string() +
                          "\" ist ab Byte " + std::to_string(in.Position()) +
                          " beschädigt; die Einträge davor wurden gelesen.";
                break;
            }
            zeiger.push_back(std::make_unique<Zeiger>(Zeiger{t.get()}));
            gelesen.push_back(std::move(t));
        }
        // Thousands of records: sorted in one go, not one by one.
        liste_.AddAll(std::move(gelesen));
        index_.AddAll(std::move(zeiger));
        geladen_[i] = true;
        return 0;
    }

    // Takes the records of an older file k, converted, as the contents of
    // file k with its last record number, and writes the file in the current
    // format: 1 written and loaded; 0 not written (LetzterFehler says why),
    // and the catalogue is as it was. Every record is given to file k.
    int AltbestandUebernehmen(int k, std::vector<std::unique_ptr<T>> eintraege, int32_t letzte) {
        if (!gueltig(k)) return 0;
        const size_t i = index(k);
        std::vector<const T*> neu;
        std::vector<std::unique_ptr<Zeiger>> zeiger;
        for (auto& t : eintraege) {
            t->Schluessel.Katalog = uint16_t(k);
            neu.push_back(t.get());
            zeiger.push_back(std::make_unique<Zeiger>(Zeiger{t.get()}));
        }
        // Thousands of records: sorted in one go, not one by one.
        liste_.AddAllAfterEquals(std::move(eintraege));
        index_.AddAllAfterEquals(std::move(zeiger));
        letzteNummer_[i] = letzte;
        beschaedigt_[i] = false;
        if (schreiben(k, {})) {
            geladen_[i] = true;
            return 1;
        }
        for (const T* m : neu) herausnehmen(m);
        letzteNummer_[i] = -1;
        return 0;
    }

    // Writes file k: 1 written; 0 not written (k names no file of this
    // catalogue, the file did not load or is damaged, or the write failed;
    // LetzterFehler says which). The old file survives a failed write.
    int Speichern(int k) {
        if (!gueltig(k)) {
            fehler_ =
                "Unbekannte " + std::string(art_.Typname) + "-Datei " + std::to_string(k) + ".";
            return 0;
        }
        if (!geladen_[index(k)]) {
            fehler_ = "Die " + std::string(art_.Typname) + "-Datei \"" + pfad_[index(k)].string() +
                      "\" wurde nicht gelesen und wird nicht überschrieben.";
            return 0;
        }
        if (beschaedigtMelden(k)) return 0;
        return schreiben(k, {}) ? 1 : 0;
    }

    // Inserts t into the catalogue its key names, at its position, with a
    // fresh number, and saves that file. 1: the catalogue owns t (t is empty
    // afterwards); 0: numbers and positions are as before and the caller
    // keeps t.
    int Einfuegen(std::unique_ptr<T>& t) {
        if (!t) return 0;
        const int k = int16_t(t->Schluessel.Katalog);
        if (!gueltig(k) || !geladen_[index(k)]) {
            fehler_ =
                "Der Eintrag gehört zu keiner gelesenen " + std::string(art_.Typname) + "-Datei.";
            return 0;
        }
        if (beschaedigtMelden(k)) return 0;
        T* neu = AnSeinerStelleEinfuegen(liste_, t, letzteNummer_[index(k)],
                                         [&] { return schreiben(k, {}); });
        if (!neu) return 0;
        index_.Add(Zeiger{neu});
        return 1;
    }

    // Deletes the records equal to those of liste and rewrites file k.
    // 1 done; 0 nothing done. Positions and last numbers stay.
    int Loeschen(const TISListImp<T>& liste, int k) {
        if (!gueltig(k) || !geladen_[index(k)]) {
            fehler_ = "Die " + std::string(art_.Typname) +
                      "-Datei wurde nicht gelesen und wird nicht überschrieben.";
            return 0;
        }
        if (beschaedigtMelden(k)) return 0;
        const std::vector<const T*> weg = GleicheEintraege(liste_, liste);
        if (!schreiben(k, weg)) return 0;
        for (const T* m : weg) {
            index_.Detach([&](const Zeiger& z) { return z.Typ == m; });
            liste_.Detach([&](const T& x) { return &x == m; });
        }
        return 1;
    }

    // Gives t, a record of this catalogue, the new name, puts it at its new
    // place in the index and saves its file. 1 done; 0 not saved: t has its
    // old name and place again.
    int Umbenennen(const T* eintrag, std::string name) {
        T* t = Eintrag(eintrag);
        if (!t) return 0;
        if (!index_.Detach([&](const Zeiger& x) { return x.Typ == t; })) return 0;
        std::swap(t->Name, name);
        const int r = Speichern(int16_t(t->Schluessel.Katalog));
        if (!r) std::swap(t->Name, name);
        index_.Add(Zeiger{t});
        return r;
    }

    // The catalogue's own record behind a listed one, for an editor that
    // changes it in place; null when it is not in the catalogue.
    T* Eintrag(const T* t) {
        return liste_.FirstThat([&](const T& x) { return &x == t; });
    }

    const TISListImp<T>& Liste() const { return liste_; }
    const TISListImp<Zeiger>& Index() const { return index_; }
    int32_t LetzteNummer(int k) const { return gueltig(k) ? letzteNummer_[index(k)] : -1; }
    bool Geladen(int k) const { return gueltig(k) && geladen_[index(k)]; }
    // The file was read only up to a damaged record.
    bool Beschaedigt(int k) const { return gueltig(k) && beschaedigt_[index(k)]; }
    std::filesystem::path Pfad(int k) const { return gueltig(k) ? pfad_[index(k)] : ""; }
    const std::string& LetzterFehler() const { return fehler_; }

protected:
    // Takes t out of the list and the index without deleting it.
    std::unique_ptr<T> herausnehmen(const T* t) {
        index_.Detach([&](const Zeiger& z) { return z.Typ == t; });
        return liste_.Detach([&](const T& x) { return &x == t; });
    }
    // Puts a record back that was taken out.
    void zuruecklegen(std::unique_ptr<T> t) {
        T& im = liste_.Add(std::move(t));
        index_.Add(Zeiger{&im});
    }

private:
    bool gueltig(int k) const {
        return k >= art_.ErsterKatalog && k < art_.ErsterKatalog + art_.Dateien;
    }
    size_t index(int k) const { return size_t(k - art_.ErsterKatalog); }
    int dateityp(int k) const { return art_.ErsterDateityp + (k - art_.ErsterKatalog); }

    // A file read only up to a damaged record is not written: the records
    // after the damage would be lost with it.
    bool beschaedigtMelden(int k) {
        if (!beschaedigt_[index(k)]) return false;
        fehler_ = "Die " + std::string(art_.Typname) + "-Datei \"" + pfad_[index(k)].string() +
                  "\" ist beschädigt und wird nicht überschrieben.";
        return true;
    }

    bool schreiben(int k, const std::vector<const T*>& ohne) {
        ByteWriter out;
        TDateiKopf(int16_t(dateityp(k))).Schreiben(out);
        out.WriteI32(letzteNummer_[index(k)]);
        for (const T& t : liste_)
            if (int16_t(t.Schluessel.Katalog) == k &&
                std::find(ohne.begin(), ohne.end(), &t) == ohne.end())
                t.Speichern(out);
        if (!out.Ok()) {
            fehler_ = kZuVieleEintraege;
            return false;
        }
        if (stand_[index(k)].Geaendert(pfad_[index(k)])) {
            fehler_ = DateiStand::KatalogMeldung(pfad_[index(k)]);
            return false;
        }
        const auto r = WriteFileAtomically(pfad_[index(k)], out.Bytes());
        if (!r.ok) fehler_ = r.error;
        if (r.ok) stand_[index(k)].Merken(pfad_[index(k)]);
        return r.ok;
    }

    const TKatalogArt& art_;
    TISListImp<T> liste_;
    TISListImp<Zeiger> index_;
    std::array<std::filesystem::path, 3> pfad_;
    std::array<int32_t, 3> letzteNummer_ = {-1, -1, -1};
    std::array<bool, 3> geladen_ = {false, false, false};
    std::array<DateiStand, 3> stand_;
    std::array<bool, 3> beschaedigt_ = {false, false, false};
    std::string fehler_;
};
