#include "stammwerk/modell/TDateiKopf.h"

#include "platform/base/ByteStream.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A header built byte by byte from the documented layout, not by the writer.
std::vector<uint8_t> kopf(const char* version, int16_t typ) {
    const std::string b = modelltest::KopfBytes(version, typ);
    return std::vector<uint8_t>(b.begin(), b.end());
}

int lesen(const std::vector<uint8_t>& bytes, int typ, int regel, size_t* position = nullptr) {
    ByteReader in(bytes);
    TDateiKopf k;
    const int r = k.Lesen(in, typ, regel);
    if (position) *position = in.Position();
    return r;
}

TEST(DateiKopf, WritesTheDocumentedBytes) {
    ByteWriter out;
    TDateiKopf(DateiTypBaustoffeAnwender).Schreiben(out);
    ASSERT_EQ(out.Size(), 512u);
    std::vector<uint8_t> expected = kopf("6.00", 3);
    EXPECT_EQ(out.Bytes(), expected); // every unassigned byte written as zero
}

struct Fall {
    const char* name;
    const char* version;
    int16_t typImKopf;
    int erwarteterTyp;
    int regel;
    int ergebnis;
};

TEST(DateiKopf, ClassifiesByMakerKindAndVersionRule) {
    const Fall faelle[] = {
        {"current project", "6.00", 0, 0, 9, 1},
        {"project offered to a component catalogue reader", "6.00", 0, 7, 9, 0},
        {"type is tested before the version", "4.00", 0, 7, 9, 0},
        {"catalogue 4.00 under rule 10", "4.00", 4, 4, 10, 1},
        {"catalogue 4.00 under rule 9", "4.00", 4, 4, 9, -1},
        {"catalogue 4.00 under rule 11", "4.00", 4, 4, 11, -1},
        {"5.00 under rule 11", "5.00", 2, 2, 11, 1},
        {"rule 6 takes any version", "1.00", 1, 1, 6, 1},
        {"rule 12 takes any version", "9.99", 1, 1, 12, 1},
        {"rule -1 takes any version", "xxxx", 1, 1, -1, 1},
        {"rule 0 takes any version", "0.01", 1, 1, 0, 1},
        {"rule 1", "1.00", 0, 0, 1, 1},
        {"rule 1 refuses 2.00", "2.00", 0, 0, 1, -1},
        {"rule 2", "2.00", 0, 0, 2, 1},
        {"rule 3 first", "1.00", 0, 0, 3, 1},
        {"rule 3 second", "2.00", 0, 0, 3, 1},
        {"rule 3 refuses 3.00", "3.00", 0, 0, 3, -1},
        {"rule 4", "3.00", 0, 0, 4, 1},
        {"rule 5", "4.00", 0, 0, 5, 1},
        {"rule 7", "5.00", 0, 0, 7, 1},
        {"rule 7 refuses 6.00", "6.00", 0, 0, 7, -1},
        {"rule 8", "4.00", 0, 0, 8, 1},
        {"rule 8 refuses 6.00", "6.00", 0, 0, 8, -1},
        {"rule 10 takes 6.00", "6.00", 0, 0, 10, 1},
        {"rule 10 refuses 3.00", "3.00", 0, 0, 10, -1},
        {"only four characters of the version count", "6.00beta", 0, 0, 9, 1},
        {"negative type compared signed", "6.00", -1, -1, 9, 1},
        {"type 0xFFFF is not 65535", "6.00", -1, 65535, 9, 0},
    };
    for (const auto& f : faelle) {
        size_t pos = 0;
        EXPECT_EQ(lesen(kopf(f.version, f.typImKopf), f.erwarteterTyp, f.regel, &pos), f.ergebnis)
            << f.name;
        EXPECT_EQ(pos, 512u) << f.name;
    }
}

TEST(DateiKopf, ComparesOnlyTheFirst27BytesOfTheMakerLine) {
    auto b = kopf("6.00", 0);
    b[27] = 'X';
    b[40] = 'Y';
    EXPECT_EQ(lesen(b, 0, 9), 1);
    b[26] = 'x'; // "Weidenfelx"
    EXPECT_EQ(lesen(b, 0, 9), 0);

    auto c = kopf("6.00", 0);
    c[64] = '4'; // "Viroruvizaru 94"
    EXPECT_EQ(lesen(c, 0, 9), 0);
}

TEST(DateiKopf, ShortOrEmptyFileIsForeignAndTheReaderStandsAtItsEnd) {
    auto b = kopf("6.00", 0);
    b.resize(511);
    size_t pos = 0;
    EXPECT_EQ(lesen(b, 0, 9, &pos), 0);
    EXPECT_EQ(pos, 511u);
    EXPECT_EQ(lesen({}, 0, 0), 0);
}

TEST(DateiKopf, KeepsTheVersionTextForTheCaller) {
    const char* versionen[] = {"1.00", "2.00", "3.00", "4.00", "5.00"};
    for (int i = 0; i < 5; ++i) {
        auto b = kopf(versionen[i], 0);
        ByteReader in(b);
        TDateiKopf k;
        EXPECT_EQ(k.Lesen(in, 0, 9), -1);
        EXPECT_EQ(k.Version, versionen[i]);
        EXPECT_EQ(ProjektVersionsCode(k.Version), i + 2);
    }
    EXPECT_EQ(ProjektVersionsCode("7.00"), 1);
    EXPECT_EQ(ProjektVersionsCode(""), 1);
}

} // namespace
