// Writes the fixture files as the seed corpus of the fuzz targets:
// projects when ALTWANDLER_KORPUS names a folder, catalogues (one selector
// byte ahead of the file, as altkatalog_fuzz reads them) when
// ALTKATALOG_KORPUS does; otherwise it has nothing to do.
#include "AltDateien.h"
#include "stammwerk/modell/TDateiKopf.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace altdatei;

TEST(Korpus, WritesTheFixturesAsFuzzSeeds) {
    const char* projekte = std::getenv("ALTWANDLER_KORPUS");
    const char* kataloge = std::getenv("ALTKATALOG_KORPUS");
    if (!projekte && !kataloge) GTEST_SKIP() << "ALTWANDLER_KORPUS and ALTKATALOG_KORPUS not set";
    if (projekte) {
        const std::filesystem::path ordner(projekte);
        std::filesystem::create_directories(ordner);
        Schreiben(ordner / "version5.pro", Version5Datei());
        Schreiben(ordner / "version4.pro", Version4Datei());
        Schreiben(ordner / "version3.pro", Version3Datei());
        Schreiben(ordner / "version2.pro", Version2Datei());
        Schreiben(ordner / "version1.pro", Version1Datei());
        auto kurz = Version5Datei();
        kurz.resize(604 + 16 + 1379 + 200);
        Schreiben(ordner / "version5_kurz.pro", kurz);
        auto kurz3 = Version3Datei();
        kurz3.resize(kurz3.size() / 2);
        Schreiben(ordner / "version3_kurz.pro", kurz3);
    }
    if (kataloge) {
        const std::filesystem::path ordner(kataloge);
        std::filesystem::create_directories(ordner);
        const auto seed = [&](const char* name, uint8_t wahl, std::vector<uint8_t> datei) {
            datei.insert(datei.begin(), wahl);
            Schreiben(ordner / name, datei);
        };
        // Selector: converter in the low four bits, bit 4 the user's file.
        seed("baustoffe2", 0x10,
             Katalogdatei("2.00", DateiTypBaustoffeAnwender, 4,
                          {BaustoffSatz("2.00", kSaatSchicht), BaustoffSatz("2.00", 9)}));
        seed("baustoffe3", 0x01,
             Katalogdatei("3.00", DateiTypBaustoffeQTX, 4, {BaustoffSatz("3.00", kSaatSchicht)}));
        seed("baustoffe4", 0x02,
             Katalogdatei("4.00", DateiTypBaustoffeQTX, 4, {BaustoffSatz("4.00", kSaatSchicht)}));
        seed("fenster2", 0x13,
             Katalogdatei("2.00", DateiTypFensterAnwender, 4, {FensterSatz("2.00", 1)}));
        seed("fenster3", 0x04,
             Katalogdatei("3.00", DateiTypFensterQTX, 4, {FensterSatz("3.00", 1)}));
        seed("bauteile1", 0x15,
             Katalogdatei("1.00", DateiTypBauteileAnwender, -1,
                          {BauteilSatz("1.00", 0), BauteilSatz("1.00", 1)}));
        seed("bauteile2", 0x06,
             Katalogdatei("2.00", DateiTypBauteileQTX, 4, {BauteilSatz("2.00", 0)}));
        seed("bauteile3", 0x17,
             Katalogdatei("3.00", DateiTypBauteileAnwender, 4, {BauteilSatz("3.00", 0)}));
        seed("bauteile4_leer", 0x08, Katalogdatei("4.00", DateiTypBauteileQTX, 4, {}));
        seed("bauteile5_leer", 0x19, Katalogdatei("5.00", DateiTypBauteileAnwender, 4, {}));
        auto kurz = Katalogdatei("3.00", DateiTypBaustoffeQTX, 4, {BaustoffSatz("3.00", 1)});
        kurz.resize(kurz.size() - 3);
        seed("baustoffe3_kurz", 0x01, kurz);
    }
}
