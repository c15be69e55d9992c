// The table model and the drawing primitives of the data sheets.
#include "DatenblattFixture.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TFixDaten.h"

#include <gtest/gtest.h>

using namespace datenblatt_test;

namespace {
int anzahl(const TRecordingDC& dc, TDrawKind art) {
    int n = 0;
    for (const TDrawCall& c : dc.Calls())
        if (c.kind == art && !(c.kind == TDrawKind::DrawText && (c.flags & DT_CALCRECT))) ++n;
    return n;
}

// Draws of any kind but measuring.
int zeichnungen(const TRecordingDC& dc) {
    int n = 0;
    for (const TDrawCall& c : dc.Calls())
        if (!(c.kind == TDrawKind::DrawText && (c.flags & DT_CALCRECT))) ++n;
    return n;
}
} // namespace

TEST(DatenblattTabelle, SpaltenkantenVerlierenJedeIhrenBruchteil) {
    struct Fall {
        int koerperBreite;
        std::vector<double> prozent;
        std::vector<int> kanten; // from x0
    };
    const Fall faelle[] = {
        // 5 * 0.01 * 20 * 750 * 36/185 = 145.9459... per column.
        {750, {20, 20, 20, 20, 20}, {0, 145, 290, 435, 580, 725}},
        // 40/30/30 of 831: 323.459..., 242.594..., 242.594...
        {831, {40, 30, 30}, {0, 323, 565, 807}},
        // A column of width 0 adds nothing.
        {750, {50, 0, 50}, {0, 364, 364, 728}},
    };
    for (const Fall& f : faelle) {
        TestBlatt b;
        b.Koerper = TRect(30, 30, 30 + f.koerperBreite, 1230);
        b.Breitensaetze.assign(1, {});
        for (size_t i = 0; i < f.prozent.size(); ++i) b.Breitensaetze[0][i] = f.prozent[i];
        b.SpaltenBreitenSetzen(0, int(f.prozent.size()));
        b.TabellenRaster(3, int(f.prozent.size()));
        for (size_t i = 0; i < f.kanten.size(); ++i)
            EXPECT_EQ(b.Spaltenkante[i] - b.Block.InnenLinks, f.kanten[i])
                << f.koerperBreite << " edge " << i;
    }
}

TEST(DatenblattTabelle, RasterSetztBlockhoeheUndSpaltengriffe) {
    TestBlatt b;
    b.Block.Art = 2;
    b.SpaltenLayout(); // section 3: 40/30/30 and 40/20/20/20
    b.SpaltenBreitenSetzen(1, 4);
    b.TabellenRaster(5, 4);
    EXPECT_EQ(b.Zeilenkante(0), 100);
    EXPECT_EQ(b.Zeilenkante(5), 100 + 5 * 19);
    EXPECT_EQ(b.Block.InnenHoehe, 95);
    EXPECT_EQ(b.Block.Hoehe, 95);
    const auto& griffe = b.Spaltengriffe[1];
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(griffe[size_t(i)],
                  TRect(b.Spaltenkante[size_t(i)] - 3, 100, b.Spaltenkante[size_t(i)] + 3, 195));
    // A table of no rows has no height.
    b.TabellenRaster(0, 4);
    EXPECT_EQ(b.Block.Hoehe, 0);
}

TEST(DatenblattTabelle, TabellenWachsenMitIhrenZeilen) {
    // More rows than the old fixed 200 and cells far beyond.
    TestBlatt b;
    b.Breitensaetze.assign(1, {});
    b.Breitensaetze[0].fill(5);
    b.SpaltenBreitenSetzen(0, 20);
    b.TabellenRaster(260, 20);
    TRecordingDC dc;
    const int ausrichtung[20] = {};
    b.Durchgang = 1;
    b.TabellenZeile(dc, 259, 20, 1, ausrichtung, 0);
    EXPECT_EQ(b.Zelle(259, 19).bottom, 100 + 260 * 19);
    EXPECT_EQ(b.Block.Hoehe, 260 * 19);
}

TEST(DatenblattTabelle, ZahlFormatierenNachGrenze) {
    struct Fall {
        char tausend, dezimal;
        int grenze;
        double wert;
        const char* text;
    };
    const Fall faelle[] = {
        {'.', ',', 100000, 99999.99, " 99.999,99 "},  {'.', ',', 100000, 100000, "  1E+05 "},
        {'.', ',', 100000, 123456.7, "  1.235E+05 "}, {' ', '.', 100000, 99999.99, " 99999.99 "},
        {'.', ',', 100000, -0.5, " -0,50 "},          {'.', ',', 1000000, 123456.7, " 123.456,70 "},
    };
    for (const Fall& f : faelle) {
        TestBlatt b;
        SetSPRINTFCharacters(f.tausend, f.dezimal);
        b.Zahlen().ExponentLimit = f.grenze;
        b.ZahlFormatieren(3, f.wert);
        EXPECT_EQ(b.Spaltentext[3], f.text) << f.wert;
    }
    SetSPRINTFCharacters('.', ',');
}

TEST(DatenblattTabelle, ZellenSchreibenEinzeiligNachAusrichtung) {
    TestBlatt b;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(0, 3);
    b.TabelleZeichnen(*std::make_unique<TRecordingDC>(), 2, 3, 0);
    const std::string lang(400, 'x');
    for (int ausrichtung : {0, 1, 2}) {
        TRecordingDC dc;
        b.Durchgang = 1;
        b.Spaltentext[1] = lang;
        b.ZelleText(dc, 1, 2, 0, 1, ausrichtung, 1);
        const auto texte = dc.CallsOf(TDrawKind::DrawText);
        ASSERT_EQ(texte.size(), 1u);
        const uint32_t erwartet[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
        EXPECT_EQ(texte[0].flags, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | erwartet[ausrichtung]);
        EXPECT_EQ(texte[0].resultRect, b.Zelle(0, 1));
        EXPECT_EQ(dc.CallsOf(TDrawKind::TextRun).size(), 1u) << "one line however long";
        const auto fuellung = dc.CallsOf(TDrawKind::FillRect);
        ASSERT_EQ(fuellung.size(), 1u);
        EXPECT_EQ(fuellung[0].brush.Color(), b.Zellfarbe);
    }
    // Right-aligned text ends at the cell's right edge.
    TRecordingDC dc;
    b.Spaltentext[1] = "12,50";
    b.ZelleText(dc, 1, 2, 0, 1, 1, 0);
    const auto lauf = dc.CallsOf(TDrawKind::TextRun).at(0);
    const TSize breite = FakeTextExtent(lauf.deviceFont, "12,50");
    EXPECT_EQ(lauf.logical[0].x + breite.cx, b.Spaltenkante[2]);
}

TEST(DatenblattTabelle, ZeichnetNurImMalpassAufDerEigenenSeite) {
    const int links[3] = {0, 0, 0};
    struct Fall {
        int pass;
        int aktuelleSeite;
        bool zeichnet;
    };
    for (const Fall f : {Fall{0, 0, false}, Fall{1, 1, false}, Fall{1, 0, true}}) {
        TestBlatt b;
        b.AktuelleSeite = f.aktuelleSeite;
        TRecordingDC dc;
        b.SpaltenLayout();
        b.SpaltenBreitenSetzen(0, 3);
        b.Durchgang = f.pass;
        b.TabelleZeichnen(dc, 2, 3, f.pass);
        b.TabellenZeile(dc, 0, 3, 2, links, 1);
        b.ZelleText(dc, 0, 1, 1, 1, 0, 1);
        EXPECT_EQ(zeichnungen(dc) > 0, f.zeichnet) << f.pass << "/" << f.aktuelleSeite << "\n"
                                                   << dc.Dump();
        EXPECT_EQ(b.Block.Hoehe, 38);
    }
}

TEST(DatenblattTabelle, SeitenEditModusZeigtDreieckeUeberJederKante) {
    for (int spalten : {1, 4, 20}) {
        TestBlatt b;
        b.SeitenEditModus = true;
        b.Breitensaetze.assign(1, {});
        b.Breitensaetze[0].fill(5);
        b.SpaltenBreitenSetzen(0, spalten);
        TRecordingDC dc;
        b.TabelleZeichnen(dc, 3, spalten, 1);
        const auto dreiecke = dc.CallsOf(TDrawKind::Polygon);
        ASSERT_EQ(int(dreiecke.size()), spalten + 1);
        EXPECT_EQ(dreiecke[1].logical, (std::vector<TPoint>{{b.Spaltenkante[1] - 3, 94},
                                                            {b.Spaltenkante[1] + 3, 94},
                                                            {b.Spaltenkante[1], 100}}));
        // Grid: rows + 1 and columns + 1 lines.
        EXPECT_EQ(anzahl(dc, TDrawKind::LineTo), 3 + 1 + spalten + 1);
        TRecordingDC ohne;
        b.TabelleZeichnen(ohne, 3, spalten, 0);
        EXPECT_TRUE(ohne.CallsOf(TDrawKind::Polygon).empty());
    }
}

TEST(DatenblattTabelle, KommentarUndTitelSetzenDieBlockhoeheAusDemUmbruch) {
    TestBlatt b;
    TRecordingDC dc;
    const std::string text = "Ein Absatz, der so lang ist, dass er auf einer Zeile von "
                             "achthundert Einheiten keinen Platz findet, und darum umbricht; "
                             "er geht noch weiter, damit es sicher zwei Zeilen werden.\n"
                             "Zweiter Absatz.";
    b.KommentarZeichnen(dc, text, 0);
    TRect erwartet(b.Block.Links + 5, b.Block.Oben, b.Block.Rechts - 5, b.Block.Oben);
    TRecordingDC mass;
    mass.SelectObject(b.Texte().Font(Textstil::Kommentar));
    mass.DrawText(text, erwartet, DT_CALCRECT | DT_WORDBREAK);
    TEXTMETRIC tm;
    mass.GetTextMetrics(tm);
    EXPECT_GT(erwartet.Height(), 2 * 15);
    // The wrapped lines and the air above and below them.
    EXPECT_EQ(b.Block.Hoehe, erwartet.Height() + 2 * std::max(2, tm.tmDescent / 2));
    EXPECT_EQ(zeichnungen(dc), 0);

    TRecordingDC malen;
    b.TitelZeichnen(malen, "\n Titel \n", 1);
    const auto fuellung = malen.CallsOf(TDrawKind::FillRect);
    ASSERT_EQ(fuellung.size(), 1u);
    EXPECT_EQ(fuellung[0].brush.Color(), b.Boxfarbe);
    const auto texte = malen.CallsOf(TDrawKind::TextRun);
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[1].textColor, b.Texte().Farbe(Textstil::Titel));
    EXPECT_EQ(malen.GetTextColor(), TColor::Black);
    EXPECT_EQ(anzahl(malen, TDrawKind::LineTo), 4);
}

// The last line's g, j, p, q and y stay inside the text's clip and clear of
// the box's bottom rule, in comment and title boxes alike.
TEST(DatenblattTabelle, UnterlaengenDerLetztenZeilePassenInDenKasten) {
    for (const bool titel : {false, true}) {
        TestBlatt b;
        TRecordingDC dc;
        const std::string text = "Erste Zeile\ngjpqy gjpqy";
        if (titel)
            b.TitelZeichnen(dc, text, 1);
        else
            b.KommentarZeichnen(dc, text, 1);
        const auto texte = dc.CallsOf(TDrawKind::TextRun);
        ASSERT_EQ(texte.size(), 2u);
        const TDrawCall& letzte = texte.back();
        ASSERT_TRUE(letzte.textClip.has_value());
        TRecordingDC mass;
        mass.SelectObject(TFont(letzte.deviceFont));
        TEXTMETRIC tm;
        mass.GetTextMetrics(tm);
        const int32_t grundlinie = letzte.deviceBox.top + tm.tmAscent;
        const int32_t unterkante = grundlinie + tm.tmDescent;
        EXPECT_LE(unterkante, letzte.textClip->bottom) << titel;
        // The bottom rule: the lowest horizontal line drawn.
        int32_t regel = 0;
        for (const TDrawCall& c : dc.CallsOf(TDrawKind::LineTo))
            if (c.device.size() == 2 && c.device[0].y == c.device[1].y)
                regel = std::max(regel, c.device[0].y);
        EXPECT_LT(unterkante, regel) << titel;
        EXPECT_EQ(regel, b.Block.Unten) << titel;
    }
}

TEST(DatenblattTabelle, RahmenReichenBisZurGenanntenZeile) {
    TestBlatt b;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(1, 4);
    b.TabelleZeichnen(*std::make_unique<TRecordingDC>(), 6, 4, 0);
    const int ausrichtung[4] = {};
    TRecordingDC leer;
    for (int r = 0; r < 6; ++r) b.TabellenZeile(leer, r, 4, 1, ausrichtung, 0);
    auto rahmenUnten = [&](auto zeichnen) {
        TRecordingDC dc;
        zeichnen(dc);
        const auto linien = dc.CallsOf(TDrawKind::LineTo);
        EXPECT_EQ(linien.size(), 4u);
        EXPECT_EQ(linien.at(0).logical.back(), TPoint(b.Spaltenkante[4], 100));
        return linien.at(1).logical.back().y;
    };
    EXPECT_EQ(rahmenUnten([&](TDC& dc) { b.TabellenRahmenZeichnen(dc); }), 100 + 6 * 19);
    EXPECT_EQ(rahmenUnten([&](TDC& dc) { b.TabellenRahmenOhneLetzteZeile(dc); }), 100 + 5 * 19);
    EXPECT_EQ(rahmenUnten([&](TDC& dc) { b.TabellenRahmenBisZeile(dc, 2); }), 100 + 3 * 19);
}

TEST(DatenblattTabelle, EinheitMitExponentSitztHinterDerBasisUndHoeher) {
    TestBlatt b;
    TRecordingDC dc;
    const TFont basis("Arial", -12), exponent("Arial", -9);
    const TFont vorher = dc.GetFont();
    b.EinheitMitExponentZeichnen(dc, 200, 300, basis, exponent, "m", "-1");
    const auto texte = dc.CallsOf(TDrawKind::TextOut);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].logical[0], TPoint(200, 300));
    EXPECT_EQ(texte[0].font, basis);
    const int breite = FakeTextExtent(texte[0].deviceFont, "m").cx;
    const int hoehe = FakeTextExtent(texte[1].deviceFont, "-1").cy;
    EXPECT_EQ(texte[1].logical[0], TPoint(200 + breite, 300 - int(0.2 * hoehe)));
    EXPECT_EQ(texte[1].font, exponent);
    EXPECT_EQ(dc.GetFont(), vorher);
}

TEST(DatenblattTabelle, GitterTabelleMitZweiSchattiertenKopfzeilen) {
    TestBlatt b;
    b.SpaltenLayout();
    b.SpaltenBreitenSetzen(1, 4);
    b.TabellenRaster(5, 4);
    TRecordingDC dc;
    b.GitterTabelleZeichnen(dc, 5, 4, {"A", "B", "C", "D"}, {"a", "b", "c", "d"});
    EXPECT_EQ(dc.CallsOf(TDrawKind::FillRect).size(), 2u);
    EXPECT_EQ(dc.CallsOf(TDrawKind::TextRun).size(), 8u);
    EXPECT_EQ(anzahl(dc, TDrawKind::LineTo), 6 + 5);
    EXPECT_EQ(b.Block.Unten, 100 + 5 * 19);
    EXPECT_EQ(b.Zelle(1, 3), TRect(b.Spaltenkante[3], 119, b.Spaltenkante[4], 138));
}

TEST(DatenblattTabelle, SpaltenLayoutNimmtDieGespeichertenSaetzeDesAbschnitts) {
    TFixDaten fix;
    fix.Massen.Spaltensaetze[1].Breite[0] = 55;
    TestBlatt b;
    b.FixDaten = &fix;
    b.SpaltenLayout();
    EXPECT_EQ(b.Breitensaetze[1][0], 55);
    EXPECT_EQ(b.Breitensaetze[0][2], 30);
    // The component sheet shows columns 1-11 or 12-22 of its second set.
    b.Block.Abschnitt = 4;
    b.SpaltenLayout();
    EXPECT_EQ(b.Breitensaetze[1][1], 23);
    EXPECT_EQ(b.Breitensaetze[1][11], 0);
    b.SeitenLayout().FeuchteDaten = 0;
    b.SpaltenLayout();
    EXPECT_EQ(b.Breitensaetze[1][1], 37);
    // A sheet shown from a data-sheet file takes the file's widths.
    TDateiFixDaten datei;
    datei.Fensterspalten.Spaltensaetze[0].Breite[0] = 1;
    b.DateiFixDaten = &datei;
    b.Block.Abschnitt = 5;
    b.FnDatei = true;
    b.SpaltenLayout();
    EXPECT_EQ(b.Breitensaetze[0][0], 1);
}

TEST(DatenblattTabelle, AbschnittstitelSindKastenMitIhremText) {
    struct Fall {
        void (TDatenblattBasis::*inhalt)(TDC&, int);
        const char* teil;
        bool titel;
    };
    const Fall faelle[] = {
        {&TDatenblattBasis::MassenTitel, "Massenermittlung für die einzelnen Baustoffklassen",
         true},
        {&TDatenblattBasis::EnergieTitel, "Energiebedarf für Heizwärme und Warmwasser", true},
        {&TDatenblattBasis::HeindlTitel, "periodischen Wärmedurchgang durch Außenwände", true},
        {&TDatenblattBasis::HeindlErlaeuterung, "im eingeschwungenen Zustand.\nDie Kennwerte",
         false},
    };
    for (const Fall& f : faelle) {
        TestBlatt b;
        TRecordingDC dc;
        (b.*f.inhalt)(dc, 1);
        const auto texte = dc.CallsOf(TDrawKind::DrawText);
        ASSERT_EQ(texte.size(), 2u); // measured, then drawn
        EXPECT_NE(texte[1].text.find(f.teil), std::string::npos) << f.teil;
        EXPECT_EQ((texte[1].flags & DT_CENTER) != 0, f.titel);
        EXPECT_EQ(texte[1].font, b.Texte().Font(f.titel ? Textstil::Titel : Textstil::Kommentar));
        EXPECT_GT(b.Block.Hoehe, 0);
    }
}
