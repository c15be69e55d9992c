// The data-sheet side files: their bytes, the old versions, and what a
// damaged file or a failed write must never cost the user.
#include "korvalin/datenblatt/DatenblattDatei.h"

#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "testsupport/PageDump.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

using namespace datenblattdatei;
using Bytes_ = std::vector<uint8_t>;

// One line per 16 bytes, for golden files a reviewer can read.
std::string HexDump(const Bytes_& b) {
    std::string out;
    char zeile[100];
    for (size_t i = 0; i < b.size(); i += 16) {
        int n = std::snprintf(zeile, sizeof zeile, "%06zx:", i);
        for (size_t j = i; j < std::min(b.size(), i + 16); ++j)
            n += std::snprintf(zeile + n, sizeof zeile - size_t(n), " %02x", b[j]);
        out += zeile;
        out += '\n';
    }
    return out;
}

void PutU32(Bytes_& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

void Append(Bytes_& b, std::initializer_list<uint32_t> dwords) {
    for (uint32_t v : dwords)
        for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

// An edit field as it lies on disk: two numbers, the length, the text bytes.
void AppendEditfeld(Bytes_& b, int32_t z1, int32_t z2, std::string_view cp1252) {
    Append(b, {uint32_t(z1), uint32_t(z2)});
    b.push_back(uint8_t(cp1252.size()));
    b.push_back(uint8_t(cp1252.size() >> 8));
    b.insert(b.end(), cp1252.begin(), cp1252.end());
}

Bytes_ Header(uint32_t typ, uint32_t version, int32_t anzahl = 0) {
    const Kopf k = KopfBauen(typ);
    Bytes_ b(k.begin(), k.end());
    PutU32(b, 94, version);
    PutU32(b, 98, uint32_t(anzahl));
    return b;
}

TEST(DatenblattDatei, HeaderLayout) {
    const Kopf k = KopfBauen(TypFenster);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(k.data())), "QTX Datentechnik Wiesental");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(k.data() + 50)), "Duvuruzizav 95");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(k.data() + 80)), "5.00");
    EXPECT_EQ(k[90], 6);
    EXPECT_EQ(k[94], 3);
    for (size_t i : {27u, 49u, 65u, 79u, 85u, 89u, 102u, 511u}) EXPECT_EQ(k[i], 0) << i;

    // The maker line counts over 26 characters, the stamp over 14.
    Bytes_ b(k.begin(), k.end());
    b[26] = 'x';
    EXPECT_EQ(KopfVersion(b, TypFenster), 3u);
    b[63] = 'x';
    EXPECT_EQ(KopfVersion(b, TypFenster), 0u);
    EXPECT_EQ(KopfVersion(Header(TypFenster, 4), TypFenster), 0u);
    EXPECT_EQ(KopfVersion(Header(TypFenster, 1), TypBauteile), 0u);
}

TEST(DatenblattDatei, WindowFileBytesByHand) {
    TFensterDatenblattDatenArray a;
    auto& s = a.FindenOderAnlegen(TBTFensterKey{7});
    s.Editfelder[0] = {800, 25, "Süd"};
    s.Editfelder[1] = {1, 2, ""};

    Bytes_ erwartet = Header(TypFenster, 3, 1);
    Append(erwartet, {7});
    AppendEditfeld(erwartet, 800, 25,
                   "S\xfc"
                   "d");
    AppendEditfeld(erwartet, 1, 2, "");
    for (int i = 0; i < 64; ++i) erwartet.push_back(uint8_t(i));
    EXPECT_EQ(Bytes(a), erwartet);

    TFensterDatenblattDatenArray gelesen;
    ASSERT_TRUE(Lesen(erwartet, gelesen));
    ASSERT_EQ(gelesen.Saetze.size(), 1u);
    EXPECT_EQ(gelesen.Saetze[0].Key.Fenster, 7);
    EXPECT_EQ(gelesen.Saetze[0].Editfelder[0].Text, "Süd");
    EXPECT_EQ(gelesen.Saetze[0].Editfelder[0].Zahl2, 25);
}

// A component file and a fixed-sheet file with a distinct value in every
// field survive a round trip, and their bytes equal the golden files.
TEBDatenblattDatenArray BauteilDaten() {
    TEBDatenblattDatenArray a;
    for (int i = 0; i < 2; ++i) {
        auto& s = a.FindenOderAnlegen(TBTKey{3 + i, i});
        for (size_t f = 0; f < 4; ++f)
            s.Editfelder[f] = {int32_t(100 * i + f), int32_t(f + 1), "Text " + std::to_string(f)};
        s.Block1.fill(uint8_t(0x10 + i));
        s.Block2.fill(uint8_t(0x20 + i));
        s.Block3 = {1, 2, 900 + i, 60};
    }
    return a;
}

TFixDaten FixDaten() {
    TFixDaten d;
    int wert = 1;
    for (int abschnitt = 1; abschnitt <= 14; ++abschnitt) {
        TBlattDaten& b = *d.Satz(abschnitt);
        for (auto& f : b.Editfelder) f = {wert, wert + 1, "Abschnitt " + std::to_string(abschnitt)};
        for (auto& satz : b.Spaltensaetze) satz.Breite[0] = wert++;
        b.Schalter = abschnitt + 1;
    }
    d.Schalter = 5;
    return d;
}

TEST(DatenblattDatei, RoundTripsAndGoldens) {
    const auto eb = BauteilDaten();
    TEBDatenblattDatenArray eb2;
    ASSERT_TRUE(Lesen(Bytes(eb), eb2));
    EXPECT_EQ(Bytes(eb2), Bytes(eb));
    EXPECT_EQ(eb2.Saetze[1].Key, (TBTKey{4, 1}));
    EXPECT_EQ(eb2.Saetze[1].Block3[2], 901);
    EXPECT_TRUE(testsupport::MatchesGolden(
        HexDump(Bytes(eb)), testsupport::GoldenPath("korvalin/tests/golden/datenblatt/eb.hex")));

    const auto pb = FixDaten();
    TFixDaten pb2;
    ASSERT_TRUE(Lesen(Bytes(pb), pb2));
    EXPECT_EQ(Bytes(pb2), Bytes(pb));
    EXPECT_EQ(pb2.GlaserVergleich.Spaltensaetze[1].Breite[0],
              pb.GlaserVergleich.Spaltensaetze[1].Breite[0]);
    EXPECT_EQ(pb2.Schalter, 5);
    EXPECT_TRUE(testsupport::MatchesGolden(
        HexDump(Bytes(pb)), testsupport::GoldenPath("korvalin/tests/golden/datenblatt/pb.hex")));

    TDateiFixDaten vorlage;
    vorlage.Fensterspalten.Spaltensaetze[0].Breite[3] = 42;
    TDateiFixDaten vorlage2;
    ASSERT_TRUE(Lesen(Bytes(vorlage), vorlage2));
    EXPECT_EQ(vorlage2.Fensterspalten.Spaltensaetze[0].Breite[3], 42);
    // Header, two column records of 2 x 256 + 4 bytes.
    EXPECT_EQ(Bytes(vorlage).size(), 512u + 2 * 516u);
}

TEST(DatenblattDatei, OldVersionsAreReadAndWrittenAsTheCurrentOne) {
    // Version 1 of the fixed sheets held texts only; the volume sheet's last
    // two of four fields are dropped.
    Bytes_ v1 = Header(TypFix, 1);
    for (int i = 0; i < 4; ++i) AppendEditfeld(v1, 1, 2, "Projekt");
    for (int blatt = 0; blatt < 4; ++blatt)
        for (int i = 0; i < 2; ++i) AppendEditfeld(v1, 3, 4, "Blatt");
    for (const char* t : {"V1", "V2", "V3", "V4"}) AppendEditfeld(v1, 5, 6, t);
    TFixDaten d;
    ASSERT_TRUE(Lesen(v1, d));
    EXPECT_EQ(d.Projekt.Editfelder[3].Text, "Projekt");
    EXPECT_EQ(d.Erneuern.Editfelder[1].Text, "Blatt");
    EXPECT_EQ(d.Volumen.Editfelder[1].Text, "V2");
    EXPECT_EQ(d.Fassaden.Spaltensaetze[1].Breite[0],
              TFixDaten().Fassaden.Spaltensaetze[1].Breite[0]);
    const Bytes_ neu = Bytes(d);
    EXPECT_EQ(KopfVersion(neu, TypFix), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(neu.data() + 80)), "5.00");

    // Version 2: the first nine records; the later sheets keep their defaults.
    TFixDaten voll = FixDaten();
    Bytes_ v3 = Bytes(voll);
    TFixDaten nur9;
    Bytes_ v2(v3.begin(), v3.end());
    PutU32(v2, 94, 2);
    ASSERT_TRUE(Lesen(v2, nur9));
    EXPECT_EQ(nur9.Flaechen.Schalter, voll.Flaechen.Schalter);
    EXPECT_EQ(nur9.Energie.Schalter, TFixDaten().Energie.Schalter);
    EXPECT_EQ(nur9.GlaserVergleich.Editfelder[0].Text, "");
    EXPECT_EQ(nur9.Schalter, TFixDaten().Schalter);

    // A window file of version 1 is written back as version 3.
    TFensterDatenblattDatenArray f;
    f.FindenOderAnlegen(TBTFensterKey{2});
    Bytes_ fb1 = Bytes(f);
    PutU32(fb1, 94, 1);
    TFensterDatenblattDatenArray f2;
    ASSERT_TRUE(Lesen(fb1, f2));
    EXPECT_EQ(Bytes(f2), Bytes(f));

    // A template of version 1 carries nothing that is read.
    TDateiFixDaten t;
    EXPECT_TRUE(Lesen(Header(TypFix, 1), t));
}

// Files that cannot be read: the message, the defaults, and the file as it was.
class DatenblattDateiAufPlatte : public ::testing::Test {
protected:
    testsupport::ScriptedServices dienste;
    testsupport::TempDir ordner;

    std::string Pfad(const char* name) const { return (ordner / name).string(); }
    void Schreiben(const std::string& pfad, const Bytes_& b) {
        ASSERT_TRUE(WriteFileAtomically(pfad, b));
    }
    Bytes_ Inhalt(const std::string& pfad) const { return ReadWholeFile(pfad).bytes; }
};

TEST_F(DatenblattDateiAufPlatte, DamagedFilesAreReportedAndLeftUntouched) {
    const Bytes_ gut = Bytes(BauteilDaten());
    Bytes_ negativ = gut, riesig = gut, fremd = gut, typ = gut, version = gut;
    PutU32(negativ, 98, uint32_t(-1));
    PutU32(riesig, 98, 0x7fffffff);
    fremd[3] = 'y';
    PutU32(typ, 90, TypFenster);
    PutU32(version, 94, 9);
    struct Fall {
        const char* name;
        Bytes_ bytes;
    };
    std::vector<Fall> faelle = {{"negative count", negativ}, {"huge count", riesig},
                                {"foreign maker", fremd},    {"window type", typ},
                                {"version 9", version},      {"empty", {}}};
    for (size_t n : {size_t(100), size_t(511), size_t(512), size_t(600), gut.size() - 1})
        faelle.push_back({"cut", Bytes_(gut.begin(), gut.begin() + long(n))});
    // A text longer than what remains.
    Bytes_ text = gut;
    text[512 + 8 + 8] = 0xff;
    text[512 + 8 + 9] = 0xff;
    faelle.push_back({"text length", text});

    const TBTKey keys[] = {{3, 0}, {9, 0}};
    size_t meldungen = 0;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        dienste.Messages().Answer(IDOK);
        const std::string pfad = Pfad("haus.pro.eb0");
        Schreiben(pfad, fall.bytes);
        TEBDatenblattDatenArray a;
        a.Dateiname = pfad;
        EXPECT_FALSE(a.Oeffnen(keys, 2));
        ASSERT_EQ(dienste.Messages().Calls().size(), ++meldungen);
        EXPECT_EQ(dienste.Messages().Calls().back().text, "Datenblatt-Daten: Öffnen gescheitert");
        EXPECT_EQ(dienste.Messages().Calls().back().caption, "Info");
        // The sheet works with defaults for the keys it asked for.
        ASSERT_EQ(a.Saetze.size(), 2u);
        EXPECT_EQ(a.Saetze[1].Key, (TBTKey{9, 0}));
        EXPECT_EQ(a.Saetze[0].Editfelder[0].Text, "");
        // Untouched, it does not overwrite the file; a change replaces it.
        EXPECT_TRUE(a.Speichern());
        EXPECT_EQ(Inhalt(pfad), fall.bytes);
        a.Saetze[0].Editfelder[0].Text = "neu";
        EXPECT_TRUE(a.Speichern());
        TEBDatenblattDatenArray b;
        b.Dateiname = pfad;
        EXPECT_TRUE(b.Oeffnen(keys, 1));
        EXPECT_EQ(b.Saetze[0].Editfelder[0].Text, "neu");
    }
}

TEST_F(DatenblattDateiAufPlatte, MissingFilesGiveDefaultsAndWritesKeepTheOldFileOnFailure) {
    // No key: the file is neither read nor made.
    TEBDatenblattDatenArray leer;
    leer.Dateiname = Pfad("x.eb0");
    EXPECT_TRUE(leer.Oeffnen(nullptr, 0));
    EXPECT_TRUE(leer.Speichern());
    EXPECT_FALSE(std::filesystem::exists(leer.Dateiname));

    TFixDaten d;
    d.Dateiname = Pfad("x.pb0");
    EXPECT_TRUE(d.Oeffnen());
    d.Projekt.Editfelder[0].Text = "erste";
    EXPECT_TRUE(d.Speichern());
    const Bytes_ alt = Inhalt(d.Dateiname);

    // A failed write gives the message and keeps the old file.
    d.Projekt.Editfelder[0].Text = "zweite";
    dienste.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_FALSE(d.Speichern());
    ASSERT_EQ(dienste.Messages().Calls().size(), 1u);
    // It names the file and the cause.
    const std::string& text = dienste.Messages().Calls()[0].text;
    EXPECT_TRUE(text.starts_with("Fehler beim Speichern der Datenblatt-Daten\n")) << text;
    EXPECT_NE(text.find("\"" + d.Dateiname + "\": "), std::string::npos) << text;
    EXPECT_EQ(Inhalt(d.Dateiname), alt);

    TFixDaten wieder;
    wieder.Dateiname = d.Dateiname;
    EXPECT_TRUE(wieder.Oeffnen());
    EXPECT_EQ(wieder.Projekt.Editfelder[0].Text, "erste");
}

TEST(DatenblattDatei, TextsLongerThanTheLengthFieldAreCut) {
    TFensterDatenblattDatenArray a;
    a.FindenOderAnlegen(TBTFensterKey{1}).Editfelder[0].Text = std::string(70000, 'a');
    TFensterDatenblattDatenArray b;
    ASSERT_TRUE(Lesen(Bytes(a), b));
    EXPECT_EQ(b.Saetze[0].Editfelder[0].Text.size(), MaxTextBytes);
}

} // namespace
