// Expected values are the worked examples of the rounding rule: scaling by
// 10 and 0.1 (extended precision) step by step, each step rounded to a double.
#include "hilfsmittel/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>

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

} // namespace
