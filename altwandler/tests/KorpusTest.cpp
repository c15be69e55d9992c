// Writes the fixture files as the seed corpus of the fuzz target when
// ALTWANDLER_KORPUS names a folder; otherwise it has nothing to do.
#include "AltDateien.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Korpus, WritesTheFixturesAsFuzzSeeds) {
    const char* ziel = std::getenv("ALTWANDLER_KORPUS");
    if (!ziel) GTEST_SKIP() << "ALTWANDLER_KORPUS not set";
    const std::filesystem::path ordner(ziel);
    std::filesystem::create_directories(ordner);
    altdatei::Schreiben(ordner / "version5.pro", altdatei::Version5Datei());
    altdatei::Schreiben(ordner / "version4.pro", altdatei::Version4Datei());
    auto kurz = altdatei::Version5Datei();
    kurz.resize(604 + 16 + 1379 + 200);
    altdatei::Schreiben(ordner / "version5_kurz.pro", kurz);
}
