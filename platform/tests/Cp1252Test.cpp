#include "platform/base/Cp1252.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* utf8;
    std::string cp1252;
};

TEST(Cp1252, RoundTripsTheProgramsTexts) {
    const Case cases[] = {
        {"Außenwand", "Au\xDF"
                      "enwand"},
        {"Heizöl EL", "Heiz\xF6l EL"},
        {"°C", "\xB0"
               "C"},
        {"§14", "\xA7"
                "14"},
        {"W/(m²K)", "W/(m\xB2K)"},
        {"€ – „Zitat“", "\x80 \x96 \x84Zitat\x93"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto bytes = cp1252::Encode(c.utf8);
        ASSERT_TRUE(bytes.has_value()) << c.utf8;
        EXPECT_EQ(*bytes, c.cp1252) << c.utf8;
        EXPECT_EQ(cp1252::Decode(c.cp1252), c.utf8);
    }
}

TEST(Cp1252, RefusesTextWithoutAWindows1252Form) {
    for (const char* text : {"λ-Wert", "日本", "ok\xC3", "\xFF\xFE", "\xED\xA0\x80"}) {
        EXPECT_FALSE(cp1252::Encode(text).has_value()) << text;
        EXPECT_FALSE(cp1252::Representable(text));
    }
    EXPECT_EQ(cp1252::EncodeLossy("λ=0,04"), "?=0,04");
}

TEST(Cp1252, EveryByteDecodesAndEncodesBack) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const auto back = cp1252::Encode(cp1252::Decode(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

} // namespace
