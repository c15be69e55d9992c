// Expected values are the worked examples of the rounding rule: scaling by
// 10 and 0.1 (extended precision) step by step, each step rounded to a double.
#include "hilfsmittel/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

TEST(QtxRound, WorkedExamples) {
    struct Case {
        double x;
        int n;
        double expected;
    };
    const Case cases[] = {
        {1234.5678, 2, 1234.57}, {0.125, 2, 0.13},       {2.675, 2, 2.68},
        {1.005, 2, 1.0},         {2.5, 0, 3.0},          {-1.5, 0, -1.0},
        {1234.5, -2, 1200.0},    {12345.0, -3, 12000.0}, {1250.0, -2, 1300.0},
        {-1250.0, -2, -1200.0},  {0.0, 5, 0.0},
    };
    // Within a few ulps: the stepwise unscaling lands 1234.57 one double above
    // the one nearest to it (123457 * 0.1 rounds up twice); what matters is
    // the decimal digits the proofs print.
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(qtx_round(c.x, c.n), c.expected) << c.x << " to " << c.n << " places";
}

TEST(QtxRound, MinusHalfRoundsToPositiveZero) {
    const double r = qtx_round(-0.5, 0);
    EXPECT_EQ(r, 0.0);
    EXPECT_FALSE(std::signbit(r));
}

TEST(QtxRound, ExtremePlaceCountsEndAtOnce) {
    EXPECT_TRUE(std::isinf(qtx_round(1.0, 2000000000)));
    EXPECT_EQ(qtx_round(1.0e300, -2000000000), 0.0);
    EXPECT_TRUE(std::isnan(qtx_round(NAN, 2)));
}

// A double from a file into an integer field: saturated, NaN as 0, never
// the undefined cast.
TEST(TruncatedInRange, SaturatesAndTruncatesTowardsZero) {
    struct Fall {
        double x;
        int64_t i16, u16, i32;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Fall faelle[] = {
        {1.9, 1, 1, 1},
        {-1.9, -1, 0, -1},
        {32767.9, 32767, 32767, 32767},
        {32768.0, 32767, 32768, 32768},
        {-32769.0, -32768, 0, -32769},
        {65536.0, 32767, 65535, 65536},
        {1e300, 32767, 65535, 2147483647},
        {-1e300, -32768, 0, -2147483647 - 1},
        {inf, 32767, 65535, 2147483647},
        {-inf, -32768, 0, -2147483647 - 1},
        {2147483647.5, 32767, 65535, 2147483647},
        {NAN, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(TruncatedInRange<int16_t>(f.x), f.i16) << f.x;
        EXPECT_EQ(TruncatedInRange<uint16_t>(f.x), f.u16) << f.x;
        EXPECT_EQ(TruncatedInRange<int32_t>(f.x), f.i32) << f.x;
    }
}

// A point of a drawing from a computed position: within the bounds it
// truncates as the cast does, beyond them it stops at the bound.
TEST(TruncatedWithin, KeepsPointsWithinReach) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double x;
        int erwartet;
    } faelle[] = {{12.9, 12}, {-12.9, -12}, {1e30, 500}, {-1e30, -500},
                  {inf, 500}, {-inf, -500}, {NAN, 7},    {500.5, 500}};
    for (const auto& f : faelle) EXPECT_EQ(TruncatedWithin(f.x, -500, 500, 7), f.erwartet) << f.x;
}

} // namespace
