#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/profile/profile.h"
#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1);
        tb::SetProfileKey("Tallowby", "Ambrel Brisko");
    }
    tb::test::TempDir m_dir;
};

} // namespace

TEST_F(Profile, StoresUnderTheCompanyAndApplicationKey) {
    EXPECT_EQ(GetProfileInt("Frame", "Left", -1), -1);
    EXPECT_EQ(GetProfileString("Frame", "Title", "none"), "none");
    ASSERT_TRUE(WriteProfileInt("Frame", "Left", -20));
    ASSERT_TRUE(WriteProfileString("Specify Browser", "Name1", "Lynx"));
    EXPECT_EQ(GetProfileInt("frame", "LEFT", 0), -20);
    EXPECT_EQ(GetProfileString("Frame", "Left"), "-20");
    EXPECT_EQ(GetProfileString("Specify Browser", "Name1"), "Lynx");

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Tallowby\\Ambrel Brisko\\Frame", &key),
              ERROR_SUCCESS);
    DWORD stored = 0;
    EXPECT_EQ(RegQueryDword(key, "Left", &stored), ERROR_SUCCESS);
    EXPECT_EQ(stored, static_cast<DWORD>(-20));
    RegCloseKey(key);

    tb::SetProfileKey("Other", "App");
    EXPECT_EQ(tb::ProfileKeyPath(), "Software\\Other\\App");
    EXPECT_EQ(GetProfileInt("Frame", "Left", 7), 7);
}

TEST_F(Profile, TextEntriesReadAsIntegersWithAtoiRules) {
    ASSERT_TRUE(WriteProfileString("Specify Browser", "BrowserNum", "3"));
    ASSERT_TRUE(WriteProfileString("Specify Browser", "Spaced", "  12abc"));
    ASSERT_TRUE(WriteProfileString("Specify Browser", "Word", "many"));
    ASSERT_TRUE(WriteProfileString("Specify Browser", "Empty", ""));
    EXPECT_EQ(GetProfileInt("Specify Browser", "BrowserNum", 0), 3);
    EXPECT_EQ(GetProfileInt("Specify Browser", "Spaced", 0), 12);
    EXPECT_EQ(GetProfileInt("Specify Browser", "Word", 5), 0);
    EXPECT_EQ(GetProfileInt("Specify Browser", "Empty", 5), 0);
    EXPECT_EQ(GetProfileString("Specify Browser", "Empty", "d"), "");
}

TEST_F(Profile, WritesFailWhenTheHiveIsDamaged) {
    tb::test::WriteFileBytes(m_dir.file("HKEY_CURRENT_USER.reg"), "not a hive\n");
    EXPECT_FALSE(WriteProfileInt("Frame", "Left", 1));
    EXPECT_EQ(GetProfileInt("Frame", "Left", 9), 9);
    EXPECT_EQ(tb::test::ReadFileBytes(m_dir.file("HKEY_CURRENT_USER.reg")), "not a hive\n");
}
