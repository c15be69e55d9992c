#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "hilfsmittel/tests/LayoutFixture.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/services/MessageBox.h"

#include <cstring>
#include <string>

namespace {

using testsupport::ReadText;
using testsupport::WriteText;

class LayoutStyles : public LayoutFixture {
protected:
    void Global(const std::string& text) { WriteText(Config("global.ini"), text); }
    // The next assertion report is answered with Ignore; returns its text.
    void ExpectAssertion() { services.Messages().Answer(IDIGNORE); }
    size_t Assertions() {
        size_t n = 0;
        for (const auto& c : services.Messages().Calls()) n += c.caption == "Assert-Box";
        return n;
    }
    static LOGPEN Pen(uint32_t style, int32_t width, TColor colour) {
        LOGPEN lp;
        lp.lopnStyle = style;
        lp.lopnWidth = TPoint(width, width);
        lp.lopnColor = colour.GetValue();
        return lp;
    }
    static void ExpectPen(const TPen& pen, uint32_t style, int width, TColor colour,
                          const char* what) {
        EXPECT_EQ(pen.Style(), style) << what;
        EXPECT_EQ(pen.Width(), width) << what;
        EXPECT_EQ(pen.Color(), colour) << what;
    }
};

const TColor kBlau(0, 0, 255), kGruen(0, 255, 0), kRot(255, 0, 0);

TEST_F(LayoutStyles, GraphicPensFromAnEmptySection) {
    Global("[BauteilGrafik]\r\n");
    TBtGrafikGroessen g;
    g.Laden(true, false);
    ExpectPen(*g.pTemperaturWPen, PS_SOLID, 1, kBlau, "winter");
    ExpectPen(*g.pTemperaturSHOPen, PS_SOLID, 1, kGruen, "summer light");
    ExpectPen(*g.pTemperaturSDOPen, PS_SOLID, 1, kRot, "summer dark");
    ExpectPen(*g.pDampfPen, PS_DASH, 1, kBlau, "vapour pressure");
    ExpectPen(*g.pSattdampfPen, PS_SOLID, 1, kRot, "saturation");
    EXPECT_EQ(g.DampfdruckFarbe, kBlau);
    // The fonts are not stored and keep their constructor values.
    EXPECT_EQ(g.lfVertikal.lfEscapement, 900);
    EXPECT_EQ(g.pKleinFont->Height(), -10);
    EXPECT_STREQ(g.lfBeschriftung.lfFaceName, "Arial");
}

TEST_F(LayoutStyles, GraphicSectionIsWrittenColoursFirstThenLines) {
    TBtGrafikGroessen g; // constructor pens: width 2
    g.SetSattdampfLinie(3, PS_DASHDOTDOT);
    g.SetTemperaturSHOFarbe(TColor(225, 225, 225));
    ASSERT_TRUE(g.Speichern(false, false));
    EXPECT_EQ(ReadText(Config("datei.ini")),
              "[BauteilGrafik]\r\nTemperaturWFarbe=0,0,0\r\nTemperaturSHOFarbe=225,225,225\r\n"
              "TemperaturSDOFarbe=0,0,0\r\nDampfdruckFarbe=0,0,0\r\nSattdampfFarbe=0,0,0\r\n"
              "DampfLinie=2,1\r\nSattdampfLinie=3,4\r\nTemperaturWLinie=2,0\r\n"
              "TemperaturSHOLinie=2,1\r\nTemperaturSDOLinie=2,2\r\n");
    TBtGrafikGroessen back;
    back.Laden(false, false);
    ExpectPen(*back.pSattdampfPen, PS_DASHDOTDOT, 3, TColor::Black, "saturation");
    ExpectPen(*back.pTemperaturSHOPen, PS_DASH, 2, TColor(225, 225, 225), "summer light");
    ExpectPen(*back.pTemperaturSDOPen, PS_DOT, 2, TColor::Black, "summer dark");
}

TEST_F(LayoutStyles, ColourAndLineSettersCommute) {
    TBtGrafikGroessen a, b;
    a.SetDampfdruckFarbe(kGruen);
    a.SetDampfLinie(3, PS_DASHDOT);
    b.SetDampfLinie(3, PS_DASHDOT);
    b.SetDampfdruckFarbe(kGruen);
    EXPECT_EQ(*a.pDampfPen, *b.pDampfPen);
    ExpectPen(*a.pDampfPen, PS_DASHDOT, 3, kGruen, "vapour pressure");
    EXPECT_EQ(a.DampfdruckFarbe, kGruen);
}

TEST_F(LayoutStyles, GraphicValuesOutOfRangeAreReported) {
    Global("[BauteilGrafik]\r\nTemperaturWFarbe=300,-1,0\r\nSattdampfFarbe=12,34\r\n"
           "DampfLinie=7,2\r\nSattdampfLinie=2,9\r\nTemperaturWLinie=0,0\r\n");
    ExpectAssertion(); // "12,34": too few numbers
    ExpectAssertion(); // width 7
    ExpectAssertion(); // style 9
    TBtGrafikGroessen g;
    g.Laden(true, false);
    EXPECT_EQ(g.TemperaturWFarbe, TColor(44, 255, 0)); // low 8 bits: 300 - 256, -1 = 0xFF
    EXPECT_EQ(g.SattdampfFarbe, TColor::Black);
    ExpectPen(*g.pDampfPen, PS_DOT, 7, kBlau, "width 7: reported, used as read");
    ExpectPen(*g.pSattdampfPen, PS_SOLID, 2, TColor::Black, "style 9");
    ExpectPen(*g.pTemperaturWPen, PS_SOLID, 1, TColor(44, 255, 0), "width 0");
    EXPECT_EQ(Assertions(), 3u);
}

// The style table, with the heights, weights and faces of the settings.
TEST_F(LayoutStyles, TextStylesOfAFirstLoadKeepTheRedWarnings) {
    TBtTextGroessen t;
    t.Laden(false, true); // no file anywhere
    for (int i = 0; i < AnzahlTextstile; ++i) {
        const auto stil = Textstil(i);
        const bool rot = stil == Textstil::Warnung || stil == Textstil::Fussnote;
        EXPECT_EQ(t.Farbe(stil), rot ? kRot : TColor::Black) << t.Schluessel(stil);
    }
    ASSERT_TRUE(t.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")),
              "[BauteilText]\r\n"
              "TabellenKopf=-12,0,0,0,700,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Symbol=-12,0,0,0,700,0,0,0,0,0,0,0,0,Symbol,0,0,0\r\n"
              "Tabelle=-12,0,0,0,400,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "TabellenKopfVertikal=12,0,900,900,400,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Einheiten=-12,0,0,0,400,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Kommentar=-12,0,0,0,400,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Warnung=-12,0,0,0,400,0,0,0,0,0,0,0,0,Arial,255,0,0\r\n"
              "Fu\xDFnote=-10,0,0,0,700,1,0,0,0,0,0,0,0,Arial,255,0,0\r\n"
              "Titel=-20,0,0,0,700,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Beschriftung=-14,0,0,0,700,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Kopfzeile=-16,0,0,0,700,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Fusszeile=-16,0,0,0,700,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "Formel=-13,0,0,0,400,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "FormelIndex=-9,0,0,0,400,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
              "FormelSymbol=-13,0,0,0,400,1,0,0,0,0,0,0,0,Symbol,0,0,0\r\n"
              "TabellenHintergrund=225,225,225\r\n");
}

TEST_F(LayoutStyles, StoredBlackWarningStaysBlack) {
    Global("[BauteilText]\r\nWarnung=-12,0,0,0,400,0,0,0,0,0,0,0,0,Arial,0,0,0\r\n");
    TBtTextGroessen t;
    t.Laden(true, false);
    EXPECT_EQ(t.Farbe(Textstil::Warnung), TColor::Black);
    EXPECT_EQ(t.Farbe(Textstil::Fussnote), kRot);
}

TEST_F(LayoutStyles, TextStylesRoundTripExactly) {
    TBtTextGroessen t;
    for (int i = 0; i < AnzahlTextstile; ++i) {
        LOGFONT lf;
        lf.lfHeight = i % 2 ? -(i + 6) : i + 6;
        lf.lfWidth = i;
        lf.lfEscapement = lf.lfOrientation = 900 * (i % 4);
        lf.lfWeight = 100 * (i % 9 + 1);
        lf.lfItalic = i & 1;
        lf.lfUnderline = i & 2 ? 1 : 0;
        lf.lfStrikeOut = i & 4 ? 1 : 0;
        lf.lfCharSet = uint8_t(255 - i);
        lf.lfOutPrecision = lf.lfClipPrecision = lf.lfQuality = uint8_t(200 + i);
        lf.lfPitchAndFamily = 0x22;
        // Up to 31 characters, the most the record holds.
        const std::string face =
            std::string("Schrift Nummer ") + std::to_string(i) + std::string(16, 'x');
        std::strncpy(lf.lfFaceName, face.c_str(), 31);
        t.SetFont(Textstil(i), lf);
        t.SetFarbe(Textstil(i), TColor(255 - i, 128 + i, 17 * i));
    }
    t.TabellenHintergrund = TColor(255, 251, 240);
    ASSERT_TRUE(t.Speichern(false, true));
    const std::string saved = ReadText(Config("datei.ini"));

    TBtTextGroessen back;
    back.Laden(false, true);
    for (int i = 0; i < AnzahlTextstile; ++i) {
        const auto stil = Textstil(i);
        EXPECT_EQ(std::memcmp(&back.Schrift(stil), &t.Schrift(stil), sizeof(LOGFONT)), 0) << i;
        EXPECT_EQ(back.Font(stil).GetLogFont().lfHeight, t.Schrift(stil).lfHeight) << i;
        EXPECT_EQ(back.Farbe(stil), t.Farbe(stil)) << i;
    }
    EXPECT_EQ(back.TabellenHintergrund, TColor(255, 251, 240));
    ASSERT_TRUE(back.Speichern(false, true));
    EXPECT_EQ(ReadText(Config("datei.ini")), saved);
}

TEST_F(LayoutStyles, FontWithoutItsColourLoadsAsTheFallback) {
    Global("[BauteilText]\r\nTitel=-20,0,0,0,700,1,0,0,0,0,0,0,0,Arial\r\n");
    TBtTextGroessen t;
    t.Laden(true, false);
    const LOGFONT& lf = t.Schrift(Textstil::Titel);
    EXPECT_EQ(lf.lfHeight, 10);
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(t.Farbe(Textstil::Titel), TColor::Black);
    EXPECT_EQ(t.Font(Textstil::Titel).Height(), 10); // the font follows its record
}

TEST_F(LayoutStyles, ShadingColours) {
    TUnterlegungsGroessen u;
    u.Laden(false, true);
    for (TColor c : u.Unterlegungsfarbe) EXPECT_EQ(c, TColor(225, 225, 225));

    u.Unterlegungsfarbe = {kRot, kGruen, kBlau, TColor::Black};
    ASSERT_TRUE(u.Speichern(true, false));
    EXPECT_EQ(ReadText(Config("global.ini")), "[Unterlegung]\r\nFarben=255,65280,16711680,0\r\n");
    TUnterlegungsGroessen back;
    back.Laden(true, false);
    EXPECT_EQ(back.Unterlegungsfarbe, u.Unterlegungsfarbe);

    Global("[Unterlegung]\r\nFarben=255,65280\r\n");
    ExpectAssertion();
    back.Laden(true, false);
    for (TColor c : back.Unterlegungsfarbe) EXPECT_EQ(c, TColor::Black);
    EXPECT_EQ(Assertions(), 1u);
}

} // namespace
