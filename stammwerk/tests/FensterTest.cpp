#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"

#include <gtest/gtest.h>

namespace {

using modelltest::I32Bytes;
using modelltest::KopfBytes;

struct Fenster {
    TRFenster typ;
    TPFenster platz;
    Fenster() {
        typ.k_F = 1.6;
        typ.g = 0.6;
        typ.Rahmenanteil = 30;
        platz.RFenster = &typ;
        platz.Nettoflaeche = 2;
        platz.Orientierung = Sued;
    }
    // New building, normal interior temperatures, no west rule, no extra check.
    void rechnen(int baumassnahme = 0, int normal = 1, int west = 0, int zusatz = 0) {
        platz.Berechnen(baumassnahme, normal, west, zusatz, 2.0);
    }
};

TEST(Fenster, SolarGainsAndEquivalentUValue) {
    struct Fall {
        const char* name;
        uint16_t orientierung;
        double neigung, verschattung, rahmen;
        uint16_t glasvorbau;
        double keq, qs, qt;
    };
    // k_eq = k_F − g·S, Q_S = I · 0.46 · g · A, Q_T = k_F · 84 · A, with
    // k_F 1.6, g 0.6, A 2 m²; S and I of WSchVO 1995 Anlage 1.
    const Fall faelle[] = {
        {"south", Sued, 90, 0, 30, 0xFFFF, 1.6 - 0.6 * 2.4, 400 * 0.46 * 0.6 * 2, 268.8},
        {"south, 10 degrees", Sued, 10, 0, 30, 0xFFFF, 1.6 - 0.6 * 1.65, 275 * 0.46 * 0.6 * 2,
         268.8},
        {"south, shaded 0.6", Sued, 90, 0.6, 30, 0xFFFF, 1.6 - 0.6 * 0.95, 160 * 0.46 * 0.6 * 2,
         268.8},
        {"shaded 0.5 is not shaded", Sued, 90, 0.5, 30, 0xFFFF, 0.16, 220.8, 268.8},
        {"north", Nord, 90, 0, 30, 0xFFFF, 1.6 - 0.57, 88.32, 268.8},
        {"east", Ost, 90, 0, 30, 0xFFFF, 1.6 - 0.99, 151.8, 268.8},
        {"frame 40 % still credited", Sued, 90, 0, 40, 0xFFFF, 0.16, 220.8, 268.8},
        {"frame 40.01 % not credited", Sued, 90, 0, 40.01, 0xFFFF, 1.6, 0, 268.8},
        {"annex, heat-protection glazing", Sued, 90, 0, 30, 2, 0.08, 110.4, 134.4},
        {"annex, single glazing", Sued, 90, 0, 30, 0, 0.16 * 0.7, 220.8 * 0.7, 268.8 * 0.7},
        {"annex, double glazing", Sued, 90, 0, 30, 1, 0.16 * 0.6, 220.8 * 0.6, 268.8 * 0.6},
    };
    for (const auto& f : faelle) {
        Fenster w;
        w.platz.Orientierung = f.orientierung;
        w.platz.Neigung = f.neigung;
        w.platz.Verschattung = f.verschattung;
        w.typ.Rahmenanteil = f.rahmen;
        w.platz.Glasvorbau = f.glasvorbau;
        w.rechnen();
        EXPECT_NEAR(w.platz.k_eq_F, f.keq, 1e-12) << f.name;
        EXPECT_NEAR(w.platz.Q_S_angerechnet, f.qs, 1e-9) << f.name;
        EXPECT_NEAR(w.platz.Q_S_voll, f.qs, 1e-9) << f.name;
        EXPECT_NEAR(w.platz.Q_T, f.qt, 1e-9) << f.name;
        EXPECT_EQ(w.platz.Flaeche_angerechnet, 2.0) << f.name;
    }
}

TEST(Fenster, WestRuleComputesAsWestButKeepsTheOrientation) {
    Fenster w;
    w.platz.Orientierung = Nord;
    w.rechnen(0, 1, 1);
    EXPECT_NEAR(w.platz.k_eq_F, 1.6 - 0.6 * 1.65, 1e-12);
    EXPECT_EQ(w.platz.Orientierung, Nord);
    EXPECT_EQ(w.platz.EffektiveOrientierung(1), West);
    EXPECT_EQ(w.platz.EffektiveOrientierung(0), Nord);

    // An orientation outside 0..4 computes as west and stays as stored.
    w.platz.Orientierung = 7;
    w.rechnen();
    EXPECT_NEAR(w.platz.Q_S_angerechnet, 275 * 0.46 * 0.6 * 2, 1e-9);
    EXPECT_EQ(w.platz.Orientierung, 7);
}

TEST(Fenster, SingleGlazingWithLowInteriorTemperaturesCountsWith5Point2) {
    Fenster w;
    w.typ.k_F = 4.8;
    w.typ.Einfachverglasung = 1;
    w.rechnen(0, 0, 0, 1);
    EXPECT_EQ(w.typ.k_F, 4.8); // the user's value stays
    EXPECT_EQ(w.platz.Effektiver_k_F(0, 0), 5.2);
    EXPECT_NEAR(w.platz.Q_T, 5.2 * 30 * 2, 1e-9);
    EXPECT_EQ(w.platz.EinfachverglasungErfuellt, 0);
    w.rechnen(0, 0, 0, 0);
    EXPECT_EQ(w.platz.EinfachverglasungErfuellt, 1);
    // Installation of external components: the rule does not apply.
    EXPECT_EQ(w.platz.Effektiver_k_F(2, 0), 4.8);
    // Normal interior temperatures: single glazing fails unless admitted.
    w.rechnen(0, 1);
    EXPECT_EQ(w.platz.EinfachverglasungErfuellt, 0);
    EXPECT_NEAR(w.platz.Q_T, 4.8 * 84 * 2, 1e-9);
    w.typ.EinfachverglasungAusnahme = 1;
    w.rechnen(0, 1);
    EXPECT_EQ(w.platz.EinfachverglasungErfuellt, 1);
}

TEST(Fenster, RadiatorAndJointChecks) {
    struct Fall {
        double kF;
        uint16_t heizkoerper;
        int baumassnahme;
        uint16_t status;
    };
    const Fall faelle[] = {{1.5, 1, 0, 2}, {1.5, 2, 0, 0}, {1.6, 2, 1, 1},
                           {1.6, 1, 0, 3}, {1.6, 0, 0, 0}, {1.6, 1, 2, 0}};
    for (const auto& f : faelle) {
        Fenster w;
        w.typ.k_F = f.kF;
        w.platz.Heizkoerper = f.heizkoerper;
        w.rechnen(f.baumassnahme);
        EXPECT_EQ(w.platz.HeizkoerperStatus, f.status) << f.kF << " " << f.heizkoerper;
    }
    Fenster w;
    w.typ.a = 2.5;
    w.rechnen();
    EXPECT_EQ(w.platz.FugendurchlassErfuellt, 0);
    w.typ.a = 2.0;
    w.rechnen();
    EXPECT_EQ(w.platz.FugendurchlassErfuellt, 1);
}

TEST(Fenster, ImagesRoundTrip) {
    Fenster w;
    w.typ.Name = "Holzfenster IV 68";
    w.typ.Nummer = 3;
    w.typ.Textzeilen[4] = "Uw 1,6";
    w.typ.PFensterListe.Add(TTypNummer{10, 4});
    ByteWriter t;
    w.typ.Speichern(t);
    ASSERT_EQ(t.Size(), 4u + 381 + 4);
    const ByteImage bt(t.Bytes().data(), t.Size());
    EXPECT_EQ(bt.Text(4 + 12, 30), "Holzfenster IV 68");
    EXPECT_EQ(bt.U16(4 + 72), 3);
    EXPECT_EQ(bt.F64(4 + 78), 0.6);
    EXPECT_EQ(bt.F64(4 + 102), 30);
    EXPECT_EQ(bt.Text(4 + 138 + 4 * 45, 45), "Uw 1,6");
    EXPECT_EQ(bt.F64(4 + 373), 1.6);
    EXPECT_EQ(bt.I16(4 + 381 + 2), 4);

    w.platz.Nummer = 4;
    w.platz.RFensterNummer = 3;
    w.platz.Traeger = TTypNummer{0, 2};
    w.rechnen();
    ByteWriter p;
    w.platz.Speichern(p);
    ASSERT_EQ(p.Size(), 4u + 181);
    const ByteImage bp(p.Bytes().data(), p.Size());
    EXPECT_EQ(bp.U32(4), 0u); // the type pointer is not stored
    EXPECT_EQ(bp.U16(4 + 4), 3);
    EXPECT_EQ(bp.U16(4 + 6), 4);
    EXPECT_EQ(bp.I32(4 + 8), -1);
    EXPECT_EQ(bp.U16(4 + 111), Sued);
    EXPECT_EQ(bp.I16(4 + 135), 2);
    EXPECT_NEAR(bp.F64(4 + 141), 0.16, 1e-12);
    EXPECT_EQ(bp.F64(4 + 173), 1.0);

    ByteReader r(p.Bytes());
    TPFenster k;
    ASSERT_EQ(k.Oeffnen(r), 0);
    EXPECT_EQ(k.RFenster, nullptr);
    EXPECT_EQ(k.Traeger, (TTypNummer{0, 2}));
    for (size_t n = 2; n < p.Size(); ++n) {
        ByteReader kurz(std::span(p.Bytes().data(), n));
        EXPECT_EQ(k.Oeffnen(kurz), -1) << n;
    }
    EXPECT_EQ(TRFenster().Speicherbedarf(), 459); // (381 + 2) × 1.2 = 459.6
    EXPECT_EQ(TPFenster().Speicherbedarf(), 219); // (181 + 2) × 1.2 = 219.6
}

TEST(Fenster, LooksATypeUpInAWindowCatalogue) {
    testsupport::TempDir dir;
    auto satz = [](uint16_t position, const char* name) {
        TRFenster t;
        t.Schluessel.Katalog = 1;
        t.Schluessel.Gruppe = 1;
        t.Schluessel.Untergruppe = 0;
        t.Schluessel.Position = position;
        t.Name = name;
        ByteWriter w;
        t.Speichern(w);
        return std::string(w.Bytes().begin(), w.Bytes().end());
    };
    testsupport::WriteText(dir / "fnst_qtx.dat",
                           KopfBytes("4.00", 5) + I32Bytes(1) + satz(0, "A") + satz(1, "B"));
    testsupport::WriteText(dir / "fremd.dat", KopfBytes("6.00", 4) + I32Bytes(0));
    TFensterSchluessel s;
    s.Katalog = 1;
    s.Gruppe = 1;
    s.Untergruppe = 0;
    s.Position = 1;
    TRFenster t;
    EXPECT_EQ(t.Oeffnen(s, dir / "fnst_qtx.dat"), 1); // version 4.00 is read
    EXPECT_EQ(t.Name, "B");
    s.Position = 5;
    EXPECT_EQ(t.Oeffnen(s, dir / "fnst_qtx.dat"), 0);
    EXPECT_EQ(t.Oeffnen(s, dir / "fehlt.dat"), 0);
    EXPECT_EQ(t.Oeffnen(s, dir / "fremd.dat"), -1); // DIN window file, maker's key
    s.Katalog = 3;
    EXPECT_EQ(t.Oeffnen(s, dir / "fnst_qtx.dat"), 0);
}

} // namespace
