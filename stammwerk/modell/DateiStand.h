#pragma once
// A data file as this program last read or wrote it, so that a save does not
// drop what another program wrote there since.
#include "platform/base/FileIO.h"

#include <filesystem>
#include <optional>
#include <string>

class DateiStand {
public:
    void Merken(const std::filesystem::path& p) { stand_ = StampOf(p); }
    void Vergessen() { stand_.reset(); }
    // Another program wrote the file since it was noted (a file removed
    // since holds nothing a save could drop).
    bool Geaendert(const std::filesystem::path& p) const {
        if (!stand_) return false;
        const FileStamp jetzt = StampOf(p);
        return jetzt.exists && jetzt != *stand_;
    }
    // The refusal of a save over such a file, for a list its dialog reads anew.
    static std::string Meldung(const std::filesystem::path& p) {
        return geaendert(p) + "\nÖffnen Sie die Liste neu.";
    }
    // The same for a catalogue, which the program reads only at its start.
    static std::string KatalogMeldung(const std::filesystem::path& p) {
        return geaendert(p) +
               "\nStarten Sie das Programm neu, damit es die Datei neu liest, und wiederholen "
               "Sie dann Ihre Änderung.";
    }

private:
    static std::string geaendert(const std::filesystem::path& p) {
        return "Die Datei \"" + p.string() +
               "\" wurde inzwischen von einem anderen Programm geändert und wird nicht "
               "überschrieben, damit dessen Einträge erhalten bleiben.";
    }

    std::optional<FileStamp> stand_;
};
