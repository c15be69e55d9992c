#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/tests/LayoutFixture.h"
#include "platform/base/ByteStream.h"
#include "platform/gdi/RecordingDC.h"

#include <cstdint>
#include <string>

namespace {

using testsupport::WriteText;

// A 24-bit bottom-up Windows BMP: red left of splitX, blue from splitX on.
std::string Bmp(int32_t w, int32_t h, int32_t splitX) {
    const uint32_t row = uint32_t((w * 3 + 3) / 4 * 4);
    ByteWriter s;
    s.WriteU8('B');
    s.WriteU8('M');
    s.WriteU32(54 + row * uint32_t(h));
    s.WriteU32(0);
    s.WriteU32(54); // offset of the pixels
    s.WriteU32(40); // BITMAPINFOHEADER
    s.WriteI32(w);
    s.WriteI32(h);
    s.WriteU16(1);  // planes
    s.WriteU16(24); // bits per pixel
    s.WriteU32(0);  // BI_RGB
    s.WriteU32(row * uint32_t(h));
    s.WriteU32(2835);
    s.WriteU32(2835);
    s.WriteU32(0);
    s.WriteU32(0);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t bgr[3] = {uint8_t(x < splitX ? 0 : 0xFF), 0,
                                    uint8_t(x < splitX ? 0xFF : 0)};
            s.WriteBytes(bgr);
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < row; ++pad) s.WriteU8(0);
    }
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

class LogoImage : public LayoutFixture {
protected:
    std::filesystem::path LogoFile(const std::string& bytes) {
        const auto file = dirs.Root() / "logo.bmp";
        WriteText(file, bytes);
        return file;
    }
    void Korpus(const std::string& logoSection) {
        WriteText(Config("korpus.ini"), "[Logo]\r\n" + logoSection);
    }
    static TDrawCall OnlyBlit(const TRecordingDC& dc) {
        const auto blits = dc.CallsOf(TDrawKind::BitBlt);
        EXPECT_EQ(blits.size(), 1u) << dc.Dump();
        return blits.empty() ? TDrawCall{} : blits[0];
    }
};

TEST_F(LogoImage, ReadsTheSizeFromTheBitmap) {
    TFirmenLogo logo(LogoFile(Bmp(200, 100, 150)));
    ASSERT_TRUE(logo.HatBild());
    EXPECT_EQ(logo.BildBreite, 200);
    EXPECT_EQ(logo.BildHoehe, 100);
    EXPECT_FALSE(logo.pBitmap.IsNull()); // "DDB" defaults to 1
}

// 200 x 100, red up to x 149, in a band 150 wide ("Mode" 0): the copy is
// cropped to 150 x 100 (its pixel 149 still red); the image squeezed into
// 150 x 100 has blue at 149 (source x 149 * 200 / 150 = 198).
TEST_F(LogoImage, CopyIsCroppedAndTheImageStretched) {
    Korpus("Mode=0\r\n");
    TFirmenLogo logo(LogoFile(Bmp(200, 100, 150)));
    logo.Plazieren(10, 20, 160, 130, 0);

    TRecordingDC dc;
    logo.Zeichnen(dc, false);
    auto blit = OnlyBlit(dc);
    EXPECT_EQ(blit.deviceBox, TRect(41, 26, 191, 126)); // (PosX + 1, PosY + 1), 150 x 100
    EXPECT_EQ(blit.source.Size(), TSize(200, 100));
    EXPECT_EQ(blit.sourceOrigin, TPoint(0, 0));
    EXPECT_EQ(blit.flags, SRCCOPY);
    EXPECT_EQ(blit.source.GetPixel(149, 50), TColor(255, 0, 0));

    dc.Clear();
    logo.Zeichnen(dc, true);
    blit = OnlyBlit(dc);
    EXPECT_EQ(blit.deviceBox, TRect(41, 26, 191, 126));
    EXPECT_EQ(blit.source.Size(), TSize(150, 100));
    EXPECT_EQ(blit.source.GetPixel(149, 50), TColor(0, 0, 255));
}

TEST_F(LogoImage, WithoutDeviceCopyTheImageIsAlwaysStretched) {
    Korpus("Mode=3\r\nDDB=0\r\n");
    TFirmenLogo logo(LogoFile(Bmp(200, 100, 150)));
    EXPECT_TRUE(logo.pBitmap.IsNull());
    logo.Plazieren(0, 0, 400, 74, 2); // 400 - 64 - 30 = 306
    TRecordingDC dc;
    logo.Zeichnen(dc, false);
    const auto blit = OnlyBlit(dc);
    EXPECT_EQ(blit.deviceBox, TRect(307, 6, 371, 70));
    EXPECT_EQ(blit.source.Size(), TSize(64, 64));
}

TEST_F(LogoImage, DamagedOrMissingFileGivesNoLogo) {
    const std::string good = Bmp(20, 10, 5);
    const std::pair<const char*, std::string> cases[] = {
        {"truncated header", good.substr(0, 30)},
        {"pixels cut off", good.substr(0, 80)},
        {"not a picture", "Dies ist kein Bild."},
        {"empty", ""},
        {"absurd size",
         [&] {
             std::string s = good;
             s.replace(18, 8, std::string("\xFF\xFF\xFF\x7F\xFF\xFF\xFF\x7F", 8));
             return s;
         }()},
    };
    for (const auto& [what, bytes] : cases) {
        TFirmenLogo logo(LogoFile(bytes));
        EXPECT_FALSE(logo.HatBild()) << what;
        logo.Plazieren(0, 0, 300, 40, 0);
        TRecordingDC dc;
        logo.Zeichnen(dc, false);
        EXPECT_TRUE(dc.Calls().empty()) << what;
    }
    TFirmenLogo missing(dirs.Root() / "fehlt.bmp");
    EXPECT_FALSE(missing.HatBild());
    EXPECT_EQ(missing.BildBreite, 0);
}

TEST_F(LogoImage, WindowGetsALogoOnlyWhenSwitchedOnAndReadable) {
    TLogoGroessen s;
    s.LogoFilename = LogoFile(Bmp(20, 10, 5)).string();
    EXPECT_EQ(TFirmenLogo::Erzeugen(s), nullptr); // LogoInclude 0
    s.LogoInclude = 1;
    EXPECT_NE(TFirmenLogo::Erzeugen(s), nullptr);
    s.LogoFilename.clear();
    EXPECT_EQ(TFirmenLogo::Erzeugen(s), nullptr);
    s.LogoFilename = LogoFile("BM kaputt").string();
    EXPECT_EQ(TFirmenLogo::Erzeugen(s), nullptr);
}

} // namespace
