#include "platform/services/Services.h"
#include "platform/base/ApplicationState.h"
#include "platform/services/MessageBox.h"

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
