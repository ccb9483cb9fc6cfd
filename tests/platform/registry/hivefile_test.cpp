#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/registry/registry.h"
#include "tests/support/renamefailure.h"
#include "tests/support/tempdir.h"

using tb::test::ReadFileBytes;
using tb::test::WriteFileBytes;

namespace {

class HiveFile : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("TALLOWBY_REGISTRY_DIR", m_dir.path().c_str(), 1); }
    std::string hive(const char* root) const { return m_dir.file(std::string(root) + ".reg"); }
    // Replaces a hive the way another program would: new file, then rename.
    void replaceHive(const char* root, const std::string& text) {
        WriteFileBytes(hive(root) + ".new", text);
        std::filesystem::rename(hive(root) + ".new", hive(root));
    }

    tb::test::TempDir m_dir;
};

std::string Query(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    std::string value = "<no key>";
    if (RegOpenKeyEx(root, path, &key) == ERROR_SUCCESS) {
        if (RegQueryString(key, name, &value) != ERROR_SUCCESS)
            value = "<no value>";
        RegCloseKey(key);
    }
    return value;
}

} // namespace

TEST_F(HiveFile, WritesTheExportFormat) {
    HKEY frame = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Tallowby\\Ambrel Brisko\\Frame", &frame),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(frame, "Path", "C:\\a \"b\""), ERROR_SUCCESS);
    ASSERT_EQ(RegSetDword(frame, "Count", 10), ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(frame, "", "x"), ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(frame, "Lines", "a\nb"), ERROR_SUCCESS);
    RegCloseKey(frame);
    HKEY preview = nullptr;
    ASSERT_EQ(
        RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Tallowby\\Ambrel Brisko\\Preview", &preview),
        ERROR_SUCCESS);
    RegCloseKey(preview);

    EXPECT_EQ(ReadFileBytes(hive("HKEY_CURRENT_USER")),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tallowby]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tallowby\\Ambrel Brisko]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tallowby\\Ambrel Brisko\\Frame]\n"
              "@=\"x\"\n"
              "\"Path\"=\"C:\\\\a \\\"b\\\"\"\n"
              "\"Count\"=dword:0000000a\n"
              "\"Lines\"=hex(1):61,00,0a,00,62,00,00,00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Tallowby\\Ambrel Brisko\\Preview]\n"
              "\n");
    EXPECT_FALSE(std::filesystem::exists(hive("HKEY_CLASSES_ROOT")));
}

TEST_F(HiveFile, ReadsAHiveEditedByHand) {
    WriteFileBytes(hive("HKEY_LOCAL_MACHINE"),
                   "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                   "\r\n"
                   "; written by hand\r\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator\\4.7 (en)\\Main]"
                   "  \r\n"
                   "\"Install Directory\" = \"C:\\Program Files\\Netscape\"\r\n"
                   "[hkey_local_machine\\Software\\Other]\r\n"
                   "@=\"default\"\r\n"
                   "\"Big\"=DWORD:FFFFFFFF\r\n"
                   "\"Wrapped\"=hex(1):61,00,0d,00,\\\r\n"
                   "  0a,00,00,00\r\n"
                   "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator]\r\n"
                   "\"CurrentVersion\"=\"4.7 (en)\"\r\n");
    EXPECT_EQ(Query(HKEY_LOCAL_MACHINE, "software\\netscape\\netscape navigator\\4.7 (en)\\main",
                    "install directory"),
              "C:\\Program Files\\Netscape");
    EXPECT_EQ(Query(HKEY_LOCAL_MACHINE, "Software\\Netscape\\Netscape Navigator", "CurrentVersion"),
              "4.7 (en)");
    EXPECT_EQ(Query(HKEY_LOCAL_MACHINE, "Software\\Other", ""), "default");
    EXPECT_EQ(Query(HKEY_LOCAL_MACHINE, "Software\\Other", "Wrapped"), "a\r\n");
    HKEY other = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Other", &other), ERROR_SUCCESS);
    DWORD big = 0;
    EXPECT_EQ(RegQueryDword(other, "big", &big), ERROR_SUCCESS);
    EXPECT_EQ(big, 0xFFFFFFFFu);
    RegCloseKey(other);
    // The first spelling of a key is kept when the file is written again.
    ASSERT_EQ(RegSetString(HKEY_LOCAL_MACHINE, "Top", "t"), ERROR_SUCCESS);
    std::string rewritten = ReadFileBytes(hive("HKEY_LOCAL_MACHINE"));
    EXPECT_NE(
        rewritten.find("[HKEY_LOCAL_MACHINE]\n\"Top\"=\"t\"\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n"
                       "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape]\n"),
        std::string::npos)
        << rewritten;
    EXPECT_NE(rewritten.find("\"Install Directory\"=\"C:\\\\Program Files\\\\Netscape\""),
              std::string::npos);
}

TEST_F(HiveFile, AZeroByteEndsAStringAsItDoesWhenStored) {
    replaceHive("HKEY_CURRENT_USER", "REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"before" +
                                         std::string(1, '\0') + "after\"\n");
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "A", "v"), "before");
    // Writing the hive again keeps what was read.
    ASSERT_EQ(RegSetString(HKEY_CURRENT_USER, "w", "x"), ERROR_SUCCESS);
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "A", "v"), "before");
}

TEST_F(HiveFile, SeesAChangeMadeByAnotherProgram) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\A", &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(key, "v", "mine"), ERROR_SUCCESS);
    replaceHive("HKEY_CURRENT_USER", "Windows Registry Editor Version 5.00\n\n"
                                     "[HKEY_CURRENT_USER\\Software\\B]\n\n"
                                     "[HKEY_CURRENT_USER\\Software\\A]\n\"v\"=\"theirs\"\n");
    std::string value;
    // The handle survives the reload because it names the key, not a parsed node.
    EXPECT_EQ(RegQueryString(key, "v", &value), ERROR_SUCCESS);
    EXPECT_EQ(value, "theirs");
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "Software\\B", "x"), "<no value>");
    // A write keeps what the other program added.
    ASSERT_EQ(RegSetString(key, "w", "mine too"), ERROR_SUCCESS);
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "Software\\A", "v"), "theirs");
    EXPECT_NE(ReadFileBytes(hive("HKEY_CURRENT_USER")).find("[HKEY_CURRENT_USER\\Software\\B]"),
              std::string::npos);
    std::filesystem::remove(hive("HKEY_CURRENT_USER"));
    EXPECT_EQ(RegQueryString(key, "v", &value), ERROR_KEY_DELETED);
    RegCloseKey(key);
}

TEST_F(HiveFile, CorruptHiveIsReportedAndNeverOverwritten) {
    const std::string corrupt = "Windows Registry Editor Version 5.00\n"
                                "[HKEY_CLASSES_ROOT\\CLSID]\n"
                                "\"A\"=\"fine\"\n"
                                "\"B\"=\"no closing quote\n"
                                "[HKEY_CLASSES_ROOT\\Later]\n";
    WriteFileBytes(hive("HKEY_CLASSES_ROOT"), corrupt);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", &key), ERROR_BADDB);
    std::string why = RegLastErrorText();
    EXPECT_NE(why.find(hive("HKEY_CLASSES_ROOT")), std::string::npos) << why;
    EXPECT_NE(why.find("line 4"), std::string::npos) << why;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "New", &key), ERROR_BADDB);
    EXPECT_EQ(RegSetString(HKEY_CLASSES_ROOT, "x", "y"), ERROR_BADDB);
    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, ""), ERROR_BADDB);
    EXPECT_EQ(ReadFileBytes(hive("HKEY_CLASSES_ROOT")), corrupt);

    int copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
        if (entry.path().filename().string().rfind("HKEY_CLASSES_ROOT.reg.corrupt-", 0) == 0) {
            ++copies;
            EXPECT_EQ(ReadFileBytes(entry.path().string()), corrupt);
        }
    }
    EXPECT_EQ(copies, 1);

    // The other hives go on working, and a repaired file is taken up again.
    EXPECT_EQ(RegSetString(HKEY_CURRENT_USER, "x", "y"), ERROR_SUCCESS);
    replaceHive("HKEY_CLASSES_ROOT", "Windows Registry Editor Version 5.00\n"
                                     "[HKEY_CLASSES_ROOT\\CLSID]\n\"A\"=\"fine\"\n");
    EXPECT_EQ(Query(HKEY_CLASSES_ROOT, "CLSID", "A"), "fine");
}

TEST_F(HiveFile, RejectsWhatItCannotKeep) {
    struct Case {
        const char* text;
        const char* line;
    };
    const Case cases[] = {
        {"REGEDIT5\n", "line 1"},
        {"Windows Registry Editor Version 5.00\n\"v\"=\"before any key\"\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"b\"=hex:01,02\n",
         "line 3"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"d\"=dword:123456789\n",
         "line 3"},
        {"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\A]\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\\\\B]\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A\n", "line 2"},
        {"Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\A]\n\"h\"=hex(1):61,\\\n",
         "line 3"},
    };
    for (const Case& c : cases) {
        replaceHive("HKEY_CURRENT_USER", c.text);
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "A", &key), ERROR_BADDB) << c.text;
        EXPECT_NE(RegLastErrorText().find(c.line), std::string::npos)
            << c.text << " -> " << RegLastErrorText();
        EXPECT_EQ(ReadFileBytes(hive("HKEY_CURRENT_USER")), c.text);
    }
    // Each bad version is kept aside, even several within the same second.
    size_t copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
        copies += entry.path().filename().string().find(".corrupt-") != std::string::npos;
    EXPECT_EQ(copies, std::size(cases));
}

TEST_F(HiveFile, FailedWriteKeepsTheFileAndSaysWhy) {
    ASSERT_EQ(RegSetString(HKEY_CURRENT_USER, "kept", "1"), ERROR_SUCCESS);
    const std::string before = ReadFileBytes(hive("HKEY_CURRENT_USER"));
    {
        tb::test::RenameFailure failure;
        EXPECT_EQ(RegSetString(HKEY_CURRENT_USER, "lost", "2"), ERROR_CANTWRITE);
    }
    EXPECT_NE(RegLastErrorText().find("cannot be written: Input/output error"), std::string::npos)
        << RegLastErrorText();
    EXPECT_EQ(ReadFileBytes(hive("HKEY_CURRENT_USER")), before);
    // The change that failed is not in the tree either: the file is read again.
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "", "lost"), "<no value>");
    EXPECT_EQ(Query(HKEY_CURRENT_USER, "", "kept"), "1");
    EXPECT_EQ(tb::test::EntriesIn(m_dir.path()), 2u); // the hive and the lock file
}
