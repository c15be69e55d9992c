// The component editor's small dialogs and its close checks: the U-value
// dialog's two fields following each other, the warnings by kind of
// building measure, the material dialog writing back only what was typed,
// and the help context numbers.
#include "korvalin/bauteil/TBaustoffHerstellerDialog.h"
#include "korvalin/bauteil/TBaustoffInfoDialog.h"
#include "korvalin/bauteil/TBaustoffSystemInfoDialog.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilFlaechenBereicheDialog.h"
#include "korvalin/bauteil/TLambdaDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

namespace {

struct Dialoge : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
};

TEST_F(Dialoge, KWertUndWiderstandFolgenEinander) {
    struct Fall {
        double rsi, rse;
        bool kWert; // which field is typed
        const char* getippt;
        const char* anderes;
    };
    const Fall faelle[] = {
        {0.13, 0.04, true, "0.5", "1.830"}, {0.13, 0.04, true, "10", "0.000"},
        {0.13, 0.04, true, "", "9.990"},    {0.13, 0.04, false, "0", "5.882"},
        {0, 0, false, "0", "9.990"},
    };
    for (const auto& f : faelle) {
        TLambdaStruct d;
        d.KWert = f.kWert;
        d.Widerstand = !f.kWert;
        TLambdaDialog dlg(nullptr, d, f.rsi, f.rse);
        ASSERT_TRUE(dlg.Create());
        auto* getippt = dlg.Item<TEdit>(f.kWert ? 102 : 101);
        auto* anderes = dlg.Item<TEdit>(f.kWert ? 101 : 102);
        EXPECT_FALSE(getippt->IsReadOnly());
        EXPECT_TRUE(anderes->IsReadOnly());
        getippt->SetText("");
        getippt->Type(f.getippt);
        if (*f.getippt == 0) dlg.KWertGeaendert();
        EXPECT_EQ(anderes->GetText(), f.anderes) << f.getippt;
    }
}

TEST_F(Dialoge, WarnungenNachBaumassnahme) {
    auto g = std::make_unique<TGesamtProjekt>(dirs.Dirs().programData);
    auto p = std::make_unique<TProjekt>();
    auto& t = p->BauteilNeu(std::make_unique<TRBauteil>());
    g->ProjektHinzufuegen(std::move(p));
    ProjektSetzen(std::move(g));
    TProjekt& projekt = *AktuelleVariante();
    struct Fall {
        int massnahme;
        uint16_t heizung, rolladen, verfahren, nachweisRolladen;
        std::vector<std::string> titel;
    };
    const Fall faelle[] = {
        {1, 2, 2, 0, 1, {"Warnung Flächenheizung", "Warnung Rolladenkasten"}},
        {0, 2, 2, 1, 0, {"Warnung Flächenheizung"}},
        {2, 2, 2, 0, 1, {"Warnung Bauteilverfahren"}},
        {2, 2, 2, 1, 1, {}},
    };
    for (const auto& f : faelle) {
        TBauteilDialog d(nullptr, &t, 0, nullptr);
        d.Projektmodus = true;
        projekt.Baumassnahme = uint16_t(f.massnahme);
        projekt.NachweisRolladenkasten = f.nachweisRolladen;
        t.FlaechenheizungStatus = f.heizung;
        t.RolladenkastenStatus = f.rolladen;
        t.BauteilverfahrenErfuellt = f.verfahren;
        t.k_max_Anl3 = 0.5;
        t.k_m = 0.61;
        const size_t vorher = services.Messages().Calls().size();
        for (size_t i = 0; i < f.titel.size(); ++i) services.Messages().Answer(IDOK);
        EXPECT_EQ(d.AnforderungenPruefen(), 1);
        std::vector<std::string> titel;
        for (size_t i = vorher; i < services.Messages().Calls().size(); ++i)
            titel.push_back(services.Messages().Calls()[i].caption);
        EXPECT_EQ(titel, f.titel) << f.massnahme;
    }
    EXPECT_EQ(services.Messages().Calls().back().text,
              "Maximal zulässiger k-Wert : 0.50 W/m²K. Tatsächlicher k-Wert des Bauteils: 0.61 "
              "W/m²K. Die Anforderungen der Wärmeschutzverordnung sind nicht erfüllt!");
    // Cancel stops at the first warning.
    TBauteilDialog d(nullptr, &t, 0, nullptr);
    d.Projektmodus = true;
    projekt.Baumassnahme = 1;
    services.Messages().Answer(IDCANCEL);
    EXPECT_EQ(d.AnforderungenPruefen(), 0);
    ProjektVerwerfen();
}

TEST_F(Dialoge, BaustoffdialogSchreibtNurGeaenderteFelder) {
    TBaustoff b;
    b.Name = "Folie";
    b.Kennzeichen = 1;
    b.Zusatzwert2 = 0.02;
    b.Rohdichte = 75.5;
    b.Lambda = 0.2;
    b.GrafikArt = 10;
    services.Dialogs().Expect([](TDialog& dlg) {
        EXPECT_EQ(dlg.GetCaption(), "Baustoff bearbeiten");
        EXPECT_EQ(dlg.Item<TEdit>(113)->GetText(), "0.0");
        EXPECT_FALSE(dlg.GetDlgItem(110)->IsWindowEnabled());
        EXPECT_EQ(dlg.Item<TComboBox>(121)->GetSelIndex(), 5); // "Mauerwerk"
        dlg.CmOk();
    });
    EXPECT_EQ(TBaustoffInfoDialog(nullptr, b, false).Execute(), IDOK);
    EXPECT_DOUBLE_EQ(b.Zusatzwert2, 0.02);
    EXPECT_DOUBLE_EQ(b.Rohdichte, 75.5);
    EXPECT_EQ(b.GrafikArt, 16);
    // The s_d switch off: thickness and µ open, typed values taken.
    services.Dialogs().Expect([](TDialog& dlg) {
        dlg.Item<TCheckBox>(107)->Click();
        EXPECT_TRUE(dlg.GetDlgItem(110)->IsWindowEnabled());
        dlg.Item<TEdit>(112)->SetText("");
        dlg.Item<TEdit>(112)->Type("25");
        dlg.CmOk();
    });
    EXPECT_EQ(TBaustoffInfoDialog(nullptr, b, false).Execute(), IDOK);
    EXPECT_EQ(b.Kennzeichen, 0);
    EXPECT_DOUBLE_EQ(b.Schichtdicke, 25);
    // Read-only: nothing written, the caption says so.
    services.Dialogs().Expect([](TDialog& dlg) {
        EXPECT_EQ(dlg.GetCaption(), "Baustoff - Information");
        EXPECT_TRUE(dlg.Item<TEdit>(104)->IsReadOnly());
        dlg.CmOk();
    });
    const std::string name = b.Name;
    EXPECT_EQ(TBaustoffInfoDialog(nullptr, b, true).Execute(), IDOK);
    EXPECT_EQ(b.Name, name);
}

TEST_F(Dialoge, SystembaustoffBehaeltSeinenWiderstand) {
    TBaustoff b;
    b.Schluessel.Gruppe = 9;
    b.Lambda = 0.0025;
    b.Schichtdicke = 50;
    b.Rohdichte = 40;
    services.Dialogs().Expect([](TDialog& dlg) {
        EXPECT_EQ(dlg.Item<TEdit>(109)->GetText(), "20.000");
        dlg.Item<TEdit>(109)->SetText("");
        dlg.Item<TEdit>(109)->Type("0");
        dlg.CmOk();
    });
    EXPECT_EQ(TBaustoffSystemInfoDialog(nullptr, b, false).Execute(), IDOK);
    EXPECT_DOUBLE_EQ(b.Lambda, 500);
    EXPECT_DOUBLE_EQ(b.Mu, 1);
    EXPECT_DOUBLE_EQ(b.Rohdichte, 1.3);
}

TEST_F(Dialoge, BeschreibungInStueckenVon127Zeichen) {
    TBaustoff b;
    TBaustoffDialogBasis::BeschreibungSetzen(b, std::string(300, 'x'));
    ASSERT_EQ(b.Textliste.GetItemsInContainer(), 3u);
    EXPECT_EQ(b.Textliste[2].Nummer, 2);
    EXPECT_EQ(b.Textliste[0].Text.size(), 127u);
    EXPECT_EQ(b.Textliste[2].Text.size(), 46u);
}

TEST_F(Dialoge, BereicheSchliessenNurBeiHundertProzent) {
    TRBauteil t;
    struct Fall {
        std::vector<double> anteile;
        bool schliesst;
    };
    const Fall faelle[] = {
        {{33.33, 33.33, 33.33}, true}, {{33.3, 33.3, 33.3}, false}, {{100}, true}};
    for (const auto& f : faelle) {
        TBauteilFlaechenBereicheDialog dlg(nullptr, &t);
        for (double a : f.anteile) {
            dlg.Bereiche.push_back(std::make_unique<TEinfachBauteil>());
            dlg.Bereiche.back()->Flaechenanteil = a;
        }
        ASSERT_TRUE(dlg.Create());
        if (!f.schliesst) services.Messages().Answer(IDOK);
        EXPECT_EQ(dlg.CanClose(), f.schliesst);
    }
    EXPECT_EQ(services.Messages().Calls().back().text,
              "Die Prozentsumme der Anteile ist nicht 100%! ");
}

TEST_F(Dialoge, HilfeKnoepfeMitIhrenKontextnummern) {
    TBaustoff b;
    services.Dialogs().Expect([](TDialog& dlg) {
        dlg.EvCommand(9, 0, 0);
        dlg.CmCancel();
    });
    TBaustoffHerstellerDialog(nullptr, b, false).Execute();
    TLambdaStruct d;
    TLambdaDialog dlg(nullptr, d, 0.13, 0.04);
    ASSERT_TRUE(dlg.Create());
    dlg.EvCommand(9, 0, 0);
    ASSERT_EQ(services.Help().Calls().size(), 2u);
    EXPECT_EQ(services.Help().Calls()[0].data, 1115u);
    EXPECT_EQ(services.Help().Calls()[1].data, 1112u);
}

} // namespace
