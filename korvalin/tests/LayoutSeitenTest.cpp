// The pages of the layout settings sheet: the colour and line boxes, the
// dependent check boxes, the header and footer tokens, the samples as they
// draw on the recording DC, and a picture of every page for the reviewer.
#include "LayoutEinstellungenFixture.h"

#include "hilfsmittel/layout/AdressGroessen.h"
#include "korvalin/layout/TColorComboBox.h"
#include "korvalin/layout/TGrafikODButton.h"
#include "korvalin/layout/TLinesComboBox.h"
#include "korvalin/layout/TTextODButton.h"
#include "korvalin/layout/TZahlenFormatDialog.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ControlInput.h"

#include <cstdlib>

namespace layouttest {
namespace {

std::vector<TDrawCall> zeichnen(TControl& c, TRect r, int item = 0, uint32_t state = 0) {
    TRecordingDC dc;
    DRAWITEMSTRUCT d;
    d.itemID = item;
    d.itemState = state;
    d.rcItem = r;
    d.dc = &dc;
    c.DrawItem(d);
    return dc.Calls();
}

TEST(ColorComboBox, FindsColoursByTheirLowBytesAndFallsBackToRed) {
    testsupport::ScriptedServices services;
    TWindow seite(nullptr);
    TColorComboBox box(&seite, 103, 16, 16);
    EXPECT_EQ(box.FindeFarbe(TColor(225, 225, 225)), 13);
    EXPECT_EQ(box.FindeFarbe(TColor(1, 2, 3)), 0); // shows as "Rot"
    EXPECT_EQ(box.FindeFarbe(TColor(0xFF000000u | TColor(0, 0, 255).GetValue())), 2);
    EXPECT_EQ(box.GetFarbe(15), TColor::Black);
    EXPECT_EQ(box.GetFarbe(-1), TColor(255, 0, 0)); // no selection reads the first
    EXPECT_EQ(box.Eintraege[10].Name, "Creme");
}

TEST(ColorComboBox, WrongCountWithoutTableWarnsOnceAndTakesTheSixteen) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDOK);
    TWindow seite(nullptr);
    TColorComboBox box(&seite, 103, 16, 8);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text,
              "ColorArray muß gesetztwerden, wenn Anzahl der Items != 16");
    EXPECT_EQ(box.Anzahl, 16);
    EXPECT_EQ(box.Eintraege[13].Name, "Grau 1");
}

TEST(ColorComboBox, CountBeyondTheTableIsClamped) {
    testsupport::ScriptedServices services;
    TWindow seite(nullptr);
    const TColorAndName zwei[] = {{1, 2, 3, "A"}, {4, 5, 6, "B"}};
    TColorComboBox eigene(&seite, 103, 16, 2, zwei);
    EXPECT_EQ(eigene.Anzahl, 2);
    EXPECT_EQ(eigene.FindeFarbe(TColor(4, 5, 6)), 1);
    TLinesComboBox linien(&seite, 105, 16, 40);
    EXPECT_EQ(linien.Anzahl, 12);
    EXPECT_EQ(linien.FindeLinie(PS_DASHDOTDOT, 3), 11);
    EXPECT_EQ(linien.FindeLinie(PS_DOT, 1), 0); // no dotted entries
    EXPECT_EQ(linien.GetLinie(4).lopnStyle, uint32_t(PS_DASH));
    EXPECT_EQ(linien.GetLinie(4).lopnWidth, TPoint(2, 0));
}

TEST(ColorComboBox, EntryDrawsSwatchNameAndFocus) {
    testsupport::ScriptedServices services;
    TWindow seite(nullptr);
    TColorComboBox box(&seite, 103, 16, 16);
    const auto calls = zeichnen(box, {0, 20, 120, 36}, 7, ODS_FOCUS);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, TDrawKind::Rectangle);
    EXPECT_EQ(calls[0].logical, (std::vector<TPoint>{{2, 22}, {22, 34}}));
    EXPECT_EQ(calls[0].currentBrush.Color(), TColor(128, 255, 255));
    EXPECT_EQ(calls[1].kind, TDrawKind::DrawText);
    EXPECT_EQ(calls[1].text, "Hellblau");
    EXPECT_EQ(calls[1].logical.front(), TPoint(30, 20));
    EXPECT_EQ(calls[3].kind, TDrawKind::FrameRect);
    EXPECT_TRUE(zeichnen(box, {0, 0, 120, 16}, -1).empty());
}

TEST(LinesComboBox, EntryDrawsItsPatternInBlack) {
    testsupport::ScriptedServices services;
    TWindow seite(nullptr);
    TLinesComboBox box(&seite, 105, 16, 12);
    for (int item : {1, 4, 10}) {
        SCOPED_TRACE(item);
        const auto calls = zeichnen(box, {0, 0, 200, 16}, item);
        ASSERT_GE(calls.size(), 1u);
        // From (10, 8) to (190, 8): the line's start and end.
        EXPECT_EQ(calls.front().logical.front(), TPoint(10, 8));
        EXPECT_LE(calls.back().logical.back().x, 192); // a dot is a stroke of the pen width
        EXPECT_GE(calls.back().logical.back().x, 170);
        size_t striche = 0;
        for (const auto& c : calls)
            if (c.kind == TDrawKind::LineTo) {
                ++striche;
                EXPECT_EQ(c.pen.GetLogPen().lopnWidth.x, item % 3 + 1);
                EXPECT_EQ(c.pen.GetLogPen().lopnColor, 0u);
                EXPECT_EQ(c.pen.GetLogPen().lopnStyle, uint32_t(PS_SOLID));
            }
        EXPECT_EQ(striche > 1, item != 1); // patterns in solid strokes
        EXPECT_EQ(zeichnen(box, {0, 0, 200, 16}, item, ODS_SELECTED).back().kind,
                  TDrawKind::FrameRect);
    }
}

class LayoutSeiten : public LayoutBlattTest {};

TEST_F(LayoutSeiten, GraphicsBoxesFollowTheirDependencies) {
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        auto an = [&](int id) { return item<TCheckBox>(b, Seite, id)->GetCheck() == 1; };
        auto frei = [&](int id) { return item<TCheckBox>(b, Seite, id)->IsWindowEnabled(); };
        klicken(b, Seite, 4109); // Glasergrafik off
        EXPECT_FALSE(an(4107));
        EXPECT_FALSE(frei(4107));
        klicken(b, Seite, 121); // Schichtaufbaugrafik off
        EXPECT_FALSE(an(4110) || frei(4110) || frei(4109));
        klicken(b, Seite, 121); // and on again
        EXPECT_TRUE(an(4110) && an(4109) && an(4107) && frei(4107));
        b.CmCancel();
    });
}

TEST_F(LayoutSeiten, StoredSwitchesOffDisableWhatDependsOnThem) {
    schreiben("Haus.ini", "[Seitenlayout]\r\nSchichtgrafik=0\r\nFeuchte-Daten=0\r\n");
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        EXPECT_NE(item<TCheckBox>(b, Seite, 121)->GetCheck(), 1u);
        EXPECT_NE(item<TCheckBox>(b, Seite, 101)->GetCheck(), 1u);
        for (int id : {4110, 4109, 4107})
            EXPECT_FALSE(item<TCheckBox>(b, Seite, id)->IsWindowEnabled()) << id;
        b.CmCancel();
    });
}

TEST_F(LayoutSeiten, UncheckingATokenRemovesItsFirstOccurrenceInEachText) {
    schreiben("Haus.ini", "[Kopf/Fu\xDF"
                          "zeile]\r\nTextKopfzeileL=&[Seite] und &[Seite]\r\n"
                          "TextKopfzeileM=Mitte &[Seite]\r\nTextFusszeileR=&[Datei]\r\n");
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        auto* seitenzahl = item<TCheckBox>(b, Kopfzeile, 119);
        EXPECT_EQ(seitenzahl->GetCheck(), 1u);
        EXPECT_NE(item<TCheckBox>(b, Kopfzeile, 121)->GetCheck(), 1u); // only in the footer
        seitenzahl->Click();
        EXPECT_EQ(item<TEdit>(b, Kopfzeile, 4105)->GetText(), " und &[Seite]");
        EXPECT_EQ(item<TEdit>(b, Kopfzeile, 123)->GetText(), "Mitte ");
        EXPECT_EQ(seitenzahl->GetCheck(), 1u); // the second occurrence is still there
        // The footer and back: both sets of texts kept.
        item<TCheckBox>(b, Kopfzeile, 130)->Click();
        EXPECT_EQ(item<TEdit>(b, Kopfzeile, 124)->GetText(), "&[Datei]");
        EXPECT_EQ(item<TCheckBox>(b, Kopfzeile, 121)->GetCheck(), 1u);
        item<TCheckBox>(b, Kopfzeile, 129)->Click();
        item<TCheckBox>(b, Kopfzeile, 129)->Click();
        EXPECT_EQ(item<TEdit>(b, Kopfzeile, 4105)->GetText(), " und &[Seite]");
        // Checking inserts the token at the caret of the edit focused last.
        auto* mitte = item<TEdit>(b, Kopfzeile, 123);
        b.ShowWindow(SW_SHOW);
        ASSERT_TRUE(testsupport::Activate(b));
        mitte->SetFocus();
        testsupport::ProcessEvents();
        mitte->SetSelection(0, 0);
        item<TCheckBox>(b, Kopfzeile, 120)->Click();
        EXPECT_EQ(mitte->GetText(), "&[Datum]Mitte ");
        b.CmOk();
    });
    EXPECT_EQ(kopf.Texte[TKopfzeileData::KopfL], " und &[Seite]");
    EXPECT_EQ(kopf.Texte[TKopfzeileData::KopfM], "&[Datum]Mitte ");
    EXPECT_EQ(kopf.Texte[TKopfzeileData::FussR], "&[Datei]");
}

TEST_F(LayoutSeiten, SheetOfNoProjectOffersNoProjectTokens) {
    schreiben("global.ini", "[Kopf/Fu\xDF"
                            "zeile]\r\nTextKopfzeileL=&[Projekt] &[Datei]\r\n");
    oeffnen(LayoutZiel::Datei, [](Blatt& b) {
        for (int id : {121, 126, 127}) {
            auto* k = item<TCheckBox>(b, Kopfzeile, id);
            EXPECT_FALSE(k->IsWindowEnabled()) << id;
            EXPECT_NE(k->GetCheck(), 1u) << id;
        }
        b.CmCancel();
    });
}

TEST_F(LayoutSeiten, ExponentShownFromTheStoredLimitAndZeroCountsAsDefault) {
    const std::pair<const char*, const char*> faelle[] = {
        {"100000", "5"}, {"1000", "3"}, {"0", "5"}, {"abc", "5"}, {"-7", "5"}, {"99999999", "7"}};
    for (const auto& [grenze, gezeigt] : faelle) {
        SCOPED_TRACE(grenze);
        schreiben("Haus.ini",
                  std::string("[Zahlendarstellung]\r\nExponentLimit=") + grenze + "\r\n");
        oeffnen(LayoutZiel::Projekt, [want = std::string(gezeigt)](Blatt& b) {
            EXPECT_EQ(item<TEdit>(b, Zahlenformat, 4102)->GetText(), want);
            b.CmCancel();
        });
    }
}

TEST_F(LayoutSeiten, FormulaIndexIsFourUnitsSmallerButNeverNothing) {
    const std::pair<int, const char*> faelle[] = {{-13, "FormelIndex=-9,"},
                                                  {-4, "FormelIndex=-1,"},
                                                  {-2, "FormelIndex=-1,"},
                                                  {10, "FormelIndex=14,"}};
    for (const auto& [hoehe, erwartet] : faelle) {
        SCOPED_TRACE(hoehe);
        schreiben("Haus.ini", "[BauteilText]\r\nFormel=" + std::to_string(hoehe) +
                                  ",0,0,0,400,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n"
                                  "FormelIndex=-30,0,0,0,400,1,0,0,0,0,0,0,0,Arial,0,0,0\r\n");
        oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
            b.SelectTab(Text);
            b.CmOk();
        });
        EXPECT_NE(dateien().at("Haus.ini").find(erwartet), std::string::npos)
            << dateien().at("Haus.ini");
    }
}

// The samples as the pages set them, drawn on the recording DC.
TEST_F(LayoutSeiten, SamplesShowTheChosenFrameCurveAndStyle) {
    LOGFONT vertikal{};
    vertikal.lfHeight = -14;
    SetFaceName(vertikal, "Arial");
    services.Choose().AnswerFont(vertikal);
    oeffnen(LayoutZiel::Projekt, [](Blatt& b) {
        const TRect face(0, 0, 200, 120);
        kombi(b, Rahmen, 103, 3);
        kombi(b, Rahmen, 105, 2);
        auto* rahmen = item<TGrafikODButton>(b, Rahmen, 108);
        auto calls = zeichnen(*rahmen, face);
        std::vector<TDrawKind> formen;
        for (const auto& c : calls)
            if (c.kind == TDrawKind::RoundRect) {
                formen.push_back(c.kind);
                EXPECT_EQ(c.pen.GetLogPen().lopnColor, TColor(0, 0, 255).GetValue());
                EXPECT_EQ(c.pen.GetLogPen().lopnStyle, uint32_t(PS_DASH));
            }
        EXPECT_EQ(formen.size(), 2u); // "Logo" and "Text + Grafik", rounded

        liste(b, Grafik, 104, 1); // Sättigungsdruck: solid red, width 1
        // Selecting a curve moves both boxes to its colour and line first.
        EXPECT_EQ(item<TColorComboBox>(b, Grafik, 103)->GetSelIndex(), 0);
        EXPECT_EQ(item<TLinesComboBox>(b, Grafik, 105)->GetSelIndex(), 0);
        liste(b, Grafik, 104, 0); // Dampfdruck: dashed blue, width 1
        EXPECT_EQ(item<TColorComboBox>(b, Grafik, 103)->GetSelIndex(), 2);
        EXPECT_EQ(item<TLinesComboBox>(b, Grafik, 105)->GetSelIndex(), 3);
        liste(b, Grafik, 104, 1);
        kombi(b, Grafik, 105, 7); // dash-dot, 2
        auto* kurve = item<TGrafikODButton>(b, Grafik, 108);
        calls = zeichnen(*kurve, face);
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[1].logical.front(), TPoint(20, 20));
        EXPECT_EQ(calls.back().logical.back(), TPoint(180, 100));
        EXPECT_EQ(calls.back().pen.GetLogPen().lopnColor, TColor(255, 0, 0).GetValue());
        EXPECT_EQ(calls.back().pen.GetLogPen().lopnWidth.x, 2);

        liste(b, Text, 104, 5); // " Tabellen: Header Vertikal "
        item<TButton>(b, Text, 103)->Click();
        auto* text = item<TTextODButton>(b, Text, 108);
        EXPECT_EQ(text->Font->GetLogFont().lfOrientation, 900);
        calls = zeichnen(*text, face);
        bool vtext = false;
        for (const auto& c : calls)
            vtext = vtext || (c.kind == TDrawKind::DrawText && c.text == " VTEXT ");
        EXPECT_TRUE(vtext);

        liste(b, Unterlegung, 104, 3);
        kombi(b, Unterlegung, 103, 11);
        auto* schatten = item<TTextODButton>(b, Unterlegung, 108);
        calls = zeichnen(*schatten, face);
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0].brush.Color(), TColor(255, 255, 128));
        b.CmCancel();
    });
}

// Every page as the screen shows it, for a reviewer.
TEST_F(LayoutSeiten, PicturesOfEveryPage) {
    const char* ordner = std::getenv("KORVALIN_BILDER");
    if (!ordner) GTEST_SKIP() << "KORVALIN_BILDER names no folder";
    schreiben("Haus.ini", "[Kopf/Fu\xDF"
                          "zeile]\r\nTextKopfzeileL=Stand &[Datum]\r\n"
                          "[Adresse]\r\nZeile1=Muster GmbH\r\nZeile2=Hauptstra\xDF"
                          "e 1\r\n");
    oeffnen(LayoutZiel::Projekt, [ordner](Blatt& b) {
        b.ShowWindow(SW_SHOW);
        testsupport::Activate(b);
        const char* namen[] = {"seite",       "rahmen", "kopfzeile",    "logo",   "text",
                               "unterlegung", "grafik", "zahlenformat", "adresse"};
        for (int tab = Seite; tab <= Adresse; ++tab) {
            b.SelectTab(tab);
            testsupport::ProcessEvents(50);
            const std::string datei = std::string(ordner) + "/einstellungen_" + namen[tab] + ".png";
            EXPECT_TRUE(testsupport::SaveWindowPicture(b, datei.c_str()));
        }
        b.CmCancel();
    });
}

} // namespace
} // namespace layouttest

namespace layouttest {
namespace {

TEST_F(LayoutSeiten, HelpAndBrowseAskTheirServices) {
    const std::string bild = (dirs.Root() / "firma.bmp").string();
    testsupport::WriteText(bild, "BM"); // the dialog wants a file that exists
    services.Files().Answer(bild);
    oeffnen(LayoutZiel::Projekt, [&bild](Blatt& b) {
        b.Item<TButton>(9)->Click(); // the sheet's Help button
        klicken(b, Logo, 109);
        item<TButton>(b, Logo, 108)->Click();
        EXPECT_EQ(item<TEdit>(b, Logo, 107)->GetText(), bild);
        b.CmCancel();
    });
    ASSERT_FALSE(services.Help().Calls().empty());
    EXPECT_EQ(services.Help().Calls().back().data, 1150u);
    ASSERT_EQ(services.Files().Calls().size(), 1u);
    EXPECT_EQ(services.Files().Calls()[0].filter, "Bitmap Files (*.BMP)|*.bmp|");
    EXPECT_EQ(services.Files().Calls()[0].defExt, "BMP");
}

} // namespace
} // namespace layouttest

namespace layouttest {
namespace {

// 79 characters are what the file keeps of a line, umlauts included.
TEST_F(LayoutSeiten, AddressLineTakesAtMostSeventyNineCharacters) {
    std::string lang;
    for (int i = 0; i < 90; ++i) lang += "ü";
    oeffnen(LayoutZiel::Projekt, [&lang](Blatt& b) {
        item<TEdit>(b, Adresse, 101)->Type(lang); // Qt's test keys know no umlauts
        b.CmOk();
    });
    TAdressGroessen gelesen;
    gelesen.Laden(false, true);
    std::string erwartet;
    for (int i = 0; i < 79; ++i) erwartet += "ü";
    EXPECT_EQ(gelesen.Zeile1, erwartet);
}

} // namespace
} // namespace layouttest
