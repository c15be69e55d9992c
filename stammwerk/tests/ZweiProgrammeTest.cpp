// Two programs on one file, each with its own model object: a save never
// drops what the other one wrote since this one read the file.
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TFormelSammlung.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TReferenzSammlung.h"
#include "testsupport/TempDir.h"

#include "ModellTestProjekt.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testsupport::TempDir;
namespace fs = std::filesystem;

TEST(ZweiProgramme, AProjectSavedByTheOtherProgramIsNoticed) {
    TempDir dir;
    {
        TGesamtProjekt neu(dir.Path());
        auto p = std::make_unique<TProjekt>();
        modelltest::BeispielVariante(*p, 1, 1, 1);
        neu.ProjektHinzufuegen(std::move(p));
        ASSERT_EQ(neu.SpeichernAls(dir / "haus.pro"), 1);
    }
    TGesamtProjekt a(dir.Path()), b(dir.Path());
    ASSERT_EQ(a.Oeffnen(dir / "haus.pro"), 0);
    ASSERT_EQ(b.Oeffnen(dir / "haus.pro"), 0);
    EXPECT_FALSE(a.AufPlatteGeaendert());
    b.AktuellesProjekt->Name = "von B";
    ASSERT_EQ(b.Speichern(), 1);
    EXPECT_FALSE(b.AufPlatteGeaendert()); // its own save
    EXPECT_TRUE(a.AufPlatteGeaendert());
    // A saves all the same (the user said so): now B is the one behind.
    ASSERT_EQ(a.Speichern(), 1);
    EXPECT_FALSE(a.AufPlatteGeaendert());
    EXPECT_TRUE(b.AufPlatteGeaendert());
    // A removed file holds nothing a save could drop.
    fs::remove(dir / "haus.pro");
    EXPECT_FALSE(a.AufPlatteGeaendert());
}

// Each program reads the catalogue, then each adds an entry and saves: the
// second save must not drop the first one's entry.
template <class Oeffnen, class Hinzufuegen, class Namen>
void zweiProgramme(const char* datei, Oeffnen oeffnen, Hinzufuegen hinzufuegen, Namen namen) {
    SCOPED_TRACE(datei);
    TempDir dir;
    auto a = oeffnen(dir.Path());
    auto b = oeffnen(dir.Path());
    std::string fehler;
    ASSERT_TRUE(hinzufuegen(*a, "von A", fehler)) << fehler;
    EXPECT_FALSE(hinzufuegen(*b, "von B", fehler));
    EXPECT_NE(fehler.find("von einem anderen Programm geändert"), std::string::npos) << fehler;
    EXPECT_NE(fehler.find(datei), std::string::npos) << fehler;
    auto c = oeffnen(dir.Path());
    EXPECT_EQ(namen(*c), std::vector<std::string>{"von A"});
    // Read anew, the second program saves without loss.
    ASSERT_TRUE(hinzufuegen(*c, "von B", fehler)) << fehler;
    auto d = oeffnen(dir.Path());
    EXPECT_EQ(namen(*d), (std::vector<std::string>{"von A", "von B"}));
}

template <class D, class T>
void katalog(const char* datei, int k) {
    zweiProgramme(
        datei,
        [k](const fs::path& dir) {
            auto d = std::make_unique<D>(dir);
            EXPECT_EQ(d->Oeffnen(k), 0);
            return d;
        },
        [k](D& d, const char* name, std::string& fehler) {
            auto t = std::make_unique<T>();
            t->Name = name;
            t->Schluessel.Katalog = uint16_t(k);
            t->Schluessel.Gruppe = 1;
            const bool ok = d.Einfuegen(t) == 1;
            fehler = d.LetzterFehler();
            return ok;
        },
        [](const D& d) {
            std::vector<std::string> n;
            for (const T& t : d.Liste()) n.push_back(t.Name);
            std::sort(n.begin(), n.end());
            return n;
        });
}

TEST(ZweiProgramme, ACatalogueSaveKeepsTheOtherProgramsEntries) {
    katalog<TBauteilDatei, TRBauteil>("bt_anw.dat", 2);
    katalog<TFensterDatei, TRFenster>("fnst_anw.dat", 2);
    zweiProgramme(
        "bs_anw.dat",
        [](const fs::path& dir) {
            auto d = std::make_unique<TBaustoffDatei>(dir);
            EXPECT_EQ(d->Oeffnen(2), 0);
            return d;
        },
        [](TBaustoffDatei& d, const char* name, std::string& fehler) {
            auto b = std::make_unique<TBaustoff>();
            b->Name = name;
            b->Schluessel.Katalog = 2;
            b->Schluessel.Gruppe = 1;
            const bool ok = d.Einfuegen(b) == 1;
            fehler = d.LetzterFehler();
            return ok;
        },
        [](const TBaustoffDatei& d) {
            std::vector<std::string> n;
            for (const TBaustoff& b : d.Baustoffe()) n.push_back(b.Name);
            std::sort(n.begin(), n.end());
            return n;
        });
    zweiProgramme(
        "orte_anw.dat",
        [](const fs::path& dir) {
            auto s = std::make_unique<TOrtSammlung>(dir);
            s->Oeffnen(2);
            return s;
        },
        [](TOrtSammlung& s, const char* name, std::string& fehler) {
            TOrt o;
            o.Name = name;
            o.Quelle = QuelleAnwender;
            s.Einfuegen(o);
            const bool ok = s.Speichern(2) == 1;
            fehler = s.LetzterFehler();
            return ok;
        },
        [](const TOrtSammlung& s) {
            std::vector<std::string> n;
            for (const TOrt& o : s.Liste()) n.push_back(o.Name);
            return n;
        });
    zweiProgramme(
        "formel.dat",
        [](const fs::path& dir) {
            auto s = std::make_unique<TFormelSammlung>(dir);
            s->Oeffnen();
            return s;
        },
        [](TFormelSammlung& s, const char* name, std::string& fehler) {
            s.Einfuegen(TFormel{name, "1", "", '0'});
            const bool ok = s.Speichern() == 1;
            fehler = s.LetzterFehler();
            return ok;
        },
        [](const TFormelSammlung& s) {
            std::vector<std::string> n;
            for (const TFormel& f : s.Liste()) n.push_back(f.Name);
            return n;
        });
}

} // namespace
