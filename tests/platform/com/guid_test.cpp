#include <gtest/gtest.h>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"

namespace {

TEST(Guid, ParsesAndFormatsTheBracedUpperCaseForm) {
    GUID g;
    ASSERT_TRUE(tb::GuidFromString("{B2471160-D234-11D2-B481-00400533CDD6}", &g));
    EXPECT_EQ(g.Data1, 0xB2471160u);
    EXPECT_EQ(g.Data2, 0xD234);
    EXPECT_EQ(g.Data3, 0x11D2);
    EXPECT_EQ(g.Data4[0], 0xB4);
    EXPECT_EQ(g.Data4[1], 0x81);
    EXPECT_EQ(g.Data4[7], 0xD6);
    EXPECT_EQ(tb::GuidToString(g), "{B2471160-D234-11D2-B481-00400533CDD6}");
}

TEST(Guid, LowerCaseInputComesBackUpperCaseAndZeroPadded) {
    GUID g;
    ASSERT_TRUE(tb::GuidFromString("{0000000a-0001-000b-00c0-000000000046}", &g));
    EXPECT_EQ(tb::GuidToString(g), "{0000000A-0001-000B-00C0-000000000046}");
}

TEST(Guid, RejectsMalformedText) {
    GUID g = tb::MakeGuid("{2542EDC1-7EFB-11D2-8CA5-0088CC081531}");
    const GUID before = g;
    for (const char* bad : {
             "", "{}", "2542EDC1-7EFB-11D2-8CA5-0088CC081531", // no braces
             "{2542EDC1-7EFB-11D2-8CA5-0088CC081531",          // no closing brace
             "{2542EDC1-7EFB-11D2-8CA5-0088CC08153}",          // short last group
             "{2542EDC1-7EFB-11D2-8CA5-0088CC0815311}",        // long last group
             "{2542EDC1+7EFB-11D2-8CA5-0088CC081531}",         // wrong separator
             "{2542EDG1-7EFB-11D2-8CA5-0088CC081531}",         // not hexadecimal
             "{2542EDC1-7EFB-11D28-CA5-0088CC081531}",         // separator moved
             " {2542EDC1-7EFB-11D2-8CA5-0088CC081531}",        // leading space
         }) {
        EXPECT_FALSE(tb::GuidFromString(bad, &g)) << bad;
        EXPECT_EQ(g, before) << "a rejected text must leave the target alone: " << bad;
    }
    EXPECT_EQ(tb::MakeGuid("nonsense"), IID_NULL);
}

TEST(Guid, WellKnownInterfaceIdentifiersAreDistinct) {
    EXPECT_EQ(tb::GuidToString(IID_IDispatch), "{00020400-0000-0000-C000-000000000046}");
    EXPECT_EQ(tb::GuidToString(IID_IUnknown), "{00000000-0000-0000-C000-000000000046}");
    EXPECT_EQ(tb::GuidToString(IID_IClassFactory), "{00000001-0000-0000-C000-000000000046}");
    EXPECT_FALSE(IsEqualGUID(IID_IUnknown, IID_NULL));
    EXPECT_TRUE(IID_IUnknown < IID_IClassFactory || IID_IClassFactory < IID_IUnknown);
}

TEST(HResult, SuccessAndFailureAndTheirWords) {
    EXPECT_TRUE(SUCCEEDED(S_OK));
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
    EXPECT_TRUE(FAILED(E_FAIL));
    EXPECT_TRUE(FAILED(REGDB_E_CLASSNOTREG));
    EXPECT_EQ(static_cast<uint32_t>(REGDB_E_CLASSNOTREG), 0x80040154u);
    EXPECT_EQ(static_cast<uint32_t>(DISP_E_BADPARAMCOUNT), 0x8002000Eu);
    EXPECT_EQ(tb::HResultText(REGDB_E_CLASSNOTREG), "Class not registered");
    EXPECT_EQ(tb::HResultText(DISP_E_UNKNOWNNAME), "Unknown name");
    EXPECT_EQ(tb::HResultText(MakeHResult(0x8000ABCD)), "Unknown error 0x8000ABCD");
}

} // namespace
