// Values are worked by hand from the evaluator's grammar: precedence, left
// associativity, the unary minus binding tighter than '^', degrees by
// x * 3.141592654 / 180 and trigonometric results below 1e-5 taken as 0.
#include "hilfsmittel/Calculator.h"

#include "hilfsmittel/RuntimeError.h"
#include "platform/services/MessageBox.h"
#include "testsupport/Locale.h"
#include "testsupport/ScriptedServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Outcome {
    double value;
    int error;
    int position;
    int line;
};

Outcome calculate(TCalculator& calc, const std::string& text, short degrees = 0) {
    Outcome r{};
    r.value = calc.Calculate(text, degrees);
    r.error = calc.GetError(&r.position, &r.line);
    return r;
}

struct ValueCase {
    const char* text;
    short degrees;
    double value;
};

const ValueCase kValueCases[] = {
    {"1+2*3", 0, 7.0},
    {"2^3^2", 0, 64.0},
    {"-2^2", 0, 4.0},
    {"7/2", 0, 3.5},
    {"10-4-3", 0, 3.0},
    {"100/10/5", 0, 2.0},
    {"(1+2)*3", 0, 9.0},
    {"--3", 0, 3.0},
    {"2*-3", 0, -6.0},
    {"a=3;b=4\nsqrt(a*a+b*b)", 0, 5.0},
    {"a = b = 3\na*b", 0, 9.0},
    {"x=", 0, 1.0},       // an empty right side at the end is 1.0
    {"a=a+1\na", 0, 2.0}, // a new name starts as 1.0
    {"sin(90)", 1, 1.0},
    {"SIN(90)", 1, 1.0},
    {"sin(180)", 1, 0.0},
    {"cos(90)", 1, 0.0},
    {"sin(3.14159265359)", 0, 0.0},
    // 45 * 3.141592654 / 180 lies 1.0255e-10 above pi/4; tan' = 2 there.
    {"tan(45)", 1, 1.0 + 2.0510e-10},
    {"log(1000)", 0, 3.0},
    {"LN(1)", 0, 0.0},
    {"2*pi", 0, 6.28318530718},
    {"Pi=3\nPi+PI", 0, 3.0 + 3.14159265359},
    {"1.2.3", 0, 1.2},
    {".5+5.", 0, 5.5},
    {"5;", 0, 5.0},
    {"5;;", 0, 1.0},
    {"# nur ein Kommentar", 0, 0.0},
    {"2 # Rest der Zeile\n3", 0, 3.0},
    {"\t 4 \r\n", 0, 4.0},
    {"", 0, 0.0},
    {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "00000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
     0, 0.0},
};

TEST(Calculator, ValuesOfWellFormedTexts) {
    for (const auto& c : kValueCases) {
        TRuntimeError holder;
        TCalculator calc(&holder);
        const Outcome r = calculate(calc, c.text, c.degrees);
        EXPECT_EQ(r.error, 0) << c.text;
        EXPECT_NEAR(r.value, c.value, 1e-12) << c.text;
        EXPECT_EQ(holder.state, 0) << c.text;
    }
}

TEST(Calculator, NumbersIgnoreAGermanLocale) {
    testsupport::ScopedNumericLocale german("de_DE.UTF-8");
    TCalculator calc;
    EXPECT_EQ(calculate(calc, "1.5*2").value, 3.0);
}

struct ErrorCase {
    const char* text;
    int error;
};

const ErrorCase kErrorCases[] = {
    {"10/0", 1},
    {"(-8)^(-0.5)", 11},
    {"2^", 54},
    {"5+", 40},
    {"5-", 41},
    {"5*", 42},
    {"5/", 43},
    {"-", 57},
    {"(", 46},
    {"(1", 7},
    {"sin(1", 6},
    {"sin(", 20},
    {"sin", 31},
    {"pi(2)", 30},
    {"foo", 32},
    {"Sin(90)", 32},
    {"1,5", 5},
    {"*5", 3},
    {"1)", 20},
    {"sqrt()", 20}, // an empty call has no argument
    {"sqrt=4", 31}, // a function is not overwritten
    {"1000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "00000000000000000000000000000000000000000000000000000000000000000000000000000",
     12},
    {"10^400", 2},
    {"(-8)^0.5", 2},
};

TEST(Calculator, ErrorCodes) {
    for (const auto& c : kErrorCases) {
        TRuntimeError holder;
        TCalculator calc(&holder);
        EXPECT_EQ(calculate(calc, c.text).error, c.error) << c.text;
    }
}

TEST(Calculator, ErrorTexts) {
    TCalculator calc;
    const std::pair<int, const char*> texts[] = {
        {20, "Eingabefehler"},
        {5, "unbekanntes Zeichen"},
        {6, ") erwartet, Funktion"},
        {7, ") erwartet"},
        {40, "Eingabefehler"},
        {41, "Eingabefehler"},
        {42, "Eingabefehler"},
        {43, "Eingabefehler"},
        {46, "keine Fortsetzung nach ("},
        {1, "Division durch 0"},
        {2, "Überlauf"},
        {11, "negativer, nicht ganzzahliger Exponent"},
        {12, "zu große/kleine Zahl in der Eingabe"},
        {32, "Name nicht definiert"},
        {30, "Eingabefehler Funktionsdefinition"},
        {31, "keine Variable"},
        {3, "unbekannte Ursache"},
        {54, "unbekannte Ursache"},
        {57, "unbekannte Ursache"},
    };
    for (const auto& [code, text] : texts) EXPECT_EQ(calc.GetErrorText(code), text) << code;
}

TEST(Calculator, FirstErrorKeepsItsPositionAndLine) {
    TCalculator calc;
    Outcome r = calculate(calc, "1+2+$+4");
    EXPECT_EQ(r.error, 5);
    EXPECT_EQ(r.position, 5); // just past the '$'
    EXPECT_EQ(r.line, 0);

    calc.Reset();
    r = calculate(calc, "a=3\nb=4\nfoo+1/0");
    EXPECT_EQ(r.error, 32);
    EXPECT_EQ(r.line, 2);
    EXPECT_EQ(r.position, 12); // past "foo" and the '+' read after it
}

TEST(Calculator, DomainErrorsGoToTheHolder) {
    struct Case {
        const char* text;
        const char* message;
        int error;
    };
    const Case cases[] = {
        {"sqrt(-1)", "Ungültiges Argument in Funktion SQRT", 0},
        {"log(0)", "Ungültiges Argument in Funktion LOG", 0},
        {"ln(-1)", "Ungültiges Argument in Funktion LN", 0},
        {"0^-1", "Ungültiges Argument in Potenz-Funktion (^) ", 2},
    };
    for (const auto& c : cases) {
        TRuntimeError holder;
        TCalculator calc(&holder);
        const Outcome r = calculate(calc, c.text);
        EXPECT_EQ(holder.state, 1) << c.text;
        EXPECT_EQ(holder.GetErrorString(), c.message) << c.text;
        EXPECT_EQ(r.error, c.error) << c.text;
        if (c.error == 0) {
            EXPECT_EQ(r.value, 1.0) << c.text;
        }
    }
}

TEST(Calculator, DomainErrorWithoutHolderIsReported) {
    testsupport::ScriptedServices services;
    services.Messages().Answer(IDIGNORE);
    TCalculator calc;
    const Outcome r = calculate(calc, "sqrt(-4)+1");
    EXPECT_EQ(r.value, 2.0);
    EXPECT_EQ(services.Messages().Calls().at(0).text, "assertion failed! File: calc Zeile: 41");
}

TEST(Calculator, SecondTextContinuesUnlessReset) {
    TCalculator calc;
    std::string first = "a=2\nfoo";
    calculate(calc, first);
    // Without Reset the scanner stays past the end of the shorter second text.
    const Outcome stale = calculate(calc, "3");
    EXPECT_EQ(stale.error, 32);
    EXPECT_EQ(stale.value, 0.0);

    calc.Reset();
    const Outcome fresh = calculate(calc, "a*5");
    EXPECT_EQ(fresh.error, 0);
    EXPECT_EQ(fresh.value, 10.0); // a from the first text
}

TEST(Calculator, DeepNestingIsRefusedNotCrashed) {
    TCalculator calc;
    const std::string text = std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_EQ(calculate(calc, text).error, 20);
    calc.Reset();
    EXPECT_EQ(calculate(calc, std::string(100000, '-') + "1").error, 20);
}

TEST(RuntimeError, StatesAndMessages) {
    TRuntimeError e;
    EXPECT_EQ(e.state, 0);
    EXPECT_EQ(e.message, "Ok");
    EXPECT_EQ(e.description, "Kein Fehler");
    e.SetError("kaputt");
    EXPECT_EQ(e.state, 1);
    char small[4];
    e.GetErrorString(small, sizeof small);
    EXPECT_STREQ(small, "kap");
    e.SetError(nullptr);
    EXPECT_EQ(e.state, 0);
    EXPECT_EQ(e.message, "Ok");
    e.SetError("x");
    e.description = "y";
    e.Reset();
    EXPECT_EQ(e.message, "Ok");
    EXPECT_EQ(e.description, "Kein Fehler");
}

} // namespace
