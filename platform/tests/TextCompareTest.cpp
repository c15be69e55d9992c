#include "platform/base/TextCompare.h"
#include "platform/base/GermanDate.h"

#include <gtest/gtest.h>

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
        {"Beton", "Beton", 0, 0},    {"beton", "Beton", 1, 0},
        {"Ziegel", "Ämter", -1, -1}, // Ä is 0xC4, above every ASCII letter
        {"äußere", "ÄUßERE", 1, 0},  {"Holz", "Holzwolle", -1, -1},
        {"Œuvre", "œuvre", -1, 0},   {"a", "", 1, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(CompareCp1252(c.a, c.b)), c.bytes) << c.a << " / " << c.b;
        EXPECT_EQ(sign(CompareNoCase(c.a, c.b)), c.noCase) << c.a << " / " << c.b;
        EXPECT_EQ(sign(CompareNoCase(c.b, c.a)), -c.noCase) << c.a << " / " << c.b;
    }
    EXPECT_EQ(ToUpperCp1252("Heizöl el"), "HEIZÖL EL");
}

TEST(GermanDate, DayMonthYearWithPoints) {
    EXPECT_EQ(FormatGermanDate({10, 12, 2026}), "10.12.2026");
    EXPECT_EQ(FormatGermanDate({1, 2, 1995}), "01.02.1995");
}

} // namespace
