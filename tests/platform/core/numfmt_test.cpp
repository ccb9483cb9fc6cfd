#include <gtest/gtest.h>

#include <climits>

#include "platform/core/numfmt.h"

using namespace tb;

TEST(NumberFormat, AtoIFollowsCRules) {
    EXPECT_EQ(AtoI("  -42abc"), -42);
    EXPECT_EQ(AtoI("+7"), 7);
    EXPECT_EQ(AtoI("abc"), 0);
    EXPECT_EQ(AtoI(""), 0);
    EXPECT_EQ(AtoI("- 5"), 0);
    EXPECT_EQ(AtoI("99999999999"), INT_MAX);
    EXPECT_EQ(AtoI("-2147483648"), INT_MIN);
    EXPECT_EQ(AtoI("-99999999999"), INT_MIN);
}

TEST(NumberFormat, AtoFReadsDecimalPrefix) {
    EXPECT_DOUBLE_EQ(AtoF(" 36500.25xyz"), 36500.25);
    EXPECT_DOUBLE_EQ(AtoF("-1.5e2"), -150.0);
    EXPECT_DOUBLE_EQ(AtoF("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(AtoF(""), 0.0);
    EXPECT_DOUBLE_EQ(AtoF("3,5"), 3.0);
}

TEST(NumberFormat, FormatsFixedNineAndHex) {
    EXPECT_EQ(FormatFixed9(0.0), "0.000000000");
    EXPECT_EQ(FormatFixed9(36526.5), "36526.500000000");
    EXPECT_EQ(FormatFixed9(-1.25), "-1.250000000");
    EXPECT_EQ(FormatHex2(0), "00");
    EXPECT_EQ(FormatHex2(10), "0a");
    EXPECT_EQ(FormatHex2(255), "ff");
    EXPECT_EQ(FormatInt(-12), "-12");
}
