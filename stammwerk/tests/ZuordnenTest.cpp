// Re-assigning, moving and inserting placed items: after each operation every
// link agrees both ways.
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

namespace {

// Two facades; a wall type (kind 0) and a roof type (kind 3); a window type.
// On F0: wall W with two inserted windows; on F1: a second wall.
struct Haus : ::testing::Test {
    TProjekt p;
    TFassade* f0 = neueFassade(0);
    TFassade* f1 = neueFassade(1);
    TRBauteil& wand = typ("Wand", 0);
    TRBauteil& dach = typ("Dach", 3);
    TRFenster& fenster = p.FensterNeu(std::make_unique<TRFenster>());
    TPBauteil* w = p.PBauteilNeu(&wand, f0, 1);
    TPBauteil* w2 = p.PBauteilNeu(&wand, f1, 1);
    TPFenster* a = p.PFensterNeuEinbauen(&fenster, TProjekt::Referenz(*w));
    TPFenster* b = p.PFensterNeuEinbauen(&fenster, TProjekt::Referenz(*w));

    TFassade* neueFassade(uint16_t n) {
        auto f = std::make_unique<TFassade>();
        f->Nummer = n;
        f->Name = "F" + std::to_string(n);
        return &p.Fassaden.Add(std::move(f));
    }
    TRBauteil& typ(const char* name, uint16_t art) {
        auto t = std::make_unique<TRBauteil>();
        t->Name = name;
        t->Bauteilart = art;
        return p.BauteilNeu(std::move(t));
    }
    void SetUp() override {
        ASSERT_TRUE(a && b);
        pruefen();
    }
    void pruefen() {
        const auto fehler = p.VerknuepfungsFehler();
        EXPECT_TRUE(fehler.empty()) << ::testing::PrintToString(fehler);
    }
};

TEST_F(Haus, EinbauGehoertZurFassadeDesTraegers) {
    EXPECT_EQ(a->Traeger, TProjekt::Referenz(*w));
    EXPECT_EQ(a->FassadenNummer, 0);
    EXPECT_EQ(w->Einbauten.GetItemsInContainer(), 2u);
    // Into an inserted item nothing more goes.
    EXPECT_EQ(p.PFensterNeuEinbauen(&fenster, TProjekt::Referenz(*a)), nullptr);
    pruefen();
}

TEST_F(Haus, NeuZuordnenEinerAnderenArtFolgtUeberall) {
    const TTypNummer alt = TProjekt::Referenz(*w);
    ASSERT_EQ(p.NeuZuordnen(w, &dach), 1);
    const TTypNummer neu = TProjekt::Referenz(*w);
    EXPECT_EQ(neu.Typ, 3);
    EXPECT_EQ(a->Traeger, neu); // the inserted windows name the new kind
    EXPECT_EQ(TypNummerIndex(f0->Elemente, alt), -1);
    EXPECT_GE(TypNummerIndex(f0->Elemente, neu), 0);
    EXPECT_EQ(wand.PBauteilListe.GetItemsInContainer(), 1u);
    EXPECT_EQ(dach.PBauteilListe.GetItemsInContainer(), 1u);
    pruefen();
    // A dependent wall of another kind: its carrier's list follows too.
    TPBauteil* einbau = p.PBauteilNeuEinbauen(&wand, TProjekt::Referenz(*w2));
    ASSERT_NE(einbau, nullptr);
    ASSERT_EQ(p.NeuZuordnen(einbau, &dach), 1);
    EXPECT_GE(TypNummerIndex(w2->Einbauten, TProjekt::Referenz(*einbau)), 0);
    pruefen();
    ASSERT_EQ(p.NeuZuordnen(a, &fenster), 1); // the same type: nothing breaks
    pruefen();
}

TEST_F(Haus, VerschiebenNimmtDieEinbautenMit) {
    ASSERT_EQ(p.AufFassadeVerschieben(TProjekt::Referenz(*w), f1), 1);
    EXPECT_EQ(w->FassadenNummer, 1);
    EXPECT_EQ(a->FassadenNummer, 1);
    EXPECT_EQ(a->Traeger, TProjekt::Referenz(*w));
    EXPECT_TRUE(f0->Elemente.IsEmpty());
    pruefen();
    // Onto its own facade while in no carrier: refused.
    EXPECT_EQ(p.AufFassadeVerschieben(TProjekt::Referenz(*w), f1), 0);
    // An inserted window moved onto its own facade leaves its carrier.
    ASSERT_EQ(p.AufFassadeVerschieben(TProjekt::Referenz(*a), f1), 1);
    EXPECT_EQ(a->Traeger.Nummer, -1);
    EXPECT_EQ(w->Einbauten.GetItemsInContainer(), 1u);
    pruefen();
}

// A window that changes its facade faces the new one, whether moved alone,
// with its carrier or into a carrier there; on its own facade it keeps what
// the user set.
TEST_F(Haus, FensterAufAndererFassadeNimmtDerenOrientierung) {
    f0->Orientierung = 0; // north
    f1->Orientierung = 1; // south
    a->Orientierung = b->Orientierung = 3;
    const auto ref = [](auto* x) { return TProjekt::Referenz(*x); };
    ASSERT_EQ(p.AufFassadeVerschieben(ref(a), f0), 1); // own facade, out of its carrier
    EXPECT_EQ(a->Orientierung, 3);
    ASSERT_EQ(p.AufFassadeVerschieben(ref(a), f1), 1);
    EXPECT_EQ(a->Orientierung, 1);
    ASSERT_EQ(p.AufFassadeVerschieben(ref(w), f1), 1); // b goes along
    EXPECT_EQ(b->Orientierung, 1);
    ASSERT_EQ(p.AufFassadeVerschieben(ref(w), f0), 1);
    EXPECT_EQ(b->Orientierung, 0);
    ASSERT_EQ(p.InTraegerVerschieben(ref(a), ref(w)), 1); // into the wall on F0
    EXPECT_EQ(a->Orientierung, 0);
    pruefen();
}

TEST_F(Haus, InTraegerVerschieben) {
    const auto ref = [](auto* x) { return TProjekt::Referenz(*x); };
    EXPECT_EQ(p.InTraegerVerschieben(ref(w), ref(w2)), 0); // has inserted items
    EXPECT_EQ(p.InTraegerVerschieben(ref(w2), ref(a)), 0); // carrier is inserted
    EXPECT_EQ(p.InTraegerVerschieben(ref(a), ref(w)), 0);  // there already
    ASSERT_EQ(p.InTraegerVerschieben(ref(a), ref(w2)), 1);
    EXPECT_EQ(a->FassadenNummer, 1);
    EXPECT_EQ(a->Traeger, ref(w2));
    EXPECT_EQ(w->Einbauten.GetItemsInContainer(), 1u);
    pruefen();
}

TEST_F(Haus, PruefungFindetEinseitigeVerweise) {
    w2->Einbauten.Add(TProjekt::Referenz(*a)); // a does not name w2
    f1->Elemente.Add(TTypNummer{0, 99});
    const auto fehler = p.VerknuepfungsFehler();
    // The carrier names an item that names another; the facade an item that is not there.
    EXPECT_EQ(fehler, (std::vector<std::string>{
                          "Bauteil 3 (Art 0): Einbau Fenster 1 (Art 10) nennt ihn nicht als Träger",
                          "Fassade F1 nennt Bauteil 99 (Art 0), den es nicht gibt"}));
}

TEST_F(Haus, FensterUebernehmenBehaeltDiePlatzierungen) {
    TRFenster kopie(fenster);
    kopie.Name = "Neu";
    kopie.PFensterListe.Flush(); // an editor's copy from before the placements
    ASSERT_EQ(p.FensterUebernehmen(kopie), 1);
    EXPECT_EQ(fenster.Name, "Neu");
    EXPECT_EQ(fenster.PFensterListe.GetItemsInContainer(), 2u);
    EXPECT_EQ(a->RFenster, &fenster);
    kopie.Nummer = 77;
    EXPECT_EQ(p.FensterUebernehmen(kopie), 0);
    pruefen();
}

} // namespace
