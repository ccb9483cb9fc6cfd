#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"

namespace {

class TwoProcesses : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    tb::test::TempDir m_dir;
};

// Runs body in a child process; the child's exit code is 0 when body returned true.
template <typename Body> pid_t Spawn(Body body) {
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body() ? 0 : 1);
    return pid;
}

bool ExitedCleanly(pid_t pid) {
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool WriteMany(const std::string& prefix, int count) {
    for (int i = 0; i < count; ++i) {
        HKEY key = nullptr;
        // Alternate between a shared key and one of this writer's own.
        std::string path = i % 2 ? "Software\\Shared" : "Software\\" + prefix;
        if (RegCreateKeyEx(HKEY_CURRENT_USER, path, &key) != ERROR_SUCCESS)
            return false;
        bool ok =
            RegSetDword(key, prefix + std::to_string(i), static_cast<DWORD>(i)) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (!ok)
            return false;
    }
    return true;
}

int CountValues(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, path, &key) != ERROR_SUCCESS)
        return -1;
    int count = 0;
    std::string name;
    while (RegEnumValue(key, static_cast<DWORD>(count), &name) == ERROR_SUCCESS)
        ++count;
    RegCloseKey(key);
    return count;
}

} // namespace

TEST_F(TwoProcesses, WritingAtOnceLosesNothing) {
    constexpr int kEach = 100;
    pid_t first = Spawn([] { return WriteMany("first", kEach); });
    pid_t second = Spawn([] { return WriteMany("second", kEach); });
    ASSERT_TRUE(WriteMany("parent", kEach));
    ASSERT_TRUE(ExitedCleanly(first));
    ASSERT_TRUE(ExitedCleanly(second));

    EXPECT_EQ(CountValues("Software\\Shared"), 3 * kEach / 2);
    for (const char* writer : {"first", "second", "parent"}) {
        EXPECT_EQ(CountValues(std::string("Software\\") + writer), kEach / 2) << writer;
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Shared", &key), ERROR_SUCCESS);
        DWORD value = 0;
        EXPECT_EQ(RegQueryDword(key, std::string(writer) + "99", &value), ERROR_SUCCESS);
        EXPECT_EQ(value, 99u);
        RegCloseKey(key);
    }
}

TEST_F(TwoProcesses, AChangeInAnotherProcessIsSeen) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Seen", &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(key, "Value", "before"), ERROR_SUCCESS);
    std::string value;
    ASSERT_EQ(RegQueryString(key, "Value", &value), ERROR_SUCCESS);
    // The same size as before, so only the file's identity or time tells the difference.
    pid_t child = Spawn([] {
        HKEY k = nullptr;
        return RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Seen", &k) == ERROR_SUCCESS &&
               RegSetString(k, "Value", "after!") == ERROR_SUCCESS &&
               RegDeleteTree(HKEY_CURRENT_USER, "Software\\Gone") == ERROR_FILE_NOT_FOUND;
    });
    ASSERT_TRUE(ExitedCleanly(child));
    EXPECT_EQ(RegQueryString(key, "Value", &value), ERROR_SUCCESS);
    EXPECT_EQ(value, "after!");
    RegCloseKey(key);
}
