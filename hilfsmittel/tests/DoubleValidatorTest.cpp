// Keystroke results and messages follow the validators' rules character by
// character; the range texts are "%3.2lf" of the bounds written by hand.
#include "hilfsmittel/DoubleValidator.h"
#include "hilfsmittel/DoubleValidator2.h"

#include "platform/services/MessageBox.h"
#include "testsupport/Locale.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct InputCase {
    const char* typed;
    const char* field; // the text after the filter
    bool valid;
};

const InputCase kInputCases[] = {
    {"", "", true},
    {"12,5", "12.5", true},
    {",5", ".5", true},
    {"-3", "-3", true},
    {"+", "+", true},
    {"12.5.", "", false}, // a second point empties the field
    {"12,5,", "", false},
    {"1.5-", "", false},   // so does a sign after the point
    {"12a3", "12", false}, // a letter cuts the text before it
    {"1 2", "1", false},
    {"-+1", "-", false},
    {"a12", "", false},
    {" 12", "", false},
    {"12ä", "12", false}, // non-ASCII is refused like a letter
    {"ä", "", false},
    // An exponent stays as typed, so that "1e308" is judged by its value and
    // never becomes 1308 by losing its letter.
    {"1e308", "1e308", true},
    {"2,5E-3", "2.5E-3", true},
    {"1e", "1e", true},
    {"1e3x", "1e3", false},
    {"1e3.5", "1e3", false},
    {"e5", "", false},
    {"-e", "-", false},
};

TEST(DoubleValidator, KeystrokeFilter) {
    TDoubleValidator validator(0.0, 100.0);
    TDoubleValidator2 validator2(0.0, 100.0);
    for (const auto& c : kInputCases) {
        std::string field = c.typed;
        EXPECT_EQ(validator.IsValidInput(field, false), c.valid) << c.typed;
        EXPECT_EQ(field, c.field) << c.typed;
        std::string field2 = c.typed;
        EXPECT_EQ(validator2.IsValidInput(field2, false), c.valid) << c.typed;
        EXPECT_EQ(field2, c.field) << c.typed;
    }
}

const char* const kFormatMessage = "Eingabe-Format:\n\n Vorzeichen (optional) \n Vorkomma-Ziffern "
                                   "\n Komma (optional) \n Nachkomma-Ziffern (optional)";

struct RangeCase {
    const char* text;
    bool valid;
    const char* message; // shown by Error after a failed check
};

const RangeCase kRangeCases[] = {
    {"100", true, nullptr},
    {"0", true, nullptr},
    {".5", true, nullptr},
    {"+5", true, nullptr},
    {"100.01", false, "Wert ist nicht im Bereich zwischen\n\n 0.00 und 100.00"},
    {"-5", false, "Wert ist nicht im Bereich zwischen\n\n 0.00 und 100.00"},
    {"-", false, kFormatMessage},
    {".", false, kFormatMessage},
    {"-.5", false, kFormatMessage},
    {"", false, kFormatMessage},
    {"x5", false, kFormatMessage}, // no number at its start
    {"1e308", false, "Wert ist nicht im Bereich zwischen\n\n 0.00 und 100.00"},
    {"1e2", true, nullptr},
    {"1e", false, kFormatMessage},
    {"1e-", false, kFormatMessage},
};

TEST(DoubleValidator, RangeCheckAndMessages) {
    testsupport::ScriptedServices services;
    TDoubleValidator validator(0.0, 100.0);
    for (const auto& c : kRangeCases) {
        EXPECT_EQ(validator.IsValid(c.text), c.valid) << c.text;
        if (c.valid) continue;
        services.Messages().Answer(IDOK);
        validator.Error(nullptr);
        const auto& call = services.Messages().Calls().back();
        EXPECT_EQ(call.text, c.message) << c.text;
        EXPECT_EQ(call.caption, "Eingabe-Prüfung");
        EXPECT_EQ(call.type & MB_ICONMASK, uint32_t(MB_ICONEXCLAMATION));
    }
}

TEST(DoubleValidator, IgnoresAGermanLocale) {
    testsupport::ScopedNumericLocale german("de_DE.UTF-8");
    testsupport::ScriptedServices services;
    TDoubleValidator validator(-0.5, 1234.5);
    EXPECT_TRUE(validator.IsValid("12.75")); // not 12 under a ',' locale
    EXPECT_FALSE(validator.IsValid("1234.51"));
    services.Messages().Answer(IDOK);
    validator.Error(nullptr);
    EXPECT_EQ(services.Messages().Calls().at(0).text,
              "Wert ist nicht im Bereich zwischen\n\n -0.50 und 1234.50");
}

TEST(DoubleValidator2, AcceptsEveryEntryAndTellsNothing) {
    testsupport::ScriptedServices services; // any message box would fail the test
    TDoubleValidator2 validator(0.0, 1.0);
    EXPECT_TRUE(validator.IsValid("99999"));
    EXPECT_TRUE(validator.IsValid(""));
    validator.Error(nullptr);
}

} // namespace
