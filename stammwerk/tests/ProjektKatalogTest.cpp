// Taking catalogue types into a variant, and copies into carriers that keep
// the facade sums, the envelope areas and the proof current.
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TProjekt.h"

#include "testsupport/TempDir.h"

#include "ModellTestProjekt.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TempDir;

TFassade& fassade(TProjekt& p, uint16_t nummer) {
    auto f = std::make_unique<TFassade>();
    f->Nummer = nummer;
    return p.Fassaden.Add(std::move(f));
}

template <class T>
void schluesselSetzen(T& t, uint16_t katalog, uint16_t gruppe, uint16_t position) {
    t.Schluessel.Katalog = katalog;
    t.Schluessel.Gruppe = gruppe;
    t.Schluessel.Untergruppe = 0;
    t.Schluessel.Position = position;
}

// A user catalogue holding one wall whose record carries a climate, a
// moisture option and a placement reference of its own.
struct BauteilKatalog {
    TempDir dir;
    TBauteilDatei datei{dir.Path()};
    TBauteilSchluessel schluessel;
    BauteilKatalog() {
        datei.Oeffnen(1);
        datei.Oeffnen(2);
        auto t = modelltest::Wandtyp("Kalksandstein gedämmt", 0);
        schluesselSetzen(*t, 2, 1, 0);
        t->Klima.ThetaI = 22;
        t->Feuchteoption = 1;
        t->PBauteilListe.Add(TTypNummer{0, 7});
        EXPECT_EQ(datei.Einfuegen(t), 1);
        schluessel = datei.Liste()[0].Schluessel;
    }
};

TEST(ProjektKatalog, AComponentComesInWithTheVariantsClimateAndItsProof) {
    BauteilKatalog k;
    TProjekt p;
    p.Klima.ThetaI = 18;
    p.Temperatur = TTemperatur();
    p.Baumassnahme = 2;
    p.NaechsteBauteilNummer = 5;
    TFassade& f = fassade(p, 0);

    ASSERT_EQ(p.BauteilEinfuegen(&k.schluessel, &k.datei, &f), 1);
    ASSERT_EQ(p.RBauteile.GetItemsInContainer(), 1u);
    const TRBauteil& t = p.RBauteile[0];
    EXPECT_EQ(t.Nummer, 5);
    EXPECT_EQ(t.Name, "Kalksandstein gedämmt");
    EXPECT_EQ(t.Schluessel.Katalog, 0xFFFF);
    EXPECT_EQ(t.Schluessel.Nummer, -1);
    EXPECT_EQ(t.Klima.ThetaI, 18);
    EXPECT_EQ(t.Feuchteoption, 0);
    // Anlage 3 Table 1, outer wall, normal interior temperatures, Wandvariante 1: 0.40 W/(m²K).
    EXPECT_EQ(t.k_max_Anl3, 0.40);
    EXPECT_GT(t.k_m, 0);
    // The moisture chain ran with the variant's climate, 18 °C inside: the
    // insulated field has R = 0.015/0.87 + 0.175/0.99 + 0.12/0.04 = 3.194,
    // U = 1/(3.194 + 0.17) = 0.297 W/(m²K), θsi = 18 − 0.13 × 0.297 × 28 = 16.92 °C.
    EXPECT_NEAR(t.Flaechenanteile[0].Schichten[0].Temperatur[0], 16.92, 0.01);
    EXPECT_GE(TypNummerIndex(p.Typnummern, TTypNummer{0, 5}), 0);

    // One placement on the facade, and only that one in the type's list.
    ASSERT_EQ(t.PBauteilListe.GetItemsInContainer(), 1u);
    const TPBauteil* pb = p.PBauteilNr(t.PBauteilListe[0].Nummer);
    ASSERT_NE(pb, nullptr);
    EXPECT_EQ(pb->Nummer, 6);
    EXPECT_EQ(pb->Name, "Kalksandstein gedämmt: 1");
    EXPECT_EQ(pb->RBauteil, &t);
    EXPECT_EQ(f.Elemente.GetItemsInContainer(), 1u);

    // The catalogue's own record is untouched.
    EXPECT_EQ(k.datei.Liste()[0].Klima.ThetaI, 22);
    EXPECT_EQ(k.datei.Liste()[0].Feuchteoption, 1);
}

TEST(ProjektKatalog, KeysThatNameNoEntryInsertNothing) {
    BauteilKatalog k;
    TProjekt p;
    TBauteilSchluessel fremd = k.schluessel;
    fremd.Position = 9;
    TBauteilSchluessel ungesetzt;
    TBauteilSchluessel din = k.schluessel;
    din.Katalog = 0; // there is no DIN component catalogue
    for (const TBauteilSchluessel* s :
         {&fremd, &ungesetzt, &din, static_cast<TBauteilSchluessel*>(nullptr)})
        EXPECT_EQ(p.BauteilEinfuegen(s, &k.datei, nullptr), 0);
    EXPECT_EQ(p.BauteilEinfuegen(&k.schluessel, nullptr, nullptr), 0);
    EXPECT_TRUE(p.RBauteile.IsEmpty());
    EXPECT_EQ(p.NaechsteBauteilNummer, 0);

    // Without a facade the type comes alone.
    ASSERT_EQ(p.BauteilEinfuegen(&k.schluessel, &k.datei, nullptr), 1);
    EXPECT_TRUE(p.PBauteile.IsEmpty());
    EXPECT_TRUE(p.RBauteile[0].PBauteilListe.IsEmpty());
}

TEST(ProjektKatalog, AWindowKeepsItsKeyAndDINWindowsComeInToo) {
    TempDir dir;
    TFensterDatei d(dir.Path());
    for (int k = 0; k < 3; ++k) d.Oeffnen(k);
    auto din = modelltest::Fenstertyp("DIN Isolierglas", 2.6, 0.75);
    schluesselSetzen(*din, 0, 1, 0);
    din->PFensterListe.Add(TTypNummer{10, 3});
    ASSERT_EQ(d.Einfuegen(din), 1);
    auto eigen = modelltest::Fenstertyp("Holzfenster", 1.4, 0.6);
    schluesselSetzen(*eigen, 2, 1, 0);
    ASSERT_EQ(d.Einfuegen(eigen), 1);
    const TFensterSchluessel dinKey =
        d.Liste()
            .FirstThat([](const TRFenster& t) { return t.Name == "DIN Isolierglas"; })
            ->Schluessel;

    TProjekt p;
    TFassade& f = fassade(p, 0);
    f.Orientierung = 1;
    f.Neigung_Vorgabe = 45;
    ASSERT_EQ(p.FensterEinfuegen(&dinKey, &d, &f), 1);
    const TRFenster& t = p.RFenster[0];
    EXPECT_EQ(t.Nummer, 0);
    EXPECT_EQ(t.Schluessel, dinKey);
    EXPECT_EQ(t.k_F, 2.6);
    ASSERT_EQ(t.PFensterListe.GetItemsInContainer(), 1u);
    const TPFenster* pf = p.PFensterNr(t.PFensterListe[0].Nummer);
    ASSERT_NE(pf, nullptr);
    EXPECT_EQ(pf->Nummer, 1);
    EXPECT_EQ(pf->Orientierung, 1);
    EXPECT_EQ(pf->Neigung, 45);
    EXPECT_GE(TypNummerIndex(p.Typnummern, TTypNummer{10, 0}), 0);

    TFensterSchluessel ungesetzt;
    EXPECT_EQ(p.FensterEinfuegen(&ungesetzt, &d, &f), 0);
    EXPECT_EQ(p.RFenster.GetItemsInContainer(), 1u);
}

TEST(ProjektKatalog, ACopyIntoACarrierKeepsFacadeAndEnvelopeCurrent) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    w.k_m = 0.5;
    w.Reduktionsfaktor = 1.0;
    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    TPBauteil* wand = p.PBauteilNeu(&w, &f, 0);
    wand->Bruttoflaeche = 10;
    TPFenster* muster = p.PFensterNeu(&t, &f, 0);
    muster->Bruttoflaeche = muster->Nettoflaeche = 2;
    p.FlaecheBerechnen(wand);
    ASSERT_EQ(p.A_Bauteile, 10);
    ASSERT_EQ(p.A_Fenster, 2);

    ASSERT_NE(p.PFensterKopieren(muster, wand, nullptr), nullptr);
    // Wall 10 − 2 = 8 m²; windows 2 + 2 m²; facade 8 + 4 = 12 m².
    EXPECT_EQ(wand->Nettoflaeche, 8);
    EXPECT_EQ(p.A_Bauteile, 8);
    EXPECT_EQ(p.A_Fenster, 4);
    EXPECT_EQ(f.A_Fenster, 4);
    EXPECT_EQ(f.A_gesamt, 12);
    // Q_T of the wall: 1.0 × 0.5 W/(m²K) × 8 m² × 84 kKh/a (WSchVO 1995 Anlage 1) = 336 kWh/a.
    EXPECT_NEAR(wand->Waermeverlust, 336, 1e-9);
}

TEST(ProjektKatalog, AreasUpAChainOfWindowsThatClosesOnItselfStop) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    TPFenster* a = p.PFensterNeu(&t, &f, 0);
    TPFenster* b = p.PFensterNeu(&t, &f, 0);
    // As a damaged file may have it: each window carries the other.
    a->Traeger = TTypNummer{10, int16_t(b->Nummer)};
    b->Traeger = TTypNummer{10, int16_t(a->Nummer)};
    a->Einbauten.Add(TTypNummer{10, int16_t(b->Nummer)});
    b->Einbauten.Add(TTypNummer{10, int16_t(a->Nummer)});
    a->Bruttoflaeche = 3;
    b->Bruttoflaeche = 2;
    p.FlaecheBerechnen(a);
    EXPECT_EQ(p.PFenster.GetItemsInContainer(), 2u);
}

} // namespace
