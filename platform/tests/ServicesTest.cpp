#include "platform/services/Services.h"
#include "platform/base/ApplicationState.h"
#include "platform/services/MessageBox.h"
#include "platform/services/StderrMessages.h"

#include "testsupport/ScriptedServices.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using testsupport::ScriptedServices;

TEST(Services, ScriptedMessageBoxAnswersInOrderAndRecords) {
    ScriptedServices s;
    s.Messages().Answer(IDYES);
    s.Messages().Answer(IDCANCEL);
    EXPECT_EQ(
        MessageBox("Projekt speichern?", "Projekt schließen", MB_YESNOCANCEL | MB_ICONQUESTION),
        IDYES);
    EXPECT_EQ(MessageBox("Weiter?", "Info", MB_OKCANCEL), IDCANCEL);
    ASSERT_EQ(s.Messages().Calls().size(), 2u);
    EXPECT_EQ(s.Messages().Calls()[0].caption, "Projekt schließen");
    EXPECT_EQ(s.Messages().Calls()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_EQ(s.Messages().Calls()[1].text, "Weiter?");
}

TEST(Services, UnexpectedMessageBoxFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedServices s;
            MessageBox("Datei fehlt", "Fehler", MB_OK);
        },
        "unexpected message box \"Fehler\": Datei fehlt");
}

TEST(Services, ExpectedMessageBoxNeverShownFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedServices s;
            s.Messages().Answer(IDOK);
        },
        "never shown");
}

TEST(Services, InputAndHelpAreScriptedAndRecorded) {
    ScriptedServices s;
    s.Input().Answer(std::string("Variante 2"));
    s.Input().Answer(std::nullopt);
    EXPECT_EQ(Input().InputBox("Variante", "Name:", "", 40), "Variante 2");
    EXPECT_EQ(Input().InputBox("Variante", "Name:", "x", 40), std::nullopt);
    EXPECT_TRUE(Help().WinHelp("korvalin.hlp", HELP_CONTEXT, 1200));
    ASSERT_EQ(s.Help().Calls().size(), 1u);
    EXPECT_EQ(s.Help().Calls()[0].data, 1200u);
}

// Without a screen every box is a line on stderr, answered with the button
// that changes nothing, and counted so that the tool can end with a failure.
TEST(Services, StderrMessagesWriteEachBoxAndAnswerWithoutChange) {
    const struct {
        uint32_t type;
        int answer;
    } faelle[] = {
        {MB_OK, IDOK},
        {MB_OKCANCEL, IDCANCEL},
        {MB_YESNO | MB_ICONQUESTION, IDNO},
        {MB_YESNOCANCEL, IDCANCEL},
        {MB_RETRYCANCEL, IDCANCEL},
        {MB_ABORTRETRYIGNORE, IDIGNORE},
    };
    StderrMessageService meldungen;
    for (const auto& f : faelle) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(meldungen.MessageBox("Datei fehlt", "Projekt öffnen", f.type), f.answer)
            << f.type;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Projekt öffnen: Datei fehlt\n");
    }
    EXPECT_EQ(meldungen.Shown(), 6);
}

TEST(ApplicationState, ScopedStateIsFreshAndPutsTheOldOneBack) {
    struct Counter {
        int value = 0;
    };
    ApplicationState::Current().Get<Counter>().value = 5;
    {
        ScopedApplicationState scope;
        EXPECT_EQ(ApplicationState::Current().Get<Counter>().value, 0);
        ApplicationState::Current().Get<Counter>().value = 9;
    }
    EXPECT_EQ(ApplicationState::Current().Get<Counter>().value, 5);
    ApplicationState::Current().Reset<Counter>();
}

} // namespace
