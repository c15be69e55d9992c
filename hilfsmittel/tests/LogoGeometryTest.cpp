#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/tests/LayoutFixture.h"

#include <string>

namespace {

using testsupport::WriteText;

class LogoGeometry : public LayoutFixture {
protected:
    // A logo of w x h pixels under the given korpus.ini "Logo" section.
    TFirmenLogo Logo(int32_t w, int32_t h, const std::string& logoSection = "") {
        if (!logoSection.empty()) WriteText(Config("korpus.ini"), "[Logo]\r\n" + logoSection);
        TFirmenLogo logo(dirs.Root() / "fehlt.bmp");
        logo.BildBreite = w;
        logo.BildHoehe = h;
        return logo;
    }
};

// A 200 x 100 logo in a band from 10 to 160 (150 wide), worked out by hand from
// the size table: width capped by the band (modes 0, 2) or 64 (1, 3), height
// capped by 64 (2, 3); band height 2 * 5 + drawn height.
TEST_F(LogoGeometry, DrawnSizeAndBandHeightPerMode) {
    struct Case {
        const char* mode;
        TSize drawn;
        int32_t band;
    } cases[] = {
        {"Mode=0\r\n", {150, 100}, 110},  {"Mode=1\r\n", {64, 100}, 110},
        {"Mode=2\r\n", {150, 64}, 74},    {"Mode=3\r\n", {64, 64}, 74},
        {"Mode=7\r\n", {150, 100}, 110}, // outside 0 to 3: as 0
        {"Mode=-1\r\n", {150, 100}, 110}, {"Mode=drei\r\n", {150, 100}, 110},
    };
    for (const auto& c : cases) {
        auto logo = Logo(200, 100, c.mode);
        logo.Plazieren(10, 0, 160, 120, 0);
        EXPECT_EQ(logo.GezeichneteGroesse(), c.drawn) << c.mode;
        EXPECT_EQ(logo.BandHoehe(), c.band) << c.mode;
    }
}

TEST_F(LogoGeometry, WithoutKorpusIniTheNaturalSizeIsKept) {
    auto logo = Logo(40, 30);
    logo.Plazieren(0, 0, 500, 40, 0);
    EXPECT_EQ(logo.Modus, 0);
    EXPECT_TRUE(logo.bDDB);
    EXPECT_EQ(logo.GezeichneteGroesse(), TSize(40, 30));
    EXPECT_EQ(logo.BandHoehe(), 40);
}

TEST_F(LogoGeometry, PlacementPerAlignment) {
    struct Case {
        int32_t ausrichtung;
        int32_t l, r;
        TPoint pos;
    } cases[] = {
        {0, 10, 111, {40, 25}}, // l + RandX 30, t + RandY 5
        {1, 10, 111, {40, 25}}, // 10 + 101/2 - 40/2 = 10 + 50 - 20
        {1, 10, 112, {41, 25}}, // 10 + 51 - 20
        {2, 10, 111, {41, 25}}, // 111 - 40 - 30
        {2, 0, 300, {230, 25}}, // 300 - 40 - 30
    };
    for (const auto& c : cases) {
        auto logo = Logo(40, 20);
        logo.Plazieren(c.l, 20, c.r, 60, c.ausrichtung);
        EXPECT_EQ(TPoint(logo.PosX, logo.PosY), c.pos) << c.ausrichtung << " " << c.r;
        EXPECT_EQ(logo.Ausrichtung, c.ausrichtung);
        EXPECT_EQ(logo.Platz, c.r - c.l);
    }
}

TEST_F(LogoGeometry, UnknownAlignmentKeepsThePosition) {
    auto logo = Logo(40, 20);
    logo.Plazieren(0, 0, 200, 40, 2);
    logo.Plazieren(50, 50, 400, 90, 3);
    EXPECT_EQ(TPoint(logo.PosX, logo.PosY), TPoint(130, 5));
    EXPECT_EQ(logo.Platz, 350);
}

TEST_F(LogoGeometry, CenteredLogoWiderThanTheBandIsCutToIt) {
    auto logo = Logo(200, 100, "Mode=0\r\n");
    logo.Plazieren(10, 0, 160, 110, 1);
    EXPECT_EQ(logo.PosX, 10); // 10 + 75 - 75
}

TEST_F(LogoGeometry, DdbSwitchReadsOnlyOneAsOn) {
    for (const auto& [text, on] : {std::pair{"DDB=1\r\n", true},
                                   {"DDB=0\r\n", false},
                                   {"DDB=2\r\n", false},
                                   {"DDB=\r\n", false}}) {
        EXPECT_EQ(Logo(1, 1, text).bDDB, on) << text;
    }
}

} // namespace
