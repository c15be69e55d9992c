#include "platform/window/QtRuntime.h"

#include "testsupport/Locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace {

// The test program made the Qt application under the German locale that
// ctest sets; numbers must still use the point.
TEST(Locale, QtApplicationLeavesNumbersInTheCLocale) {
    ASSERT_TRUE(QtRuntime::Exists());
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    const std::string collate = std::setlocale(LC_CTYPE, nullptr);
    EXPECT_NE(collate.find("de_DE"), std::string::npos)
        << "tests must run under a German locale (test.sh makes it)";
}

// Qt's own dialogs take their button and label texts from Qt's translations.
TEST(Locale, QtsOwnTextsAreGerman) {
    ASSERT_TRUE(QtRuntime::Exists());
    EXPECT_EQ(QtText("QPlatformTheme", "Cancel"), "Abbrechen")
        << "Qt's German translations (Debian package qt6-translations-l10n) missing";
    EXPECT_EQ(QtText("QFileDialog", "File &name:"), "Datei&name:");
}

TEST(Locale, EnforcingPutsThePointBack) {
    {
        testsupport::ScopedNumericLocale german("de_DE.UTF-8");
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        EnforceNumericCLocale();
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.1f", 1.5);
        EXPECT_STREQ(buf, "1.5");
    }
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

} // namespace
