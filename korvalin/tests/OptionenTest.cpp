// The options dialog "Optionen": what it shows from korpus.ini, what OK
// writes and switches, that Cancel writes nothing, and the autosave timer
// of an open project. The user clicks and presses keys.
#include "korvalin/layout/TSpinEdit.h"
#include "korvalin/projekt/AutoSicherung.h"
#include "korvalin/shell/Einstellungen.h"
#include "korvalin/shell/TOptionenDialog.h"
#include "korvalin/tests/ProjektbefehleFixture.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/CheckBox.h"
#include "testsupport/ControlInput.h"
#include "testsupport/UserInput.h"

namespace {

using shelltest::Projektbefehle;
using testsupport::ReadText;
namespace fs = std::filesystem;

struct Optionen : Projektbefehle {
    fs::path ini() const { return dirs.Dirs().config / "korpus.ini"; }
    // Runs command 2520 with the user's part.
    void optionen(std::function<void(TOptionenDialog&)> benutzer) {
        services.Dialogs().Expect([benutzer](TDialog& d) {
            auto& dialog = dynamic_cast<TOptionenDialog&>(d);
            ASSERT_TRUE(testsupport::Activate(dialog));
            benutzer(dialog);
        });
        befehl(CM_OPTIONEN);
    }
    static void klicken(TDialog& d, int id) {
        auto* w = d.GetDlgItem(id);
        ASSERT_NE(w, nullptr);
        const TRect r = w->GetClientRect();
        testsupport::MouseClick(*w, {r.Height() / 2, r.Height() / 2});
    }
    static bool an(TDialog& d, int id) { return d.Item<TCheckBox>(id)->GetCheck() == 1; }
};

TEST_F(Optionen, TheDialogShowsTheFileAndOkWritesWhatTheUserChanged) {
    Einstellung("korpus.ini", "[Einstellungen]\r\nStatuszeile=TRUE\r\nSymbolleiste=yes\r\n"
                              "[Speichern]\r\nAuto=1\r\nIntervall=75\r\n");
    optionen([this](TOptionenDialog& d) {
        EXPECT_EQ(d.GetCaption(), "Optionen");
        EXPECT_TRUE(an(d, TOptionenDialog::IDC_STATUSZEILE));
        EXPECT_FALSE(an(d, TOptionenDialog::IDC_SYMBOLLEISTE));
        EXPECT_TRUE(an(d, TOptionenDialog::IDC_AUTOSPEICHERN));
        EXPECT_EQ(d.Intervall()->GetText(), "60");
        ASSERT_TRUE(testsupport::SaveWindowPicture(d, (dirs.Root() / "optionen.png").c_str()));
        klicken(d, TOptionenDialog::IDC_STATUSZEILE);
        klicken(d, TOptionenDialog::IDC_AUTOSPEICHERN);
        // Down three steps, one page down: 60 - 3 - 5.
        d.Intervall()->SetFocus();
        for (int i = 0; i < 3; ++i) testsupport::KeyClick(*d.Intervall(), VK_DOWN);
        testsupport::KeyClick(*d.Intervall(), VK_NEXT);
        EXPECT_EQ(d.Intervall()->GetText(), "52");
        klicken(d, IDOK);
    });
    const auto& k = Korpus();
    EXPECT_FALSE(k.StatuszeileAnzeigen);
    EXPECT_FALSE(k.SymbolleisteAnzeigen);
    EXPECT_FALSE(k.AutoSpeichern);
    EXPECT_EQ(k.AutoSpeichernIntervall, 52u);
    EXPECT_EQ(ReadText(ini()), "[Einstellungen]\r\nStatuszeile=0\r\nSymbolleiste=0\r\n"
                               "[Speichern]\r\nAuto=0\r\nIntervall=52\r\n");
    // Only the status line changed its switch: it is hidden, the tool bar stays as it was.
    EXPECT_FALSE(app->Frame()->IsDecorationVisible(IDW_STATUSBAR));
}

TEST_F(Optionen, CancelLeavesTheFileByteForByteAndTheValuesAsRead) {
    const std::string text = "; eigene Zeile\r\n[Speichern]\r\nAuto=true\r\nIntervall=0\r\n"
                             "[Einstellungen]\r\nProjektWindowX=700\r\n";
    Einstellung("korpus.ini", text);
    optionen([](TOptionenDialog& d) {
        // 0 in the file shows as the spin edit's lower bound.
        EXPECT_EQ(d.Intervall()->GetText(), "1");
        klicken(d, TOptionenDialog::IDC_AUTOSPEICHERN);
        klicken(d, IDCANCEL);
    });
    EXPECT_EQ(ReadText(ini()), text);
    EXPECT_TRUE(Korpus().AutoSpeichern);
    EXPECT_EQ(Korpus().AutoSpeichernIntervall, 0u);
}

TEST_F(Optionen, TheHelpButtonOpensContext1109) {
    optionen([](TOptionenDialog& d) {
        klicken(d, IDHELP);
        klicken(d, IDCANCEL);
    });
    ASSERT_EQ(services.Help().Calls().size(), 1u);
    EXPECT_EQ(services.Help().Calls()[0].command, uint32_t(HELP_CONTEXT));
    EXPECT_EQ(services.Help().Calls()[0].data, 1109u);
}

TEST_F(Optionen, SwitchingAutosaveStartsAndStopsTheOpenProjectsTimer) {
    // No project: nothing to start.
    optionen([](TOptionenDialog& d) {
        klicken(d, TOptionenDialog::IDC_AUTOSPEICHERN);
        klicken(d, IDOK);
    });
    EXPECT_TRUE(Korpus().AutoSpeichern);
    EXPECT_EQ(Korpus().Sicherung, nullptr);

    oeffnen(gespeichertesProjekt());
    ASSERT_NE(Korpus().Sicherung, nullptr);
    EXPECT_TRUE(Korpus().Sicherung->TimerLaeuft());
    optionen([](TOptionenDialog& d) {
        klicken(d, TOptionenDialog::IDC_AUTOSPEICHERN);
        klicken(d, IDOK);
    });
    EXPECT_FALSE(Korpus().Sicherung->TimerLaeuft());
    optionen([](TOptionenDialog& d) {
        klicken(d, TOptionenDialog::IDC_AUTOSPEICHERN);
        klicken(d, IDOK);
    });
    EXPECT_TRUE(Korpus().Sicherung->TimerLaeuft());
}

} // namespace
