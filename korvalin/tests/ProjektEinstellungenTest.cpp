// The project settings sheet: what it shows of the variant, what OK writes
// back, and that Cancel and an untouched OK change nothing.
#include "ProjektDialogFixture.h"

#include "korvalin/projekt/ProjektEinstellungen.h"
#include "korvalin/projekt/TBrennstoffDialog.h"
#include "korvalin/projekt/THeizsystemDialog.h"
#include "korvalin/projekt/TProjektBeschreibungDialog.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/property/TPropertyDialog.h"
#include "tauplot/property/TPropertyTab.h"
#include "testsupport/ControlInput.h"
#include "testsupport/UserInput.h"

#include <QApplication>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using projekttest::ProjektDialogTest;

struct Einstellungsblatt : ProjektDialogTest {
    // Runs command 5001 with the script playing the user on the sheet.
    void Bearbeiten(std::function<void(TPropertyDialog&)> script) {
        services.Dialogs().Expect([script](TDialog& d) {
            auto& sheet = dynamic_cast<TPropertyDialog&>(d);
            script(sheet);
        });
        ASSERT_TRUE(dialog->EvCommand(5001, 0, 0));
    }
    static TEdit* Edit(TPropertyDialog& s, int seite, int id) {
        s.SelectTab(seite);
        return s.GetPageRef(seite)->Item<TEdit>(id);
    }
    static void Tippen(TPropertyDialog& s, int seite, int id, const char* text) {
        TEdit* e = Edit(s, seite, id);
        ASSERT_NE(e, nullptr);
        e->SetFocus();
        e->SetSelection(0, -1);
        testsupport::TypeText(*e, text);
    }
    static void Klicken(TPropertyDialog& s, int seite, int id) {
        s.SelectTab(seite);
        auto* b = s.GetPageRef(seite)->Item<TCheckBox>(id);
        ASSERT_NE(b, nullptr);
        b->Click();
    }
};

enum Seite { Beschreibung, Vorgaben, Klima, Temperatur, Wohnflaeche, Niedrigenergie, Heizung };

TEST_F(Einstellungsblatt, SevenPagesInOrderUnderTheCaption) {
    Oeffnen();
    Zeigen();
    Bearbeiten([](TPropertyDialog& s) {
        EXPECT_EQ(s.GetCaption(), "Projekt - Einstellungen");
        ASSERT_EQ(s.GetEntryCount(), 7);
        const char* titel[] = {"Beschreibung", "Gebäude-Typ",        "Klima",     "Temperatur",
                               "Wohnfläche",   "Niedrigenergiehaus", "Heizsystem"};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(s.GetTabStrip()->GetTabText(i), titel[i]);
        s.CmCancel();
    });
}

TEST_F(Einstellungsblatt, CancelChangesNothing) {
    TProjekt& p = Oeffnen();
    Zeigen();
    const auto vorher = Korpus().AktuellesProjekt->Dateibild();
    Bearbeiten([](TPropertyDialog& s) {
        Tippen(s, Klima, 105, "25");
        Tippen(s, Beschreibung, 601, "Anderer Name");
        Klicken(s, Vorgaben, 125);
        s.CmCancel();
    });
    EXPECT_EQ(Korpus().AktuellesProjekt->Dateibild(), vorher);
    EXPECT_FALSE(Korpus().ProjektGeaendert);
    (void)p;
}

TEST_F(Einstellungsblatt, UntouchedOkKeepsTheBytesAndStillMarksTheChange) {
    TProjekt& p = Oeffnen();
    p.Klima.ThetaI = 12.5;
    p.Klima.PhiI = 0.555;
    p.Temperatur.InnenWinter = 19.7;
    p.Unterschreitung = 12.345;
    p.Heizsystem.Wirkungsgrad = 87.456;
    p.ProjektMerker = 7;
    Zeigen();
    // A first OK brings the computed results up to date.
    Bearbeiten([](TPropertyDialog& s) { s.CmOk(); });
    const auto vorher = Korpus().AktuellesProjekt->Dateibild();
    Korpus().ProjektGeaendert = false;
    Bearbeiten([](TPropertyDialog& s) {
        for (int i = 0; i < s.GetEntryCount(); ++i) s.SelectTab(i);
        s.CmOk();
    });
    EXPECT_EQ(Korpus().AktuellesProjekt->Dateibild(), vorher);
    EXPECT_TRUE(Korpus().ProjektGeaendert);
    EXPECT_EQ(p.Klima.ThetaI, 12.5);
    EXPECT_EQ(p.ProjektMerker, 7);
}

// Each row: the page, the control, what the user types or clicks, and the
// project field that must carry it afterwards.
struct Fall {
    const char* name;
    int seite, id;
    const char* text; // null: a click
    std::function<bool(const TProjekt&)> pruefen;
};

TEST_F(Einstellungsblatt, OkWritesEachControlIntoItsProjectField) {
    const Fall faelle[] = {
        {"humidity 85 % is 0.85", Klima, 107, "85",
         [](const TProjekt& p) { return std::abs(p.Klima.PhiI - 0.85) < 1e-12; }},
        {"outside humidity evaporation", Klima, 109, "60",
         [](const TProjekt& p) { return std::abs(p.Klima.PhiE_V - 0.6) < 1e-12; }},
        {"roof surface", Klima, 112, "22", [](const TProjekt& p) { return p.Wert20 == 22; }},
        {"unheated rooms", Klima, 117, "7",
         [](const TProjekt& p) { return p.Klima.KlimaWert1 == 7; }},
        {"ground", Klima, 102, "9", [](const TProjekt& p) { return p.Klima.KlimaWert2 == 9; }},
        {"threshold 0.5", Klima, 104, nullptr,
         [](const TProjekt& p) { return p.Klima.KlimaMerker2 == 1; }},
        {"Weber", Klima, 122, nullptr,
         [](const TProjekt& p) { return p.Klima.OberflaecheDreifachRsi == 0; }},
        {"summer outside", Temperatur, 115, "14",
         [](const TProjekt& p) { return p.Temperatur.TemperaturB == 14; }},
        {"dark surface", Temperatur, 110, "70",
         [](const TProjekt& p) { return p.Temperatur.OberflaecheSommerDunkel == 70; }},
        {"low inside temperatures", Vorgaben, 125, nullptr,
         [](const TProjekt& p) {
             return p.Gebaeudenutzung == 10 && p.NormaleInnentemperatur == 0 &&
                    p.KleinesWohngebaeude == 0;
         }},
        {"extension", Vorgaben, 118, nullptr,
         [](const TProjekt& p) { return p.Baumassnahme == 1; }},
        {"external components", Vorgaben, 116, nullptr,
         [](const TProjekt& p) { return p.Baumassnahme == 2; }},
        {"own internal gains", Vorgaben, 136, nullptr,
         [](const TProjekt& p) { return p.InterneGewinnePauschal == 0; }},
        {"area kind", Wohnflaeche, 10014, nullptr,
         [](const TProjekt& p) { return p.A_N_Art == 2; }},
        {"low-energy check", Niedrigenergie, 101, nullptr,
         [](const TProjekt& p) { return p.UnterschreitungPruefen == 1; }},
        {"passive-house maximum", Niedrigenergie, 106, "40",
         [](const TProjekt& p) { return p.Zielwert == 40; }},
        {"degree days", Heizung, 110, "4200",
         [](const TProjekt& p) { return p.Ort.Gradtagzahl == 4200; }},
        {"efficiency", Heizung, 104, "95.5",
         [](const TProjekt& p) { return p.Heizsystem.Wirkungsgrad == 95.5; }},
        {"project name", Beschreibung, 601, "Haus Lindner",
         [](const TProjekt& p) { return p.Projektangaben[0] == "Haus Lindner"; }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        TProjekt& p = Oeffnen();
        p.Klima.KlimaMerker2 = 0;
        p.Klima.OberflaecheDreifachRsi = 1;
        p.InterneGewinnePauschal = 1;
        p.ZielwertPruefen = 1; // its maximum can be typed
        Zeigen();
        Bearbeiten([&f](TPropertyDialog& s) {
            if (f.text)
                Tippen(s, f.seite, f.id, f.text);
            else
                Klicken(s, f.seite, f.id);
            s.CmOk();
        });
        EXPECT_TRUE(f.pruefen(*AktuelleVariante()));
        dialog.reset();
        ProjektVerwerfen();
    }
}

// The print tool sets each certificate's settings without the sheet; the
// variant must come out as a user's clicks and OK leave it, to the byte.
// With low inside temperatures the example's Q'T is 6,88 (30 kKh/a), not
// the 19,25 of a balance left at 84 kKh/a.
TEST_F(Einstellungsblatt, CertificateSettingsOfThePrintToolEqualTheUsersClicks) {
    const struct {
        char variante;
        int knopf; // clicked when the example's setting differs
        const char* qT;
    } faelle[] = {{'A', 10002, "19.25"}, {'B', 10002, "19.25"}, {'C', 125, "6.88"}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.variante);
        TProjekt& q = Oeffnen();
        AusweisEinstellungenSetzen(q, f.variante);
        const auto werkzeug = Korpus().AktuellesProjekt->Dateibild();
        char qT[16];
        std::snprintf(qT, sizeof qT, "%.2f", q.V > 0 ? q.Q_T / q.V : 0);
        EXPECT_STREQ(qT, f.qT);
        ProjektVerwerfen();

        TProjekt& p = Oeffnen();
        const bool klein = p.KleinesWohngebaeude != 0;
        const bool klicken = f.variante == 'C' || klein != (f.variante == 'B');
        Zeigen();
        Bearbeiten([&](TPropertyDialog& s) {
            if (klicken) Klicken(s, Vorgaben, f.knopf);
            s.CmOk();
        });
        EXPECT_EQ(p.NormaleInnentemperatur, f.variante == 'C' ? 0 : 1);
        EXPECT_EQ(p.KleinesWohngebaeude, f.variante == 'B' ? 1 : 0);
        EXPECT_TRUE(Korpus().AktuellesProjekt->Dateibild() == werkzeug);
        dialog.reset();
        ProjektVerwerfen();
    }
}

TEST_F(Einstellungsblatt, NotesAreStoredInRecordsOf127Characters) {
    TProjekt& p = Oeffnen();
    Zeigen();
    std::string notizen;
    for (int i = 0; i < 300; ++i) notizen += char('a' + i % 26);
    notizen.replace(5, 1, "ä"); // one Windows-1252 character, two bytes in memory
    Bearbeiten([&](TPropertyDialog& s) {
        Edit(s, Beschreibung, TProjektBeschreibungDialog::IDC_NOTIZEN)->SetText(notizen);
        s.CmOk();
    });
    std::vector<std::string> teile;
    for (const TTextString& t : p.Textliste1) teile.push_back(t.Text);
    ASSERT_EQ(teile.size(), 3u);
    EXPECT_EQ(teile[0].size(), 128u); // 127 characters, "ä" is two bytes in memory
    EXPECT_EQ(teile[2].size(), 46u);
    EXPECT_EQ(teile[0] + teile[1] + teile[2], notizen);
}

TEST_F(Einstellungsblatt, APageThatRefusesKeepsTheSheetOpenAndNothingIsWritten) {
    TProjekt& p = Oeffnen();
    Zeigen();
    const auto vorher = Korpus().AktuellesProjekt->Dateibild();
    services.Messages().Answer(IDOK); // the validator's complaint
    Bearbeiten([](TPropertyDialog& s) {
        Tippen(s, Beschreibung, 601, "Neu");
        Edit(s, Klima, 107)->SetText("101");
        s.CmOk(); // a humidity above 100 %: the page refuses
        EXPECT_FALSE(s.Ended());
        s.CmCancel();
    });
    EXPECT_EQ(Korpus().AktuellesProjekt->Dateibild(), vorher);
    (void)p;
}

// The fuel of the heating system is one row of a table, edited in its cells.
TEST_F(Einstellungsblatt, BrennstoffInDerTabelleBearbeitet) {
    TProjekt& p = Oeffnen();
    TBrennstoff& b = p.Heizsystem.Brennstoff;
    b.Name = "Heizöl EL";
    b.Einheit = "Liter";
    b.Heizwert = 10.08;
    b.Brennwert = 10.68;
    b.Preis = 0.4;
    b.CO2 = 0.3;
    Zeigen();
    services.Messages().Answer(IDOK); // the emptied price
    Bearbeiten([](TPropertyDialog& s) {
        s.SelectTab(Heizung);
        auto& seite = dynamic_cast<THeizsystemDialog&>(*s.GetPageRef(Heizung));
        TSftTree& t = *seite.Brennstofftabelle();
        ASSERT_EQ(t.GetCount(), 1);
        const char* titel[] = {"Brennstoff",         "Einheit",       "Heizwert in kWh/l",
                               "Brennwert in kWh/l", "Preis in DM/l", "CO2 kg/kWh"};
        ASSERT_EQ(t.GetColumns().size(), 6u);
        for (int k = 0; k < 6; ++k) EXPECT_EQ(t.GetColumns()[size_t(k)].title, titel[k]);
        const char* zellen[] = {"Heizöl EL", "Liter", "10.08", "10.68", "0.40", "0.30"};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(t.GetCellText(0, k), zellen[k]);
        auto doppelklick = [&](int spalte) {
            t.EnsureColumnVisible(spalte);
            const auto r = t.GetCellRect(0, spalte);
            ASSERT_TRUE(r.has_value());
            testsupport::DoubleClick(t, {(r->left + r->right) / 2, (r->top + r->bottom) / 2});
        };
        // The unit from its list; "[ - ]" fixes both calorific values at 1.
        doppelklick(1);
        ASSERT_TRUE(t.IsEditing());
        auto* einheit = dynamic_cast<TComboBox*>(t.GetEditor());
        ASSERT_NE(einheit, nullptr);
        EXPECT_EQ(einheit->GetSelIndex(), 2);
        // The unit's list opens with the editor.
        QApplication::processEvents();
        QWidget* liste = QApplication::activePopupWidget();
        ASSERT_NE(liste, nullptr);
        liste->close();
        einheit->SetSelIndex(3);
        testsupport::PressKey(*einheit, VK_RETURN);
        EXPECT_FALSE(t.IsEditing());
        EXPECT_FALSE(s.Ended()) << "Enter ends the edit, not the sheet";
        EXPECT_EQ(t.GetCellText(0, 1), "[ - ]");
        EXPECT_EQ(t.GetCellText(0, 2), "1.00");
        EXPECT_EQ(t.GetCellText(0, 3), "1.00");
        EXPECT_EQ(t.GetColumns()[2].title, "Heizwert in kWh");
        EXPECT_EQ(t.GetColumns()[4].title, "Preis in DM");
        doppelklick(2);
        EXPECT_FALSE(t.IsEditing()) << "no calorific value without a unit";
        // An emptied price is refused and the editor stays; a number is taken.
        doppelklick(4);
        ASSERT_TRUE(t.IsEditing());
        ASSERT_NE(t.GetEditor(), nullptr);
        t.GetEditor()->SetFocus();
        testsupport::PressKey(*t.GetEditor(), VK_END);
        for (int i = 0; i < 4; ++i) testsupport::PressKey(*t.GetEditor(), VK_BACK);
        testsupport::PressKey(*t.GetEditor(), VK_RETURN);
        EXPECT_TRUE(t.IsEditing());
        testsupport::TypeText(*t.GetEditor(), "0.55");
        testsupport::PressKey(*t.GetEditor(), VK_RETURN);
        EXPECT_FALSE(t.IsEditing());
        EXPECT_EQ(t.GetCellText(0, 4), "0.55");
        s.CmOk();
    });
    EXPECT_EQ(b.Einheit, "[ - ]");
    EXPECT_EQ(b.Heizwert, 1.0);
    EXPECT_EQ(b.Brennwert, 1.0);
    EXPECT_EQ(b.Preis, 0.55);
    EXPECT_EQ(b.CO2, 0.3) << "an untouched cell keeps the exact value";
    EXPECT_EQ(b.Name, "Heizöl EL");
}

// "Auswählen" of the fuel answers on the whole of its face.
TEST_F(Einstellungsblatt, BrennstoffAuswaehlenUeberallAufDemKnopf) {
    Oeffnen();
    Zeigen();
    Bearbeiten([this](TPropertyDialog& s) {
        // Shown, so that a click lands on what lies on top at its place.
        s.ShowWindow(SW_SHOWNORMAL);
        s.SelectTab(Heizung);
        testsupport::ProcessEvents();
        TDialog& seite = *s.GetPageRef(Heizung);
        TWindow* knopf = seite.GetDlgItem(108);
        ASSERT_NE(knopf, nullptr);
        const TRect r = knopf->GetWindowRect();
        for (int y : {r.top + 2, r.bottom - 3}) {
            SCOPED_TRACE(y - r.top);
            bool geoeffnet = false;
            services.Dialogs().Expect([&](TDialog& d) {
                geoeffnet = dynamic_cast<TBrennstoffDialog*>(&d) != nullptr;
                d.CmCancel();
            });
            testsupport::MouseClickOnTop(seite, seite.ScreenToClient({(r.left + r.right) / 2, y}));
            EXPECT_TRUE(geoeffnet);
        }
        s.CmCancel();
    });
}

TEST_F(Einstellungsblatt, PictureOfTheSheet) {
    Oeffnen();
    Zeigen();
    // KORVALIN_BILDER names a folder to keep the pictures for a look.
    const char* ziel = std::getenv("KORVALIN_BILDER");
    const std::filesystem::path ordner = ziel ? ziel : dirs.Root().Path();
    Bearbeiten([&](TPropertyDialog& s) {
        for (auto [seite, name] : {std::pair{Vorgaben, "vorgaben.png"},
                                   {Klima, "klima.png"},
                                   {Wohnflaeche, "wohnflaeche.png"},
                                   {Heizung, "heizung.png"},
                                   {Beschreibung, "beschreibung.png"}}) {
            s.SelectTab(seite);
            testsupport::ProcessEvents();
            EXPECT_TRUE(testsupport::SaveWindowPicture(s, (ordner / name).c_str()));
        }
        s.CmCancel();
    });
}

} // namespace
