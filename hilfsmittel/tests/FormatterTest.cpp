// Expected texts are the worked examples of the formatter's description
// (German defaults: thousands '.', decimal ','), checked by hand against C's
// printf where the formatter leaves a conversion to it.
#include "hilfsmittel/Formatter.h"

#include "testsupport/Locale.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Every test leaves the process-wide characters as the program starts with them.
class Formatter : public testing::Test {
protected:
    void TearDown() override { SetSPRINTFCharacters('.', ','); }
};

struct DoubleCase {
    const char* format;
    double value;
    const char* text;
};

const DoubleCase kDoubleCases[] = {
    {"%3.2lf", 1234567.891, "1.234.567,89"},
    {"%.0f", 1234567.0, "1.234.567"},
    {"%3.2lf", 999.999, "1.000,00"},
    {"%3.2lf", -1234.5, "-1.234,50"},
    {"%3.2lf", -0.5, "-0,50"},
    {"%#.0f", 1234.0, "1.234,"},
    {"%10.2f", 1234.5, "   1.234,50"},
    {"%08.2f", 12.5, "00.012,50"},
    {"%5.4G", 0.000123456, "0.0001235"},
    {"%5.4G", 1234567.0, "1.235E+06"},
    {"%f", 0.5, "0,500000"},
    {"%.f", 2.5, "2"}, // bare '.' is precision 0; 2.5 ties to even as printf does
    {"%+.1f", 3.0, "+3,0"},
    {"% .1f", 3.0, " 3,0"},
    {"%-9.1f|", 1234.0, "1.234,0   |"},
    {"%.2f", -0.001, "-0,00"},
    {"%e", 1234.5, "1.234500e+03"},
    {"%.0e", 12345.0, "1e+04"},
    {"%#.0e", 12345.0, "1.e+04"},
    {"%E", 0.0, "0.000000E+00"},
    {"%g", 0.0, "0"},
    {"%g", 100000.0, "100000"},
    {"%g", 1000000.0, "1e+06"},
    {"%g", 0.0001, "0.0001"},
    {"%g", 0.00001, "1e-05"},
    {"%.3g", 3.14159, "3.14"},
    {"%#g", 1.5, "1.50000"},
    {"%#.3g", 100.0, "100."},
    {"%G", 1e-10, "1E-10"},
    {"%10.3e", -1.0, "-1.000e+00"},
    {"%012.3e", -1.0, "-001.000e+00"},
    {"%f", HUGE_VAL, "inf"},
    {"%5f", -HUGE_VAL, " -inf"},
    {"%05G", NAN, "  NAN"},
};

TEST_F(Formatter, FloatingConversionsWithGermanDefaults) {
    for (const auto& c : kDoubleCases)
        EXPECT_EQ(QTX_format(c.format, c.value), c.text) << c.format << " of " << c.value;
}

TEST_F(Formatter, IgnoresTheProcessNumericLocale) {
    testsupport::ScopedNumericLocale german("de_DE.UTF-8");
    SetSPRINTFCharacters(',', '.');
    EXPECT_EQ(QTX_format("%3.2lf", 1234567.891), "1,234,567.89");
    EXPECT_EQ(QTX_format("%5.4G", 1234567.0), "1.235E+06");
    EXPECT_EQ(QTX_format("%g", 0.25), "0.25");
}

struct IntCase {
    const char* format;
    int value;
    const char* text;
};

const IntCase kIntCases[] = {
    {"%d", -1234567, "-1234567"},
    {"%05d", -42, "-0042"},
    {"%-5d", 42, "42   "},
    {"%5.3d", 7, "  007"},
    {"%08.3d", 7, "00000007"},
    {"%+d", 5, "+5"},
    {"% d", 5, " 5"},
    {"%+u", 5, "5"},
    {"%hd", 65535, "-1"},
    {"%hu", -1, "65535"},
    {"%x", -1, "ffffffff"},
    {"%X", 48879, "BEEF"},
    {"%#o", 8, "010"},
    {"%#o", 0, "0"},
    {"%#5o", 8, "  010"},
    {"%#x", 255, "0xff"},
    {"%#08x", 255, "0x0000ff"},
    {"%#x", 0, "0x0"},
    {"%.0d", 0, ""},
    {"%d", 0, "0"},
    {"%d", INT_MIN, "-2147483648"},
    {"%u", -10, "4294967286"},
    {"%ld", 123456, "123456"}, // 'l' is 32-bit
    {"%qd", -7, "-7"},
    {"%-+6d|", 12, "+12   |"},
    {"%-06d|", 12, "12    |"}, // '-' wins over '0'
    {"%5c", 'A', "    A"},
    {"%-3c|", 'A', "A  |"},
    {"%.3d", 1234, "1234"},
    {"%d", 1234567, "1234567"}, // integers are never grouped
};

TEST_F(Formatter, IntegerAndCharacterConversions) {
    for (const auto& c : kIntCases)
        EXPECT_EQ(QTX_format(c.format, c.value), c.text) << c.format << " of " << c.value;
}

TEST_F(Formatter, WidthAndPrecisionFromArguments) {
    EXPECT_EQ(QTX_format("%*d|", 5, 42), "   42|");
    EXPECT_EQ(QTX_format("%*d|", -5, 42), "42   |");
    EXPECT_EQ(QTX_format("%.*d", 4, 7), "0007");
    EXPECT_EQ(QTX_format("%.*d", -1, 0), "0"); // negative precision is unset
    EXPECT_EQ(QTX_format("%*.*s|", 6, 2, "abcdef"), "    ab|");
    // '*' in a floating specification uses the values taken.
    EXPECT_EQ(QTX_format("%*.*f", 10, 1, 1234.5), "    1.234,5");
}

TEST_F(Formatter, StringsAndPointers) {
    const char* none = nullptr;
    EXPECT_EQ(QTX_format("%.3s", "abcdef"), "abc");
    EXPECT_EQ(QTX_format("%s", none), "(null)");
    EXPECT_EQ(QTX_format("%.6s", none), "(null)");
    EXPECT_EQ(QTX_format("%.3s", none), "");
    EXPECT_EQ(QTX_format("%-5s|%5s", "ab", "cd"), "ab   |   cd");
    EXPECT_EQ(QTX_format("%05s", "ab"), "   ab"); // '0' does not pad strings
    EXPECT_EQ(QTX_format("%.s|", "ab"), "ab|");   // a bare '.' leaves a string whole
    EXPECT_EQ(QTX_format("%7p|", static_cast<void*>(nullptr)), "  (nil)|");
    EXPECT_EQ(QTX_format("%p", reinterpret_cast<void*>(0x1f)), "0x1f");
    // The precision bounds the read: no terminating NUL is needed within it.
    const char unterminated[3] = {'x', 'y', 'z'};
    EXPECT_EQ(QTX_format("%.3s", unterminated), "xyz");
}

TEST_F(Formatter, LiteralsPercentAndUnknownConversions) {
    EXPECT_EQ(QTX_format("100%%"), "100%");
    EXPECT_EQ(QTX_format("a%5%b"), "ab");
    // An unknown conversion takes no argument: the next conversion reads 42.
    EXPECT_EQ(QTX_format("%F|%d", 42), "|42");
    EXPECT_EQ(QTX_format("%a%d", 3), "3");
    EXPECT_EQ(QTX_format("Wert: 12%"), "Wert: 12"); // '%' at the end ends the output
    EXPECT_EQ(QTX_format("ab%-08"), "ab");
    const std::string longLiteral(300, 'x');
    EXPECT_EQ(QTX_format(longLiteral.c_str()), longLiteral);
}

TEST_F(Formatter, CountAndErrorText) {
    int count = -1;
    short shortCount = -1;
    EXPECT_EQ(QTX_format("abc%n%hnde", &count, &shortCount), "abcde");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(shortCount, 3);

    errno = ENOENT;
    EXPECT_EQ(QTX_format("%m"), "No such file or directory");
    errno = -5;
    EXPECT_EQ(QTX_format("%m"), "Unknown error -5");
    errno = 100000;
    EXPECT_EQ(QTX_format("%m"), "Unknown error 100000");
}

TEST_F(Formatter, SeparatorSettings) {
    struct Case {
        char thousands, decimal;
        const char* text;
    };
    const Case cases[] = {
        {' ', ',', "1234567,89"},     {',', '.', "1,234,567.89"},  {'.', '\0', "1.234.567,89"},
        {'\'', '\0', "1'234'567.89"}, {'.', '\t', "1.234.567,89"}, {'_', 'x', "1_234_567x89"},
    };
    for (const auto& c : cases) {
        SetSPRINTFCharacters(c.thousands, c.decimal);
        EXPECT_EQ(QTX_format("%3.2lf", 1234567.891), c.text)
            << "thousands " << int(c.thousands) << " decimal " << int(c.decimal);
    }
}

TEST_F(Formatter, NullFormatWritesAnEmptyText) {
    char dest[8] = "xxxxxxx";
    errno = 0;
    EXPECT_EQ(QTX_sprintf(dest, nullptr), -1);
    EXPECT_STREQ(dest, "");
    EXPECT_EQ(errno, EINVAL);
}

TEST_F(Formatter, NeverWritesPastTheBuffer) {
    char dest[12];
    std::memset(dest, '#', sizeof dest);
    EXPECT_EQ(QTX_snprintf(dest, 8, "%3.2lf", 1234567.891), -1);
    EXPECT_STREQ(dest, "1.234.5");
    EXPECT_EQ(dest[8], '#');

    EXPECT_EQ(QTX_sprintf(dest, "%d", 12345678), 8);
    EXPECT_EQ(QTX_sprintf(dest, "%.*d", 1000000, 1), -1);
    EXPECT_EQ(std::strlen(dest), sizeof dest - 1);

    EXPECT_EQ(QTX_snprintf(dest, 0, "%d", 1), -1);
    EXPECT_EQ(QTX_snprintf(dest, 1, "%d", 1), -1);
    EXPECT_STREQ(dest, "");
}

TEST_F(Formatter, StreamHoldsAtMost2047Characters) {
    std::vector<char> big(5000, '#');
    EXPECT_EQ(QTX_snprintf(big.data(), big.size(), "%2047d", 1), 2047);
    EXPECT_EQ(QTX_snprintf(big.data(), big.size(), "%2048d", 1), -1);
    EXPECT_EQ(std::strlen(big.data()), 2047u);
    EXPECT_EQ(big[2048], '#');
    // A huge width from the arguments stops at the stream's end.
    EXPECT_EQ(QTX_snprintf(big.data(), big.size(), "%*d", INT_MAX, 1), -1);
    // A floating text beyond 511 characters is outside the contract: refused, not overrun.
    EXPECT_EQ(QTX_snprintf(big.data(), big.size(), "a%.600f", 1.0), -1);
    EXPECT_STREQ(big.data(), "a");
}

} // namespace
