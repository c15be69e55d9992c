// Damaged copies of the shipped examples: each is refused with its reason or
// opens with its bad values replaced and marked; then every sheet and the
// certificate print without "nan", "inf" or a met proof beside a marked value.
// Through the program's open command: one message naming the bad fields, a
// refusal naming its cause, the file left as it was.
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/tests/Aufzeichnen.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/base/FileIO.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/gdi/RecordingDC.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/MDIClient.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/WertePruefung.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <regex>

namespace {

namespace fs = std::filesystem;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::vector<uint8_t> beispiel(const char* name) {
    return ReadWholeFile(fs::path(KORVALIN_DATEN_DIR) / name).bytes;
}

// The example with one value of its first variant changed, as a file.
std::vector<uint8_t> mitWert(const char* name, const std::function<void(TProjekt&)>& aendern) {
    TGesamtProjekt g("/tmp");
    EXPECT_EQ(g.Oeffnen(beispiel(name), "/tmp/x.pro"), 0);
    aendern(*g.AktuellesProjekt);
    return g.Dateibild();
}

// The counts of the first variant follow the header, the number of variants
// and the project image.
constexpr size_t kZaehler = TDateiKopf::kImageSize + 2 + TGesamtProjekt::kImageSize;

std::vector<uint8_t> mitZaehler(const char* name, size_t liste, int16_t wert) {
    auto b = beispiel(name);
    b[kZaehler + 2 * liste] = uint8_t(wert & 0xFF);
    b[kZaehler + 2 * liste + 1] = uint8_t((wert >> 8) & 0xFF);
    return b;
}

std::vector<uint8_t> gekuerzt(const char* name, double anteil) {
    auto b = beispiel(name);
    b.resize(size_t(double(b.size()) * anteil));
    return b;
}

enum class Erwartet { Abgelehnt, Ersetzt };

struct Fall {
    const char* name;
    std::function<std::vector<uint8_t>()> datei;
    Erwartet erwartet;
    const char* imText; // in the refusal's reason or the message of replaced values
    // Only the variant's values are bad: its components' own proofs stand.
    bool nurVariante = false;
};

const char* const kHaus = "beispiel.pro";
const char* const kHolz = "beispiel_holzhaus.pro";

TRBauteil& erstesBauteil(TProjekt& p) {
    return *p.RBauteile.begin();
}
// Every type damaged alike, so that no component verdict may stay met.
void jedesBauteil(TProjekt& p, const std::function<void(TRBauteil&)>& aendern) {
    for (TRBauteil& t : p.RBauteile) aendern(t);
}
void jedeSchicht(TProjekt& p, const std::function<void(TSchicht&)>& aendern) {
    for (TRBauteil& t : p.RBauteile)
        for (TEinfachBauteil& e : t.Flaechenanteile)
            if (e.AnzahlSchichten() > 0) aendern(*e.Schichten.begin());
}

std::vector<Fall> faelle() {
    return {
        {"KlimaInnen655360",
         [] {
             return mitWert(kHaus, [](TProjekt& p) {
                 jedesBauteil(p, [](TRBauteil& t) { t.Klima.ThetaI = 655360; });
             });
         },
         Erwartet::Ersetzt, "Innentemperatur Tauperiode = 655360 (erlaubt -40 bis 100)"},
        {"KlimaAussenNaN",
         [] {
             return mitWert(kHolz, [](TProjekt& p) {
                 jedesBauteil(p, [](TRBauteil& t) { t.Klima.ThetaE = kNaN; });
             });
         },
         Erwartet::Ersetzt, "Außentemperatur Tauperiode = keine Zahl"},
        {"ProjektklimaMinus300",
         [] { return mitWert(kHaus, [](TProjekt& p) { p.Klima.ThetaI = -300; }); },
         Erwartet::Ersetzt, "Innentemperatur Tauperiode = -300", true},
        {"SchichtdickeUnendlich",
         [] {
             return mitWert(kHolz, [](TProjekt& p) {
                 jedeSchicht(p, [](TSchicht& s) { s.Schichtdicke = kInf; });
             });
         },
         Erwartet::Ersetzt, "Dicke = unendlich"},
        {"SchichtMitNummerUndBaustoff",
         [] {
             return mitWert(
                 kHolz, [](TProjekt& p) { jedeSchicht(p, [](TSchicht& s) { s.Rohdichte = -1; }); });
         },
         Erwartet::Ersetzt, "\", Schicht 1 \""},
        {"FeuchteInProzent",
         [] {
             return mitWert(kHaus, [](TProjekt& p) {
                 jedesBauteil(p, [](TRBauteil& t) { t.Klima.PhiI = 1.5; });
             });
         },
         Erwartet::Ersetzt, "rel. Feuchte innen Tauperiode = 150 % (erlaubt 0 bis 100 %)"},
        {"Lambda1e30",
         [] {
             return mitWert(
                 kHaus, [](TProjekt& p) { jedeSchicht(p, [](TSchicht& s) { s.Lambda = 1e30; }); });
         },
         Erwartet::Ersetzt, "lambda = 1e+30"},
        {"RsiNegativ",
         [] {
             return mitWert(kHaus,
                            [](TProjekt& p) { jedesBauteil(p, [](TRBauteil& t) { t.Rse = -5; }); });
         },
         Erwartet::Ersetzt, "Rse = -5"},
        {"FlaecheNaN",
         [] {
             return mitWert(kHaus, [](TProjekt& p) { p.PBauteile.begin()->Bruttoflaeche = kNaN; });
         },
         Erwartet::Ersetzt, "Bruttofläche = keine Zahl", true},
        {"FensterG1e30",
         [] { return mitWert(kHaus, [](TProjekt& p) { p.RFenster.begin()->g = 1e30; }); },
         Erwartet::Ersetzt, "g-Wert = 1e+30", true},
        {"FensterKR1e6",
         [] { return mitWert(kHaus, [](TProjekt& p) { p.RFenster.begin()->Wert6 = 1e6; }); },
         Erwartet::Ersetzt, "k_R-Wert = 1000000 (erlaubt 0 bis 9)", true},
        {"FensterKVNegativ",
         [] { return mitWert(kHaus, [](TProjekt& p) { p.RFenster.begin()->Wert7 = -1; }); },
         Erwartet::Ersetzt, "k_V-Wert = -1", true},
        {"DachOberflaeche500", [] { return mitWert(kHaus, [](TProjekt& p) { p.Wert20 = 500; }); },
         Erwartet::Ersetzt, "Oberflächentemperatur Dach = 500", true},
        {"VolumenNaN",
         [] { return mitWert(kHaus, [](TProjekt& p) { p.Volumina.begin()->Wert = kNaN; }); },
         Erwartet::Ersetzt, "Wert = keine Zahl", true},
        {"ErgebnisVUnendlich", [] { return mitWert(kHaus, [](TProjekt& p) { p.V = kInf; }); },
         Erwartet::Ersetzt, "1 berechneter Wert ist ungültig (wird neu berechnet)", true},
        {"BauteilartUnbekannt",
         [] { return mitWert(kHaus, [](TProjekt& p) { erstesBauteil(p).Bauteilart = 42; }); },
         Erwartet::Abgelehnt, "die Bauteilart (42)"},
        {"KeineVolumina", [] { return mitZaehler(kHaus, 7, 0); }, Erwartet::Abgelehnt,
         "Byte am Ende der Datei gehören zu keinem Eintrag"},
        {"EinVolumenZuWenig",
         [] {
             TGesamtProjekt g("/tmp");
             g.Oeffnen(beispiel(kHaus), "/tmp/x.pro");
             return mitZaehler(kHaus, 7,
                               int16_t(g.AktuellesProjekt->Volumina.GetItemsInContainer() - 1));
         },
         Erwartet::Abgelehnt, "eine Anzahl in der Datei ist zu klein"},
        {"VoluminaZuViele", [] { return mitZaehler(kHaus, 7, 300); }, Erwartet::Abgelehnt,
         "die Flächen und Volumina sind ab Eintrag 1 von 300"},
        {"BauteileNegativ", [] { return mitZaehler(kHolz, 0, -2); }, Erwartet::Abgelehnt,
         "die Anzahl der Bauteiltypen ist negativ"},
        {"FensterEinerZuWenig", [] { return mitZaehler(kHolz, 2, 1); }, Erwartet::Abgelehnt,
         "Variante 1 von 1"},
        {"AngehaengtesByte",
         [] {
             auto b = beispiel(kHaus);
             b.push_back(0);
             return b;
         },
         Erwartet::Abgelehnt, "1 Byte am Ende"},
        {"HalbeDatei", [] { return gekuerzt(kHaus, 0.5); }, Erwartet::Abgelehnt,
         "unvollständig oder beschädigt"},
        {"EinByteWeniger", [] { return gekuerzt(kHolz, 0.99999); }, Erwartet::Abgelehnt,
         "unvollständig oder beschädigt"},
        {"ImKopfAbgeschnitten",
         [] {
             auto b = beispiel(kHaus);
             b.resize(139);
             return b;
         },
         Erwartet::Abgelehnt, "zu kurz für eine Projekt-Datei"},
        {"NurKopf",
         [] {
             auto b = beispiel(kHaus);
             b.resize(TDateiKopf::kImageSize + 100);
             return b;
         },
         Erwartet::Abgelehnt, "die Datei endet im Projektkopf"},
    };
}

using shelltest::Aufzeichnen;

void TexteSammeln(const TRecordingDC& dc, std::vector<std::string>& texte) {
    for (const TDrawCall& c : dc.Calls())
        if ((c.kind == TDrawKind::DrawText && !(c.flags & DT_CALCRECT)) ||
            c.kind == TDrawKind::TextOut)
            texte.push_back(c.text);
}

// The texts of every sheet kind and of the certificate, as datenblaetter
// prints them.
std::vector<std::string> alleBlaetter(TProjekt& p) {
    TMDIClient client;
    client.Create();
    TPrinter drucker;
    std::vector<std::string> texte;
    for (int art = 0; art <= 14; ++art) {
        auto w = BlattfensterFuerArt(client, art, p);
        if (!w || !w->Create()) continue;
        TKorpusPrintout ausdruck(&drucker, w->GetCaption(), w.get(), true);
        TRecordingDC dc;
        Aufzeichnen(dc, drucker, ausdruck);
        TexteSammeln(dc, texte);
    }
    TWaermeBedarfsAusweisWindow w(client, "Wärmebedarfsausweis");
    w.Methode = p.V >= 0.01 ? 1 : 0;
    if (ausweis::VarianteWaehlen(w.Seitenlayout(), w.Methode) != ausweis::Variante::Keine &&
        w.Create()) {
        TMeasuringDC mass;
        TRect flaeche = w.GetClientRect();
        w.Paint(mass, false, flaeche);
        TWBAusweisPrintOut ausdruck(&drucker, w.GetCaption(), &w, true);
        TRecordingDC dc;
        Aufzeichnen(dc, drucker, ausdruck);
        TexteSammeln(dc, texte);
    }
    return texte;
}

// A verdict that says a requirement is met: "erfüllt" without a negation,
// leaving out the explanations of the rules, which say when a proof counts.
bool sagtErfuellt(const std::string& t) {
    if (t.find("rfüllt") == std::string::npos) return false;
    for (const char* nein : {"nicht", "NICHT", "Nicht", "als erfüllt", "erfüllt werden",
                             "erfüllt sind", "erfüllt ist, wenn"})
        if (t.find(nein) != std::string::npos) return false;
    return true;
}

// "nan", "inf", "-nan(ind)" as the C library prints them, not "Einfamilienhaus".
bool keineZahl(const std::string& t) {
    static const std::regex zahl("(^|[^A-Za-z])(nan|inf)([^A-Za-z]|$)", std::regex::icase);
    return std::regex_search(t, zahl);
}

// The verdicts on the whole variant.
bool ueberDieVariante(const std::string& t) {
    for (const char* w : {"Wärmeschutznachweis", "Projekt erfüllt", "Nachweis", "Fassaden",
                          "Fenstern", "Zielwert", "Anforderungen der Wärmeschutzverordnung"})
        if (t.find(w) != std::string::npos) return true;
    return false;
}

struct BeschaedigtesProjekt : ::testing::TestWithParam<Fall> {
    testsupport::TestDirectories dirs;
    void SetUp() override {
        ASSERT_TRUE(PrepareDirectories(dirs.Dirs()));
        Korpus().Programmverzeichnis = (dirs.Dirs().programData / "").string();
    }
    void TearDown() override { ProjektSetzen(nullptr); }
};

TEST_P(BeschaedigtesProjekt, IsRefusedWithItsReasonOrPrintsNoNanAndNoMetProof) {
    const Fall& f = GetParam();
    const std::vector<uint8_t> daten = f.datei();
    auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
    const int r = g->Oeffnen(daten, dirs.Dirs().programData / "kaputt.pro");
    if (f.erwartet == Erwartet::Abgelehnt) {
        EXPECT_EQ(r, 1);
        EXPECT_NE(g->LetzterFehler().find(f.imText), std::string::npos) << g->LetzterFehler();
        EXPECT_EQ(g->AktuellesProjekt, nullptr);
        EXPECT_EQ(g->Projekte.GetItemsInContainer(), 0u);
        return;
    }
    ASSERT_EQ(r, 0) << g->LetzterFehler();
    ASSERT_FALSE(g->ErsetzteWerte().empty());
    const std::string meldung = ErsetzteWerteMeldung(g->ErsetzteWerte());
    EXPECT_NE(meldung.find(f.imText), std::string::npos) << meldung;
    TProjekt& p = *g->AktuellesProjekt;
    EXPECT_TRUE(p.WerteUnsicher());
    EXPECT_EQ(p.NachweisErfuellt, 0);
    p.Massenermittlung();
    ProjektSetzen(std::move(g));
    for (const std::string& t : alleBlaetter(p)) {
        EXPECT_FALSE(keineZahl(t)) << t;
        if (!f.nurVariante || ueberDieVariante(t)) EXPECT_FALSE(sagtErfuellt(t)) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, BeschaedigtesProjekt, ::testing::ValuesIn(faelle()),
                         [](const auto& info) { return std::string(info.param.name); });

// The examples themselves replace nothing and keep their proofs.
TEST(UnbeschaedigtesProjekt, TheExamplesOpenWithoutReplacedValues) {
    for (const char* name : {kHaus, kHolz}) {
        TGesamtProjekt g("/tmp");
        ASSERT_EQ(g.Oeffnen(beispiel(name), "/tmp/x.pro"), 0) << name;
        EXPECT_TRUE(g.ErsetzteWerte().empty()) << name << ErsetzteWerteMeldung(g.ErsetzteWerte());
        EXPECT_FALSE(g.AktuellesProjekt->WerteUnsicher()) << name;
    }
}

// Values at the edge of what the dialogs and the program's own computation
// allow are no damage: they open as saved.
TEST(UnbeschaedigtesProjekt, ExtremeValuesTheDialogsAllowOpenWithNothingReplaced) {
    const std::vector<std::pair<const char*, std::function<void(TProjekt&)>>> faelle = {
        {"Rsi des Typdialogs", [](TProjekt& p) { erstesBauteil(p).Rsi = 10; }},
        {"Widerstand der Schichttabelle", [](TProjekt& p) { erstesBauteil(p).Rse = 9999; }},
        {"k-Wert des Lambda-Dialogs",
         [](TProjekt& p) { erstesBauteil(p).Flaechenanteile.begin()->k_Wert = 999; }},
        {"k-Wert ohne Widerstand",
         [](TProjekt& p) { erstesBauteil(p).Flaechenanteile.begin()->k_Wert = 100000; }},
        {"Summe zweier größter Flächen",
         [](TProjekt& p) {
             TPBauteil& b = *p.PBauteile.begin();
             std::vector<std::unique_ptr<TDimVolumen>> eintraege;
             for (int i = 0; i < 2; ++i) {
                 eintraege.push_back(std::make_unique<TDimVolumen>());
                 eintraege.back()->Wert = 999999.99;
             }
             b.Flaechenliste.Flush();
             b.Flaechenliste.AddAll(std::move(eintraege));
             b.Bruttoflaeche = 2 * 999999.99;
         }},
        {"Kosten ohne Heizwert", [](TProjekt& p) { p.Jahresverbrauch.Kosten = 5e12; }},
        {"Temperatur A ohne Dialog", [](TProjekt& p) { p.Temperatur.TemperaturA = kNaN; }},
    };
    for (const auto& [name, aendern] : faelle) {
        TGesamtProjekt g("/tmp");
        ASSERT_EQ(g.Oeffnen(mitWert(kHaus, aendern), "/tmp/x.pro"), 0) << name;
        EXPECT_TRUE(g.ErsetzteWerte().empty()) << name << ErsetzteWerteMeldung(g.ErsetzteWerte());
        EXPECT_FALSE(g.AktuellesProjekt->WerteUnsicher()) << name;
    }
}

using shelltest::Projektbefehle;

// A component's climate and a placed wall's area damaged.
std::vector<uint8_t> kaputtesHaus() {
    return mitWert(kHaus, [](TProjekt& p) {
        erstesBauteil(p).Klima.ThetaI = 655360;
        p.PBauteile.begin()->Bruttoflaeche = kNaN;
    });
}

TEST_F(Projektbefehle, ADamagedValueOpensWithOneMessageNamingItAndTheFileStaysAsItWas) {
    const fs::path datei = ordner() / "kaputt.pro";
    const auto daten = kaputtesHaus();
    ASSERT_TRUE(WriteFileAtomically(datei, daten).ok);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    ASSERT_EQ(meldungen().Calls().size(), 1u);
    const auto& m = meldungen().Calls()[0];
    EXPECT_EQ(m.caption, "Projekt-Datei öffnen");
    const std::string bauteil = erstesBauteil(*projekt()->AktuellesProjekt).Name;
    EXPECT_NE(m.text.find("Bauteil \"" + bauteil +
                          "\": Innentemperatur Tauperiode = 655360 (erlaubt -40 bis 100)"),
              std::string::npos)
        << m.text;
    EXPECT_NE(m.text.find("Bruttofläche = keine Zahl"), std::string::npos) << m.text;
    EXPECT_NE(m.text.find("werden Sie gefragt"), std::string::npos) << m.text;
    // The replaced values are not in the file yet: closing asks.
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(ReadWholeFile(datei).bytes, daten);
}

// Saving writes the unconfirmed defaults only when the user says so: after
// that they would open as if typed and a proof could read "erfüllt".
TEST_F(Projektbefehle, SavingUnconfirmedDefaultsAsksFirstAndNoKeepsTheFile) {
    const fs::path datei = ordner() / "kaputt.pro";
    const auto daten = kaputtesHaus();
    ASSERT_TRUE(WriteFileAtomically(datei, daten).ok);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    ASSERT_NE(projekt(), nullptr);
    const std::string bauteil = erstesBauteil(*projekt()->AktuellesProjekt).Name;
    const std::string variante = projekt()->AktuellesProjekt->Name;

    for (int befehlId : {int(CM_PROJEKT_SPEICHERN), int(CM_PROJEKT_SPEICHERN_UNTER)}) {
        const size_t vorher = meldungen().Calls().size();
        if (befehlId == CM_PROJEKT_SPEICHERN_UNTER) services.Files().Answer(datei.string());
        meldungen().Answer(IDNO);
        befehl(befehlId);
        ASSERT_EQ(meldungen().Calls().size(), vorher + 1) << befehlId;
        const auto& frage = meldungen().Calls().back();
        EXPECT_NE(frage.text.find("Bauteil \"" + bauteil + "\""), std::string::npos) << frage.text;
        EXPECT_NE(frage.text.find("Variante \"" + variante + "\""), std::string::npos)
            << frage.text;
        EXPECT_NE(frage.text.find("Trotzdem speichern?"), std::string::npos) << frage.text;
        EXPECT_EQ(ReadWholeFile(datei).bytes, daten) << befehlId;
        EXPECT_TRUE(Korpus().ProjektGeaendert) << befehlId;
    }

    meldungen().Answer(IDYES);
    befehl(CM_PROJEKT_SPEICHERN);
    EXPECT_NE(ReadWholeFile(datei).bytes, daten);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
}

TEST_F(Projektbefehle, AFileCutInsideItsHeaderIsRefusedWithItsReason) {
    const fs::path datei = ordner() / "kaputt.pro";
    auto daten = beispiel(kHaus);
    daten.resize(139);
    ASSERT_TRUE(WriteFileAtomically(datei, daten).ok);
    meldungen().Answer(IDOK);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    EXPECT_EQ(projekt(), nullptr);
    ASSERT_FALSE(meldungen().Calls().empty());
    EXPECT_NE(meldungen().Calls()[0].text.find("zu kurz für eine Projekt-Datei"), std::string::npos)
        << meldungen().Calls()[0].text;
    EXPECT_EQ(ReadWholeFile(datei).bytes, daten);
}

TEST_F(Projektbefehle, ACountThatLeavesBytesUnreadIsRefusedWithItsReason) {
    const fs::path datei = ordner() / "kaputt.pro";
    const auto daten = mitZaehler(kHaus, 7, 0);
    ASSERT_TRUE(WriteFileAtomically(datei, daten).ok);
    meldungen().Answer(IDOK);
    meldungen().Answer(IDOK);
    oeffnen(datei);
    EXPECT_EQ(projekt(), nullptr);
    ASSERT_EQ(meldungen().Calls().size(), 2u);
    EXPECT_NE(meldungen().Calls()[0].text.find("eine Anzahl in der Datei ist zu klein"),
              std::string::npos)
        << meldungen().Calls()[0].text;
    EXPECT_EQ(ReadWholeFile(datei).bytes, daten);
}

} // namespace
