// The formula collection: the built-in rows, the user's formulas and the
// formula file, with scripted answers and real clicks on the tree.
#include "korvalin/projekt/TVolumenFunktionenDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TFormelSammlung.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"
#include "testsupport/UserInput.h"

#include <gtest/gtest.h>

namespace {

using D = TVolumenFunktionenDialog;

struct FormelSammlung : ::testing::Test {
    testsupport::TestDirectories dirs;
    testsupport::ScriptedServices services;
    std::filesystem::path datei = dirs.Dirs().programData / "formel.dat";

    void SetUp() override { Korpus().Programmverzeichnis = dirs.Dirs().programData.string() + "/"; }
    void TearDown() override { filefaults::Clear(); }

    void anlegen(std::initializer_list<TFormel> formeln) {
        TFormelSammlung s(dirs.Dirs().programData);
        for (const TFormel& f : formeln) s.Einfuegen(f);
        ASSERT_EQ(s.Speichern(), 1);
    }
    std::vector<TFormel> gelesen() {
        TFormelSammlung s(dirs.Dirs().programData);
        EXPECT_EQ(s.Oeffnen(), 1);
        return s.Liste();
    }
    // Runs the dialog with the script; answers its result.
    int ausfuehren(std::function<void(D&)> script) {
        services.Dialogs().Expect([script](TDialog& d) { script(dynamic_cast<D&>(d)); });
        D dialog(nullptr, 3);
        return dialog.Execute();
    }
    static void druecken(D& d, int id) { d.SendMessage(WM_COMMAND, WPARAM(id), 0); }
};

TEST_F(FormelSammlung, EingebauteZeilenUndKnoepfe) {
    ausfuehren([](D& d) {
        TSftTree* b = d.Baum();
        ASSERT_EQ(b->GetCount(), 33); // no file: no user rows
        EXPECT_EQ(b->GetCellText(0, 0), "Flächenfunktionen");
        EXPECT_EQ(b->GetCellText(32, 0), "Eigene Funktionen");
        // The first line of the definitions, and the marker of what follows.
        EXPECT_EQ(b->GetCellText(1, 2), "a = 0      # 1. Kathetenlänge in m ");
        EXPECT_NE(b->GetCellPicture(1, 2), 0);
        EXPECT_EQ(b->GetCellPicture(10, 2), 0);
        EXPECT_FALSE(b->IsExpanded(0));
        struct Fall {
            int zeile;
            bool loeschen, verwenden;
        };
        for (const Fall f :
             {Fall{0, false, false}, Fall{10, false, true}, Fall{19, false, false}}) {
            b->SelectItem(f.zeile);
            d.AuswahlGeaendert();
            EXPECT_EQ(d.GetDlgItem(D::IDC_LOESCHEN)->IsWindowEnabled(), f.loeschen) << f.zeile;
            EXPECT_EQ(d.GetDlgItem(D::IDC_VERWENDEN)->IsWindowEnabled(), f.verwenden) << f.zeile;
        }
        druecken(d, IDCANCEL);
    });
}

TEST_F(FormelSammlung, DoppelklickAufKreisUebernimmtDieFormel) {
    TFormel formel;
    bool verwenden = false;
    services.Dialogs().Expect([&](TDialog& dlg) {
        auto& d = dynamic_cast<D&>(dlg);
        TSftTree* b = d.Baum();
        b->ClickExpandButton(0);
        ASSERT_TRUE(b->IsExpanded(0));
        b->ClickCell(10, 0);
        b->DoubleClickCell(10, 0);
    });
    {
        D d(nullptr, 3);
        EXPECT_EQ(d.Execute(), IDOK);
        formel = d.Formel;
        verwenden = d.Verwenden;
    }
    EXPECT_TRUE(verwenden);
    EXPECT_EQ(formel.Name, "Kreis");
    EXPECT_EQ(formel.Formel, "pi * a^2");
    EXPECT_EQ(formel.Definitionen, "a = 0      # Radius in m");
    // Nothing changed and there was no file: OK of "Formel verwenden" writes it.
    EXPECT_TRUE(std::filesystem::exists(datei));
}

TEST_F(FormelSammlung, AbbrechenLaesstDieDateiUnberuehrt) {
    anlegen({{"Dach", "a*b", "a=1\nb=2", '0'}, {"Gaube", "a", "a=3", '1'}});
    const std::string vorher = testsupport::ReadText(datei);
    services.Input().Answer("Neue Formel");
    EXPECT_EQ(ausfuehren([](D& d) {
                  druecken(d, D::IDC_NEU);
                  EXPECT_EQ(d.Baum()->GetCellText(35, 0), "Neue Formel");
                  EXPECT_EQ(d.Baum()->GetSelectedItem(), 35);
                  druecken(d, D::IDC_LOESCHEN);
                  druecken(d, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(testsupport::ReadText(datei), vorher);
}

TEST_F(FormelSammlung, NamenSindEindeutig) {
    anlegen({{"Dach", "a*b", "", '0'}});
    services.Input().Answer("");
    services.Input().Answer("Dach");
    services.Input().Answer("Erker");
    for (int i = 0; i < 3; ++i) services.Messages().Answer(IDOK);
    ausfuehren([](D& d) {
        druecken(d, D::IDC_NEU);
        // Renaming onto a taken name keeps the editor open.
        TSftTree* b = d.Baum();
        ASSERT_EQ(b->GetCellText(34, 0), "Erker");
        d.Baum()->SelectItem(34);
        d.AuswahlGeaendert();
        b->OpenEditor(34, 0);
        b->SetEditorText("Dach");
        druecken(d, IDOK); // Enter while the editor is open ends the edit
        EXPECT_TRUE(b->IsEditing());
        b->CloseEditor();
        druecken(d, IDOK);
    });
    const auto& calls = services.Messages().Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].text, "Geben Sie einen Formelnamen ein!");
    EXPECT_EQ(calls[1].text, "Eine Formel mit dem Namen \"Dach\" gibt es schon.\nGeben Sie einen "
                             "anderen Namen ein!");
    EXPECT_EQ(calls[1].caption, "Eingabe-Prüfung");
    EXPECT_EQ(calls[2].text, calls[1].text);
    const auto formeln = gelesen();
    ASSERT_EQ(formeln.size(), 2u);
    EXPECT_EQ(formeln[1].Name, "Erker");
}

TEST_F(FormelSammlung, LoeschenUndBearbeitenTreffenDieGewaehlteZeile) {
    // An older file may hold one name twice; the row tells them apart.
    anlegen({{"X", "1", "", '0'}, {"X", "2", "", '0'}});
    ASSERT_EQ(gelesen()[1].Formel, "1");
    ausfuehren([](D& d) {
        TSftTree* b = d.Baum();
        b->SelectItem(34);
        d.AuswahlGeaendert();
        EXPECT_EQ(d.Formel.Formel, "1");
        b->OpenEditor(34, 1, {TTreeEditorStyle::MultiLine});
        b->SetEditorText("3 *\n4");
        d.ZelleBeenden();
        EXPECT_EQ(b->GetCellText(34, 1), "3 *");
        EXPECT_NE(b->GetCellPicture(34, 1), 0);
        b->SelectItem(33);
        d.AuswahlGeaendert();
        druecken(d, D::IDC_LOESCHEN);
        druecken(d, IDOK);
    });
    const auto formeln = gelesen();
    ASSERT_EQ(formeln.size(), 1u);
    // The multi-line edit gives its lines with CR LF; the evaluator reads CR as blank.
    EXPECT_EQ(formeln[0].Formel, "3 *\r\n4");
}

TEST_F(FormelSammlung, GescheiterteSpeicherungHaeltDenDialogOffen) {
    services.Input().Answer("Erker");
    services.Messages().Answer(IDOK);
    ausfuehren([](D& d) {
        druecken(d, D::IDC_NEU);
        filefaults::FailNext(filefaults::Step::Rename);
        druecken(d, IDOK);
        EXPECT_FALSE(d.Ended());
        druecken(d, IDOK);
        EXPECT_TRUE(d.Ended());
    });
    ASSERT_EQ(services.Messages().Calls().size(), 1u);
    EXPECT_EQ(services.Messages().Calls()[0].caption, "Formelsammlung speichern");
    EXPECT_EQ(gelesen().at(0).Name, "Erker");
}

} // namespace
