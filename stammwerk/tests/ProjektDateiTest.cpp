#include "stammwerk/modell/TGesamtProjekt.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "testsupport/TempDir.h"

#include "ModellTestDateien.h"
#include "ModellTestProjekt.h"

#include <gtest/gtest.h>

namespace {

using modelltest::KopfBytes;
using testsupport::ReadText;
using testsupport::TempDir;
using testsupport::WriteText;

ByteImage bytesVon(const std::string& s) {
    return ByteImage(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

// Two variants holding every record kind: variant 0 built, variant 1 its copy.
void zweiVarianten(TGesamtProjekt& g) {
    auto p = std::make_unique<TProjekt>();
    modelltest::BeispielVariante(*p, 3, 6, 4);
    g.ProjektHinzufuegen(std::move(p));
    g.ProjektKopieren(0);
}

TEST(ProjektDatei, TwoVariantsSaveOpenAndSaveAgainByteIdentical) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    zweiVarianten(g);
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    modelltest::AlsFuzzSaatAblegen(dir / "haus.pro", "projekt_fuzz");

    TGesamtProjekt wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(dir / "haus.pro"), 0);
    ASSERT_EQ(wieder.Projekte.GetItemsInContainer(), 2u);
    EXPECT_EQ(wieder.AktuellesProjekt, &wieder.Projekte[0]);
    EXPECT_EQ(wieder.Projekte[1].Name, "Variante 1");
    ASSERT_EQ(wieder.Speichern(dir / "nochmal.pro"), 1);
    const std::string erst = ReadText(dir / "haus.pro");
    EXPECT_EQ(ReadText(dir / "nochmal.pro"), erst);

    // Offsets from the documented layout: header 512, variant count, the
    // 270-byte project image, then variant 0: eight counts and its 1398 bytes.
    const ByteImage b = bytesVon(erst);
    EXPECT_EQ(b.I16(90), 0);
    EXPECT_EQ(b.Text(80, 10), "6.00");
    EXPECT_EQ(b.I16(512), 2);
    EXPECT_EQ(b.Text(514, 260), (dir / "haus.pro").string());
    const size_t v = 784;
    const int16_t zaehler[8] = {3, 6, 3, 4, 1, 1, 6, 2};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(b.I16(v + 2 * i), zaehler[i]) << i;
    const size_t f = v + 16;
    EXPECT_EQ(b.Text(f + 0, 30), "Standardprojekt");
    EXPECT_EQ(b.I16(f + 30), 0);
    EXPECT_EQ(b.I16(f + 32), 7); // 3 window types + 4 windows
    EXPECT_EQ(b.I16(f + 34), 9); // 3 component types + 6 placements
    EXPECT_EQ(b.F64(f + 52), 2.0);
    EXPECT_EQ(b.U16(f + 76), 1);  // NachweisEinfachverglasung
    EXPECT_EQ(b.U16(f + 100), 1); // NormaleInnentemperatur
    EXPECT_EQ(b.F64(f + 104 + 4), 20.0);
    EXPECT_EQ(b.Text(f + 104 + 112, 50), "Randbedingungen nach DIN 4108 Teil 3");
    EXPECT_EQ(b.F64(f + 316 + 40), 20.0);
    EXPECT_EQ(b.F64(f + 372), 20.0);
    EXPECT_EQ(b.Text(f + 380, 30), "Musterstraße 1");
    EXPECT_EQ(b.U16(f + 936), 1);
    EXPECT_EQ(b.F64(f + 963), 15.0);
    EXPECT_EQ(b.Text(f + 981, 40), "Nach Wärmeschutzverordnung");
    EXPECT_EQ(b.F64(f + 981 + 40), 3500.0);
    EXPECT_EQ(b.Text(f + 1031, 50), "Standardheizung");
    EXPECT_EQ(b.F64(f + 1031 + 52), 90.0);
    EXPECT_EQ(b.Text(f + 1031 + 60, 40), "Heizöl EL");
    EXPECT_EQ(b.F64(f + 1188 + 2), 60.0);
    EXPECT_EQ(b.F64(f + 1214), -1.0);
    EXPECT_EQ(b.F64(f + 1214 + 112), -1.0);
    EXPECT_EQ(b.Text(f + 1334, 64), "geprüft");
    // The first component type follows the 1398 bytes: three counts, its image.
    const size_t t = f + 1398;
    EXPECT_EQ(b.U16(t), 2);     // cross-sections
    EXPECT_EQ(b.U16(t + 2), 1); // text lines
    EXPECT_EQ(b.U16(t + 4), 2); // placements
    EXPECT_EQ(b.Text(t + 6 + 12, 30), "Wand 0");
    EXPECT_EQ(b.U16(t + 6 + 42), 0);
    EXPECT_EQ(b.F64(t + 6 + 70), 0.13);
    EXPECT_EQ(b.U16(t + 6 + 457), 3); // the first cross-section's layer count
}

TEST(ProjektDatei, ReadingRelinksPlacementsAndRebuildsTypeNumbers) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    zweiVarianten(g);
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    TGesamtProjekt wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(dir / "haus.pro"), 0);
    TProjekt& p = wieder.Projekte[1];
    EXPECT_EQ(p.Typnummern.GetItemsInContainer(), 6u); // one per type
    for (const TPBauteil& b : p.PBauteile) {
        ASSERT_NE(b.RBauteil, nullptr);
        EXPECT_EQ(b.RBauteil, p.RBauteilNr(b.RBauteilNummer));
    }
    for (const TPFenster& f : p.PFenster) {
        ASSERT_NE(f.RFenster, nullptr);
        EXPECT_EQ(f.RFenster->Nummer, f.RFensterNummer);
    }
    // The copy's placements point into the copy, not into variant 0.
    for (const TPBauteil& b : g.Projekte[1].PBauteile)
        EXPECT_EQ(b.RBauteil, g.Projekte[1].RBauteilNr(b.RBauteilNummer));
}

TEST(ProjektDatei, NewVariantRoundTripsWithEightZeroCounts) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    EXPECT_EQ(g.Pfad(), dir / "unbenannt.pro");
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    ASSERT_EQ(g.Speichern(), 1);
    modelltest::AlsFuzzSaatAblegen(dir / "unbenannt.pro", "projekt_fuzz");
    const std::string datei = ReadText(dir / "unbenannt.pro");
    ASSERT_EQ(datei.size(), 512u + 2 + 270 + 16 + 1398);
    const ByteImage b = bytesVon(datei);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(b.I16(784 + 2 * i), 0);
    TGesamtProjekt wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(dir / "unbenannt.pro"), 0);
    ByteImage a(TProjekt::kImageSize), c(TProjekt::kImageSize);
    g.Projekte[0].WriteImage(a, 0);
    wieder.Projekte[0].WriteImage(c, 0);
    EXPECT_EQ(a, c);
}

TEST(ProjektDatei, OlderVersionsGiveTheirCodeAndLeaveTheFileAlone) {
    const char* versionen[] = {"1.00", "2.00", "3.00", "4.00", "5.00"};
    for (int i = 0; i < 5; ++i) {
        TempDir dir;
        const std::string alt = KopfBytes(versionen[i], 0) + std::string(300, '\x07');
        WriteText(dir / "alt.pro", alt);
        TGesamtProjekt g(dir.Path());
        g.ProjektHinzufuegen(std::make_unique<TProjekt>());
        EXPECT_EQ(g.Oeffnen(dir / "alt.pro"), i + 2) << versionen[i];
        EXPECT_TRUE(g.Projekte.IsEmpty());
        EXPECT_EQ(g.AktuellesProjekt, nullptr);
        EXPECT_EQ(ReadText(dir / "alt.pro"), alt);
    }
}

TEST(ProjektDatei, RefusesForeignUnknownMissingAndDamagedFiles) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    zweiVarianten(g);
    ASSERT_EQ(g.SpeichernAls(dir / "gut.pro"), 1);
    const std::string gut = ReadText(dir / "gut.pro");

    std::string fremd = gut;
    fremd[3] = 'Y'; // maker line "QTY ...", version 6.00
    std::string unbekannt = gut;
    unbekannt[80] = '7';
    std::string anzahlNegativ = gut;
    anzahlNegativ[513] = '\xFF';
    const struct {
        const char* name;
        std::string inhalt;
    } faelle[] = {{"foreign maker", fremd},
                  {"version 7.00", unbekannt},
                  {"negative variant count", anzahlNegativ},
                  {"empty", ""}};
    for (const auto& f : faelle) {
        WriteText(dir / "x.pro", f.inhalt);
        TGesamtProjekt h(dir.Path());
        EXPECT_EQ(h.Oeffnen(dir / "x.pro"), 1) << f.name;
        EXPECT_TRUE(h.Projekte.IsEmpty()) << f.name;
    }
    TGesamtProjekt h(dir.Path());
    EXPECT_EQ(h.Oeffnen(dir / "fehlt.pro"), 1);

    // Cut at any length: refused with code 1 and nothing held, never a crash.
    for (size_t n = 0; n < gut.size(); n += (n < 4000 ? 1 : 97)) {
        WriteText(dir / "kurz.pro", gut.substr(0, n));
        TGesamtProjekt k(dir.Path());
        ASSERT_EQ(k.Oeffnen(dir / "kurz.pro"), 1) << n;
        EXPECT_TRUE(k.Projekte.IsEmpty()) << n;
        EXPECT_EQ(k.AktuellesProjekt, nullptr) << n;
    }
}

TEST(ProjektDatei, OpeningClearsTheFolderOfTemporariesOfCutOffSaves) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    zweiVarianten(g);
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    WriteText(dir / ".haus.pro.Qw3rTz.kvtmp", "halb geschrieben");
    TGesamtProjekt h(dir.Path());
    ASSERT_EQ(h.Oeffnen(dir / "haus.pro"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / ".haus.pro.Qw3rTz.kvtmp"));
}

TEST(ProjektDatei, APlacementWhoseTypeIsMissingIsRefused) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    zweiVarianten(g);
    // The type number of the first placed component of variant 0 points
    // nowhere; the file is otherwise whole.
    g.Projekte[0].PBauteile[0].RBauteilNummer = 999;
    ASSERT_EQ(g.SpeichernAls(dir / "x.pro"), 1);
    TGesamtProjekt h(dir.Path());
    EXPECT_EQ(h.Oeffnen(dir / "x.pro"), 1);
    EXPECT_TRUE(h.Projekte.IsEmpty());

    TGesamtProjekt w(dir.Path());
    zweiVarianten(w);
    w.Projekte[1].PFenster[0].RFensterNummer = 999;
    ASSERT_EQ(w.SpeichernAls(dir / "y.pro"), 1);
    EXPECT_EQ(h.Oeffnen(dir / "y.pro"), 1);
}

TEST(ProjektDatei, VariantsAreListedByNumberAndTheFirstReadIsCurrent) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    for (int16_t n : {2, 0, 1}) {
        auto p = std::make_unique<TProjekt>();
        p->Nummer = n;
        p->Name = "V" + std::to_string(n);
        g.Projekte.AddAfterEquals(std::move(p));
    }
    // Written in the order 2, 0, 1 by hand: the list orders them on reading.
    ByteWriter out;
    TDateiKopf().Schreiben(out);
    out.WriteI16(3);
    out.WriteImage(ByteImage(270));
    for (int n : {2, 0, 1})
        g.Projekte.FirstThat([&](const TProjekt& p) { return p.Nummer == n; })->Speichern(out);
    ASSERT_TRUE(WriteFileAtomically(dir / "v.pro", out.Bytes()).ok);
    TGesamtProjekt h(dir.Path());
    ASSERT_EQ(h.Oeffnen(dir / "v.pro"), 0);
    ASSERT_EQ(h.Projekte.GetItemsInContainer(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(h.Projekte[size_t(i)].Nummer, i);
    EXPECT_EQ(h.AktuellesProjekt->Name, "V2");
    EXPECT_EQ(h.Pfad(), dir / "v.pro");
}

TEST(ProjektDatei, SavingToAnotherPathKeepsTheProjectsOwnPathInTheImage) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    ASSERT_EQ(g.Speichern(dir / "sicherung.pro"), 1);
    EXPECT_EQ(g.Pfad(), dir / "haus.pro");
    EXPECT_EQ(bytesVon(ReadText(dir / "sicherung.pro")).Text(514, 260),
              (dir / "haus.pro").string());
    EXPECT_EQ(g.GetFileName(false), "haus");
    EXPECT_EQ(g.GetFileName(true), "haus.pro");
    EXPECT_EQ(g.GetProjektPfad(), dir.Path().string() + "/");
    {
        // Opened by a name relative to the working folder, the project
        // still knows its folder.
        const auto vorher = std::filesystem::current_path();
        std::filesystem::current_path(dir.Path());
        TGesamtProjekt r("");
        const int gelesen = r.Oeffnen("haus.pro");
        std::filesystem::current_path(vorher);
        ASSERT_EQ(gelesen, 0);
        EXPECT_EQ(r.GetProjektPfad(), dir.Path().string() + "/");
    }
    EXPECT_EQ(g.Loeschen(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "haus.pro"));
    EXPECT_NE(g.Loeschen(), 0);
}

TEST(ProjektDatei, FailedSaveReportsAndLosesNothing) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    const std::string vorher = ReadText(dir / "haus.pro");
    g.Projekte[0].Name = "geändert";
    filefaults::FailNext(filefaults::Step::Rename);
    EXPECT_EQ(g.Speichern(), 0);
    filefaults::Clear();
    EXPECT_NE(g.LetzterFehler().find("haus.pro"), std::string::npos);
    EXPECT_EQ(ReadText(dir / "haus.pro"), vorher);

    // Save As into a folder that does not exist: the project keeps its path.
    EXPECT_EQ(g.SpeichernAls(dir / "fehlt" / "neu.pro"), 0);
    EXPECT_EQ(g.Pfad(), dir / "haus.pro");
}

TEST(ProjektDatei, AListTooLongForItsCountIsNotWritten) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
    const std::string vorher = ReadText(dir / "haus.pro");
    // The count is a 16-bit number read up to 32767: one line more would
    // give a file that no longer opens.
    for (int i = 0; i < 32768; ++i) g.Projekte[0].Textliste1.Add(TTextString());
    EXPECT_EQ(g.Speichern(), 0);
    EXPECT_NE(g.LetzterFehler().find("32767"), std::string::npos);
    EXPECT_EQ(ReadText(dir / "haus.pro"), vorher);

    g.Projekte[0].Textliste1.Flush();
    for (int i = 0; i < 32767; ++i) g.Projekte[0].Textliste1.Add(TTextString());
    ASSERT_EQ(g.Speichern(), 1);
    TGesamtProjekt wieder(dir.Path());
    ASSERT_EQ(wieder.Oeffnen(dir / "haus.pro"), 0);
    EXPECT_EQ(wieder.Projekte[0].Textliste1.GetItemsInContainer(), 32767u);

    // The same for the formula and variable lines of a volume entry: they
    // are never cut short silently.
    const std::string gueltig = ReadText(dir / "haus.pro");
    for (bool formeln : {true, false}) {
        auto volumen = std::make_unique<TDimVolumen>();
        auto& zeilen = formeln ? volumen->Formelliste : volumen->Textliste1;
        for (int i = 0; i < 32768; ++i) zeilen.Add(TTextString());
        g.Projekte[0].Volumina.Add(std::move(volumen));
        EXPECT_EQ(g.Speichern(), 0) << formeln;
        EXPECT_NE(g.LetzterFehler().find("32767"), std::string::npos) << formeln;
        EXPECT_EQ(ReadText(dir / "haus.pro"), gueltig) << formeln;
        g.Projekte[0].Volumina.Flush();
    }
}

TEST(ProjektDatei, CopyingAndDeletingVariants) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    for (int16_t n = 0; n < 3; ++n) {
        auto p = std::make_unique<TProjekt>();
        p->Nummer = n;
        p->Name = "V" + std::to_string(n);
        g.ProjektHinzufuegen(std::move(p));
    }
    TProjekt* kopie = g.ProjektKopieren(1);
    ASSERT_NE(kopie, nullptr);
    EXPECT_EQ(kopie->Nummer, 3);
    EXPECT_EQ(kopie->Name, "Variante 3");
    EXPECT_EQ(g.AktuellesProjekt, kopie);
    EXPECT_EQ(g.ProjektKopieren(4), nullptr);

    g.ProjektLoeschen(1);
    ASSERT_EQ(g.Projekte.GetItemsInContainer(), 3u);
    const char* namen[] = {"V0", "V2", "Variante 3"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(g.Projekte[i].Nummer, int(i));
        EXPECT_EQ(g.Projekte[i].Name, namen[i]);
    }
    EXPECT_EQ(g.AktuellesProjekt, &g.Projekte[0]);
    EXPECT_FALSE(g.ProjektAuswaehlen(7));
    EXPECT_EQ(g.AktuellesProjekt, &g.Projekte[0]);
    g.ProjektLoeschen(7); // nothing happens
    EXPECT_EQ(g.Projekte.GetItemsInContainer(), 3u);
}

TEST(ProjektDatei, StorageEstimate) {
    TempDir dir;
    TGesamtProjekt g(dir.Path());
    g.ProjektHinzufuegen(std::make_unique<TProjekt>());
    // An empty variant estimates 1914 bytes: (1914 + 270 + 4 + 512) × 1.1 = 2970.
    EXPECT_EQ(g.Projekte[0].Speicherbedarf(), 1914);
    EXPECT_EQ(g.Speicherbedarf(), 2970);
}

} // namespace
