// Texts and values are the worked examples of the settings' text forms; the
// unsigned forms of negative numbers are 2^32 minus their magnitude.
#include "hilfsmittel/ProfileValues.h"

#include "platform/gdi/Font.h"
#include "platform/gdi/LogRecords.h"
#include "platform/gdi/Pen.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

// Each test scripts the assertion reports it expects; any other fails it.
class ProfileValues : public testing::Test {
protected:
    void ExpectReport(int line) {
        services_.Messages().Answer(IDIGNORE);
        expectedLines_.push_back(line);
    }
    void TearDown() override {
        const auto& calls = services_.Messages().Calls();
        ASSERT_EQ(calls.size(), expectedLines_.size());
        for (std::size_t i = 0; i < calls.size(); ++i)
            EXPECT_EQ(calls[i].text,
                      "assertion failed! File: util Zeile: " + std::to_string(expectedLines_[i]));
    }

private:
    testsupport::ScriptedServices services_;
    std::vector<int> expectedLines_;
};

TEST_F(ProfileValues, IntegersRoundTrip) {
    const std::array<int32_t, 3> widths{120, 80, 200};
    EXPECT_EQ(ProfileMakeIntegers(widths), "120,80,200");
    std::array<int32_t, 3> read{};
    ProfileParseIntegers("120,80,200", read);
    EXPECT_EQ(read, widths);

    const std::array<int32_t, 2> longs{-10, 2147483647};
    EXPECT_EQ(ProfileMakeLongIntegers(longs), "4294967286,2147483647");
    std::array<int32_t, 2> readLongs{};
    ProfileParseLongIntegers("4294967286,2147483647", readLongs);
    EXPECT_EQ(readLongs, longs);
}

TEST_F(ProfileValues, FieldReading) {
    struct Case {
        const char* text;
        std::array<int32_t, 2> values;
    };
    const Case cases[] = {
        {"1,,2", {1, 2}},
        {",,1,2,", {1, 2}},
        {"1,2,3", {1, 2}},
        {" 12abc,-7", {12, -7}},
        {"+3,x", {3, 0}},
        {"-4294967286,0", {-2147483647 - 1, 0}},
        {"99999999999,-99999999999", {2147483647, -2147483647 - 1}},
    };
    for (const auto& c : cases) {
        std::array<int32_t, 2> read{-1, -1};
        ProfileParseIntegers(c.text, read);
        EXPECT_EQ(read, c.values) << c.text;
    }
}

TEST_F(ProfileValues, TooFewNumbersReportAndClear) {
    ExpectReport(481);
    std::array<int32_t, 3> ints{7, 7, 7};
    ProfileParseIntegers("120,80", ints);
    EXPECT_EQ(ints, (std::array<int32_t, 3>{0, 0, 0}));

    ExpectReport(453);
    std::array<int32_t, 1> longs{7};
    ProfileParseLongIntegers(",,", longs);
    EXPECT_EQ(longs[0], 0);

    ExpectReport(521);
    TRect r(1, 2, 3, 4);
    ProfileParseRectangle("1,2,3", r);
    EXPECT_EQ(r, TRect());

    ExpectReport(553);
    int red = 1, green = 1, blue = 1;
    ProfileParseColors("255", red, green, blue);
    EXPECT_EQ(red + green + blue, 0);
}

TEST_F(ProfileValues, RectanglesKeepNegativeCoordinates) {
    const TRect window(-10, -20, 300, 400);
    const std::string text = ProfileMakeRectangle(window);
    EXPECT_EQ(text, "4294967286,4294967276,300,400");
    TRect read;
    ProfileParseRectangle(text, read);
    EXPECT_EQ(read, window);
}

TEST_F(ProfileValues, Colours) {
    EXPECT_EQ(ProfileMakeColors(TColor(255, 128, 0)), "255,128,0");
    int red = 0, green = 0, blue = 0;
    ProfileParseColors("255,128,0", red, green, blue);
    EXPECT_EQ(TColor(red, green, blue), TColor(255, 128, 0));
}

TEST_F(ProfileValues, Lines) {
    EXPECT_EQ(ProfileMakeLine(TPen(TColor::LtBlue, 2, PS_DASHDOT)), "2,3");

    LOGPEN read;
    read.lopnColor = 0x123456;
    ProfileParseLine("1,1", read);
    EXPECT_EQ(read.lopnWidth.x, 1);
    EXPECT_EQ(read.lopnStyle, uint32_t(PS_DASH));
    EXPECT_EQ(read.lopnColor, 0u);

    ExpectReport(568); // a broad pen is reported and kept
    ProfileParseLine("5,0", read);
    EXPECT_EQ(read.lopnWidth.x, 5);

    ExpectReport(560); // too few numbers: a thin solid black pen
    read.lopnWidth.x = 3;
    read.lopnStyle = PS_DOT;
    ProfileParseLine("3", read);
    EXPECT_EQ(read.lopnWidth.x, 0);
    EXPECT_EQ(read.lopnStyle, uint32_t(PS_SOLID));
}

LOGFONT sampleFont() {
    LOGFONT f;
    f.lfHeight = -10;
    f.lfWidth = 4;
    f.lfEscapement = 900;
    f.lfOrientation = 900;
    f.lfWeight = FW_BOLD;
    f.lfItalic = 1;
    f.lfUnderline = 0;
    f.lfStrikeOut = 1;
    f.lfCharSet = ANSI_CHARSET;
    f.lfOutPrecision = 3;
    f.lfClipPrecision = 2;
    f.lfQuality = 1;
    f.lfPitchAndFamily = 34;
    std::strcpy(f.lfFaceName, "Times New Roman");
    return f;
}

void expectSameFont(const LOGFONT& a, const LOGFONT& b) {
    EXPECT_EQ(a.lfHeight, b.lfHeight);
    EXPECT_EQ(a.lfWidth, b.lfWidth);
    EXPECT_EQ(a.lfEscapement, b.lfEscapement);
    EXPECT_EQ(a.lfOrientation, b.lfOrientation);
    EXPECT_EQ(a.lfWeight, b.lfWeight);
    EXPECT_EQ(a.lfItalic, b.lfItalic);
    EXPECT_EQ(a.lfUnderline, b.lfUnderline);
    EXPECT_EQ(a.lfStrikeOut, b.lfStrikeOut);
    EXPECT_EQ(a.lfCharSet, b.lfCharSet);
    EXPECT_EQ(a.lfOutPrecision, b.lfOutPrecision);
    EXPECT_EQ(a.lfClipPrecision, b.lfClipPrecision);
    EXPECT_EQ(a.lfQuality, b.lfQuality);
    EXPECT_EQ(a.lfPitchAndFamily, b.lfPitchAndFamily);
    EXPECT_STREQ(a.lfFaceName, b.lfFaceName);
}

TEST_F(ProfileValues, FontRoundTrip) {
    const LOGFONT font = sampleFont();
    const std::string text = ProfileMakeFont(TFont(font), TColor(0, 0, 255));
    EXPECT_EQ(text, "-10,4,900,900,700,1,0,1,0,3,2,1,34,Times New Roman,0,0,255");
    LOGFONT read;
    uint32_t color = 0;
    ProfileParseFont(text, read, color);
    expectSameFont(read, font);
    EXPECT_EQ(color, RGB(0, 0, 255));
}

TEST_F(ProfileValues, FontWithAMissingFieldFallsBackToArial) {
    LOGFONT read;
    uint32_t color = 1;
    ProfileParseFont("-10,4,900,900,700,1,0,1,0,3,2,1,34,Times New Roman,0,0", read, color);
    EXPECT_EQ(read.lfHeight, 10);
    EXPECT_EQ(read.lfWeight, 0);
    EXPECT_EQ(read.lfItalic, 0);
    EXPECT_STREQ(read.lfFaceName, "Arial");
    EXPECT_EQ(color, 0u);
    EXPECT_EQ(read.lfWidth, 4); // read before the gap: kept
    EXPECT_EQ(read.lfEscapement, 900);
    EXPECT_EQ(read.lfPitchAndFamily, 34);

    ProfileParseFont("12,3", read, color); // the rest stays cleared
    EXPECT_EQ(read.lfHeight, 10);
    EXPECT_EQ(read.lfWidth, 3);
    EXPECT_EQ(read.lfEscapement, 0);
    EXPECT_STREQ(read.lfFaceName, "Arial");
}

TEST_F(ProfileValues, FontChecks) {
    LOGFONT read;
    uint32_t color = 0;
    ExpectReport(588); // height 0 is reported and kept
    ProfileParseFont("0,0,0,0,400,0,0,0,0,0,0,0,0, Arial,1,2,3", read, color);
    EXPECT_EQ(read.lfHeight, 0);
    EXPECT_STREQ(read.lfFaceName, "Arial"); // leading blanks of the face skipped
    EXPECT_EQ(color, RGB(1, 2, 3));

    ExpectReport(670); // a face longer than the record is cut at a character
    const std::string face = std::string(29, 'a') + "äö"; // 33 bytes
    ProfileParseFont("10,0,0,0,400,0,0,0,0,0,0,0,0," + face + ",0,0,0", read, color);
    EXPECT_EQ(std::string(read.lfFaceName), std::string(29, 'a') + "ä");

    ExpectReport(746);
    LOGFONT huge = sampleFont();
    huge.lfHeight = 120;
    ProfileMakeFont(TFont(huge), TColor::Black);
}

} // namespace
