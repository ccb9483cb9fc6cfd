// Several registry changes written as one: all or nothing, and the hive written once.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/registry/registry.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

using tb::test::ReadFileBytes;

namespace {

class Transaction : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    std::string hive() const { return m_dir.file("HKEY_CLASSES_ROOT.reg"); }

    tb::test::TempDir m_dir;
};

LONG Open(const std::string& path) {
    HKEY key = nullptr;
    LONG rc = RegOpenKeyEx(HKEY_CLASSES_ROOT, path, &key);
    if (rc == ERROR_SUCCESS)
        RegCloseKey(key);
    return rc;
}

std::string GetString(const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    std::string value = "<none>";
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, path, &key) == ERROR_SUCCESS) {
        RegQueryString(key, name, &value);
        RegCloseKey(key);
    }
    return value;
}

LONG SetString(const std::string& path, const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyEx(HKEY_CLASSES_ROOT, path, &key);
    if (rc == ERROR_SUCCESS) {
        rc = RegSetString(key, name, value);
        RegCloseKey(key);
    }
    return rc;
}

} // namespace

TEST_F(Transaction, WritesItsChangesOnce) {
    tb::test::RenameCounter counter;
    const LONG rc = tb::RunRegistryTransaction([] {
        if (SetString("Class\\ProgID", "", "P") != ERROR_SUCCESS ||
            SetString("Class\\Path", "", "/m.so") != ERROR_SUCCESS)
            return ERROR_CANTWRITE;
        // Inside, every call sees the changes made so far.
        return GetString("Class\\ProgID", "") == "P"
                   ? RegDeleteTree(HKEY_CLASSES_ROOT, "Class\\Path")
                   : ERROR_BADDB;
    });
    EXPECT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(counter.Renames(), 1);
    EXPECT_EQ(GetString("Class\\ProgID", ""), "P");
    EXPECT_EQ(Open("Class\\Path"), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(ReadFileBytes(hive()).find("[HKEY_CLASSES_ROOT\\Class\\ProgID]"), std::string::npos);
}

TEST_F(Transaction, AFailedOneChangesNothing) {
    ASSERT_EQ(SetString("Kept", "", "before"), ERROR_SUCCESS);
    const std::string before = ReadFileBytes(hive());
    EXPECT_EQ(tb::RunRegistryTransaction([] {
                  SetString("Kept", "", "after");
                  SetString("New", "", "x");
                  return ERROR_ACCESS_DENIED;
              }),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetString("Kept", ""), "before");
    EXPECT_EQ(Open("New"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadFileBytes(hive()), before);

    // A write that fails at the end leaves the file and the registry as they were too.
    {
        tb::test::RenameCounter full(1);
        EXPECT_EQ(tb::RunRegistryTransaction([] { return SetString("Kept", "", "after"); }),
                  ERROR_CANTWRITE);
    }
    EXPECT_EQ(GetString("Kept", ""), "before");
    EXPECT_EQ(ReadFileBytes(hive()), before);
}
