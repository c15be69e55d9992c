#include "korvalin/shell/Speicherplatz.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

std::optional<uint64_t> g_vorgabe;

// A folder whose space is unknown is left to the write, which reports its failure.
std::optional<uint64_t> frei(const fs::path& ordner) {
    if (g_vorgabe) return g_vorgabe;
    std::error_code ec;
    const auto platz = fs::space(ordner, ec);
    if (ec) return std::nullopt;
    return platz.available; // 64 bits: more than 4 GB count in full
}

bool reicht(const fs::path& ordner, uint64_t verfuegbar, int64_t bedarf, std::string_view titel,
            uint32_t art) {
    if (bedarf < 0 || verfuegbar >= uint64_t(bedarf)) return true;
    MessageBox("Nicht genügend Speicherkapazität verfügbar!\n Speicherbedarf: " +
                   std::to_string(bedarf / 1000) + " kB.\n Verfügbarer Speicher in " +
                   ordner.string() + ": " + std::to_string(verfuegbar / 1000) + " kB.",
               titel, art);
    return false;
}

} // namespace

void SpeicherplatzVorgeben(std::optional<uint64_t> wert) {
    g_vorgabe = wert;
}

bool PruefeSpeicherplatz(int64_t bedarf, std::string_view titel) {
    const fs::path ordner = Korpus().Programmverzeichnis.empty()
                                ? fs::path(".")
                                : fs::path(Korpus().Programmverzeichnis);
    const auto verfuegbar = frei(ordner);
    return !verfuegbar ||
           reicht(ordner, *verfuegbar, bedarf, titel, MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
}

bool SpeicherplatzPruefen(const fs::path& ziel, int64_t bedarf) {
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");
    auto verfuegbar = frei(ordner);
    if (!verfuegbar) return true;
    std::error_code ec;
    if (const auto alt = fs::file_size(ziel, ec); !ec) *verfuegbar += alt;
    return reicht(ordner, *verfuegbar, bedarf, "Projekt speichern", MB_OK | MB_ICONEXCLAMATION);
}
