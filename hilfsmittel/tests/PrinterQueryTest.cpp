#include "hilfsmittel/PrinterQuery.h"
#include "platform/services/MessageBox.h"

#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

namespace {

TEST(PrinterQuery, ColourFromThreeColoursOn) {
    const struct {
        int colors;
        bool color;
    } cases[] = {{2, false}, {3, true}, {256, true}};
    for (const auto& c : cases) {
        testsupport::ScriptedServices s;
        s.PrinterInfo().SetDefaultPrinterColors(c.colors);
        EXPECT_EQ(IsColorPrinter(), c.color) << c.colors;
    }
}

TEST(PrinterQuery, NoDefaultPrinterIsReportedAndAnswersNo) {
    testsupport::ScriptedServices s;
    s.Messages().Answer(IDOK);
    EXPECT_FALSE(IsColorPrinter());
    ASSERT_EQ(s.Messages().Calls().size(), 1u);
    EXPECT_EQ(s.Messages().Calls()[0].text, "GetPrinterIC: Kann ProfileString nicht lesen");
    EXPECT_EQ(s.Messages().Calls()[0].caption, "Fehler");
    EXPECT_EQ(s.Messages().Calls()[0].type, MB_OK | MB_ICONEXCLAMATION);
}

} // namespace
