#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/registry/regkey.h"
#include "tests/support/tempdir.h"

namespace {

// Each case gets its own registry folder, also when the whole program runs in one process.
class Registry : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    std::string hiveFile(const char* root) const { return m_dir.file(std::string(root) + ".reg"); }

    tb::test::TempDir m_dir;
};

std::vector<std::string> SubKeys(HKEY key) {
    std::vector<std::string> names;
    std::string name;
    for (DWORD i = 0; RegEnumKeyEx(key, i, &name) == ERROR_SUCCESS; ++i)
        names.push_back(name);
    return names;
}

std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    std::string name;
    for (DWORD i = 0; RegEnumValue(key, i, &name) == ERROR_SUCCESS; ++i)
        names.push_back(name);
    return names;
}

} // namespace

TEST_F(Registry, KeysAreCaseInsensitiveAndKeepTheirFirstSpelling) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Tallowby\\Ambrel", &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    ASSERT_EQ(RegSetString(key, "Name", "first"), ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\tallowby\\AMBREL", &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    std::string text;
    EXPECT_EQ(RegQueryString(key, "NAME", &text), ERROR_SUCCESS);
    EXPECT_EQ(text, "first");
    ASSERT_EQ(RegSetString(key, "name", "second"), ERROR_SUCCESS);
    EXPECT_EQ(ValueNames(key), std::vector<std::string>{"Name"});
    RegCloseKey(key);

    HKEY software = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software", &software), ERROR_SUCCESS);
    EXPECT_EQ(SubKeys(software), std::vector<std::string>{"Tallowby"});
    RegCloseKey(software);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Missing", &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
}

TEST_F(Registry, StringsDwordsAndDefaultValuesRoundTripWithWin32Buffers) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "TesseraServer.Brisko", &key), ERROR_SUCCESS);
    const char text[] = "C:\\dir \"quoted\" d\xC3\xA9j\xC3\xA0";
    ASSERT_EQ(RegSetValueEx(key, "", REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text),
              ERROR_SUCCESS);
    DWORD number = 0xFFFFFFFE;
    ASSERT_EQ(RegSetValueEx(key, "N", REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4),
              ERROR_SUCCESS);

    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueEx(key, "", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, sizeof text);
    char small[4] = {};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "", &type, reinterpret_cast<BYTE*>(small), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof text);
    char buffer[512] = {};
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValueEx(key, "", &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(buffer, text);

    DWORD read = 0;
    EXPECT_EQ(RegQueryDword(key, "n", &read), ERROR_SUCCESS);
    EXPECT_EQ(read, 0xFFFFFFFEu);
    std::string asText;
    EXPECT_NE(RegQueryString(key, "N", &asText), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, "absent", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);

    // A line break cannot stand in a quoted string; it must still come back unchanged.
    std::string multiLine = "one\r\ntwo\n\x01 \xFF\xFE invalid bytes \xF0\x9F\x98\x80";
    ASSERT_EQ(RegSetString(key, "Lines", multiLine), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "N"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "N"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);

    // Another process reads the file afresh: simulate by pointing away and back.
    ::setenv("TALLOWBY_REGISTRY_DIR", "/nonexistent-registry", 1);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "TesseraServer.Brisko", &key), ERROR_FILE_NOT_FOUND);
    ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1);
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "tesseraserver.brisko", &key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryString(key, "", &asText), ERROR_SUCCESS);
    EXPECT_EQ(asText, text);
    EXPECT_EQ(RegQueryString(key, "lines", &asText), ERROR_SUCCESS);
    EXPECT_EQ(asText, multiLine);
    EXPECT_EQ(ValueNames(key), (std::vector<std::string>{"", "Lines"}));
    RegCloseKey(key);
}

TEST_F(Registry, EnumeratesInCreationOrderAndDeletesSubtrees) {
    HKEY clsid = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID", &clsid), ERROR_SUCCESS);
    HKEY key = nullptr;
    for (const char* name : {"{B}\\InProcServer32", "{A}\\ProgID", "{C}", "{B}\\ProgID"}) {
        ASSERT_EQ(RegCreateKeyEx(clsid, name, &key), ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_EQ(SubKeys(clsid), (std::vector<std::string>{"{B}", "{A}", "{C}"}));
    HKEY b = nullptr;
    ASSERT_EQ(RegOpenKeyEx(clsid, "{b}", &b), ERROR_SUCCESS);
    EXPECT_EQ(SubKeys(b), (std::vector<std::string>{"InProcServer32", "ProgID"}));

    EXPECT_EQ(RegDeleteKey(clsid, "{B}"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKey(clsid, "{C}"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(clsid, "{b}"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(clsid, "{b}"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(SubKeys(clsid), std::vector<std::string>{"{A}"});
    // A handle to a deleted key fails cleanly rather than reaching freed memory.
    std::string name;
    EXPECT_EQ(RegEnumKeyEx(b, 0, &name), ERROR_KEY_DELETED);
    EXPECT_EQ(RegSetString(b, "x", "y"), ERROR_KEY_DELETED);
    RegCloseKey(b);

    ASSERT_EQ(RegSetString(clsid, "", "root of classes"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(clsid, ""), ERROR_SUCCESS);
    EXPECT_TRUE(SubKeys(clsid).empty());
    EXPECT_TRUE(ValueNames(clsid).empty());
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    RegCloseKey(clsid);
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, ""), ERROR_ACCESS_DENIED);
}

TEST_F(Registry, HandlesAreCheckedAndRootsAreLeftAlone) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "A", &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "", &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "bad\x01name", &key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetString(HKEY_LOCAL_MACHINE, "two\nlines", "x"), ERROR_INVALID_PARAMETER);
    // The refused names left no trace in the file.
    EXPECT_EQ(tb::test::ReadFileBytes(hiveFile("HKEY_LOCAL_MACHINE")),
              "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\A]\n\n");
}

TEST_F(Registry, FolderComesFromTheEnvironment) {
    EXPECT_EQ(tb::RegistryFolder(), m_dir.path());
    ::unsetenv("TALLOWBY_REGISTRY_DIR");
    ::setenv("XDG_CONFIG_HOME", "/cfg/", 1);
    EXPECT_EQ(tb::RegistryFolder(), "/cfg/tallowby/registry");
    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(tb::RegistryFolder(), "/home/someone/.config/tallowby/registry");
}

TEST_F(Registry, KeyHolderClosesWhatItHoldsOnEveryPath) {
    HKEY hFirst = nullptr;
    {
        tb::CRegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, "A\\B"), ERROR_SUCCESS);
        hFirst = key.Get();
        EXPECT_EQ(RegSetString(key.Get(), "v", "1"), ERROR_SUCCESS);

        // A failed open closes the key held before and leaves the holder empty.
        EXPECT_EQ(key.Open(HKEY_CURRENT_USER, "Missing"), ERROR_FILE_NOT_FOUND);
        EXPECT_FALSE(key.IsOpen());
        EXPECT_EQ(RegCloseKey(hFirst), ERROR_INVALID_HANDLE);

        ASSERT_EQ(key.Open(HKEY_CURRENT_USER, "A"), ERROR_SUCCESS);
        tb::CRegKey moved = std::move(key);
        EXPECT_FALSE(key.IsOpen());
        EXPECT_EQ(SubKeys(moved.Get()), std::vector<std::string>{"B"});
        hFirst = moved.Get();
    }
    EXPECT_EQ(RegCloseKey(hFirst), ERROR_INVALID_HANDLE);
}
