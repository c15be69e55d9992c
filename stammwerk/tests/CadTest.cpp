// The CAD transfer file: the fixed columns of a line, new and known
// elements, partial areas, and the lines that are skipped with a message
// rather than taken with a wrong area.
#include "stammwerk/modell/TCADBauteilDaten.h"
#include "stammwerk/modell/TProjekt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// One line in the file's columns (Windows-1252 bytes).
struct Zeile {
    std::string nummer = "4711";
    std::string name = "Au\xDF"
                       "enwand S\xFC"
                       "d";
    std::string art = "W";
    std::string richtung = "S\xFC"
                           "d";
    std::string anzahl = "1";
    std::string formel = "3.5*2.5";
    std::string kennung = "BAUTEIL";

    std::string text() const {
        std::string z(78, ' ');
        auto setze = [&](size_t spalte, const std::string& s) { z.replace(spalte, s.size(), s); };
        setze(0, kennung);
        setze(13, nummer);
        setze(24, name);
        setze(54, art);
        setze(58, "12.50");
        setze(64, richtung);
        setze(69, "XY");
        setze(75, anzahl);
        return z + formel;
    }
};

std::string datei(std::initializer_list<Zeile> zeilen) {
    std::string d;
    for (const Zeile& z : zeilen) d += z.text() + "\r\n";
    return d;
}

TEST(CadZeile, FieldsComeFromTheirColumns) {
    Zeile z;
    z.name = "Wand EG Nord";
    z.nummer = "  815";
    z.anzahl = "2";
    TCADBauteilDaten d;
    ASSERT_EQ(CADZeileParsen(z.text(), d), CADZeileGelesen);
    EXPECT_EQ(d.Kennung, "BAUTEIL");
    EXPECT_EQ(d.CADNummer, 815);
    EXPECT_EQ(d.Name, "Wand EG Nord");
    EXPECT_EQ(d.Art, 0);
    EXPECT_EQ(d.WertA, "12.50");
    EXPECT_EQ(d.Himmelsrichtung, 1);
    EXPECT_EQ(d.WertB, "XY");
    EXPECT_EQ(d.Anzahl, 2);
    EXPECT_EQ(d.Formel, "3.5*2.5");
}

TEST(CadZeile, KindAndDirectionTokensIgnoreCase) {
    struct Fall {
        const char* art;
        int erwartet;
    };
    for (const Fall& f : {Fall{"W", 0}, Fall{"w", 0}, Fall{"F", 10}, Fall{"d", 3}, Fall{"G", 4},
                          Fall{"DL", 5}, Fall{"dL", 5}, Fall{"AB", 6}}) {
        Zeile z;
        z.art = f.art;
        TCADBauteilDaten d;
        ASSERT_EQ(CADZeileParsen(z.text(), d), CADZeileGelesen) << f.art;
        EXPECT_EQ(d.Art, f.erwartet) << f.art;
    }
    struct Richtung {
        const char* token;
        int erwartet;
    };
    for (const Richtung& r :
         {Richtung{"Nord", 0}, Richtung{"NORD", 0},
          Richtung{"S\xFC"
                   "d",
                   1},
          Richtung{"S\xDC"
                   "D",
                   1},
          Richtung{"west", 2}, Richtung{"Ost", 3}, Richtung{"NO", -1}, Richtung{"Sued", -1}}) {
        Zeile z;
        z.richtung = r.token;
        TCADBauteilDaten d;
        ASSERT_EQ(CADZeileParsen(z.text(), d), CADZeileGelesen);
        EXPECT_EQ(d.Himmelsrichtung, r.erwartet) << r.token;
    }
}

TEST(CadZeile, BadIdentifiersAndUnknownKinds) {
    for (const char* nummer : {"0", "   ", "abc", "99999999999"}) {
        Zeile z;
        z.nummer = nummer;
        TCADBauteilDaten d;
        EXPECT_EQ(CADZeileParsen(z.text(), d), CADKennungNull) << nummer;
    }
    TCADBauteilDaten d;
    EXPECT_EQ(CADZeileParsen("", d), CADKennungNull);
    Zeile z;
    z.art = "X";
    EXPECT_EQ(CADZeileParsen(z.text(), d), CADArtUnbekannt);
}

TEST(CadFlaeche, RejectedExpressionsGiveAReasonNotAnArea) {
    struct Fall {
        const char* formel;
        const char* grund; // part of the message
    };
    const Fall faelle[] = {
        {"2,5*3", "Komma"},         {"3*(2+", "fehlerhaft"},         {"", "keine Flächenformel"},
        {"sqrt(-4)", "fehlerhaft"}, {"2-5", "keine gültige Fläche"}, {"1/0", "Division durch 0"},
    };
    for (const Fall& f : faelle) {
        double wert = -99;
        std::string fehler;
        EXPECT_FALSE(CADFlaecheAuswerten(f.formel, 0, wert, fehler)) << f.formel;
        EXPECT_NE(fehler.find(f.grund), std::string::npos) << f.formel << ": " << fehler;
        EXPECT_EQ(wert, -99);
    }
    double wert = 0;
    std::string fehler;
    ASSERT_TRUE(CADFlaecheAuswerten("1.01*2.26 + 2*0.5", 0, wert, fehler)) << fehler;
    EXPECT_NEAR(wert, 3.2826, 1e-12);
}

TEST(CadTransfer, AnEmptyFileAddsOnlyTheFacade) {
    TProjekt pj;
    EXPECT_EQ(pj.CADTransferDateiLesen(""), 0);
    ASSERT_EQ(pj.Fassaden.GetItemsInContainer(), 1u);
    EXPECT_EQ(pj.Fassaden[0].Name, "Neue CAD-Bauteile");
    EXPECT_EQ(pj.Fassaden[0].Nummer, 0);
    EXPECT_TRUE(pj.RBauteile.IsEmpty());
}

TEST(CadTransfer, ANewComponentGetsATypeAndAPlacementOnTheNewFacade) {
    TProjekt pj;
    pj.Fassaden.Add(std::make_unique<TFassade>()).Nummer = 0;
    Zeile dach;
    dach.nummer = "12";
    dach.name = "Dach";
    dach.art = "D";
    dach.formel = "2*(8.5*5.2)";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({dach})), 0);

    ASSERT_EQ(pj.RBauteile.GetItemsInContainer(), 1u);
    ASSERT_EQ(pj.PBauteile.GetItemsInContainer(), 1u);
    const TRBauteil& t = pj.RBauteile[0];
    const TPBauteil& p = pj.PBauteile[0];
    EXPECT_EQ(t.Nummer, 0);
    EXPECT_EQ(p.Nummer, 1);
    EXPECT_EQ(t.Name, "Dach");
    EXPECT_EQ(p.Name, "Dach");
    EXPECT_EQ(t.Bauteilart, 3);
    EXPECT_EQ(t.Angrenzung, 2);
    EXPECT_DOUBLE_EQ(t.Rsi, 0.13);
    EXPECT_DOUBLE_EQ(t.Rse, 0.04);
    EXPECT_EQ(t.Flaechenanteile.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.CADNummer, 12);
    EXPECT_EQ(p.RBauteil, &t);
    EXPECT_DOUBLE_EQ(p.Bruttoflaeche, 88.4); // 2 × 8.5 × 5.2
    EXPECT_DOUBLE_EQ(p.Nettoflaeche, 88.4);
    ASSERT_EQ(p.Flaechenliste.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.Flaechenliste[0].Name, "CAD-Fläche");
    EXPECT_EQ(p.Flaechenliste[0].Formelmodus, 1);
    EXPECT_EQ(p.Flaechenliste[0].Formelliste[0].Text, "2*(8.5*5.2)");

    ASSERT_EQ(pj.Fassaden.GetItemsInContainer(), 2u);
    const TFassade& f = pj.Fassaden[1];
    EXPECT_EQ(f.Name, "Neue CAD-Bauteile");
    EXPECT_EQ(p.FassadenNummer, 1);
    EXPECT_EQ(f.GetIndex(TTypNummer{3, 1}), 0);
    EXPECT_EQ(t.GetIndexPBauteil(1), 0);
    EXPECT_EQ(TypNummerIndex(pj.Typnummern, TTypNummer{3, 0}), 0);
    EXPECT_EQ(pj.CADBauteilVorhanden(12, 3), 1);
    EXPECT_EQ(pj.CADBauteilVorhanden(12, 10), -1);
}

TEST(CadTransfer, AWindowAndAComponentWithOneIdentifierAreTwoElements) {
    TProjekt pj;
    Zeile wand;
    Zeile fenster;
    fenster.art = "F";
    fenster.name = "Fenster S\xFC"
                   "d";
    fenster.formel = "1.26*1.385";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({wand, fenster})), 0);
    ASSERT_EQ(pj.PBauteile.GetItemsInContainer(), 1u);
    ASSERT_EQ(pj.PFenster.GetItemsInContainer(), 1u);
    const TPFenster& p = pj.PFenster[0];
    EXPECT_EQ(pj.RFenster[0].Nummer, 0);
    EXPECT_EQ(p.Nummer, 1);
    EXPECT_EQ(p.Orientierung, 1);
    EXPECT_EQ(pj.RFenster[0].Name, "Fenster Süd");
    EXPECT_DOUBLE_EQ(p.Bruttoflaeche, 1.26 * 1.385);
    // Type defaults k_F 1.7, g 0.8, frame 40 %: Q_T = 1.7 × 84 × A (kWh/a).
    EXPECT_NEAR(p.Q_T, 1.7 * 84 * 1.7451, 1e-9);
    EXPECT_EQ(pj.Fassaden[0].Elemente.GetItemsInContainer(), 2u);
}

TEST(CadTransfer, ASecondLineOfAKnownWindowSetsItsAreaRatherThanAddingIt) {
    TProjekt pj;
    Zeile fenster;
    fenster.art = "F";
    fenster.formel = "2.0";
    Zeile geaendert = fenster;
    geaendert.formel = "1.5";
    geaendert.name = "Fenster neu";
    geaendert.richtung = "Nord";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({fenster, geaendert})), 0);
    ASSERT_EQ(pj.PFenster.GetItemsInContainer(), 1u);
    const TPFenster& p = pj.PFenster[0];
    EXPECT_DOUBLE_EQ(p.Bruttoflaeche, 1.5);
    EXPECT_DOUBLE_EQ(p.Nettoflaeche, 1.5);
    EXPECT_EQ(p.Flaechenliste.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.Name, "Fenster neu");
    EXPECT_EQ(p.Orientierung, 0);

    // Importing the same file again changes no area.
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({fenster, geaendert})), 0);
    EXPECT_DOUBLE_EQ(pj.PFenster[0].Bruttoflaeche, 1.5);
    EXPECT_EQ(pj.PFenster.GetItemsInContainer(), 1u);
}

TEST(CadTransfer, PartialAreasMakeCrossSectionsWithShares) {
    TProjekt pj;
    Zeile teil1;
    teil1.formel = "4";
    Zeile teil2 = teil1;
    teil2.anzahl = "2";
    teil2.formel = "5";
    Zeile teil3 = teil1;
    teil3.anzahl = "3";
    teil3.formel = "6";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({teil1, teil2, teil3})), 0);
    ASSERT_EQ(pj.PBauteile.GetItemsInContainer(), 1u);
    const TRBauteil& t = pj.RBauteile[0];
    ASSERT_EQ(t.Flaechenanteile.GetItemsInContainer(), 3u);
    // The newest entry is first in the area list: 6/15, 5/15, 4/15.
    EXPECT_NEAR(t.Flaechenanteile[0].Flaechenanteil, 40.0, 1e-9);
    EXPECT_NEAR(t.Flaechenanteile[1].Flaechenanteil, 100.0 / 3, 1e-9);
    EXPECT_NEAR(t.Flaechenanteile[2].Flaechenanteil, 80.0 / 3, 1e-9);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.Flaechenanteile[size_t(i)].Nummer, i);
    EXPECT_DOUBLE_EQ(pj.PBauteile[0].Bruttoflaeche, 15);

    // Partial area 1 again replaces every entry.
    Zeile neu = teil1;
    neu.formel = "10";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({neu})), 0);
    EXPECT_EQ(pj.PBauteile[0].Flaechenliste.GetItemsInContainer(), 1u);
    EXPECT_DOUBLE_EQ(pj.PBauteile[0].Bruttoflaeche, 10);
    EXPECT_NEAR(t.Flaechenanteile[0].Flaechenanteil, 100.0, 1e-9);
    EXPECT_NEAR(t.Flaechenanteile[1].Flaechenanteil, 0.0, 1e-9);
}

TEST(CadTransfer, LinesWithABadAreaOrAnUnknownKindAreSkippedWithAMessage) {
    TProjekt pj;
    Zeile gut;
    Zeile komma;
    komma.nummer = "2";
    komma.formel = "2,5*3";
    Zeile art;
    art.nummer = "3";
    art.art = "Q";
    Zeile kaputt;
    kaputt.nummer = "4";
    kaputt.formel = "3*(2";
    Zeile auchGut;
    auchGut.nummer = "5";
    std::vector<TCADMeldung> meldungen;
    EXPECT_EQ(pj.CADTransferDateiLesen(datei({gut, komma, art, kaputt, auchGut}), &meldungen), 2);
    EXPECT_EQ(pj.PBauteile.GetItemsInContainer(), 2u);
    EXPECT_EQ(pj.CADBauteilVorhanden(4711, 0), 1);
    EXPECT_EQ(pj.CADBauteilVorhanden(5, 0), 3);
    ASSERT_EQ(meldungen.size(), 3u);
    EXPECT_EQ(meldungen[0].Zeile, 2);
    EXPECT_NE(meldungen[0].Text.find("Komma"), std::string::npos);
    EXPECT_EQ(meldungen[1].Zeile, 3);
    EXPECT_NE(meldungen[1].Text.find("Unbekannte Bauteilart"), std::string::npos);
    EXPECT_EQ(meldungen[2].Zeile, 4);
}

TEST(CadTransfer, ABadAreaLeavesAKnownElementAsItWas) {
    TProjekt pj;
    Zeile gut;
    Zeile komma = gut;
    komma.formel = "3,5*2,5";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({gut})), 0);
    EXPECT_EQ(pj.CADTransferDateiLesen(datei({komma})), 2);
    EXPECT_DOUBLE_EQ(pj.PBauteile[0].Bruttoflaeche, 8.75);
}

TEST(CadTransfer, IdentifierZeroStopsReadingAndKeepsWhatWasRead) {
    TProjekt pj;
    Zeile eins;
    Zeile null;
    null.nummer = "0";
    Zeile drei;
    drei.nummer = "3";
    std::vector<TCADMeldung> meldungen;
    EXPECT_EQ(pj.CADTransferDateiLesen(datei({eins, null, drei}), &meldungen), 1);
    EXPECT_EQ(pj.PBauteile.GetItemsInContainer(), 1u);
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].Zeile, 2);
}

TEST(CadTransfer, AKnownElementThatChangesItsKindMovesEveryReference) {
    TProjekt pj;
    Zeile wand;
    Zeile dach = wand;
    dach.art = "D";
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({wand})), 0);
    ASSERT_EQ(pj.CADTransferDateiLesen(datei({dach})), 0);
    ASSERT_EQ(pj.RBauteile.GetItemsInContainer(), 1u);
    const TRBauteil& t = pj.RBauteile[0];
    EXPECT_EQ(t.Bauteilart, 3);
    EXPECT_EQ(t.Angrenzung, 2);
    EXPECT_EQ(t.PBauteilListe[0], (TTypNummer{3, 1}));
    EXPECT_EQ(pj.Fassaden[0].GetIndex(TTypNummer{3, 1}), 0);
    EXPECT_EQ(pj.Fassaden[0].GetIndex(TTypNummer{0, 1}), -1);
    EXPECT_EQ(TypNummerIndex(pj.Typnummern, TTypNummer{3, 0}), 0);
    EXPECT_EQ(pj.Typnummern.GetItemsInContainer(), 1u);
}

} // namespace
