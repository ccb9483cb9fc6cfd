#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/com/variant.h"

namespace {

VARIANT Change(const VARIANT& src, VARTYPE vt, HRESULT expected = S_OK) {
    VARIANT out;
    EXPECT_EQ(VariantChangeType(&out, &src, 0, vt), expected);
    return out;
}

TEST(Variant, BooleanTrueBecomesMinusOneNotOne) {
    // The add-in passes `true` where the component expects a short mode; it must arrive
    // as a non-zero number.
    EXPECT_EQ(Change(tb::VariantBool(true), VT_I2).iVal, -1);
    EXPECT_EQ(Change(tb::VariantBool(false), VT_I2).iVal, 0);
    EXPECT_EQ(Change(tb::VariantBool(true), VT_I4).lVal, -1);
    EXPECT_EQ(Change(tb::VariantBool(true), VT_R8).dblVal, -1.0);
}

TEST(Variant, NumbersBecomeBooleansByZeroOrNot) {
    EXPECT_EQ(Change(tb::VariantI2(5), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(Change(tb::VariantI4(0), VT_BOOL).boolVal, VARIANT_FALSE);
    EXPECT_EQ(Change(tb::VariantR8(0.25), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(Change(tb::VariantString("True"), VT_BOOL).boolVal, VARIANT_TRUE);
    EXPECT_EQ(Change(tb::VariantString("false"), VT_BOOL).boolVal, VARIANT_FALSE);
}

TEST(Variant, DoublesRoundHalfToEvenAndOverflowIsReported) {
    EXPECT_EQ(Change(tb::VariantR8(2.5), VT_I2).iVal, 2);
    EXPECT_EQ(Change(tb::VariantR8(3.5), VT_I2).iVal, 4);
    EXPECT_EQ(Change(tb::VariantR8(-1.6), VT_I4).lVal, -2);
    Change(tb::VariantI4(40000), VT_I2, DISP_E_OVERFLOW);
    Change(tb::VariantR8(1e12), VT_I4, DISP_E_OVERFLOW);
    EXPECT_EQ(Change(tb::VariantI4(-32768), VT_I2).iVal, -32768);
}

TEST(Variant, StringsAndNumbersConvertBothWays) {
    EXPECT_EQ(Change(tb::VariantString(" 42 "), VT_I2).iVal, 42);
    EXPECT_EQ(Change(tb::VariantString("-7"), VT_I4).lVal, -7);
    EXPECT_DOUBLE_EQ(Change(tb::VariantString("36525.5"), VT_DATE).date, 36525.5);
    EXPECT_DOUBLE_EQ(Change(tb::VariantString("1.5e3"), VT_R8).dblVal, 1500.0);
    EXPECT_EQ(Change(tb::VariantI2(-12), VT_BSTR).bstrVal, "-12");
    EXPECT_EQ(Change(tb::VariantR8(2.5), VT_BSTR).bstrVal, "2.5");
    EXPECT_EQ(Change(VARIANT{}, VT_BSTR).bstrVal, "");
    EXPECT_EQ(Change(VARIANT{}, VT_I4).lVal, 0);
}

TEST(Variant, TextThatIsNotANumberIsATypeMismatch) {
    for (const char* bad : {"", "abc", "12abc", "1,5", "--1", ".", "1e", "nan", "inf"})
        Change(tb::VariantString(bad), VT_I4, DISP_E_TYPEMISMATCH);
    // A failed change leaves the target as it was.
    VARIANT out = tb::VariantI4(9);
    VARIANT src = tb::VariantString("x");
    EXPECT_EQ(VariantChangeType(&out, &src, 0, VT_I2), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(out.vt, VT_I4);
    EXPECT_EQ(out.lVal, 9);
}

TEST(Variant, BooleanTextDependsOnTheAlphaFlag) {
    VARIANT src = tb::VariantBool(true);
    VARIANT out;
    ASSERT_EQ(VariantChangeType(&out, &src, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
    EXPECT_EQ(out.bstrVal, "True");
    ASSERT_EQ(VariantChangeType(&out, &src, 0, VT_BSTR), S_OK);
    EXPECT_EQ(out.bstrVal, "-1");
}

TEST(Variant, ChangingInPlaceAndUnknownTypes) {
    VARIANT v = tb::VariantString("17");
    ASSERT_EQ(VariantChangeType(&v, &v, 0, VT_I2), S_OK);
    EXPECT_EQ(v.vt, VT_I2);
    EXPECT_EQ(v.iVal, 17);
    Change(v, 99, DISP_E_BADVARTYPE);
}

// Numbers cross the automation boundary as text in widget files; a decimal-comma locale
// set by the GUI library must not change them.
TEST(Variant, DecimalCommaLocaleDoesNotChangeConversions) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.utf8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    EXPECT_DOUBLE_EQ(Change(tb::VariantString("3.25"), VT_R8).dblVal, 3.25);
    EXPECT_EQ(Change(tb::VariantR8(3.25), VT_BSTR).bstrVal, "3.25");
    EXPECT_EQ(Change(tb::VariantDate(36526.75), VT_BSTR).bstrVal, "36526.75");
    Change(tb::VariantString("3,25"), VT_R8, DISP_E_TYPEMISMATCH);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Variant, ReadHelpersFallBackWhenCoercionFails) {
    EXPECT_EQ(tb::VariantToLong(tb::VariantString("12")), 12);
    EXPECT_EQ(tb::VariantToLong(tb::VariantString("x"), -5), -5);
    EXPECT_TRUE(tb::VariantToBool(tb::VariantI2(3)));
    EXPECT_EQ(tb::VariantToString(tb::VariantBool(false)), "False");
}

} // namespace
