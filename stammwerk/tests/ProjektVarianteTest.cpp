#include "stammwerk/modell/TProjekt.h"

#include "platform/base/ByteImage.h"

#include "ModellTestProjekt.h"

#include <gtest/gtest.h>

namespace {

TFassade& fassade(TProjekt& p, uint16_t nummer) {
    auto f = std::make_unique<TFassade>();
    f->Nummer = nummer;
    f->Name = "F" + std::to_string(nummer);
    return p.Fassaden.Add(std::move(f));
}

TEST(ProjektVariante, NewVariantImage) {
    TProjekt p;
    ByteImage b(TProjekt::kImageSize);
    p.WriteImage(b, 0);
    EXPECT_EQ(b.Text(0, 30), "Standardprojekt");
    EXPECT_EQ(b.F64(52), 2.0);
    for (size_t off : {76, 78, 80, 82, 84, 100, 102, 936}) EXPECT_EQ(b.U16(off), 1) << off;
    EXPECT_EQ(b.F64(372), 20.0);
    for (size_t off = 650; off < 690; ++off) EXPECT_EQ(b.U8(off), 0) << off;
    EXPECT_EQ(b.F64(963), 15.0);
    EXPECT_EQ(b.F64(1214 + 8 * 14), -1.0);
    for (size_t off = 1334; off < 1398; ++off) EXPECT_EQ(b.U8(off), 0) << off;
}

TEST(ProjektVariante, TypesAndPlacementsShareOneCounterAndNameThePlacements) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    w.Name = "W";
    EXPECT_EQ(w.Nummer, 0);
    TPBauteil* a = p.PBauteilNeu(&w, &f, 1);
    TPBauteil* b = p.PBauteilNeu(&w, &f, 1);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->Nummer, 1);
    EXPECT_EQ(b->Nummer, 2);
    EXPECT_EQ(a->Name, "W: 1");
    EXPECT_EQ(b->Name, "W: 2");
    EXPECT_EQ(a->FassadenNummer, 0);
    EXPECT_EQ(w.PBauteilListe.GetItemsInContainer(), 2u);
    EXPECT_EQ(f.Elemente.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.FirstPBauteil(&w), a);

    TRBauteil& lang = p.BauteilNeu(std::make_unique<TRBauteil>());
    lang.Name = "Außenwand mit WDVS 16 cm"; // 24 characters
    EXPECT_EQ(p.PBauteilNeu(&lang, &f, 0)->Name, "Außenwand mit WDVS 16 cm: 1");
    lang.Name = "Außenwand mit WDVS 16 cmX"; // 25 characters: used unchanged
    EXPECT_EQ(p.PBauteilNeu(&lang, &f, 0)->Name, "Außenwand mit WDVS 16 cmX");

    TRFenster& typ = p.FensterNeu(std::make_unique<TRFenster>());
    EXPECT_EQ(typ.Nummer, 0);
    f.z_bew_Vorgabe = 0.5;
    f.Orientierung = 1;
    TPFenster* fe = p.PFensterNeu(&typ, &f, 1);
    EXPECT_EQ(fe->Nummer, 1);
    EXPECT_EQ(fe->z_bew, 0.5); // the facade's defaults for new windows
    EXPECT_EQ(fe->Orientierung, 1);
    EXPECT_EQ(p.Typnummern.GetItemsInContainer(), 3u);
    EXPECT_EQ(p.Typnummern[2], (TTypNummer{10, 0}));
}

TEST(ProjektVariante, DeletingAFacadeRenumbersTheOthersAndTheirPlacements) {
    TProjekt p;
    for (uint16_t i = 0; i < 4; ++i) fassade(p, i);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    TPBauteil* auf[4];
    for (uint16_t i = 0; i < 4; ++i) auf[i] = p.PBauteilNeu(&w, &p.Fassaden[i], 0);
    const int16_t weg = int16_t(auf[1]->Nummer);
    const int16_t zwei = int16_t(auf[2]->Nummer), drei = int16_t(auf[3]->Nummer);
    p.FassadeLoeschen(&p.Fassaden[1]);
    ASSERT_EQ(p.Fassaden.GetItemsInContainer(), 3u);
    EXPECT_EQ(p.Fassaden[1].Name, "F2");
    EXPECT_EQ(p.Fassaden[1].Nummer, 1);
    EXPECT_EQ(p.Fassaden[2].Nummer, 2);
    EXPECT_EQ(p.PBauteilNr(zwei)->FassadenNummer, 1);
    EXPECT_EQ(p.PBauteilNr(drei)->FassadenNummer, 2);
    EXPECT_EQ(p.PBauteilNr(weg), nullptr);
    EXPECT_EQ(w.GetIndexPBauteil(weg), -1);
    EXPECT_EQ(w.PBauteilListe.GetItemsInContainer(), 3u);
}

TEST(ProjektVariante, DeletingAPlacementTakesItsInsertedItemsAlong) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    TPBauteil* wand = p.PBauteilNeu(&w, &f, 0);
    wand->Bruttoflaeche = wand->Nettoflaeche = 10;
    TPFenster* fe = p.PFensterNeu(&t, &f, 0);
    fe->Bruttoflaeche = fe->Nettoflaeche = 2;
    fe->Traeger = TTypNummer{0, int16_t(wand->Nummer)};
    wand->Einbauten.Add(TTypNummer{10, int16_t(fe->Nummer)});
    const int16_t fenster = int16_t(fe->Nummer);

    // Deleting the window alone gives its area back to the wall.
    TPFenster* zweites = p.PFensterNeu(&t, &f, 0);
    zweites->Bruttoflaeche = zweites->Nettoflaeche = 3;
    zweites->Traeger = TTypNummer{0, int16_t(wand->Nummer)};
    wand->Einbauten.Add(TTypNummer{10, int16_t(zweites->Nummer)});
    ASSERT_EQ(p.PFensterLoeschen(int16_t(zweites->Nummer), 1), 1);
    EXPECT_EQ(wand->Nettoflaeche, 8); // 10 − 2
    EXPECT_EQ(wand->Einbauten.GetItemsInContainer(), 1u);

    ASSERT_EQ(p.PBauteilLoeschen(int16_t(wand->Nummer), 1), 1);
    EXPECT_TRUE(p.PBauteile.IsEmpty());
    EXPECT_EQ(p.PFensterNr(fenster), nullptr);
    EXPECT_TRUE(t.PFensterListe.IsEmpty());
    EXPECT_TRUE(f.Elemente.IsEmpty());
    EXPECT_EQ(p.PBauteilLoeschen(77, 1), 0);

    // A placement that no facade holds is not deleted.
    TPBauteil* los = p.PBauteilNeu(&w, &f, 0);
    TypNummerEntfernen(f.Elemente, TTypNummer{0, int16_t(los->Nummer)});
    EXPECT_EQ(p.PBauteilLoeschen(int16_t(los->Nummer), 0), 0);
    EXPECT_NE(p.PBauteilNr(los->Nummer), nullptr);
}

TEST(ProjektVariante, DeletingATypeDeletesItsPlacements) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    p.PBauteilNeu(&w, &f, 0);
    p.PBauteilNeu(&w, &f, 0);
    ASSERT_EQ(p.RBauteilLoeschen(w.Nummer), 1);
    EXPECT_TRUE(p.RBauteile.IsEmpty());
    EXPECT_TRUE(p.PBauteile.IsEmpty());
    EXPECT_TRUE(p.Typnummern.IsEmpty());
    EXPECT_TRUE(f.Elemente.IsEmpty());
    EXPECT_EQ(p.RBauteilLoeschen(5), 0);

    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    p.PFensterNeu(&t, &f, 0);
    ASSERT_EQ(p.RFensterLoeschen(t.Nummer), 1);
    EXPECT_TRUE(p.PFenster.IsEmpty());
    EXPECT_TRUE(p.RFenster.IsEmpty());
}

TEST(ProjektVariante, MoistureProofOfAllTypes) {
    TProjekt p;
    EXPECT_EQ(p.FeuchteBerechnen(), 1);
    p.BauteilNeu(std::make_unique<TRBauteil>()).FeuchteErfuellt = 1;
    EXPECT_EQ(p.FeuchteBerechnen(), 1);
    p.BauteilNeu(std::make_unique<TRBauteil>()).FeuchteErfuellt = 0;
    EXPECT_EQ(p.FeuchteBerechnen(), 0);
}

TEST(ProjektVariante, FacadeReferencesAreReplacedEverywhere) {
    TProjekt p;
    TFassade& a = fassade(p, 0);
    TFassade& b = fassade(p, 1);
    a.Elemente.Add(TTypNummer{0, 3});
    b.Elemente.Add(TTypNummer{0, 3});
    p.FassadenAktualisieren(TTypNummer{0, 3}, TTypNummer{5, 3});
    EXPECT_EQ(a.Elemente[0], (TTypNummer{5, 3}));
    EXPECT_EQ(b.Elemente[0], (TTypNummer{5, 3}));
    EXPECT_EQ(p.BauteilAusFassadeLoeschen(TTypNummer{5, 3}), &a);
    EXPECT_EQ(p.BauteilAusFassadeLoeschen(TTypNummer{5, 3}), &b);
    EXPECT_EQ(p.BauteilAusFassadeLoeschen(TTypNummer{5, 3}), nullptr);
}

} // namespace

namespace {

TEST(ProjektVariante, MovingAFacadeShiftsTheOnesBetween) {
    TProjekt p;
    for (uint16_t i = 0; i < 4; ++i) fassade(p, i);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    TPBauteil* auf3 = p.PBauteilNeu(&w, &p.Fassaden[3], 0);
    TPBauteil* auf1 = p.PBauteilNeu(&w, &p.Fassaden[1], 0);
    p.FassadeVerschieben(&p.Fassaden[3], 1); // F3 to 1: F1, F2 move to 2, 3
    const char* folge[] = {"F0", "F3", "F1", "F2"};
    for (uint16_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p.Fassaden[i].Name, folge[i]);
        EXPECT_EQ(p.Fassaden[i].Nummer, i);
    }
    EXPECT_EQ(auf3->FassadenNummer, 1);
    EXPECT_EQ(auf1->FassadenNummer, 2);
    p.FassadeVerschieben(&p.Fassaden[1], 3); // back to the end
    EXPECT_EQ(p.Fassaden[3].Name, "F3");
    EXPECT_EQ(auf3->FassadenNummer, 3);
    EXPECT_EQ(auf1->FassadenNummer, 1);
    p.FassadeVerschieben(&p.Fassaden[0], 4); // out of range: nothing
    EXPECT_EQ(p.Fassaden[0].Name, "F0");
}

TEST(ProjektVariante, CopyingAFacadeCopiesItsPlacementsWithTheirInsertedItems) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    w.Name = "Wand";
    w.k_m = 0.5;
    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    TPBauteil* wand = p.PBauteilNeu(&w, &f, 0);
    wand->Bruttoflaeche = 10;
    TPFenster* fe = p.PFensterKopieren(nullptr, wand, nullptr); // nothing to copy
    EXPECT_EQ(fe, nullptr);
    TPFenster* muster = p.PFensterNeu(&t, &f, 0);
    muster->Bruttoflaeche = muster->Nettoflaeche = 2;
    TPFenster* drin = p.PFensterKopieren(muster, wand, nullptr);
    ASSERT_NE(drin, nullptr);
    EXPECT_EQ(drin->Traeger, (TTypNummer{0, int16_t(wand->Nummer)}));
    EXPECT_EQ(wand->Nettoflaeche, 8); // 10 − 2
    p.PFensterLoeschen(int16_t(muster->Nummer), 0);

    TFassade* kopie = p.FassadeKopieren(&f);
    ASSERT_NE(kopie, nullptr);
    EXPECT_EQ(kopie->Nummer, 1);
    EXPECT_EQ(kopie->Elemente.GetItemsInContainer(), 2u); // the wall and its window
    EXPECT_EQ(p.PBauteile.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.PFenster.GetItemsInContainer(), 2u);
    const TPBauteil* wand2 = p.PBauteilNr(kopie->Elemente[0].Nummer);
    ASSERT_NE(wand2, nullptr);
    EXPECT_EQ(wand2->FassadenNummer, 1);
    ASSERT_EQ(wand2->Einbauten.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.PFensterNr(wand2->Einbauten[0].Nummer)->Traeger.Nummer, int16_t(wand2->Nummer));
    EXPECT_EQ(wand2->Nettoflaeche, 8);
    EXPECT_EQ(kopie->A_gesamt, 10); // wall 8 + window 2
}

TEST(ProjektVariante, TakingOverATypeWithAnotherKindMovesItsReferences) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRBauteil& a = p.BauteilNeu(std::make_unique<TRBauteil>());
    TRBauteil& b = p.BauteilNeu(std::make_unique<TRBauteil>());
    b.Bauteilart = 1;
    TPBauteil* pa = p.PBauteilNeu(&a, &f, 0);
    TPBauteil* pb = p.PBauteilNeu(&b, &f, 0);
    EXPECT_EQ(&p.PBauteile[0], pa); // kind 0 before kind 1

    TRBauteil daten = a;
    daten.Bauteilart = 3;
    daten.Name = "Dach";
    ASSERT_EQ(p.BauteilUebernehmen(daten), 1);
    const TRBauteil* neu = p.RBauteilNr(daten.Nummer);
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->Name, "Dach");
    EXPECT_EQ(neu->PBauteilListe[0], (TTypNummer{3, int16_t(pa->Nummer)}));
    EXPECT_GE(f.GetIndex(TTypNummer{3, int16_t(pa->Nummer)}), 0);
    EXPECT_EQ(f.GetIndex(TTypNummer{0, int16_t(pa->Nummer)}), -1);
    EXPECT_EQ(&p.PBauteile[0], pb); // kind 1 now comes first
    EXPECT_EQ(pa->RBauteil, neu);
    EXPECT_GE(TypNummerIndex(p.Typnummern, TTypNummer{3, int16_t(neu->Nummer)}), 0);
    EXPECT_EQ(TypNummerIndex(p.Typnummern, TTypNummer{0, int16_t(neu->Nummer)}), -1);
    TRBauteil fremd;
    fremd.Nummer = 99;
    EXPECT_EQ(p.BauteilUebernehmen(fremd), 0);
}

} // namespace

namespace {

TEST(ProjektVariante, ATypeStaysWhileAPlacementItsListMissesStillUsesIt) {
    TProjekt p;
    TFassade& f = fassade(p, 0);
    TRFenster& t = p.FensterNeu(std::make_unique<TRFenster>());
    TPFenster* fe = p.PFensterNeu(&t, &f, 0);
    t.PFensterListe.Flush(); // as a damaged file may have it
    EXPECT_EQ(p.RFensterLoeschen(t.Nummer), 0);
    EXPECT_EQ(fe->RFenster, &t);
    TRBauteil& w = p.BauteilNeu(std::make_unique<TRBauteil>());
    TPBauteil* pb = p.PBauteilNeu(&w, &f, 0);
    w.PBauteilListe.Flush();
    EXPECT_EQ(p.RBauteilLoeschen(w.Nummer), 0);
    EXPECT_EQ(pb->RBauteil, &w);
}

} // namespace
