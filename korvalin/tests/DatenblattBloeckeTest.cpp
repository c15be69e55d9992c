// Text blocks of the data sheets and the records that keep what the user
// changed on a sheet.
#include "DatenblattFixture.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/DatenblattSchluessel.h"
#include "korvalin/datenblatt/TDatenblattDatenArray.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace datenblatt_test;

namespace {
// Lays out blocks of the given heights, each through the fit test.
void stapel(TestBlatt& b, const std::vector<int>& hoehen) {
    TRecordingDC dc;
    b.BlockInitialisieren(0);
    b.BlockNummer = 1;
    for (int h : hoehen)
        Ausfuehren(
            b, dc, 0, [&](TDC&, int) { b.Block.InnenHoehe = b.Block.Hoehe = h; }, 2);
}
} // namespace

TEST(DatenblattBloecke, BloeckeStapelnSichUndBrechenAufNeueSeiten) {
    // Body 30..1230: a block fits while (1190) - (previous bottom + 20) >= its height.
    TestBlatt b;
    stapel(b, {100, 500, 500, 40});
    ASSERT_EQ(b.Bloecke.size(), 5u);
    const TBlock& erster = b.Bloecke[1];
    EXPECT_EQ(erster.Oben, 30 + 50); // gap 10 + 40
    EXPECT_EQ(erster.Unten, 180);
    EXPECT_EQ(b.Bloecke[2].Oben, 190); // 10 under the previous block
    EXPECT_EQ(b.Bloecke[2].Seite, 1);
    EXPECT_EQ(b.Bloecke[3].Seite, 2); // 690 + 20 + 500 > 1190
    EXPECT_EQ(b.Bloecke[3].Oben, 80);
    EXPECT_EQ(b.Bloecke[4].Seite, 2);
    EXPECT_EQ(b.Bloecke[4].Oben, 590);
    ASSERT_GE(b.Seiten.size(), 3u);
    EXPECT_EQ(b.Seiten[1].Letzter, 2);
    EXPECT_EQ(b.Seiten[2].Erster, 3);
    EXPECT_EQ(b.Bloecke[1].Links, 40);
    EXPECT_EQ(b.Bloecke[1].Rechts, 851);
    EXPECT_EQ(b.Bloecke[1].Art, 2);
}

TEST(DatenblattBloecke, ZuweisungOhneTextBehaeltDenAlten) {
    TBlock mit, ohne;
    mit.SetText("getippt");
    ohne.Seite = 4;
    mit = ohne;
    ASSERT_TRUE(mit.HatText());
    EXPECT_EQ(*mit.Text, "getippt");
    EXPECT_EQ(mit.Seite, 4);
    TBlock kopie(mit);
    *mit.Text = "anders";
    EXPECT_EQ(*kopie.Text, "getippt"); // copies own their text
}

TEST(DatenblattBloecke, LadenTraegtKeinenTextInDenNaechstenBlock) {
    TestBlatt b;
    b.BlockInitialisieren(0);
    b.Bloecke.resize(3);
    b.Bloecke[1].SetText("Feld 1");
    b.BlockLaden(1);
    b.BlockLaden(2);
    EXPECT_FALSE(b.Block.HatText());
    b.BlockAbschliessen(2, 1, 0);
    EXPECT_FALSE(b.Bloecke[2].HatText());
    // Loading beyond the end grows the array.
    b.BlockLaden(7);
    EXPECT_EQ(b.Bloecke.size(), 8u);
}

TEST(DatenblattBloecke, EingabefelderNurMitSchalterUndOhneDatendatei) {
    for (int schalter : {0, 1}) {
        TestBlatt b;
        b.SeitenLayout().Eingabefelder = schalter;
        TRecordingDC dc;
        b.BlockInitialisieren(0);
        b.BlockNummer = 1;
        b.AktuellerAbschnitt = 4;
        b.EingabefeldBlock(dc, 0, 12, 3);
        EXPECT_EQ(b.BlockNummer, 1 + schalter);
        if (schalter) {
            EXPECT_EQ(b.Bloecke[1].Benutzerblock, 1);
            EXPECT_EQ(b.Bloecke[1].Satznummer, 12);
            EXPECT_EQ(b.Bloecke[1].Variantennummer, 3);
            b.AktuellerAbschnitt = 6;
            b.EingabefeldBlock(dc, 0, 12, 3);
            EXPECT_EQ(b.Bloecke[2].Satznummer, -1);
            b.BtDatei = true;
            b.EingabefeldBlock(dc, 0, 12, 3);
            EXPECT_EQ(b.BlockNummer, 3);
        }
    }
}

TEST(DatenblattDaten, FindenLegtGenauEinenVorgabesatzAn) {
    TEBDatenblattDatenArray feld;
    TEBDatenblattDaten& neu = feld.FindenOderAnlegen({4, 1});
    EXPECT_EQ(neu.Block3, (std::array<int32_t, 4>{0, 0, 900, 60}));
    EXPECT_EQ(neu.Editfelder[0].Zahl1, 800);
    neu.Editfelder[2].Text = "Bemerkung";
    EXPECT_EQ(&feld.FindenOderAnlegen({4, 1}), &neu);
    EXPECT_EQ(feld.Saetze.size(), 1u);
    feld.FindenOderAnlegen({4, 2});
    EXPECT_EQ(feld.Saetze.size(), 2u);
    EXPECT_EQ(feld.FindenOderAnlegen({4, 1}).Editfelder[2].Text, "Bemerkung");

    TFensterDatenblattDatenArray fenster;
    fenster.FindenOderAnlegen({7}).Editfelder[1].Text = "x";
    EXPECT_EQ(fenster.FindenOderAnlegen({7}).Editfelder[1].Text, "x");
    EXPECT_EQ(fenster.Saetze.size(), 1u);
}

TEST(DatenblattDaten, SpeichernAendertNurDenErstenGleichenSchluessel) {
    TEBDatenblattDatenArray feld;
    feld.Saetze.emplace_back(TBTKey{1, 0});
    feld.Saetze.emplace_back(TBTKey{1, 0});
    feld.Saetze[0].Ordnung[5] = 99; // as a file read may leave it
    TEBDatenblattDaten kopie = feld.Saetze[0];
    EXPECT_EQ(kopie.Ordnung[5], 5); // a copy gets the identity order
    kopie.Editfelder[0].Text = "neu";
    kopie.Key = {9, 9};
    feld.Speichern({1, 0}, kopie);
    EXPECT_EQ(feld.Saetze[0].Editfelder[0].Text, "neu");
    EXPECT_EQ(feld.Saetze[0].Key, (TBTKey{1, 0}));
    EXPECT_EQ(feld.Saetze[0].Ordnung[5], 99); // the stored order stays
    EXPECT_EQ(feld.Saetze[1].Editfelder[0].Text, "");
    // A key that is not stored is appended.
    feld.Speichern({2, 0}, kopie);
    EXPECT_EQ(feld.Saetze.size(), 3u);
    // A record of a failed open is kept like any other.
    feld.FindenOderAnlegen({-1, -1});
    EXPECT_EQ(feld.Saetze.size(), 4u);
}

TEST(DatenblattDaten, VorgabebreitenJederGruppeErgebenHundert) {
    const TFixDaten fix;
    auto summe = [](const TSpaltenSatz& s, size_t von, size_t bis) {
        return std::accumulate(s.Breite.begin() + long(von), s.Breite.begin() + long(bis), 0.0);
    };
    EXPECT_EQ(summe(fix.Bauteilspalten.Spaltensaetze[0], 0, 7), 100);
    EXPECT_EQ(summe(fix.Bauteilspalten.Spaltensaetze[1], 0, 11), 100);
    EXPECT_EQ(summe(fix.Bauteilspalten.Spaltensaetze[1], 11, 22), 100);
    EXPECT_EQ(summe(fix.Fensterspalten.Spaltensaetze[0], 0, 9), 100);
    EXPECT_EQ(summe(fix.Projekt.Spaltensaetze[1], 0, 7), 100);
    EXPECT_EQ(summe(fix.Projekt.Spaltensaetze[1], 7, 11), 100);
    EXPECT_EQ(summe(fix.Fassaden.Spaltensaetze[1], 0, 18), 100);
    EXPECT_EQ(summe(fix.Energie.Spaltensaetze[2], 0, 6), 100);
    EXPECT_EQ(fix.Energie.Spaltensaetze.size(), 4u);
    EXPECT_EQ(summe(fix.Massen.Spaltensaetze[1], 0, 4), 100);
    EXPECT_EQ(fix.Massen.Spaltensaetze[1].Breite[4], 50); // unlisted values stay 50
    EXPECT_EQ(fix.Projekt.Editfelder.size(), 4u);
    EXPECT_EQ(fix.Massen.Editfelder.size(), 2u);
    // The switch is the first page number of its section.
    TFixDaten f;
    f.SetErsteSeite(3, 5);
    f.SetErsteSeite(0, 2);
    EXPECT_EQ(f.Massen.Schalter, 5);
    EXPECT_EQ(f.ErsteSeite(0), 2);
    EXPECT_EQ(f.ErsteSeite(1), 1);
}

TEST(DatenblattDaten, SchluesselJeQuerschnittUndFensterInListenfolge) {
    TProjekt p;
    for (uint16_t n : {4, 2}) {
        auto t = std::make_unique<TRBauteil>();
        t->Nummer = n;
        for (int16_t e = 0; e < n / 2 + 1; ++e) {
            auto eb = std::make_unique<TEinfachBauteil>();
            eb->Nummer = e;
            t->Flaechenanteile.Add(std::move(eb));
        }
        p.RBauteile.Add(std::move(t));
    }
    auto f = std::make_unique<TRFenster>();
    f->Nummer = 7;
    p.RFenster.Add(std::move(f));
    const auto bauteile = BauteilSchluessel(p);
    const std::vector<TBTKey> erwartet{{2, 0}, {2, 1}, {4, 0}, {4, 1}, {4, 2}};
    EXPECT_EQ(bauteile, erwartet);
    TEBDatenblattDatenArray feld;
    feld.FindenOderAnlegen({4, 1}).Editfelder[0].Text = "bleibt";
    SchluesselVorbelegen(feld, bauteile);
    EXPECT_EQ(feld.Saetze.size(), 5u);
    EXPECT_EQ(feld.FindenOderAnlegen({4, 1}).Editfelder[0].Text, "bleibt");
    TFensterDatenblattDatenArray fenster;
    SchluesselVorbelegen(fenster, FensterSchluessel(p));
    ASSERT_EQ(fenster.Saetze.size(), 1u);
    EXPECT_EQ(fenster.Saetze[0].Key.Fenster, 7);
}
