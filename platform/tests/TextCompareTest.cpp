#include "platform/base/TextCompare.h"
#include "platform/base/GermanDate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(TextCompare, ByWindows1252BytesAndWithoutCase) {
    struct Case {
        const char* a;
        const char* b;
        int bytes;
        int noCase;
    } cases[] = {
        {"Beton", "Beton", 0, 0},   {"beton", "Beton", 1, 0},
        {"Ziegel", "Ämter", -1, 1}, // Ä is 0xC4 in bytes, but sorts with A
        {"äußere", "ÄUßERE", 1, 0}, {"Holz", "Holzwolle", -1, -1},
        {"Œuvre", "œuvre", -1, 0},  {"a", "", 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(CompareCp1252(c.a, c.b)), c.bytes) << c.a << " / " << c.b;
        EXPECT_EQ(sign(CompareNoCase(c.a, c.b)), c.noCase) << c.a << " / " << c.b;
        EXPECT_EQ(sign(CompareNoCase(c.b, c.a)), -c.noCase) << c.a << " / " << c.b;
    }
    EXPECT_EQ(ToUpperCp1252("Heizöl el"), "HEIZÖL EL");
}

// Names sort as in a German dictionary; the byte order would put every
// umlaut behind "Z".
TEST(TextCompare, NamesSortInGermanDictionaryOrder) {
    std::vector<std::string> namen = {"Zement",     "Ölschiefer", "Ofen",   "Äpfel", "apfel",
                                      "Straße",     "Strasse",    "Stroh",  "Übel",  "Uhu",
                                      "Œuvre",      "Oel",        "Éclair", "Ecke",  "ÄPFEL",
                                      "Ölschiefer", "Beton 2",    "Beton1", "Zz"};
    std::stable_sort(namen.begin(), namen.end(),
                     [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
    EXPECT_EQ(namen, (std::vector<std::string>{"apfel", "Äpfel", "ÄPFEL", "Beton 2", "Beton1",
                                               "Ecke", "Éclair", "Oel", "Œuvre", "Ofen",
                                               "Ölschiefer", "Ölschiefer", "Strasse", "Straße",
                                               "Stroh", "Übel", "Uhu", "Zement", "Zz"}));
    // Equal only without regard to case; ß and ss, Ä and A stay apart.
    EXPECT_EQ(CompareNoCase("Äpfel", "äPFEL"), 0);
    EXPECT_NE(CompareNoCase("Straße", "Strasse"), 0);
    EXPECT_NE(CompareNoCase("Apfel", "Äpfel"), 0);
}

// Sorted lists compare the names' keys made once; they must order every pair
// as the names do, ASCII or not, also with letters Windows-1252 lacks.
TEST(TextCompare, KeysOrderAsTheNames) {
    const std::vector<std::string> namen = {
        "Zement", "Ölschiefer", "Ofen",    "Äpfel",  "apfel",  "Straße", "Strasse", "STRASSE",
        "Stroh",  "Übel",       "Uhu",     "Œuvre",  "Oel",    "Éclair", "Ecke",    "ÄPFEL",
        "Ziegel", "Ämter",      "Beton 2", "Beton1", "",       "a",      "Ωmega",   "?mega",
        "Žar",    "zar",        "ÿ",       "Ÿ",      "Heizöl", "HEIZOL", "Æther",   "AETHER"};
    for (const auto& a : namen)
        for (const auto& b : namen)
            EXPECT_EQ(sign(CompareNoCaseKeys(MakeNoCaseKey(a), MakeNoCaseKey(b))),
                      sign(CompareNoCase(a, b)))
                << a << " / " << b;
}

TEST(GermanDate, DayMonthYearWithPoints) {
    EXPECT_EQ(FormatGermanDate({10, 12, 2026}), "10.12.2026");
    EXPECT_EQ(FormatGermanDate({1, 2, 1995}), "01.02.1995");
}

} // namespace
