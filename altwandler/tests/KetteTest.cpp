// The conversion chain around the readers: which steps run, the backup
// copy, the user's answers, and damaged files that must stay untouched.
#include "AltDateien.h"
#include "altwandler/ProjektKonvertierung.h"
#include "altwandler/Sicherungskopie.h"
#include "altwandler/Version1.h"
#include "altwandler/Version2.h"
#include "altwandler/Version3.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace altdatei;

namespace {
constexpr const char* kNichtGeoeffnet = "Projekt-Datei kann nicht geöffnet werden!";

std::vector<uint8_t> bytesDerGroesse(size_t n) {
    std::vector<uint8_t> b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i * 7 + 3);
    return b;
}
} // namespace

TEST(Kette, StepsRunFromTheOneAfterTheFilesVersion) {
    EXPECT_EQ(KonvertierungsSchritte(2), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(KonvertierungsSchritte(5), (std::vector<int>{5, 6}));
    EXPECT_EQ(KonvertierungsSchritte(6), (std::vector<int>{6}));
    for (int code : {0, 1, 7}) EXPECT_TRUE(KonvertierungsSchritte(code).empty()) << code;
}

TEST(Kette, ACurrentFileNeverEntersTheChain) {
    testsupport::ScriptedServices services; // no question, no message
    testsupport::TempDir dir;
    const auto datei = dir / "neu.pro";
    Schreiben(datei, Version6Datei());
    EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::KeineAlteVersion);
    EXPECT_EQ(Lesen(datei), Version6Datei());
    EXPECT_FALSE(std::filesystem::exists(dir / "neu.BAK"));
}

TEST(Kette, BackupCopyIsByteIdenticalWhateverTheSize) {
    for (size_t groesse :
         {size_t(0), size_t(1), size_t(511), size_t(512), size_t(1024), size_t(1500)}) {
        SCOPED_TRACE(groesse);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto datei = dir / "projekt.pro";
        Schreiben(datei, bytesDerGroesse(groesse));
        services.Messages().Answer(IDOK);
        ASSERT_EQ(SicherungskopieErstellen(datei), 1);
        EXPECT_EQ(Lesen(dir / "projekt.BAK"), bytesDerGroesse(groesse));
        EXPECT_EQ(services.Messages().Calls()[0].caption, "Sicherungskopie erstellen");
    }
}

TEST(Kette, ABakNameIsRefusedInAnyCaseAndTheFileStaysUntouched) {
    for (const char* name : {"alt.BAK", "alt.bak", "alt.Bak"}) {
        SCOPED_TRACE(name);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto datei = dir / name;
        Schreiben(datei, Version5Datei());
        services.Messages().Answer(IDYES);
        services.Messages().Answer(IDOK);
        services.Messages().Answer(IDOK);
        EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Abgelehnt);
        const auto& calls = services.Messages().Calls();
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[1].text,
                  "Sicherungskopie kann nicht erstellt werden! Ändern Sie mit Hilfe des "
                  "Dateimanagers die Erweiterung .bak der zu konvertierenden Projektdatei.");
        EXPECT_EQ(calls[1].type, MB_OK | MB_ICONSTOP);
        EXPECT_EQ(calls[2].text, kNichtGeoeffnet);
        EXPECT_EQ(Lesen(datei), Version5Datei());
    }
}

TEST(Kette, DeclinedQuestionOrBackupLeavesEverythingAsItWas) {
    struct Fall {
        const char* was;
        std::vector<int> antworten;
        bool alteKopie;
    };
    const Fall faelle[] = {
        {"question declined", {IDNO, IDOK}, false},
        {"backup notice cancelled", {IDYES, IDCANCEL, IDOK}, false},
        {"overwriting the old backup cancelled", {IDYES, IDOK, IDCANCEL, IDOK}, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto datei = dir / "alt.pro";
        Schreiben(datei, Version5Datei());
        if (f.alteKopie) Schreiben(dir / "alt.BAK", {1, 2, 3});
        for (int a : f.antworten) services.Messages().Answer(a);
        EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Abgelehnt);
        EXPECT_EQ(services.Messages().Calls().back().text, kNichtGeoeffnet);
        EXPECT_EQ(Lesen(datei), Version5Datei());
        if (f.alteKopie)
            EXPECT_EQ(Lesen(dir / "alt.BAK"), (std::vector<uint8_t>{1, 2, 3}));
        else
            EXPECT_FALSE(std::filesystem::exists(dir / "alt.BAK"));
    }
}

TEST(Kette, AFailedBackupWriteStopsTheConversion) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "alt.pro";
    Schreiben(datei, Version5Datei());
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    services.Messages().Answer(IDOK);
    filefaults::FailNext(filefaults::Step::Write);
    EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Abgelehnt);
    filefaults::Clear();
    const auto& calls = services.Messages().Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2].text, "Fehler beim Erstellen der Sicherungskopie! Projekt-Datei kann nicht "
                             "konvertiert werden.");
    EXPECT_EQ(calls[3].text, kNichtGeoeffnet);
    EXPECT_EQ(Lesen(datei), Version5Datei());
}

namespace {
// A file cut after `n` bytes, or with a field changed.
std::vector<uint8_t> gekuerzt(std::vector<uint8_t> b, size_t n) {
    b.resize(n);
    return b;
}
std::vector<uint8_t> mitI16(std::vector<uint8_t> b, size_t at, int16_t wert) {
    b[at] = uint8_t(wert & 0xFF);
    b[at + 1] = uint8_t(uint16_t(wert) >> 8);
    return b;
}
} // namespace

TEST(Kette, EveryCutOfAnOldFileIsRefusedByItsReader) {
    testsupport::ScriptedServices services; // a cut file is no consistency report
    const auto v5 = Version5Datei();
    for (size_t n = 0; n < v5.size(); n += 13)
        EXPECT_NE(TGesamtProjektVersion5().Lesen(gekuerzt(v5, n)), 0) << n;
    const auto v4 = Version4Datei();
    for (size_t n = 0; n < v4.size(); n += 13)
        EXPECT_NE(TGesamtProjektVersion4().Lesen(gekuerzt(v4, n)), 0) << n;
    const auto v3 = Version3Datei();
    for (size_t n = 0; n < v3.size(); n += 13)
        EXPECT_NE(TGesamtProjektVersion3().Lesen(gekuerzt(v3, n)), 0) << n;
    const auto v2 = Version2Datei();
    for (size_t n = 0; n < v2.size(); n += 13)
        EXPECT_NE(TGesamtProjektVersion2().Lesen(gekuerzt(v2, n)), 0) << n;
    const auto v1 = Version1Datei();
    for (size_t n = 0; n < v1.size(); n += 13)
        EXPECT_NE(TProjektVersion1().Lesen(gekuerzt(v1, n)), 0) << n;
}

TEST(Kette, TruncatedAndForeignFilesLeaveTheOriginalUntouched) {
    const auto v5 = Version5Datei();
    const auto v4 = Version4Datei();
    const auto v3 = Version3Datei();
    const auto v2 = Version2Datei();
    const auto v1 = Version1Datei();
    // First variant's eight counts stand at 604, the first component type's
    // three counts right behind the 1379-byte image (v5) / 954-byte image (v4).
    struct Fall {
        const char* was;
        std::vector<uint8_t> bytes;
        bool fragt; // the header is intact, so the user is asked first
    };
    auto fremd = v5;
    fremd[3] = 'X';
    const Fall faelle[] = {
        {"version 5 cut inside a variant", gekuerzt(v5, v5.size() / 2), true},
        {"version 5 cut in its last byte", gekuerzt(v5, v5.size() - 1), true},
        {"version 4 cut inside a layer", gekuerzt(v4, 604 + 16 + 954 + 6 + 382 + 2 + 956 + 100),
         true},
        {"variant count beyond the file", mitI16(v5, 512, 30000), true},
        {"negative variant count", mitI16(v5, 512, -1), true},
        {"component types beyond the file", mitI16(v5, 604, 20000), true},
        {"single-layer components beyond the file", mitI16(v5, 604 + 16 + 1379, 5000), true},
        {"layers beyond the file (version 4)", mitI16(v4, 604 + 16 + 954 + 6 + 382, 9000), true},
        {"version 3 cut in its second project", gekuerzt(v3, v3.size() - 100), true},
        {"version 3 cut inside a window", gekuerzt(v3, 512 + 2 + 88 + 12 + 852 + 1700), true},
        {"version 2 cut in the variant", gekuerzt(v2, v2.size() - 1), true},
        {"version 2 cut inside a window", gekuerzt(v2, v2.size() / 2), true},
        {"version 1 cut in its text lines", gekuerzt(v1, v1.size() - 1), true},
        {"version 1 cut inside a partial area", gekuerzt(v1, 512 + 4 + 586 + 6 + 617 + 300), true},
        {"foreign maker line", fremd, false},
        {"other file type", mitI16(v5, 90, 2), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto datei = dir / "kaputt.pro";
        Schreiben(datei, f.bytes);
        if (f.fragt) {
            services.Messages().Answer(IDYES);
            services.Messages().Answer(IDOK);
        }
        services.Messages().Answer(IDOK);
        EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::NichtLesbar);
        EXPECT_EQ(services.Messages().Calls().back().text, kNichtGeoeffnet);
        EXPECT_EQ(Lesen(datei), f.bytes);
    }
}

TEST(Kette, AnOlderHeaderOverAnotherVersionsBodyIsRefusedAndNotTouched) {
    for (const char* version : {"1.00", "2.00", "3.00"}) {
        SCOPED_TRACE(version);
        testsupport::ScriptedServices services;
        testsupport::TempDir dir;
        const auto datei = dir / "alt.pro";
        auto bytes = Version5Datei();
        std::copy_n(version, 4, bytes.begin() + 80);
        Schreiben(datei, bytes);
        services.Messages().Answer(IDYES);
        services.Messages().Answer(IDOK);
        services.Messages().Answer(IDOK);
        EXPECT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::NichtLesbar);
        EXPECT_EQ(services.Messages().Calls().back().text, kNichtGeoeffnet);
        EXPECT_EQ(Lesen(datei), bytes);
    }
}

TEST(Kette, AFileOfAnotherVersionThanTheReaderExpectsAnswersItsCode) {
    auto v5 = Version5Datei();
    EXPECT_EQ(TGesamtProjektVersion4().Lesen(v5), 6);
    std::copy_n("2.00", 4, v5.begin() + 80);
    EXPECT_EQ(TGesamtProjektVersion5().Lesen(v5), 3);
    std::copy_n("7.00", 4, v5.begin() + 80);
    EXPECT_EQ(TGesamtProjektVersion5().Lesen(v5), 1);
}

// A current file whose version text was damaged to "5.00" passes the old
// reader's counts but gives nonsense (a volume of 10^155 m³, no facades):
// it must be refused before anything replaces it.
TEST(Kette, AConversionToNonsenseIsRefusedAndTheFileStaysByteIdentical) {
    for (size_t unsinn : {size_t(1000), size_t(2000)}) {
        SCOPED_TRACE(unsinn);
        testsupport::TempDir dir;
        TGesamtProjekt g(dir.Path());
        g.ProjektHinzufuegen(std::make_unique<TProjekt>());
        g.Projekte[0].V = 512.5;
        ASSERT_EQ(g.SpeichernAls(dir / "haus.pro"), 1);
        auto b = Lesen(dir / "haus.pro");
        std::copy_n("5.00", 4, b.begin() + 80);
        // Doubles of no building where the old layout expects its values.
        for (size_t i = 604 + 16; i + 8 <= b.size() && i < 604 + 16 + unsinn; i += 8) {
            const double wert = 5.45129e155;
            std::memcpy(&b[i], &wert, sizeof wert);
        }
        Schreiben(dir / "haus.pro", b);
        testsupport::ScriptedServices services;
        services.Messages().Answer(IDYES);
        services.Messages().Answer(IDOK);
        services.Messages().Answer(IDOK);
        EXPECT_EQ(ProjektKonvertieren(dir / "haus.pro", dir.Path()), Konvertierung::NichtLesbar);
        EXPECT_EQ(services.Messages().Calls().back().text, kNichtGeoeffnet);
        EXPECT_EQ(Lesen(dir / "haus.pro"), b);
    }
}
