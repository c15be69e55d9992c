#include "hilfsmittel/DbAssert.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/services/StderrMessages.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(DbAssert, ShowsSourceAndLineAndGoesOnAfterRetryOrIgnore) {
    for (int answer : {IDRETRY, IDIGNORE}) {
        testsupport::ScriptedServices services;
        services.Messages().Answer(answer);
        EXPECT_EQ(dbassert("util", 453), answer);
        ASSERT_EQ(services.Messages().Calls().size(), 1u);
        const auto& call = services.Messages().Calls()[0];
        EXPECT_EQ(call.text, "assertion failed! File: util Zeile: 453");
        EXPECT_EQ(call.caption, "Assert-Box");
        EXPECT_EQ(call.type, uint32_t(MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION));
    }
}

// A tool without a screen: the report goes to stderr and the program goes
// on, where a box would wait for ever for an answer.
TEST(DbAssert, WithoutAScreenTheReportGoesToStderr) {
    testsupport::ScriptedServices services;
    auto stderrMeldungen = std::make_shared<StderrMessageService>();
    CurrentServices().messages = stderrMeldungen;
    testing::internal::CaptureStderr();
    EXPECT_EQ(dbassert("util", 174), IDIGNORE);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Assert-Box: assertion failed! File: util Zeile: 174\n");
    EXPECT_EQ(stderrMeldungen->Shown(), 1);
}

TEST(DbAssert, LongSourceNameIsCutToTheReportBuffer) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDIGNORE);
    const std::string longName(200, 'x');
    dbassert(longName.c_str(), 12);
    EXPECT_EQ(services.Messages().Calls().at(0).text.size(), 79u);
}

TEST(DbAssertDeathTest, AbortEndsTheProcessAbnormally) {
    EXPECT_EXIT(
        {
            testsupport::ScriptedServices services;
            services.Messages().Answer(IDABORT);
            dbassert("calc", 41);
        },
        testing::KilledBySignal(SIGABRT), "");
}

} // namespace
