// Several registry changes written as one: all or nothing, and the hive written once.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/registry/registry.h"
#include "tests/platform/registry/classesroot.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

using namespace tb::test;

namespace {

class Transaction : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    std::string hive() const { return m_dir.file("HKEY_CLASSES_ROOT.reg"); }

    tb::test::TempDir m_dir;
};

} // namespace

TEST_F(Transaction, WritesItsChangesOnce) {
    tb::test::RenameCounter counter;
    const LONG rc = tb::RunRegistryTransaction([] {
        if (SetClassesString("Class\\ProgID", "", "P") != ERROR_SUCCESS ||
            SetClassesString("Class\\Path", "", "/m.so") != ERROR_SUCCESS)
            return ERROR_CANTWRITE;
        // Inside, every call sees the changes made so far.
        return GetClassesString("Class\\ProgID", "") == "P"
                   ? RegDeleteTree(HKEY_CLASSES_ROOT, "Class\\Path")
                   : ERROR_BADDB;
    });
    EXPECT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(counter.Renames(), 1);
    EXPECT_EQ(GetClassesString("Class\\ProgID", ""), "P");
    EXPECT_EQ(OpenClassesKey("Class\\Path"), ERROR_FILE_NOT_FOUND);
    EXPECT_NE(ReadFileBytes(hive()).find("[HKEY_CLASSES_ROOT\\Class\\ProgID]"), std::string::npos);
}

TEST_F(Transaction, AFailedOneChangesNothing) {
    ASSERT_EQ(SetClassesString("Kept", "", "before"), ERROR_SUCCESS);
    const std::string before = ReadFileBytes(hive());
    EXPECT_EQ(tb::RunRegistryTransaction([] {
                  SetClassesString("Kept", "", "after");
                  SetClassesString("New", "", "x");
                  return ERROR_ACCESS_DENIED;
              }),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetClassesString("Kept", ""), "before");
    EXPECT_EQ(OpenClassesKey("New"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadFileBytes(hive()), before);

    // A write that fails at the end leaves the file and the registry as they were too.
    {
        tb::test::RenameCounter full(1);
        EXPECT_EQ(tb::RunRegistryTransaction([] { return SetClassesString("Kept", "", "after"); }),
                  ERROR_CANTWRITE);
    }
    EXPECT_EQ(GetClassesString("Kept", ""), "before");
    EXPECT_EQ(ReadFileBytes(hive()), before);
}
