// What the registry refuses so that it stays readable: keys too deep, hives too large.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/registry/registry.h"
#include "tests/platform/registry/classesroot.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

class HiveLimits : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    std::string hive(const char* root) const { return m_dir.file(std::string(root) + ".reg"); }
    size_t CorruptCopies() const {
        size_t n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
            n += entry.path().filename().string().find(".corrupt-") != std::string::npos;
        return n;
    }

    tb::test::TempDir m_dir;
};

// "a\a\a..." with the given number of levels, each named name.
std::string DeepPath(int levels, const std::string& name = "a") {
    std::string path = name;
    for (int i = 1; i < levels; ++i)
        path += '\\' + name;
    return path;
}

} // namespace

TEST_F(HiveLimits, AKeyTooDeepInTheFileMakesTheHiveDamagedNotACrash) {
    const std::string text = "Windows Registry Editor Version 5.00\n\n"
                             "[HKEY_CLASSES_ROOT\\Kept]\n@=\"value\"\n\n"
                             "[HKEY_CLASSES_ROOT\\" +
                             DeepPath(60000) + "]\n";
    WriteFileBytes(hive("HKEY_CLASSES_ROOT"), text);
    EXPECT_EQ(OpenClassesKey("Kept"), ERROR_BADDB);
    EXPECT_NE(RegLastErrorText().find("deeper than 512 levels"), std::string::npos)
        << RegLastErrorText();
    EXPECT_EQ(CorruptCopies(), 1u);
    EXPECT_EQ(CreateClassesKey("Other"), ERROR_BADDB);
    EXPECT_EQ(ReadFileBytes(hive("HKEY_CLASSES_ROOT")), text);

    // Far less deep than a stack can follow, but still deeper than a key may lie.
    WriteFileBytes(hive("HKEY_CLASSES_ROOT"),
                   "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\" + DeepPath(513) + "]\n");
    EXPECT_EQ(OpenClassesKey("a"), ERROR_BADDB);
    WriteFileBytes(hive("HKEY_CLASSES_ROOT"),
                   "REGEDIT4\n\n[HKEY_CLASSES_ROOT\\" + DeepPath(512) + "]\n");
    EXPECT_EQ(OpenClassesKey(DeepPath(512)), ERROR_SUCCESS);
}

TEST_F(HiveLimits, KeysAreCreatedAtMost512LevelsDeep) {
    EXPECT_EQ(CreateClassesKey(DeepPath(513)), ERROR_INVALID_PARAMETER);
    EXPECT_NE(RegLastErrorText().find("512 levels"), std::string::npos);
    EXPECT_EQ(OpenClassesKey("a"), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(CreateClassesKey(DeepPath(511)), ERROR_SUCCESS);
    HKEY deep = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, DeepPath(511), &deep), ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(RegCreateKeyEx(deep, "b\\c", &child), ERROR_INVALID_PARAMETER);
    ASSERT_EQ(RegCreateKeyEx(deep, "b", &child), ERROR_SUCCESS);
    RegCloseKey(child);
    RegCloseKey(deep);
    // What was written reads back.
    EXPECT_EQ(OpenClassesKey(DeepPath(511) + "\\b"), ERROR_SUCCESS);
}

TEST_F(HiveLimits, AHiveTheReaderWouldRefuseIsNeverWritten) {
    // One chain of keys as deep and as long-named as allowed makes a file of about 34 MB;
    // a second one would pass the size a hive file may have.
    const std::string name(255, 'k');
    const std::string one(255, '1');
    const std::string two(255, '2');
    ASSERT_EQ(CreateClassesKey(one + "\\" + DeepPath(511, name)), ERROR_SUCCESS);
    const std::string before = ReadFileBytes(hive("HKEY_CLASSES_ROOT"));
    EXPECT_EQ(CreateClassesKey(two + "\\" + DeepPath(511, name)), ERROR_CANTWRITE);
    EXPECT_NE(RegLastErrorText().find("the change was not made"), std::string::npos)
        << RegLastErrorText();
    EXPECT_EQ(ReadFileBytes(hive("HKEY_CLASSES_ROOT")).size(), before.size());
    // The registry stays readable and writable.
    EXPECT_EQ(OpenClassesKey(one), ERROR_SUCCESS);
    EXPECT_EQ(OpenClassesKey(two), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SetClassesString("Small", "v", "x"), ERROR_SUCCESS);
}
