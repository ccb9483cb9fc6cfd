// What a typed number is worth to a page: the value, or the message that says why not.

#include <gtest/gtest.h>

#include "platform/ui/integercheck.h"

using namespace tb;

TEST(IntegerCheck, TakesSignedNumbersWithBlanksAroundThemWithinTheRange) {
    EXPECT_EQ(CheckInteger("0", 0, 1200).value, 0);
    EXPECT_EQ(CheckInteger(" 1200 ", 0, 1200).value, 1200);
    EXPECT_EQ(CheckInteger("-500", -500, 500).value, -500);
    EXPECT_EQ(CheckInteger("+7", -500, 500).value, 7);
    EXPECT_EQ(CheckInteger("007", 0, 1200).value, 7);
    EXPECT_EQ(CheckInteger("\t42", 0, 5000, IntegerKind::Unsigned).value, 42);
}

TEST(IntegerCheck, OutOfRangeNamesTheBoundsAndAnythingElseIsNoInteger) {
    const IntegerCheck high = CheckInteger("1201", 0, 1200);
    EXPECT_FALSE(high.Passed());
    EXPECT_EQ(high.message, "Please enter an integer between 0 and 1200.");
    EXPECT_EQ(CheckInteger("-501", -500, 500).message,
              "Please enter an integer between -500 and 500.");
    // Far beyond 32 bits is out of range, not a wrapped-around value that happens to fit.
    EXPECT_EQ(CheckInteger("4294967296", 0, 1200).message,
              "Please enter an integer between 0 and 1200.");
    EXPECT_EQ(CheckInteger("-99999999999999999999", -1000, 1000).message,
              "Please enter an integer between -1000 and 1000.");

    for (const char* text : {"", " ", "-", "abc", "12a", "1 2", "1.5", "--3", "0x10"}) {
        const IntegerCheck check = CheckInteger(text, 0, 1200);
        EXPECT_FALSE(check.Passed()) << text;
        EXPECT_EQ(check.message, "Please enter an integer.") << text;
    }
}

TEST(IntegerCheck, UnsignedBoxesAskForAPositiveIntegerAndRefuseAMinus) {
    EXPECT_EQ(CheckInteger("-1", 0, 5000, IntegerKind::Unsigned).message,
              "Please enter a positive integer.");
    EXPECT_EQ(CheckInteger("big", 0, 5000, IntegerKind::Unsigned).message,
              "Please enter a positive integer.");
    EXPECT_EQ(CheckInteger("5001", 0, 5000, IntegerKind::Unsigned).message,
              "Please enter an integer between 0 and 5000.");
}

TEST(IntegerCheck, UnfinishedNumbersAreEmptyOrASignAlone) {
    for (const char* text : {"", "  ", "-", "+", " - "})
        EXPECT_TRUE(IsUnfinishedInteger(text)) << text;
    for (const char* text : {"0", "-1", "a", "--"})
        EXPECT_FALSE(IsUnfinishedInteger(text)) << text;
}
