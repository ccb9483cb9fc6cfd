#include <gtest/gtest.h>

#include "platform/com/catmgr.h"
#include "platform/registry/registry.h"

namespace {

const CATID kCategory = tb::MakeGuid("{2542EDC1-7EFB-11D2-8CA5-0088CC081531}");
const CATID kOtherCategory = tb::MakeGuid("{2542EDC2-7EFB-11D2-8CA5-0088CC081531}");
const CLSID kFirst = tb::MakeGuid("{B2471160-D234-11D2-B481-00400533CDD6}");
const CLSID kSecond = tb::MakeGuid("{B2471161-D234-11D2-B481-00400533CDD6}");

std::string ReadValue(const std::string& key, const std::string& name) {
    HKEY h = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key, &h) != ERROR_SUCCESS)
        return "<no key>";
    std::string value;
    LONG rc = RegQueryString(h, name, &value);
    RegCloseKey(h);
    return rc == ERROR_SUCCESS ? value : "<no value>";
}

TEST(CategoryManager, RegistersTheDescriptionUnderTheLocale) {
    CATEGORYINFO info{kCategory, 0x409, "Tallowby Tesseras"};
    ASSERT_EQ(tb::RegisterCategories({&info, 1}), S_OK);
    EXPECT_EQ(ReadValue("Component Categories\\{2542EDC1-7EFB-11D2-8CA5-0088CC081531}", "409"),
              "Tallowby Tesseras");
    std::string text;
    EXPECT_EQ(tb::GetCategoryDesc(kCategory, 0x409, &text), S_OK);
    EXPECT_EQ(text, "Tallowby Tesseras");
    EXPECT_EQ(tb::GetCategoryDesc(kCategory, 0x407, &text), E_INVALIDARG);
}

TEST(CategoryManager, DescriptionIsCutTo127Characters) {
    std::string longText(200, 'x');
    CATEGORYINFO info{kCategory, 0x409, longText};
    ASSERT_EQ(tb::RegisterCategories({&info, 1}), S_OK);
    std::string text;
    ASSERT_EQ(tb::GetCategoryDesc(kCategory, 0x409, &text), S_OK);
    EXPECT_EQ(text, std::string(127, 'x'));
    // Never inside a multi-byte character: 126 letters and then a two-byte letter fit, a
    // three-byte sequence after 127 characters does not start.
    EXPECT_EQ(tb::CutCategoryDescription(std::string(126, 'a') + "\xC3\xA4\xE2\x82\xAC"),
              std::string(126, 'a') + "\xC3\xA4");
    // A character outside the basic plane counts twice, like its two UTF-16 units.
    EXPECT_EQ(tb::CutCategoryDescription(std::string(126, 'a') + "\xF0\x9F\x98\x80"),
              std::string(126, 'a'));
    EXPECT_EQ(tb::CutCategoryDescription("short"), "short");
}

TEST(CategoryManager, ListsAndUnlistsImplementingClasses) {
    CATEGORYINFO info{kCategory, 0x409, "Tallowby Tesseras"};
    ASSERT_EQ(tb::RegisterCategories({&info, 1}), S_OK);
    ASSERT_EQ(tb::RegisterClassImplCategories(kFirst, {&kCategory, 1}), S_OK);
    ASSERT_EQ(tb::RegisterClassImplCategories(kSecond, {&kOtherCategory, 1}), S_OK);
    // A key under CLSID that is no class identifier is passed over.
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\junk\\Implemented Categories", &h),
              ERROR_SUCCESS);
    RegCloseKey(h);

    std::vector<CLSID> found;
    ASSERT_EQ(tb::EnumClassesOfCategories({&kCategory, 1}, &found), S_OK);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], kFirst);
    const CATID both[] = {kCategory, kOtherCategory};
    ASSERT_EQ(tb::EnumClassesOfCategories(both, &found), S_OK);
    EXPECT_EQ(found.size(), 2u);

    ASSERT_EQ(tb::UnRegisterClassImplCategories(kFirst, {&kCategory, 1}), S_OK);
    ASSERT_EQ(tb::EnumClassesOfCategories({&kCategory, 1}, &found), S_OK);
    EXPECT_TRUE(found.empty());
    // Removing a membership that is not there is no error.
    EXPECT_EQ(tb::UnRegisterClassImplCategories(kFirst, {&kCategory, 1}), S_OK);
    // The category itself stays until it is unregistered.
    std::string text;
    EXPECT_EQ(tb::GetCategoryDesc(kCategory, 0x409, &text), S_OK);
    ASSERT_EQ(tb::UnRegisterCategories({&kCategory, 1}), S_OK);
    EXPECT_EQ(tb::GetCategoryDesc(kCategory, 0x409, &text), E_INVALIDARG);
}

TEST(CategoryManager, NoClassesKeyMeansAnEmptyList) {
    std::vector<CLSID> found{kFirst};
    EXPECT_EQ(tb::EnumClassesOfCategories({&kCategory, 1}, &found), S_OK);
    EXPECT_TRUE(found.empty());
}

} // namespace
