// Opening and saving the data-sheet side files. A file that cannot be read is
// never deleted or overwritten by untouched defaults: the user may still get
// it back from a copy, and the sheet works on with its defaults.
#include "korvalin/datenblatt/DatenblattDatei.h"

#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr const char* kOeffnenGescheitert = "Datenblatt-Daten: Öffnen gescheitert";
constexpr const char* kFensterGescheitert = "Fensterdatenblatt: Öffnen gescheitert";
constexpr const char* kSpeichernGescheitert = "Fehler beim Speichern der Datenblatt-Daten";
// Far above any real side file; a larger one is damaged.
constexpr size_t kHoechstgroesse = size_t(64) * 1024 * 1024;

bool fehlt(const std::string& name) {
    std::error_code ec;
    return std::filesystem::status(name, ec).type() == std::filesystem::file_type::not_found;
}

// Reads `daten` from its file. `vorgaben` sets the defaults of a missing or
// unreadable file; the message is shown once for an unreadable one.
template <class Daten, class Vorgaben>
bool oeffnen(Daten& daten, const char* meldung, Vorgaben vorgaben) {
    daten.Vorgabebild.clear();
    if (daten.Dateiname.empty() || fehlt(daten.Dateiname)) {
        vorgaben();
        return true;
    }
    const FileContents inhalt = ReadWholeFile(daten.Dateiname, kHoechstgroesse);
    if (inhalt && datenblattdatei::Lesen(inhalt.bytes, daten)) return true;
    vorgaben();
    daten.Vorgabebild = datenblattdatei::Bytes(daten);
    MessageBox(meldung, "Info", MB_OK);
    return false;
}

template <class Daten>
bool speichern(const Daten& daten) {
    if (daten.Dateiname.empty()) return false;
    const std::vector<uint8_t> bytes = datenblattdatei::Bytes(daten);
    if (!daten.Vorgabebild.empty() && bytes == daten.Vorgabebild) return true;
    const FileResult r = WriteFileAtomically(daten.Dateiname, bytes);
    if (r) return true;
    // The file and the cause, as the project save tells them.
    MessageBox(std::string(kSpeichernGescheitert) + "\n" + r.error, "Info", MB_OK);
    return false;
}

template <class Array, class Schluessel>
bool arrayOeffnen(Array& daten, const Schluessel* keys, int anzahl, const char* meldung) {
    if (anzahl <= 0 || !keys) return true;
    return oeffnen(daten, meldung, [&] {
        for (int i = 0; i < anzahl; ++i) daten.FindenOderAnlegen(keys[i]);
    });
}

} // namespace

template <>
bool TEBDatenblattDatenArray::Oeffnen(const TBTKey* keys, int anzahl) {
    return arrayOeffnen(*this, keys, anzahl, kOeffnenGescheitert);
}

template <>
bool TFensterDatenblattDatenArray::Oeffnen(const TBTFensterKey* keys, int anzahl) {
    return arrayOeffnen(*this, keys, anzahl, kFensterGescheitert);
}

// A sheet that made no record leaves a file written earlier as it is.
template <>
bool TEBDatenblattDatenArray::Speichern() const {
    return Saetze.empty() || speichern(*this);
}

template <>
bool TFensterDatenblattDatenArray::Speichern() const {
    return Saetze.empty() || speichern(*this);
}

bool TFixDaten::Oeffnen() {
    return oeffnen(*this, kOeffnenGescheitert, [] {});
}

bool TFixDaten::Speichern() const {
    return speichern(*this);
}

bool TDateiFixDaten::Oeffnen() {
    return oeffnen(*this, kOeffnenGescheitert, [] {});
}

bool TDateiFixDaten::Speichern() const {
    return speichern(*this);
}
