// The climate pages of a component's "Klima" sheet and the condensation
// dialog: what they transfer, their standard values, the enter-or-compute
// switch, and the warning about temperatures the formulas do not cover.
#include "PropertySheet.h"

#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "tauplot/diagramm/TBauteilKlimaDatenDialog.h"
#include "tauplot/diagramm/TKlimaNachweisDialog.h"
#include "tauplot/diagramm/TTauwasserDialog.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

using namespace proptest;

namespace {

class KlimaSeiten : public ::testing::Test {
protected:
    void SetUp() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Fake); }
    void TearDown() override { TPropertyTab::SetMeasureMetrics(TMetricMode::Real); }
    testsupport::ScriptedServices services;
};

TBauteilKlimaDatenStruct wand() {
    TBauteilKlimaDatenStruct d;
    for (auto [z, t] : {std::pair{&d.TauInnen, "20"},
                        {&d.TauAussen, "-10"},
                        {&d.TauFeuchteInnen, "50"},
                        {&d.TauFeuchteAussen, "80"},
                        {&d.TauDauer, "1440"},
                        {&d.VerdInnen, "12"},
                        {&d.VerdAussen, "12"},
                        {&d.VerdFeuchteInnen, "70"},
                        {&d.VerdFeuchteAussen, "70"},
                        {&d.VerdDauer, "2160"},
                        {&d.Oberflaeche, "12"}})
        z->Text = t;
    d.Schild = 1;
    d.Berechnen = 1;
    d.Kommentar = "eigene Werte";
    return d;
}

// A picture for the reviewer when KLIMA_PICTURE_DIR names a folder.
void Bild(TWindow& w, const char* name) {
    if (const char* dir = std::getenv("KLIMA_PICTURE_DIR"))
        EXPECT_TRUE(testsupport::SaveWindowPicture(w, (std::string(dir) + "/" + name).c_str()));
}

// Clicks a control of the page as the user would: at the left, where a
// radio button has its circle.
void Klick(TPropertyPage& seite, int id) {
    TWindow* w = seite.GetDlgItem(id);
    ASSERT_NE(w, nullptr) << id;
    const TRect r = w->GetClientRect();
    testsupport::LeftClick(*w, {std::min(6, r.Width() / 2), r.Height() / 2});
}

TEST_F(KlimaSeiten, StandardValuesDependOnTheComponentAndSwitchToEntering) {
    for (int art : {1, 3}) {
        TBauteilKlimaDatenStruct d = wand();
        d.TauwasserVerdunstung = 1;
        Sheet sheet(Tab::SingleHeight, 320, 240);
        auto* seite = new TBauteilKlimaDatenDialog(&sheet, "hilfe.hlp", d, art);
        sheet.Add("Klimadaten", seite);
        services.Dialogs().Expect([&](TDialog& dlg) {
            // "Berechnen" leaves the entered surface temperature greyed.
            EXPECT_FALSE(seite->GetDlgItem(123)->IsWindowEnabled());
            Klick(*seite, TBauteilKlimaDatenDialog::IDC_DIN);
            EXPECT_TRUE(seite->GetDlgItem(123)->IsWindowEnabled());
            Klick(*seite, 117);
            EXPECT_FALSE(seite->GetDlgItem(123)->IsWindowEnabled());
            Klick(*seite, 118);
            EXPECT_TRUE(seite->GetDlgItem(123)->IsWindowEnabled());
            Bild(dlg, "klimadaten.png");
            dlg.SendMessage(WM_COMMAND, IDOK, 0);
        });
        ASSERT_EQ(sheet.Execute(), IDOK) << art;
        EXPECT_EQ(d.TauFeuchteAussen.Text, "80");
        EXPECT_EQ(d.VerdDauer.Text, "2160");
        EXPECT_EQ(d.Oberflaeche.Text, art == 3 ? "20" : "12");
        EXPECT_EQ(d.Eingeben, 1);
        EXPECT_EQ(d.Berechnen, 0);
        EXPECT_EQ(d.TauwasserVerdunstung, 0);
        EXPECT_EQ(d.Schild, 1); // the corner formula stays as it was
        EXPECT_EQ(d.Kommentar, "Randbedingungen nach DIN 4108 Teil 3");
    }
}

TEST_F(KlimaSeiten, TemperaturesOutsideTheFormulasRangeAskBeforeClosing) {
    struct Fall {
        int feld;
        const char* wert;
        bool warnt;
    };
    const Fall faelle[] = {{105, "30", false},   {105, "30.1", true}, {106, "-20", false},
                           {106, "-20.5", true}, {115, "31", true},   {123, "-21", true}};
    for (const Fall& f : faelle) {
        TBauteilKlimaDatenStruct d = wand();
        d.Eingeben = 1, d.Berechnen = 0;
        Sheet sheet(Tab::SingleHeight, 320, 240);
        auto* seite = new TBauteilKlimaDatenDialog(&sheet, "hilfe.hlp", d, 1);
        sheet.Add("Klimadaten", seite);
        const size_t vorher = services.Messages().Calls().size();
        if (f.warnt) {
            services.Messages().Answer(IDCANCEL);
            services.Messages().Answer(IDOK);
        }
        services.Dialogs().Expect([&](TDialog& dlg) {
            seite->Item<TEdit>(f.feld)->SetText(f.wert);
            dlg.SendMessage(WM_COMMAND, IDOK, 0);
            if (f.warnt) {
                // Cancel at the warning keeps the sheet and what was typed.
                EXPECT_FALSE(dlg.Ended());
                EXPECT_EQ(seite->Item<TEdit>(f.feld)->GetText(), f.wert);
                dlg.SendMessage(WM_COMMAND, IDOK, 0);
            }
        });
        EXPECT_EQ(sheet.Execute(), IDOK) << f.wert;
        const auto& calls = services.Messages().Calls();
        ASSERT_EQ(calls.size() - vorher, f.warnt ? 2u : 0u) << f.wert;
        if (f.warnt) EXPECT_EQ(calls.back().caption, "Warnung");
    }
}

TEST_F(KlimaSeiten, ProofPageAndCondensationDialogTransferTheirChoices) {
    TKlimaNachweisStruct n;
    n.Erfuellt = 1;
    n.Kommentar = "nach 3.2.3";
    n.Schwelle10 = 1;
    Sheet sheet(Tab::SingleHeight, 320, 240);
    auto* seite = new TKlimaNachweisDialog(&sheet, "hilfe.hlp", n);
    sheet.Add("Nachweis", seite);
    services.Dialogs().Expect([&](TDialog& dlg) {
        EXPECT_EQ(seite->Item<TCheckBox>(119)->GetCheck(), 1);
        Klick(*seite, 120);
        Klick(*seite, 123);
        seite->CallHelp();
        Bild(dlg, "nachweis.png");
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(sheet.Execute(), IDOK);
    EXPECT_EQ(n.Erfuellt, 0);
    EXPECT_EQ(n.NichtFuehren, 1);
    EXPECT_EQ(n.Schwelle05, 1);
    EXPECT_EQ(n.Schwelle10, 0);
    EXPECT_EQ(n.Kommentar, "nach 3.2.3");

    TTauwasserStruct t;
    t.Menge = "0.62";
    t.NichtGeprueft = 1;
    TTauwasserDialog dialog(nullptr, "hilfe.hlp", t);
    services.Dialogs().Expect([&](TDialog& dlg) {
        EXPECT_TRUE(dlg.Item<TEdit>(105)->IsReadOnly());
        dlg.Item<TEdit>(104)->SetText(std::string(60, 'x')); // the record keeps 49
        dlg.Item<TCheckBox>(102)->SetCheck(1);
        dlg.Item<TCheckBox>(101)->SetCheck(0);
        Bild(dlg, "tauwasser.png");
        dlg.SendMessage(WM_COMMAND, TTauwasserDialog::IDC_HILFE, 0);
        dlg.SendMessage(WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(t.Unbedenklich, 1);
    EXPECT_EQ(t.NichtGeprueft, 0);
    EXPECT_EQ(t.Kommentar.size(), 49u);
    ASSERT_EQ(services.Help().Calls().size(), 2u);
    EXPECT_EQ(services.Help().Calls()[0].data, 1105u);
    EXPECT_EQ(services.Help().Calls()[1].data, 1157u);
}

} // namespace
