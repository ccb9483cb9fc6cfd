#include "model/valuefields.h"

#include <gtest/gtest.h>

using tb::CFieldJoiner;
using tb::CValueFields;
using tb::EscapeLabel;
using tb::JoinInts;
using tb::UnescapeField;

TEST(LabelEscape, TurnsLineBreaksAndCommasIntoOneField) {
    EXPECT_EQ(EscapeLabel("Line one\r\na, b"), "Line one|_#`a~@^` b");
    EXPECT_EQ(EscapeLabel(",,"), "~@^`~@^`");
    EXPECT_EQ(EscapeLabel("\r\n\r\n"), "|_#`|_#`");
    EXPECT_EQ(EscapeLabel("plain"), "plain");
    EXPECT_EQ(EscapeLabel(""), "");
}

TEST(LabelEscape, LeavesLoneCarriageReturnsAndLineFeedsAlone) {
    EXPECT_EQ(EscapeLabel("a\nb\rc\n\r"), "a\nb\rc\n\r");
    // Only the CR LF pair in the middle of LF CR LF is a line break.
    EXPECT_EQ(EscapeLabel("\n\r\n"), "\n|_#`");
}

TEST(LabelEscape, UnescapeRestoresWhatEscapeWrote) {
    for (const char* label : {"Line one\r\na, b", ",", "\r\n", "a,\r\n,b", "x\ny", ""})
        EXPECT_EQ(UnescapeField(EscapeLabel(label)), label) << label;
    EXPECT_EQ(UnescapeField("1~@^`2|_#`3"), "1,2\r\n3");
    EXPECT_EQ(UnescapeField("no escapes`"), "no escapes`");
}

TEST(ValueFields, ReadsFieldsByPositionAndEmptyBeyondTheLast) {
    const CValueFields fields("a,,12, 7x,-3,");
    EXPECT_EQ(fields.Count(), 6u);
    EXPECT_EQ(fields.Text(0), "a");
    EXPECT_EQ(fields.Text(1), "");
    EXPECT_EQ(fields.Int(2), 12);
    EXPECT_EQ(fields.Int(3), 7);
    EXPECT_EQ(fields.Int(4), -3);
    EXPECT_EQ(fields.Text(5), "");
    EXPECT_EQ(fields.Text(6), "");
    EXPECT_EQ(fields.Int(1000), 0);
    EXPECT_EQ(fields.Int(0), 0);
}

TEST(ValueFields, EmptyValueHasNoFields) {
    const CValueFields fields("");
    EXPECT_EQ(fields.Count(), 0u);
    EXPECT_EQ(fields.Text(0), "");
    EXPECT_EQ(fields.Int(0), 0);
}

TEST(ValueFields, UnescapesEveryFieldRead) {
    const CValueFields fields("Line one|_#`a~@^` b,4~@^`5");
    EXPECT_EQ(fields.Count(), 2u);
    EXPECT_EQ(fields.Text(0), "Line one\r\na, b");
    EXPECT_EQ(fields.Int(1), 4); // "4,5" reads as 4
}

TEST(FieldJoiner, SeparatesOrTerminatesFields) {
    std::string separated = "x=";
    CFieldJoiner(separated).Add("a").AddInt(-5).Add("").AddInt(0);
    EXPECT_EQ(separated, "x=a,-5,,0");

    std::string terminated;
    CFieldJoiner(terminated, true).AddInt(1).Add("").Add("b");
    EXPECT_EQ(terminated, "1,,b,");

    std::string none;
    CFieldJoiner joiner(none);
    EXPECT_EQ(none, "");
}

TEST(FieldJoiner, JoinsNumbers) {
    EXPECT_EQ(JoinInts({95, 221, 111, 159, 217, 221}), "95,221,111,159,217,221");
    EXPECT_EQ(JoinInts({-2147483648LL, 2147483647}), "-2147483648,2147483647");
    EXPECT_EQ(JoinInts({}), "");
}
