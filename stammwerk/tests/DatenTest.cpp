// The shipped data files, as the build generates them from data/src: every
// file loads through its reader, selected values are those of the source
// tables, and the example project opens and computes.
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TFormelSammlung.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TReferenzSammlung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::filesystem::path daten = KORVALIN_DATEN_DIR;

template <class L>
const auto* finde(const L& liste, const char* name) {
    return liste.FirstThat([&](const auto& x) { return x.Name == name; });
}

const TBrennstoff* brennstoff(const std::vector<TBrennstoff>& liste, const char* name) {
    for (const TBrennstoff& b : liste)
        if (b.Name == name) return &b;
    return nullptr;
}

TEST(Daten, MaterialCataloguesLoadWithTheirTableValues) {
    TBaustoffDatei d(daten);
    for (int k = 0; k < 3; ++k) ASSERT_EQ(d.Oeffnen(k), 0) << k << ": " << d.LetzterFehler();
    EXPECT_EQ(d.Baustoffe().GetItemsInContainer(), 28u);
    // DIN V 4108-4 Tab. 1, KS masonry ρ 1800: λ 0.99 W/(m·K), μ 15/25.
    const TBaustoff* ks = finde(d.Baustoffe(), "Kalksandstein-Mauerwerk 1800");
    ASSERT_NE(ks, nullptr);
    EXPECT_EQ(ks->Schluessel.Katalog, 0);
    EXPECT_DOUBLE_EQ(ks->Lambda, 0.99);
    EXPECT_DOUBLE_EQ(ks->Rohdichte, 1800);
    EXPECT_DOUBLE_EQ(ks->Mu, 15);
    EXPECT_DOUBLE_EQ(ks->Zusatzwert1, 25);
    EXPECT_DOUBLE_EQ(ks->Waermekapazitaet, 1000); // group 4 default
    // The ventilated air layer has its fixed key: DIN catalogue, group 9, position 3.
    const TBaustoff* luft = finde(d.Baustoffe(), "Luftschicht bewegt");
    ASSERT_NE(luft, nullptr);
    EXPECT_EQ(luft->Schluessel.Katalog, 0);
    EXPECT_EQ(luft->Schluessel.Gruppe, 9);
    EXPECT_EQ(luft->Schluessel.Position, 3);
    // DIN EN ISO 6946 Tab. 2: 25 mm still air, horizontal flow, R 0.18 m²K/W.
    const TBaustoff* ruhend = finde(d.Baustoffe(), "Ruhende Luftschicht 25 mm");
    ASSERT_NE(ruhend, nullptr);
    EXPECT_NEAR(0.001 * ruhend->Schichtdicke / ruhend->Lambda, 0.18, 1e-12);
    EXPECT_TRUE(d.Baustoffe().FirstThat(
                    [](const TBaustoff& b) { return b.Schluessel.Katalog == 2; }) == nullptr)
        << "the user's edition starts empty";
}

TEST(Daten, WindowCataloguesCarryTheUwTable) {
    TFensterDatei d(daten);
    for (int k = 0; k < 3; ++k) ASSERT_EQ(d.Oeffnen(k), 0) << d.LetzterFehler();
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 14u);
    EXPECT_FALSE(d.Beschaedigt(0));
    // DIN EN ISO 10077-1 Tab. F.1, frame share 30 %: Ug 1.1, Uf 1.4 gives Uw 1.4.
    const TRFenster* f = finde(d.Liste(), "Fenster Ug 1,1 Uf 1,4");
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(f->k_F, 1.4);
    EXPECT_DOUBLE_EQ(f->Rahmenanteil, 30);
    EXPECT_DOUBLE_EQ(f->g, 0) << "the table gives no g";
}

TEST(Daten, ComponentCatalogueBuildUpsComputeTheirUValues) {
    TBauteilDatei d(daten);
    ASSERT_EQ(d.Oeffnen(1), 0) << d.LetzterFehler();
    ASSERT_EQ(d.Oeffnen(2), 0);
    EXPECT_EQ(d.Liste().GetItemsInContainer(), 4u);
    const TRBauteil* wand = finde(d.Liste(), "Außenwand KS 175 + MW 140");
    ASSERT_NE(wand, nullptr);
    EXPECT_EQ(wand->Schluessel.Gruppe, 1);
    ASSERT_EQ(wand->Flaechenanteile.GetItemsInContainer(), 1u);
    // By hand: R = 0.13 + 0.015/0.70 + 0.175/0.99 + 0.140/0.040 + 0.010/1.0 + 0.04
    //            = 3.878197 m²K/W, U = 0.25785 W/(m²K).
    EXPECT_NEAR(wand->Flaechenanteile[0].k_Wert, 0.25785, 5e-5);
    // Roof: the ventilated air layer and everything outside it do not count:
    // R = 0.13 + 0.015/0.51 + 0.240/0.040 + 0.04 = 6.199412, U = 0.16130.
    const TRBauteil* dach = finde(d.Liste(), "Steildach MW 240, belüftet");
    ASSERT_NE(dach, nullptr);
    EXPECT_NEAR(dach->Flaechenanteile[0].k_Wert, 0.16130, 5e-5);
}

TEST(Daten, LocationAndFuelListsLoad) {
    TOrtSammlung orte(daten);
    EXPECT_EQ(orte.Oeffnen(1), 1);
    EXPECT_EQ(orte.Oeffnen(2), 1);
    ASSERT_EQ(orte.Liste().size(), 1u);
    EXPECT_DOUBLE_EQ(orte.Liste()[0].Gradtagzahl, 3500); // 84 kKh/a / 24 h/d

    TBrennstoffSammlung brennstoffe(daten);
    EXPECT_EQ(brennstoffe.Oeffnen(), 1);
    ASSERT_EQ(brennstoffe.Liste().size(), 10u);
    const TBrennstoff* gas = brennstoff(brennstoffe.Liste(), "Erdgas L");
    ASSERT_NE(gas, nullptr);
    EXPECT_DOUBLE_EQ(gas->Heizwert, 9); // HeizkostenV § 9 Abs. 2: Erdgas L 9 kWh/m³
    EXPECT_EQ(gas->Einheit, "m³");
    EXPECT_DOUBLE_EQ(gas->CO2, 0.24); // GEG 2020 Anlage 9: 240 g/kWh

    TFormelSammlung formeln(daten);
    EXPECT_EQ(formeln.Oeffnen(), 1);
    EXPECT_TRUE(formeln.Liste().empty());
}

TEST(Daten, TheExampleProjectOpensAndItsComponentsAreComputed) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    ASSERT_NE(g.AktuellesProjekt, nullptr);
    const TProjekt& pj = *g.AktuellesProjekt;
    EXPECT_EQ(pj.RBauteile.GetItemsInContainer(), 6u);
    EXPECT_EQ(pj.PBauteile.GetItemsInContainer(), 6u);
    EXPECT_EQ(pj.RFenster.GetItemsInContainer(), 7u);
    EXPECT_EQ(pj.PFenster.GetItemsInContainer(), 7u);
    ASSERT_EQ(pj.Fassaden.GetItemsInContainer(), 1u);

    const TPBauteil* nord = finde(pj.PBauteile, "Außenwand Nord");
    ASSERT_NE(nord, nullptr);
    ASSERT_NE(nord->RBauteil, nullptr);
    // 10 × 2.75 − 2 × 1.01 × 1.26 = 24.9548 m², U as the catalogue wall.
    EXPECT_NEAR(nord->Nettoflaeche, 24.9548, 1e-9);
    EXPECT_NEAR(nord->RBauteil->k_m, 0.25785, 5e-5);
    // Loss: 24.9548 m² × 0.25785 W/(m²K) × 84 kKh/a × weight 1 of a wall.
    EXPECT_NEAR(nord->Waermeverlust, 24.9548 * nord->RBauteil->k_m * 84, 1e-6);

    const TPFenster* tuer = finde(pj.PFenster, "Terrassentür Süd");
    ASSERT_NE(tuer, nullptr);
    ASSERT_NE(tuer->RFenster, nullptr);
    EXPECT_EQ(tuer->Orientierung, 1);
    EXPECT_DOUBLE_EQ(tuer->RFenster->k_F, 1.4);
    // Q_T = 1.4 × 84 × 1.01 × 2.26 kWh/a; no solar gain with g 0.
    EXPECT_NEAR(tuer->Q_T, 1.4 * 84 * 1.01 * 2.26, 1e-9);
    EXPECT_DOUBLE_EQ(tuer->Q_S_angerechnet, 0);
}

// The shipped heating oil counts its fuel in litres: HeizkostenV § 9 Abs. 2
// gives H_i = 10 kWh/l, so the final energy for heating in kWh divided by 10
// is the oil in litres, and the CO2 is 0.31 kg per kWh of it (GEG 2020
// Anlage 9).
TEST(Daten, TheShippedHeatingOilCountsLitres) {
    TBrennstoffSammlung brennstoffe(daten);
    ASSERT_EQ(brennstoffe.Oeffnen(1), 1);
    const TBrennstoff* oel = brennstoff(brennstoffe.Liste(), "Heizöl EL");
    ASSERT_NE(oel, nullptr);
    EXPECT_EQ(oel->Einheit, "Liter");

    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    pj.Heizsystem.Brennstoff = *oel;
    pj.Heizsystem.Heizwertbezug = 1;
    pj.UmfassungsflaecheBerechnen();
    pj.WSchVO();
    const TJahresverbrauch& v = pj.Jahresverbrauch;
    ASSERT_GT(v.Q_Heizung, 0);
    EXPECT_NEAR(v.Brennstoffmenge, v.Q_Heizung / 10.0, 1e-9 * v.Q_Heizung);
    EXPECT_NEAR(v.CO2, v.Q_Heizung * 0.31, 1e-9 * v.Q_Heizung);
}

TEST(Daten, TheExampleHousePassesItsHeatProtectionProof) {
    TGesamtProjekt g(daten);
    ASSERT_EQ(g.Oeffnen(daten / "beispiel.pro"), 0) << g.LetzterFehler();
    TProjekt& pj = *g.AktuellesProjekt;
    pj.UmfassungsflaecheBerechnen();
    ASSERT_EQ(pj.CanStartWSchVO(), 1);
    pj.WSchVO();
    // By hand: A = walls 2 × 27.5 + 2 × 22 + roof 97 + floor 80 = 276 m² (the
    // windows are cut out of the walls' areas); V = 220 + 0.5 × 8 × 2.742718 × 10
    // = 329.7087 m³; A/V = 0.83711; Q'_H,max = 17.32 × A/V + 13.82 = 28.319
    // kWh/(m³a) (WSchVO 1995 Anlage 1 Table 1).
    EXPECT_NEAR(pj.A_Bauteile + pj.A_Fenster, 276.0, 1e-9);
    EXPECT_NEAR(pj.V, 329.7087, 1e-4);
    EXPECT_NEAR(pj.Q2_H_max, 28.319, 1e-3);
    EXPECT_LT(pj.Q2_H, pj.Q2_H_max) << "annual heating demand above the limit";
    EXPECT_EQ(pj.ZusatzErfuellt, 1) << "an additional requirement fails";
    EXPECT_EQ(pj.AVErfuellt, 1);
    EXPECT_EQ(pj.NachweisErfuellt, 1);
}

} // namespace
