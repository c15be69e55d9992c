#include "tauplot/diagramm/TText.h"

#include "platform/gdi/DrawCall.h"
#include "platform/gdi/RecordingDC.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The certificate window's geometry: 90 lines of 14 units, 750 wide.
void zertifikatSeite(TText& t) {
    t.ZeilenProSeite = 90;
    t.TextZeilenHoehe = 14;
    t.ZeichenBreite = 5;
    t.SeitenBreite = 150 * 5;
    t.SeitenHoehe = 90 * 14;
    t.LinkerRand = 0.1;
    t.TabellenZeilenHoehe = 24;
    t.SpaltenEinheit = 5;
    t.Einheit = 14;
}

std::vector<std::string> texte(const TRecordingDC& dc) {
    std::vector<std::string> out;
    for (const TDrawCall& c : dc.Calls())
        if (c.kind == TDrawKind::TextOut || c.kind == TDrawKind::TextRun) out.push_back(c.text);
    return out;
}

std::string langerText(int woerter) {
    std::string s;
    for (int i = 0; i < woerter; ++i) s += "Wort" + std::to_string(i % 10) + " ";
    return s;
}

// The lowest y that any drawn element reaches, per page.
void erwarteNichtsUeberDemFuss(const TRecordingDC& dc, const TText& t) {
    for (const TDrawCall& c : dc.Calls()) {
        if (c.kind != TDrawKind::TextRun && c.kind != TDrawKind::DrawText) continue;
        const TRect box = c.deviceBox;
        const int seite = box.top / t.SeitenHoehe + 1;
        const int fuss = int(seite * double(t.SeitenHoehe) - 0.1 * t.SeitenHoehe);
        EXPECT_LE(box.bottom, fuss) << c.text;
    }
}

} // namespace

TEST(TText, OnlyPagesFromTheSecondOnAreNumbered) {
    TText t(nullptr);
    zertifikatSeite(t);
    TRecordingDC dc;
    t.Seitenumbruch(dc);
    EXPECT_EQ(texte(dc), std::vector<std::string>{});
    EXPECT_EQ(t.AktuelleSeite, 1);
    const int rand1 = int(0.05 * t.SeitenHoehe);
    EXPECT_EQ(t.RandObenY, rand1);
    EXPECT_EQ(t.TextRect.top, rand1 + 2 * t.Einheit);
    EXPECT_EQ(t.UnterschriftY, rand1 + 2 * t.Einheit);

    t.Seitenumbruch(dc);
    EXPECT_EQ(texte(dc), std::vector<std::string>{"Seite 2"});
    EXPECT_EQ(t.RandObenY, rand1 + t.SeitenHoehe);
    // The number stands just above the border line.
    const TDrawCall nummer = dc.CallsOf(TDrawKind::TextOut).back();
    EXPECT_LE(nummer.deviceBox.bottom, t.RandObenY);
    EXPECT_EQ(nummer.logical[0].x, int(0.1 * t.SeitenBreite));
}

TEST(TText, OnScreenOnlyPagesNearTheVisibleOneAreDrawn) {
    struct Fall {
        int seite;
        int zeichnen;
    };
    TText t(nullptr);
    zertifikatSeite(t);
    t.ScrollPosition = 450; // page index 5 is visible
    for (Fall f : {Fall{2, 0}, Fall{3, 1}, Fall{5, 1}, Fall{7, 1}, Fall{8, 0}}) {
        t.AktuelleSeite = f.seite;
        const int erste = t.ScrollerPos();
        EXPECT_EQ(t.Zeichnen, f.zeichnen) << f.seite;
        EXPECT_EQ(erste, f.zeichnen ? 3 : 0) << f.seite;
    }
    t.AktuelleSeite = 8;
    t.Drucken = true;
    t.ScrollerPos();
    EXPECT_EQ(t.Zeichnen, 1);
}

TEST(TText, APageOutOfSightIsLaidOutButNotDrawn) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.ScrollPosition = 90 * 10;
    TRecordingDC dc;
    t.Seitenumbruch(dc);
    t.Plazieren(dc, "Ein Absatz");
    EXPECT_TRUE(dc.CallsOf(TDrawKind::TextRun).empty());
    EXPECT_GT(t.TextRect.bottom, t.TextRect.top);
}

TEST(TText, AParagraphThatDoesNotFitMovesWholeToTheNextPage) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.Drucken = true;
    TRecordingDC dc;
    t.Seitenumbruch(dc);
    // Put the current position 10 lines above the foot reserve.
    t.TextRect.bottom = int(0.9 * t.SeitenHoehe) - 10 * t.TextZeilenHoehe;
    t.Plazieren(dc, langerText(150)); // ten lines, plus 4 kept free
    EXPECT_EQ(t.AktuelleSeite, 2);
    const auto laeufe = dc.CallsOf(TDrawKind::TextRun);
    ASSERT_FALSE(laeufe.empty());
    const int oben2 = int(0.05 * t.SeitenHoehe) + t.SeitenHoehe;
    for (const TDrawCall& c : laeufe) EXPECT_GE(c.deviceBox.top, oben2) << c.text;
    EXPECT_EQ(t.TextRect.top, oben2 + 2 * t.Einheit);
}

TEST(TText, CountingAndDrawingPassesAgreeAndNothingCrossesTheFoot) {
    TText t(nullptr);
    zertifikatSeite(t);
    auto lauf = [&](TDC& dc) {
        t.AktuelleSeite = 0;
        t.TextRect = TRect();
        t.Seitenumbruch(dc);
        for (int i = 0; i < 40; ++i) {
            if (i % 3 == 0)
                t.PlazierenBold(dc, "Abschnitt " + std::to_string(i));
            else
                t.Plazieren(dc, langerText(20 + 7 * i % 50));
        }
        return t.AktuelleSeite;
    };
    TRecordingDC zaehlen;
    t.Zeichnen = 0;
    t.ScrollPosition = 1 << 20; // nothing visible while counting
    const int seiten = lauf(zaehlen);
    EXPECT_TRUE(zaehlen.CallsOf(TDrawKind::TextRun).empty());
    ASSERT_GT(seiten, 2);
    t.Seitenanzahl = seiten;

    TRecordingDC drucken;
    t.Drucken = true;
    EXPECT_EQ(lauf(drucken), seiten);
    erwarteNichtsUeberDemFuss(drucken, t);
}

TEST(TText, FootnoteCountsThePages) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.Drucken = true;
    t.Seitenanzahl = 4;
    t.AktuelleSeite = 2;
    TRecordingDC dc;
    t.Fussnote(dc);
    ASSERT_EQ(texte(dc), std::vector<std::string>{" Dieser Nachweis ist 4 Seiten lang "});
    const TDrawCall c = dc.CallsOf(TDrawKind::TextOut)[0];
    EXPECT_EQ(c.logical[0].y, int(0.95 * t.SeitenHoehe * 2 - 2 * c.deviceBox.Height()));
}

TEST(TText, TableDrawsItsGridOnlyWhenAsked) {
    for (int gitter : {0, 1}) {
        TText t(nullptr);
        zertifikatSeite(t);
        t.Drucken = true;
        t.TextRect = TRect(75, 100, 600, 100);
        t.TabellenZeilen = 3;
        t.TabellenSpalten = 2;
        int32_t rowY[4] = {};
        int32_t colX[3] = {};
        const double breiten[] = {0, 40, 60};
        TRecordingDC dc;
        t.Tabelle(dc, 3, 2, rowY, colX, breiten, gitter);
        const auto rahmen = dc.CallsOf(TDrawKind::Rectangle);
        ASSERT_EQ(rahmen.size(), 1u);
        EXPECT_EQ(rahmen[0].logical[0], TPoint(75, 100));
        EXPECT_EQ(rahmen[0].logical[1], TPoint(75 + 5 * 40 + 5 * 60, 100 + 3 * 24));
        EXPECT_EQ(rahmen[0].pen.Width(), 2);
        EXPECT_EQ(dc.CallsOf(TDrawKind::LineTo).size(), gitter ? 2u + 1u : 0u);
        for (int32_t y : rowY) EXPECT_EQ(y, 0);
        for (int32_t x : colX) EXPECT_EQ(x, 0);
    }
}

TEST(TText, TableFrameStaysWithinTheLaidOutCells) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.TabellenZeilen = 50; // larger than the arrays the caller made
    t.TabellenSpalten = 9;
    int32_t rowY[3] = {};
    int32_t colX[2] = {};
    const double breiten[] = {0, 10};
    TRecordingDC dc;
    t.Tabelle(dc, 2, 1, rowY, colX, breiten, 1);
    const auto rahmen = dc.CallsOf(TDrawKind::Rectangle);
    ASSERT_EQ(rahmen.size(), 1u);
    EXPECT_EQ(rahmen[0].logical[1], TPoint(50, 48));
}

TEST(TText, SpaceTestsWithoutLineHeightsDoNotDivideByZero) {
    TText t(nullptr);
    t.BenoetigteZeilen = 3;
    EXPECT_TRUE(t.GenuegendPlatz());
    EXPECT_TRUE(t.GenuegendPlatzFuerText());
    TRecordingDC dc;
    t.Plazieren(dc, "Text");
}

TEST(TText, SignatureAndSectionSevenNeedTenAndTwentyLines) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.AktuelleSeite = 1;
    const int fuss = int(0.9 * t.SeitenHoehe);
    struct Fall {
        int zeilenFrei;
        bool unterschrift, bereich7;
    };
    for (Fall f : {Fall{9, false, false}, Fall{10, true, false}, Fall{19, true, false},
                   Fall{20, true, true}}) {
        // Counted from the current position, not from the page's first element.
        t.UnterschriftY = t.RandObenY;
        t.TextRect.bottom = fuss - f.zeilenFrei * t.TextZeilenHoehe;
        EXPECT_EQ(t.GenuegendPlatzFuerUnterschrift(), f.unterschrift) << f.zeilenFrei;
        EXPECT_EQ(t.GenuegendPlatzFuerBereich7(), f.bereich7) << f.zeilenFrei;
    }
}

TEST(TText, TitleTableListsTheProjectData) {
    TGesamtProjekt g("/nonexistent");
    TProjekt& pj = g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    pj.Projektangaben[0] = "Haus Weber";
    pj.Projektangaben[1] = "Lindenweg 3";
    pj.Baumassnahme = 1;
    pj.Gebaeudenutzung = 2;
    pj.WestAnsatz = 1;
    pj.MehrAlsZweiVollgeschosse = 1;
    pj.Lueftungsanlage = 2;
    pj.Zusatzpruefung = 1;
    TText t(&g);
    zertifikatSeite(t);
    t.Drucken = true;
    int32_t rowY[20];
    for (int i = 0; i < 20; ++i) rowY[i] = 100 + 20 * i;
    int32_t colX[3] = {75, 300, 700};

    TRecordingDC ohne;
    t.TitelSeiteBeschreiben(ohne, 19, 2, rowY, colX, 0);
    EXPECT_EQ(texte(ohne),
              (std::vector<std::string>{"Projektname: ", "Haus Weber",
                                        "Maßnahme: ", "Bauliche Erweiterung eines Gebäudes",
                                        "Gebäudetyp: ", "Schule, Bibliothek", "Fertighaus",
                                        "Gebäude mit mehr als zwei Vollgeschossen",
                                        "Lüftungsanlage: Mit Wärmerückgewinnung",
                                        "Kühlung: Unter Einsatz erneuerbarer Energien"}));

    TRecordingDC mit;
    t.TitelSeiteBeschreiben(mit, 19, 2, rowY, colX, 1);
    const auto alle = texte(mit);
    ASSERT_GT(alle.size(), 4u);
    EXPECT_EQ(alle[2], "Straße: "); // a line that does not wrap keeps its trailing blank
    EXPECT_EQ(alle[3], "Lindenweg 3");
    // The measure follows the address block and its empty row: row 8.
    for (const TDrawCall& c : mit.Calls()) {
        if (c.kind != TDrawKind::TextRun || c.text != "Maßnahme: ") continue;
        EXPECT_GE(c.deviceBox.top, rowY[8]);
        EXPECT_LE(c.deviceBox.bottom, rowY[9]);
    }

    // Fewer rows than the project needs: the rest is left out, not written past the arrays.
    TRecordingDC knapp;
    t.TitelSeiteBeschreiben(knapp, 2, 2, rowY, colX, 1);
    EXPECT_EQ(texte(knapp).size(), 4u);
}

TEST(TText, FormulaPartsSitBelowAndAboveTheBase) {
    TText t(nullptr);
    zertifikatSeite(t);
    t.Drucken = true;
    TRecordingDC dc;
    const int32_t weiter = t.IndexMitReturn(dc, 100, 200, "k", "m", 1);
    const auto laeufe = dc.CallsOf(TDrawKind::TextOut);
    ASSERT_EQ(laeufe.size(), 3u);
    EXPECT_EQ(laeufe[1].text, "m");
    EXPECT_GT(laeufe[1].logical[0].y, 200);
    EXPECT_EQ(laeufe[2].text, " =");
    const int32_t breiteK = laeufe[1].logical[0].x - 100;
    const int32_t breiteM = laeufe[2].logical[0].x - laeufe[1].logical[0].x;
    EXPECT_EQ(weiter, 100 + breiteK + breiteM + t.Einheit);

    dc.Clear();
    t.Expo(dc, 100, 200, "m", "2");
    const auto expo = dc.CallsOf(TDrawKind::TextOut);
    ASSERT_EQ(expo.size(), 2u);
    EXPECT_LT(expo[1].logical[0].y, 200);
}
