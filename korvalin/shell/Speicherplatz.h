#pragma once
// Free disk space before something is written. A short folder refuses with
// "Nicht genügend Speicherkapazität verfügbar!" under the caller's caption;
// the caller then writes nothing. kB are 1000 bytes here.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

// Before catalogue entries are written: the space in the program directory.
bool PruefeSpeicherplatz(int64_t bedarf, std::string_view titel);

// Before a save: the folder of `ziel`, where an existing `ziel` will make
// room for itself.
bool SpeicherplatzPruefen(const std::filesystem::path& ziel, int64_t bedarf);

// Test seam: the bytes the checks find free (nullopt: the file system's).
void SpeicherplatzVorgeben(std::optional<uint64_t> frei);
