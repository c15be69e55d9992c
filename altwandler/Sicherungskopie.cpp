#include "altwandler/Sicherungskopie.h"

#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"
#include "platform/services/MessageBox.h"

#include <string>

namespace {
constexpr const char* kTitel = "Sicherungskopie erstellen";
} // namespace

std::filesystem::path SicherungskopieName(const std::filesystem::path& datei) {
    return datei.parent_path() / (datei.stem().string() + ".BAK");
}

int SicherungskopieErstellen(const std::filesystem::path& datei) {
    const std::filesystem::path kopie = SicherungskopieName(datei);
    if (EqualNoCase(kopie.string(), datei.string())) {
        MessageBox("Sicherungskopie kann nicht erstellt werden! Ändern Sie mit Hilfe des "
                   "Dateimanagers die Erweiterung .bak der zu konvertierenden Projektdatei.",
                   kTitel, MB_OK | MB_ICONSTOP);
        return 0;
    }
    const std::string name = kopie.filename().string();
    if (MessageBox("Eine Sicherungskopie der Projekt-Datei wird unter " + name + " gespeichert!",
                   kTitel, MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK)
        return 0;
    std::error_code ec;
    if (std::filesystem::exists(kopie, ec) &&
        MessageBox("Eine Datei mit dem Namen " + name + " existiert bereits. Datei überschreiben?",
                   kTitel, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return 0;
    // The copy is written whole and put in place at once: a failed write
    // leaves an older backup as it was.
    const FileContents inhalt = ReadWholeFile(datei);
    if (!inhalt.ok || !WriteFileAtomically(kopie, inhalt.bytes).ok) {
        MessageBox("Fehler beim Erstellen der Sicherungskopie! Projekt-Datei kann nicht "
                   "konvertiert werden.",
                   kTitel, MB_OK | MB_ICONSTOP);
        return 0;
    }
    return 1;
}
