// The companion files of a project: data-sheet files per variant and the
// settings file, with their backup copies.
#include "stammwerk/modell/TGesamtProjekt.h"

#include "platform/base/FileIO.h"
#include "platform/base/TextCompare.h"

#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The file as the original's file system would find it: the exact name, or
// else a name in the same folder that differs only in case.
std::optional<fs::path> finden(const fs::path& gesucht) {
    std::error_code ec;
    if (fs::exists(gesucht, ec)) return gesucht;
    const fs::path ordner = gesucht.has_parent_path() ? gesucht.parent_path() : fs::path(".");
    const std::string name = gesucht.filename().string();
    std::optional<fs::path> treffer;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string kandidat = it->path().filename().string();
        if (EqualNoCase(kandidat, name) && (!treffer || kandidat < treffer->filename().string()))
            treffer = it->path();
    }
    return treffer;
}

// Where a file of that name is written: over the one that exists under
// another case, else under the name itself.
fs::path ziel(const fs::path& name) {
    return finden(name).value_or(name);
}

// Copies through the atomic save, so that a failed copy leaves the old
// target as it was.
bool kopieren(const fs::path& von, const fs::path& nach) {
    const auto datei = ReadWholeFile(von);
    return datei.ok && WriteFileAtomically(nach, datei.bytes).ok;
}

bool loeschen(const fs::path& p) {
    std::error_code ec;
    return fs::remove(p, ec) && !ec;
}

std::string mitZiffer(const std::string& s, int d) {
    return s + std::to_string(d);
}

} // namespace

bool TGesamtProjekt::ZusatzFilesKopieren(const std::string& fromBase, const std::string& toBase,
                                         const std::string& fromExt, const std::string& toExt,
                                         bool single) const {
    if (single) {
        const auto von = finden(fromBase + fromExt);
        return !von || kopieren(*von, ziel(toBase + toExt));
    }
    // One file that fails does not keep the other variants from their copies.
    bool ok = true;
    for (int d = 0; d <= 9; ++d) {
        const auto von = finden(mitZiffer(fromBase + fromExt, d));
        if (von && !kopieren(*von, ziel(mitZiffer(toBase + toExt, d)))) ok = false;
    }
    return ok;
}

bool TGesamtProjekt::ZusatzFilesLoeschen(const std::string& base, const std::string& ext,
                                         bool single) const {
    if (single) {
        const auto datei = finden(base + ext);
        return !datei || loeschen(*datei);
    }
    bool ok = true;
    for (int d = 0; d <= 9; ++d) {
        const auto datei = finden(mitZiffer(base + ext, d));
        if (datei && !loeschen(*datei)) ok = false;
    }
    return ok;
}

bool TGesamtProjekt::ZusatzFilesUmbenennenVariante(int number, const std::string& name,
                                                   const std::string& ext) const {
    const fs::path ordner = GetProjektPfad();
    bool ok = true;
    if (const auto weg = finden(ordner / mitZiffer(name + ext, number))) ok = loeschen(*weg);
    for (int k = number; k <= 9; ++k) {
        const auto von = finden(ordner / mitZiffer(name + ext, k + 1));
        if (!von) continue;
        std::error_code ec;
        fs::rename(*von, ziel(ordner / mitZiffer(name + ext, k)), ec);
        if (ec) return false;
    }
    return ok;
}

bool TGesamtProjekt::ZusatzFilesKopierenVariante(const std::string& name, const std::string& ext,
                                                 int from, int to) const {
    const fs::path ordner = GetProjektPfad();
    const auto von = finden(ordner / mitZiffer(name + ext, from));
    return !von || kopieren(*von, ziel(ordner / mitZiffer(name + ext, to)));
}
