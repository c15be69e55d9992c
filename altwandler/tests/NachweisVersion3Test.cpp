// The proof values that the step from version 2 computes on version-3
// records: component requirements and factors, window shares of a facade,
// and the project's heating demand against its limit.
#include "altwandler/Version3.h"
#include "platform/services/MessageBox.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A component of one partial area with the U-value k (W/(m²K)).
std::unique_ptr<TBauteilVersion3> bauteil(int16_t typ, int16_t untertyp, double flaeche, double k) {
    auto b = std::make_unique<TBauteilVersion3>();
    b->Bild.SetI16(66, typ);
    b->Bild.SetI16(68, untertyp);
    b->Bild.SetF64(86, flaeche);
    auto e = std::make_unique<TEinfachBauteilV3>();
    e->Bild.SetF64(532, k);
    e->Bild.SetI16(618, 1); // a heated layer: no check of the partial area's own limit
    b->Flaechenanteile.push_back(std::move(e));
    return b;
}

} // namespace

TEST(NachweisVersion3, RoofOfANonResidentialBuildingMeetsItsLimitOnlyUpTo0_3) {
    testsupport::ScriptedServices services;
    for (auto [k, erfuellt] : {std::pair{0.35, 0}, std::pair{0.3, 1}}) {
        SCOPED_TRACE(k);
        auto b = bauteil(3, 0, 50.0, k);
        b->WerteBerechnen(2, 1, 0);
        EXPECT_DOUBLE_EQ(b->Bild.F64(244), k);
        EXPECT_EQ(b->Bild.F64(260), 0.3);
        EXPECT_EQ(b->Bild.I16(58), erfuellt);
        // Roof factor 0.8, 84 kh of normal internal temperatures.
        EXPECT_DOUBLE_EQ(b->Bild.F64(292), 0.8 * 50.0 * k * 84.0);
    }
}

TEST(NachweisVersion3, GroundFloorFactorFollowsTheAreaWithLowInternalTemperatures) {
    testsupport::ScriptedServices services;
    struct Fall {
        double flaeche;
        bool daemmung;
        int normal;
        double faktor;
    };
    const Fall faelle[] = {
        {1000.0, false, 0, 0.233}, // 2.33 / 1000^(1/3)
        {8000.0, false, 0, 0.12},  {100.0, false, 0, 0.5},
        {1000.0, true, 0, 0.5}, // an insulation layer keeps the table's factor
        {1000.0, false, 1, 0.5},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.flaeche << " " << f.daemmung << " " << f.normal);
        auto b = bauteil(4, 4, f.flaeche, 0.4);
        auto s = std::make_unique<TSchichtVersion3>();
        s->Bild.SetI16(2, f.daemmung ? 5 : 1);
        b->Flaechenanteile[0]->Schichten.push_back(std::move(s));
        b->WerteBerechnen(0, f.normal, 0);
        EXPECT_NEAR(b->Bild.F64(284), f.faktor, 1e-12);
        EXPECT_EQ(b->Bild.I16(316), 0);
        EXPECT_EQ(b->Bild.I16(62), 0);
    }
}

TEST(NachweisVersion3, AnUnknownComponentTypeIsReportedAndKeepsItsRequirementsUnset) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDIGNORE);
    auto b = bauteil(12, 0, 10.0, 0.5);
    b->Bild.SetF64(284, 0.75);
    b->WerteBerechnen(0, 1, 0);
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].text.rfind("assertion failed! File: conv4 ", 0), 0u);
    EXPECT_EQ(b->Bild.F64(252), -1.0);
    EXPECT_EQ(b->Bild.F64(284), 0.75);
}

TEST(NachweisVersion3, WindowsAboveTwoThirdsOfTheFacadeCountWithTwoThirds) {
    testsupport::ScriptedServices services;
    TProjektVersion3 p; // normal internal temperatures, building kind 0
    auto wand = bauteil(0, 0, 20.0, 0.5);
    wand->Bild.SetI16(42, 1);
    wand->WerteBerechnen(0, 1, 0);
    p.Bauteile.push_back(std::move(wand));
    auto w = std::make_unique<TFensterVersion3>();
    w->Bild.SetI16(72, 0);
    w->Bild.SetF64(383, 80.0);
    w->Bild.SetI16(415, 1); // south
    p.Fenster.push_back(std::move(w));
    auto f = std::make_unique<TFassadeVersion3>();
    f->Bild.SetI16(0, 0);
    f->Eintraege = {{0, 1}, {10, 0}};
    p.Fassaden.push_back(std::move(f));
    p.FassadeBerechnen(*p.Fassaden[0]);

    const ByteImage& fa = p.Fassaden[0]->Bild;
    const ByteImage& fe = p.Fenster[0]->Bild;
    const double s = 2.0 / 3.0 / 0.8;
    EXPECT_DOUBLE_EQ(fa.F64(50), 0.8);
    EXPECT_DOUBLE_EQ(fa.F64(58), 100.0);
    // Gains: 80 m² × g 0.8 × 400 kWh/m² × 0.46, frame factor 1.
    const double gewinn = 80.0 * 0.8 * 400.0 * 0.46;
    EXPECT_DOUBLE_EQ(fe.F64(477), gewinn);
    EXPECT_DOUBLE_EQ(fe.F64(469), gewinn * s);
    EXPECT_DOUBLE_EQ(fe.F64(391), 80.0 * s);
    EXPECT_DOUBLE_EQ(fa.F64(148), gewinn * s);
    EXPECT_DOUBLE_EQ(fa.F64(74), 100.0 * s);
    // Equivalent U-value of the south window: 1.7 − 0.8 × 2.4.
    EXPECT_DOUBLE_EQ(fa.F64(164), 1.7 - 0.8 * 2.4);
}

TEST(NachweisVersion3, HeatingDemandPerVolumeIsCheckedAgainstTheLimitOfTheEnvelope) {
    testsupport::ScriptedServices services;
    struct Fall {
        double volumen;
        int erfuellt;
        double bedarf;
    };
    // One wall of 500 m², U 0.5: 500 × 0.5 × 84 = 21000 kWh/a transmission;
    // ventilation 18.28 × V, internal gains 8 × V.
    const Fall faelle[] = {
        {0.0, 0, 0.0},
        {1000.0, 0, 0.9 * (21000.0 + 18280.0) - 8000.0},  // 27.4 > 13.82 + 17.32 × 0.5
        {2000.0, 1, 0.9 * (21000.0 + 36560.0) - 16000.0}, // 17.9 <= 13.82 + 17.32 × 0.25
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.volumen);
        TProjektVersion3 p;
        p.Bild.SetF64(746, f.volumen);
        auto wand = bauteil(0, 0, 500.0, 0.5);
        wand->WerteBerechnen(0, 1, 0);
        p.Bauteile.push_back(std::move(wand));
        p.SummenBerechnen();
        EXPECT_EQ(p.Bild.F64(738), 500.0);
        p.NachweisBerechnen();
        EXPECT_DOUBLE_EQ(p.Bild.F64(578), 21000.0);
        EXPECT_DOUBLE_EQ(p.Bild.F64(586), 21000.0);
        EXPECT_DOUBLE_EQ(p.Bild.F64(530), f.bedarf);
        EXPECT_EQ(p.Bild.I16(770), f.erfuellt);
        if (f.volumen == 0) {
            for (size_t off : {538, 562, 570, 650, 658}) EXPECT_EQ(p.Bild.F64(off), 0.0) << off;
        }
    }
}
