#include "stammwerk/modell/THeizsystem.h"
#include "stammwerk/modell/TJahresverbrauch.h"
#include "stammwerk/modell/TWarmwasserbedarf.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

namespace {

template <class T>
ByteImage bild(const T& satz) {
    ByteImage b(T::kImageSize);
    satz.WriteImage(b, 0);
    return b;
}

TEST(Heizsystem, PriceOfDeliveredHeat) {
    struct Fall {
        const char* name;
        int16_t heizwertbezug;
        double heizwert, brennwert, preis, wirkungsgrad, erwartet;
    };
    const Fall faelle[] = {
        {"new system, price 0", 1, 9.0, 11.0, 0.0, 90.0, 0.0},
        // 0.60 DM/l / 9.0 kWh/l / 90 % × 100 = 0.074074 DM/kWh
        {"0.60 DM per litre", 1, 9.0, 11.0, 0.60, 90.0, 0.60 / 9.0 / 90.0 * 100.0},
        // calorific value 11.0: 0.66 / 11 / 100 × 100 = 0.06
        {"calorific value basis", 0, 9.0, 11.0, 0.66, 100.0, 0.06},
        {"calorific value 0", 0, 9.0, 0.0, 0.60, 90.0, 100000.0},
        {"efficiency 0", 1, 9.0, 11.0, 0.60, 0.0, 100000.0},
        {"efficiency below 0", 1, 9.0, 11.0, 0.60, -5.0, 100000.0},
    };
    for (const auto& f : faelle) {
        THeizsystem h;
        h.Heizwertbezug = f.heizwertbezug;
        h.Brennstoff.Heizwert = f.heizwert;
        h.Brennstoff.Brennwert = f.brennwert;
        h.Brennstoff.Preis = f.preis;
        h.Wirkungsgrad = f.wirkungsgrad;
        h.PreisBerechnen();
        EXPECT_NEAR(h.Waermepreis, f.erwartet, 1e-12) << f.name;
    }
    THeizsystem h;
    h.Brennstoff.Preis = 0.60;
    h.PreisBerechnen();
    EXPECT_NEAR(h.Waermepreis, 0.0741, 0.00005);
}

TEST(Heizsystem, ImagesOfNewRecords) {
    const ByteImage h = bild(THeizsystem{});
    ASSERT_EQ(h.Size(), THeizsystem::kImageSize);
    EXPECT_EQ(h.Text(0, 50), "Standardheizung");
    EXPECT_EQ(h.I16(50), 1);
    EXPECT_EQ(h.F64(52), 90.0);
    EXPECT_EQ(h.Text(60, 40), "Heizöl EL");
    EXPECT_EQ(h.F64(60 + 40), 9.0);
    EXPECT_EQ(h.Text(60 + 56, 15), "Liter");
    EXPECT_EQ(h.F64(60 + 79), 0.27);
    EXPECT_EQ(h.I16(60 + 87), 1);

    const ByteImage w = bild(TWarmwasserbedarf{});
    ASSERT_EQ(w.Size(), 26u);
    EXPECT_EQ(w.I16(0), 0);
    EXPECT_EQ(w.F64(2), 60.0);
    EXPECT_EQ(w.F64(10), 15.0);
    EXPECT_EQ(w.F64(18), 0.0);

    const ByteImage j = bild(TJahresverbrauch{});
    ASSERT_EQ(j.Size(), 120u);
    for (size_t off = 0; off < 120; off += 8) EXPECT_EQ(j.F64(off), -1.0) << off;
}

TEST(Heizsystem, ImagesReadBackFieldForField) {
    THeizsystem h;
    h.Name = "Gas-Brennwert";
    h.Heizwertbezug = 0;
    h.Wirkungsgrad = 104.5;
    h.Brennstoff.Name = "Erdgas";
    h.Brennstoff.Quelle = 2;
    h.PreisBerechnen();
    TJahresverbrauch j;
    j.Kosten_WW = 123.25;
    j.Bezugsflaeche = 150;
    ByteImage b(THeizsystem::kImageSize + TJahresverbrauch::kImageSize);
    h.WriteImage(b, 0);
    j.WriteImage(b, THeizsystem::kImageSize);
    THeizsystem h2;
    TJahresverbrauch j2;
    h2.ReadImage(b, 0);
    j2.ReadImage(b, THeizsystem::kImageSize);
    EXPECT_EQ(h2.Name, "Gas-Brennwert");
    EXPECT_EQ(h2.Heizwertbezug, 0);
    EXPECT_EQ(h2.Wirkungsgrad, 104.5);
    EXPECT_EQ(h2.Brennstoff.Name, "Erdgas");
    EXPECT_EQ(h2.Waermepreis, h.Waermepreis);
    EXPECT_EQ(j2.Kosten_WW, 123.25);
    EXPECT_EQ(j2.Bezugsflaeche, 150);
    EXPECT_EQ(j2.CO2_WW, -1.0);
}

} // namespace
