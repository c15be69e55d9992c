// The window editor's rules that need no window: the DIN 4108 window U-value
// table with its frame-share rules, the free computation, how orientation
// and tilt follow each other, the glass porch state and the description
// records.
#include "korvalin/bauteil/FensterRegeln.h"
#include "korvalin/bauteil/FensterBeschreibung.h"
#include "korvalin/bauteil/TGlasvorbauDialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(KFTabelle, WerteMitRahmenanteilRegeln) {
    // Group index 4 is "3", row 19 is "1.4", row 0 "5.8", row 28 "0.5".
    struct Fall {
        int zeile, gruppe;
        double rahmenanteil;
        std::optional<double> kF;
    } const faelle[] = {
        {19, 4, 30.0, 2.7}, // plain table value
        {19, 4, 12.0, 2.2}, // narrow frame of group 3: 2.7 - 0.5
        {19, 4, 15.0, 2.2}, // 15 % still counts as narrow
        {19, 3, 12.0, 2.2}, // other groups are not reduced
        {0, 4, 12.0, 5.2},  // the first row is never reduced
        {19, 0, 5.0, 1.4},  // at 5 % the window counts as its glazing
        {19, 4, 4.0, 1.4},  // the glazing replaces the reduced value
        {28, 4, 40.0, 2.1}, // the last row
        {23, 1, 40.0, 1.5}, // rows 23 and 24 are equal
        {24, 1, 40.0, 1.5},          {-1, 0, 40.0, std::nullopt}, // no choice in a list
        {29, 0, 40.0, std::nullopt},                              // stored index beyond the table
        {0, 5, 40.0, std::nullopt},  {0, -1, 40.0, std::nullopt},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.zeile) + "/" + std::to_string(f.gruppe) + " at " +
                     std::to_string(f.rahmenanteil));
        const auto kF = KFTabelle::Wert(f.zeile, f.gruppe, f.rahmenanteil);
        ASSERT_EQ(kF.has_value(), f.kF.has_value());
        if (kF) EXPECT_NEAR(*kF, *f.kF, 1e-12);
    }
    // Each row's text is its glazing value.
    for (int z = 0; z < KFTabelle::kZeilen; ++z)
        EXPECT_EQ(std::stod(KFTabelle::ZeilenTexte[z]), *KFTabelle::Verglasung(z)) << z;
    EXPECT_EQ(std::string(KFTabelle::ZeilenTexte[KFTabelle::kInfoZeilen - 1]), "1.0");
}

TEST(KFTabelle, FreieBerechnung) {
    // f = 30 %, k_R = 2.0, k_V = 1.1: (60 + 77) × 0.01 = 1.37.
    EXPECT_NEAR(KFTabelle::Berechnet(30, 2.0, 1.1), 1.37, 1e-12);
    EXPECT_NEAR(KFTabelle::Berechnet(0, 2.0, 1.1), 1.1, 1e-12);
    EXPECT_NEAR(KFTabelle::Berechnet(100, 2.0, 1.1), 2.0, 1e-12);
}

TEST(FensterRegeln, OrientierungUndNeigungFolgenEinander) {
    enum { Nord, Sued, West, Ost, Horizontal };
    struct Wahl {
        int orientierung;
        double neigung, neu;
    } const gewaehlt[] = {
        {Horizontal, 30, 0.0}, {Horizontal, 15, 15}, {Horizontal, 10, 10}, {Nord, 10, 90.0},
        {Nord, 15, 90.0},      {Sued, 30, 30},       {Ost, 90, 90},
    };
    for (const auto& w : gewaehlt)
        EXPECT_EQ(NeigungZurOrientierung(w.orientierung, w.neigung), w.neu)
            << w.orientierung << " " << w.neigung;
    struct Getippt {
        double neigung;
        int orientierung, fassade, neu;
    } const getippt[] = {
        {15, Nord, West, Horizontal},   {0, Sued, West, Horizontal}, {30, Horizontal, Ost, Ost},
        {15.5, Horizontal, Sued, Sued}, {60, Nord, West, Nord},      {90, West, Ost, West},
    };
    for (const auto& g : getippt)
        EXPECT_EQ(OrientierungZurNeigung(g.neigung, g.orientierung, g.fassade), g.neu)
            << g.neigung << " " << g.orientierung;
}

TEST(FensterRegeln, GlasvorbauZustandHinUndZurueck) {
    for (uint16_t z : {uint16_t(0), uint16_t(1), uint16_t(2), uint16_t(0xFFFF)})
        EXPECT_EQ(GlasvorbauZustand(GlasvorbauDaten(z)), z);
    const TGlasvorbauStruct aus = GlasvorbauDaten(7); // damaged state: no porch
    EXPECT_EQ(aus.Glasvorbau, 0);
    TGlasvorbauStruct ohneRadio;
    ohneRadio.Glasvorbau = 1;
    EXPECT_EQ(GlasvorbauZustand(ohneRadio), 0xFFFF);
}

TEST(FensterRegeln, BeschreibungInSatzenVon127Zeichen) {
    TTextListe liste;
    std::string text(300, 'x');
    text[150] = '\xC3'; // one character of two bytes: "ä"
    text.insert(151, "\xA4");
    BeschreibungSetzen(liste, text);
    ASSERT_EQ(liste.GetItemsInContainer(), 3u);
    const size_t laengen[] = {127, 128, 46}; // bytes: the second holds "ä"
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(liste[i].Nummer, i);
        EXPECT_EQ(liste[i].Text.size(), laengen[i]);
    }
    EXPECT_EQ(BeschreibungText(liste), text);
    BeschreibungSetzen(liste, "");
    EXPECT_TRUE(liste.IsEmpty());
}

} // namespace
