#include "korvalin/shell/Sicherungskopie.h"

#include "korvalin/projekt/TSicherungskopieDialog.h"
#include "korvalin/shell/Begleitdateien.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "platform/base/Directories.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <algorithm>
#include <chrono>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kPraefix = "QZ4";

// Names are the same file only when they are the same path: case matters here.
fs::path normal(const fs::path& p) {
    std::error_code ec;
    const fs::path absolut = fs::absolute(p, ec);
    return (ec ? p : absolut).lexically_normal();
}

// The file times compared as the original did, to the second.
int64_t sekunden(fs::file_time_type t) {
    return std::chrono::duration_cast<std::chrono::seconds>(t.time_since_epoch()).count();
}

bool loeschen(const fs::path& p) {
    std::error_code ec;
    return fs::remove(p, ec);
}

void meldung(const std::string& text) {
    MessageBox(text, "Projekt-Datei öffnen", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

KopieArt KopieArtBestimmen(std::span<const uint8_t> datei, const fs::path& projekt) {
    ByteReader in(datei);
    TDateiKopf kopf;
    if (kopf.Lesen(in, DateiTypProjekt, RegelV600) != 1) return KopieArt::Fremd;
    in.ReadI16(); // the variant count, read with the rest below
    const ByteImage bild = in.ReadImage(TGesamtProjekt::kImageSize);
    if (!in.Ok()) return KopieArt::Fremd;
    const fs::path name = bild.Text(0, TGesamtProjekt::kPfadWidth);
    if (name.empty() || normal(name) != normal(projekt)) return KopieArt::AnderesProjekt;
    TGesamtProjekt probe(projekt.parent_path());
    return probe.Oeffnen(datei, projekt) == 0 ? KopieArt::Kopie : KopieArt::Beschaedigt;
}

std::vector<Sicherungskopie> SicherungskopienSuchen(const fs::path& ordner,
                                                    const fs::path& projekt) {
    std::vector<fs::path> kandidaten;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typ;
        if (name.starts_with(kPraefix) && it->is_regular_file(typ))
            kandidaten.push_back(it->path());
    }
    std::vector<Sicherungskopie> kopien;
    for (const auto& pfad : kandidaten) {
        auto inhalt = ReadWholeFile(pfad);
        if (!inhalt.ok || KopieArtBestimmen(inhalt.bytes, projekt) != KopieArt::Kopie) continue;
        std::error_code zeitFehler;
        const auto zeit = fs::last_write_time(pfad, zeitFehler);
        if (zeitFehler) continue;
        kopien.push_back(Sicherungskopie{pfad, std::move(inhalt.bytes), zeit});
    }
    // The names are random: only the copy's own time says which is the newest.
    // Equal times fall back to the name, the same on every file system.
    std::sort(kopien.begin(), kopien.end(), [](const auto& a, const auto& b) {
        return a.zeit != b.zeit ? a.zeit > b.zeit : a.datei < b.datei;
    });
    return kopien;
}

std::optional<Sicherungskopie> SicherungskopieSuchen(const fs::path& ordner,
                                                     const fs::path& projekt) {
    auto kopien = SicherungskopienSuchen(ordner, projekt);
    if (kopien.empty()) return std::nullopt;
    return std::move(kopien.front());
}

void SicherungskopieEntfernen(const fs::path& kopie) {
    loeschen(kopie);
    TGesamtProjekt ohne(kopie.parent_path());
    DatenblattDateienLoeschen(ohne, BegleitBasis(kopie), true);
}

void LeereKopienEntfernen(const fs::path& ordner, fs::file_time_type vor) {
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        std::error_code e;
        if (!it->path().filename().string().starts_with(kPraefix) || !it->is_regular_file(e) ||
            it->file_size(e) != 0 || e)
            continue;
        // A running autosave fills its new name at once; one left empty long
        // since was made by a program that died before it wrote.
        if (fs::last_write_time(it->path(), e) < vor && !e) loeschen(it->path());
    }
}

int SicherungskopiePruefen(korpusMDIClient& client, std::string& datei) {
    const fs::path ordner = CurrentDirectories().temp;
    LeereKopienEntfernen(ordner, fs::file_time_type::clock::now() - std::chrono::minutes(10));
    auto kopien = SicherungskopienSuchen(ordner, datei);
    if (kopien.empty()) return 0;
    const Sicherungskopie& kopie = kopien.front();
    std::error_code ec;
    const auto projektZeit = fs::last_write_time(datei, ec);
    if (!ec && sekunden(kopie.zeit) <= sekunden(projektZeit)) {
        // The project was saved after every copy: they hold nothing newer.
        for (const auto& k : kopien) SicherungskopieEntfernen(k.datei);
        return 0;
    }

    // Nothing chosen beforehand: Enter alone must not overwrite the project.
    uint16_t wahl[3] = {0, 0, 0};
    TSicherungskopieDialog dialog(&client, wahl);
    if (dialog.Execute() != IDOK) return -1;

    std::string ziel;
    if (wahl[0]) {
        ziel = datei;
    } else if (wahl[1]) {
        ziel = SicherungskopieZielWaehlen(client);
        if (ziel.empty()) return -1;
    } else if (!wahl[2]) {
        return 0; // nothing chosen: everything stays for the next time
    }
    if (!SicherungskopieUebernehmen(kopie, ziel, ziel.empty() ? std::string() : BegleitBasis(ziel)))
        return -1;
    if (!ziel.empty()) datei = ziel;
    // The older copies were answered with the newest one.
    for (size_t i = 1; i < kopien.size(); ++i) SicherungskopieEntfernen(kopien[i].datei);
    return 0;
}

std::string SicherungskopieZielWaehlen(const korpusMDIClient& client) {
    TOpenSaveDialog::TData daten = client.Dateidaten;
    // The question below asks about an existing file, once.
    daten.flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    if (!ExecuteSaveDialog(daten)) return {};
    std::error_code ec;
    if (fs::exists(daten.fileName, ec) && MessageBox("überschreiben?", "", MB_OKCANCEL) != IDOK)
        return {};
    return daten.fileName;
}

bool SicherungskopieUebernehmen(const Sicherungskopie& kopie, const std::string& ziel,
                                const std::string& begleitZiel) {
    const std::string kopieBasis = BegleitBasis(kopie.datei);
    TGesamtProjekt ohne(kopie.datei.parent_path());
    if (!ziel.empty()) {
        // The bytes that were checked replace the file in one step.
        const auto r = WriteFileAtomically(ziel, kopie.bytes);
        if (!r.ok) {
            meldung("Die Sicherungskopie konnte nicht übernommen werden!\n" + r.error);
            return false;
        }
    }
    bool begleitdateienUebernommen = true;
    if (!begleitZiel.empty()) {
        begleitdateienUebernommen = DatenblattDateienKopieren(ohne, kopieBasis, begleitZiel);
        if (!begleitdateienUebernommen)
            MessageBox("Datenblatt-Dateien der Sicherungskopie konnten nicht kopiert werden",
                       "Info", MB_OK);
    }
    loeschen(kopie.datei);
    // Sheets that did not arrive stay beside the copy's name for the user.
    if (begleitdateienUebernommen) DatenblattDateienLoeschen(ohne, kopieBasis, true);
    return true;
}
