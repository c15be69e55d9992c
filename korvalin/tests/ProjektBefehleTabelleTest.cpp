// Every command of the project dialog's context menus and buttons on a small
// house: the questions asked, the answers given, and the trees that result.
// After each command the links of the model agree both ways.
#include "ProjektBearbeitenFixture.h"

#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"

#include <functional>

namespace projekttest {
namespace {

const std::vector<std::string> kHuelle = {
    "Nord |  | Fassade | 0,00", "  Wand: 1 |  | Außenwand | 0,00", "    F1: 1 |  | Fenster | 0,00",
    "Süd |  | Fassade | 0,00",  "  Wand: 2 |  | Außenwand | 0,00",
};
const std::vector<std::string> kReferenz = {"Außenwand", "  Wand",  "Dach/Decke",
                                            "  Dach",    "Fenster", "  F1"};

std::vector<std::string> mit(std::vector<std::string> zeilen, size_t an, std::string neu) {
    zeilen.insert(zeilen.begin() + std::ptrdiff_t(an), std::move(neu));
    return zeilen;
}
std::vector<std::string> ohne(std::vector<std::string> zeilen, std::vector<size_t> weg) {
    for (auto it = weg.rbegin(); it != weg.rend(); ++it)
        zeilen.erase(zeilen.begin() + std::ptrdiff_t(*it));
    return zeilen;
}

struct Fall {
    const char* name;
    std::function<void(HausTest&)> vorher; // chooses rows, scripts the answers
    int befehl;                            // 0: `vorher` gave the command
    std::vector<std::string> meldungen;    // caption: text
    std::vector<std::string> huelle, referenz;
    bool geaendert;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

void ok(TDialog& d) {
    d.Item<TButton>(IDOK)->Click();
}

const Fall kFaelle[] = {
    {"NeueHuellflaeche",
     [](HausTest& t) {
         t.services.Dialogs().Expect([](TDialog& d) {
             EXPECT_EQ(d.Item<TEdit>(112)->GetText(), "Hüllfläche 3");
             ok(d);
         });
     },
     105,
     {},
     mit(kHuelle, 5, "Hüllfläche 3 |  | Hüllfläche | 0,00"),
     kReferenz,
     true},
    {"NeueHuellflaecheAbgebrochen",
     [](HausTest& t) {
         t.services.Dialogs().Expect([](TDialog& d) { d.Item<TButton>(IDCANCEL)->Click(); });
     },
     12000,
     {},
     kHuelle,
     kReferenz,
     false},
    {"HuellflaecheKopieren",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kNord, 0);
         t.services.Input().Answer("Nord 2");
     },
     118,
     {},
     [] {
         auto z = kHuelle;
         for (const char* s : {"Nord 2 |  | Fassade | 0,00", "  Wand: 3 |  | Außenwand | 0,00",
                               "    F1: 2 |  | Fenster | 0,00"})
             z.push_back(s);
         return z;
     }(),
     kReferenz,
     true},
    {"HuellflaecheLoeschen",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kSued, 0);
         t.services.Messages().Answer(IDYES);
     },
     106,
     {"Gebäudehüllfläche löschen: \"Süd\" löschen? Die zugehörigen Projekt-Bauteile werden "
      "gelöscht!"},
     ohne(kHuelle, {3, 4}),
     kReferenz,
     true},
    {"HuellflaecheLoeschenVerneint",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kSued, 0);
         t.services.Messages().Answer(IDNO);
     },
     12003,
     {"Gebäudehüllfläche löschen: \"Süd\" löschen? Die zugehörigen Projekt-Bauteile werden "
      "gelöscht!"},
     kHuelle,
     kReferenz,
     false},
    {"ProjektBauteilLoeschen",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand1, 0);
         t.services.Messages().Answer(IDOK);
     },
     12103,
     {"Projekt-Bauteil löschen: Bauteil-Daten gehen verloren! \n Projekt-Bauteil \"Wand: 1\" "
      "wird aus Variante A gelöscht!"},
     ohne(kHuelle, {1, 2}),
     kReferenz,
     true},
    {"ProjektFensterLoeschen",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kF1, 0);
         t.services.Messages().Answer(IDOK);
     },
     106,
     {"Projekt-Fenster löschen: Fenster-Daten gehen verloren! \n Fenster \"F1: 1\" wird aus "
      "Variante A gelöscht!"},
     ohne(kHuelle, {2}),
     kReferenz,
     true},
    {"TypengruppeLoeschen",
     [](HausTest& t) {
         t.referenz()->ClickCell(HausTest::kAussenwand, 0);
         t.services.Messages().Answer(IDOK);
     },
     109,
     {"Bauteile löschen: Alle Bauteile des Typs \"Außenwand\" werden gelöscht.\nAlle "
      "zugehörigen Daten gehen verloren!"},
     {"Nord |  | Fassade | 0,00", "Süd |  | Fassade | 0,00"},
     ohne(kReferenz, {0, 1}),
     true},
    {"TypLoeschenAbgebrochen",
     [](HausTest& t) {
         t.referenz()->ClickCell(HausTest::kWand, 0);
         t.services.Messages().Answer(IDCANCEL);
     },
     12204,
     {"Projekt-Bauteil löschen: Bauteil-Daten gehen verloren! \n Bauteil \"Wand\" sowie "
      "abhängige Bauteile werden aus Variante A gelöscht!"},
     kHuelle,
     kReferenz,
     false},
    {"FenstertypLoeschen",
     [](HausTest& t) {
         t.referenz()->ClickCell(HausTest::kF1Typ, 0);
         t.services.Messages().Answer(IDOK);
     },
     109,
     {"Projekt-Bauteil löschen: Fenster-Daten gehen verloren! \n Fenster \"F1\" sowie "
      "abhängige Fenster werden aus Variante A gelöscht!"},
     ohne(kHuelle, {2}),
     ohne(kReferenz, {4, 5}),
     true},
    {"AlleFensterLoeschen",
     [](HausTest& t) {
         t.referenz()->ClickCell(HausTest::kFenster, 0);
         t.services.Messages().Answer(IDOK);
     },
     109,
     {"Fenster löschen: Alle Fenster werden gelöscht!\nAlle Fenster-Daten gehen verloren!"},
     ohne(kHuelle, {2}),
     ohne(kReferenz, {4, 5}),
     true},
    {"TypKopieren",
     [](HausTest& t) {
         t.referenz()->ClickCell(HausTest::kWand, 0);
         t.services.Dialogs().Expect([](TDialog& d) {
             EXPECT_EQ(d.Item<TEdit>(107)->GetText(), "Wand");
             d.Item<TEdit>(107)->SetText("Wand 2");
             ok(d);
         });
     },
     104,
     {},
     kHuelle,
     mit(kReferenz, 2, "  Wand 2"),
     true},
    {"AendernAufUeberschrift",
     [](HausTest& t) { t.referenz()->ClickCell(HausTest::kFenster, 0); },
     12202,
     {"Bauteil ändern: Wählen Sie ein Bauteil bzw. ein Fenster aus!"},
     kHuelle,
     kReferenz,
     false},
    {"NeuZuordnenAndereArt",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand1, 0);
         t.referenz()->ClickCell(HausTest::kDach, 0);
         t.services.Messages().Answer(IDOK);
     },
     117,
     {"Bauteil neu zuordnen: Ordne dem Projekt-Bauteil \"Wand: 1\"  das Referenz-Bauteil "
      "\"Dach\" zu!"},
     [] {
         auto z = kHuelle;
         z[1] = "  Wand: 1 |  | Dach/Decke | 0,00";
         return z;
     }(),
     kReferenz,
     true},
    {"NeuZuordnenVerneint",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand1, 0);
         t.referenz()->ClickCell(HausTest::kDach, 0);
         t.services.Messages().Answer(IDCANCEL);
     },
     12206,
     {"Bauteil neu zuordnen: Ordne dem Projekt-Bauteil \"Wand: 1\"  das Referenz-Bauteil "
      "\"Dach\" zu!"},
     kHuelle,
     kReferenz,
     false},
    {"NeuZuordnenBauteilUndFenster",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand1, 0);
         t.referenz()->ClickCell(HausTest::kF1Typ, 0);
     },
     117,
     {"Bauteil/Fenster neu zuordnen: Zuordnung zwischen Bauteil und Fenster nicht möglich!"},
     kHuelle,
     kReferenz,
     false},
    {"FensterAufHuellflaeche",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kSued, 0);
         t.referenz()->ClickCell(HausTest::kF1Typ, 0);
         t.services.Messages().Answer(IDOK);
     },
     108,
     {"Fenster einfügen: Einfügen von \"F1\" in \"Süd\"!"},
     mit(kHuelle, 5, "  F1: 2 |  | Fenster | 0,00"),
     kReferenz,
     true},
    {"FensterInWand",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand2, 0);
         t.referenz()->ClickCell(HausTest::kF1Typ, 0);
         t.services.Messages().Answer(IDOK);
     },
     12205,
     {"Fenster einfügen: Einfügen von \"F1\" in \"Wand: 2\"!"},
     mit(kHuelle, 5, "    F1: 2 |  | Fenster | 0,00"),
     kReferenz,
     true},
    {"InUnterBauteilVerweigert",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kF1, 0);
         t.referenz()->ClickCell(HausTest::kDach, 0);
     },
     108,
     {"Bauteil einfügen: Aktion nicht möglich!\n\"F1: 1\"ist selbst ein Unter-Bauteil. Einem "
      "Unter-Bauteil kann kein weiteres Unter-Bauteil zugeordnet werden!"},
     kHuelle,
     kReferenz,
     false},
    {"Bewegen",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand1, 0);
         t.services.Dialogs().Expect([](TDialog& d) {
             EXPECT_EQ(d.Item<TEdit>(102)->GetText(), "Wand: 1");
             EXPECT_EQ(d.Item<TComboBox>(101)->GetSelIndex(), 0);
             d.Item<TComboBox>(101)->SetSelIndex(1);
             ok(d);
         });
     },
     114,
     {},
     {"Nord |  | Fassade | 0,00", "Süd |  | Fassade | 0,00", "  Wand: 1 |  | Außenwand | 0,00",
      "    F1: 1 |  | Fenster | 0,00", "  Wand: 2 |  | Außenwand | 0,00"},
     kReferenz,
     true},
    {"BewegenAufEigeneFlaeche",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand2, 0);
         t.services.Dialogs().Expect(ok);
     },
     12101,
     {"Bauteil verschieben: Aktion nicht möglich!\nBauteil gehört bereits zur Hüllfläche!"},
     kHuelle,
     kReferenz,
     false},
    {"KopierenAufFlaeche",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kF1, 0);
         t.services.Dialogs().Expect([](TDialog& d) {
             d.Item<TComboBox>(101)->SetSelIndex(1);
             ok(d);
         });
     },
     12102,
     {},
     mit(kHuelle, 5, "  F1: 2 |  | Fenster | 0,00"),
     kReferenz,
     true},
    {"KurznameAufHuellflaeche",
     [](HausTest& t) {
         t.services.Messages().Answer(IDOK);
         t.huelle()->DoubleClickCell(HausTest::kNord, 1);
     },
     0,
     {"Kurzname: Kurznamen können nur für Bauteile und Fenster, aber nicht für Hüllflächen "
      "gesetzt werden!"},
     kHuelle,
     kReferenz,
     false},
    {"KurznameSetzen",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kWand2, 0);
         t.services.Input().Answer("Südwand lang");
         t.huelle()->DoubleClickCell(HausTest::kWand2, 1);
     },
     0,
     {},
     [] {
         auto z = kHuelle;
         z[4] = "  Wand: 2 | Südwand la | Außenwand | 0,00"; // ten characters
         return z;
     }(),
     kReferenz,
     true},
    {"FenstertypAendern",
     [](HausTest& t) {
         t.huelle()->ClickCell(HausTest::kF1, 0);
         t.services.Messages().Answer(IDOK);
         t.huelle()->DoubleClickCell(HausTest::kF1, 2);
     },
     0,
     {"Typ ändern: Fenster-Typ läßt sich nicht ändern!"},
     kHuelle,
     kReferenz,
     false},
    {"FlaecheDerHuellflaeche",
     [](HausTest& t) {
         t.services.Messages().Answer(IDOK);
         t.huelle()->DoubleClickCell(HausTest::kSued, 3);
     },
     0,
     {"Fläche ändern: Hüllfläche wird aus den zugeordneten Bauteilen errechnet!"},
     kHuelle,
     kReferenz,
     false},
    {"FassadeInDateiSpeichern",
     [](HausTest& t) { t.huelle()->ClickCell(HausTest::kNord, 0); },
     3030,
     {"Bauteil/Fenster in Datei speichern: Speichern nicht möglich.\nSie haben eine Fassade "
      "ausgewählt. Wählen Sie ein Bauteil oder ein Fenster aus!"},
     kHuelle,
     kReferenz,
     false},
    {"UeberschriftInDateiSpeichern",
     [](HausTest& t) {
         t.referenz()->FocusGained();
         t.referenz()->ClickCell(HausTest::kDachGruppe, 0);
     },
     12207,
     {"Bauteil/Fenster in Datei speichern: Speichern nicht möglich.\nSie haben einen "
      "Oberbegriff ausgewählt. Wählen Sie ein Bauteil oder ein Fenster aus!"},
     kHuelle,
     kReferenz,
     false},
};

struct Befehle : HausTest, ::testing::WithParamInterface<Fall> {};

TEST_P(Befehle, FragenAntwortenBaeume) {
    const Fall& f = GetParam();
    f.vorher(*this);
    // Refusals are confirmed with OK; `vorher` answered the questions.
    auto& m = services.Messages();
    while (m.Pending() + m.Calls().size() < f.meldungen.size()) m.Answer(IDOK);
    if (f.befehl) Befehl(f.befehl);
    EXPECT_EQ(Meldungen(), f.meldungen);
    EXPECT_EQ(Huelle(), f.huelle);
    EXPECT_EQ(Referenz(), f.referenz);
    EXPECT_EQ(Korpus().ProjektGeaendert, f.geaendert);
    EXPECT_EQ(services.Messages().Pending(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Projektdialog, Befehle, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace projekttest
