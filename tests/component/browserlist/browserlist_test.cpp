#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "component/browserlist.h"
#include "platform/profile/profile.h"
#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"

namespace {

using tb::test::TempDir;

class Browsers : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TALLOWBY_REGISTRY_DIR", m_registry.path().c_str(), 1);
        tb::SetProfileKey("Tallowby", "Ambrel Brisko");
    }

    // A list that finds programs only in the given (empty unless filled) folder.
    BrowserList list(const std::string& searchPath = {}) const {
        std::string path = searchPath.empty() ? m_programs.path() : searchPath;
        return BrowserList(
            [path](const std::string& program) { return tb::FindOnSearchPath(program, path); });
    }

    std::string program(const std::string& name, const TempDir* dir = nullptr) const {
        std::string path = (dir ? dir : &m_programs)->file(name);
        tb::test::WriteFileBytes(path, "#!/bin/sh\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }

    TempDir m_registry;
    TempDir m_programs;
};

void SetMachine(const std::string& key, const std::string& name, const std::string& value,
                HKEY root = HKEY_LOCAL_MACHINE) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyEx(root, key, &handle), ERROR_SUCCESS);
    ASSERT_EQ(RegSetString(handle, name, value), ERROR_SUCCESS);
    RegCloseKey(handle);
}

const std::string kAppPaths = "SOFTWARE\\Microsoft\\windows\\CurrentVersion\\App Paths\\";
const std::string kNavigator = "SOFTWARE\\Netscape\\Netscape Navigator";

void SetNetscape(const std::string& version, const std::string& folder) {
    SetMachine(kNavigator + "\\" + version + "\\Main", "Install Directory", folder);
}

std::vector<std::string> Known(const BrowserList& b) {
    std::vector<std::string> all;
    for (int i = 0; i < b.knownCount(); ++i)
        all.push_back(b.knownName(i) + "=" + b.knownPath(i));
    return all;
}

std::vector<std::string> Specified(const BrowserList& b) {
    std::vector<std::string> all;
    for (int j = 0; j < b.specifiedCount(); ++j)
        all.push_back(b.specifiedName(j) + "=" + b.specifiedPath(j));
    return all;
}

} // namespace

TEST_F(Browsers, NothingInstalledGivesEmptyLists) {
    BrowserList b = list();
    EXPECT_EQ(b.knownCount(), 0);
    EXPECT_EQ(b.specifiedCount(), 0);
    EXPECT_EQ(b.knownName(0), "");
    EXPECT_EQ(b.knownPath(-1), "");
    EXPECT_EQ(b.specifiedName(0), "");
    EXPECT_EQ(b.currentNetscapeVersion(), "");
    EXPECT_EQ(b.netscape4x(7), "empty");
    EXPECT_EQ(b.netscape40x(0), "empty");
}

TEST_F(Browsers, DetectsRegistryBrowsersInOrder) {
    SetMachine(kAppPaths + "HotJava.EXE", "", "/opt/hotjava");
    SetMachine(kAppPaths + "Opera.EXE", "", "/opt/opera");
    SetNetscape("4.02 (en)", "/ns402");
    SetNetscape("4.5 (en)", "/ns45");
    SetNetscape("4.7 (en)", "/ns47");
    SetMachine(kNavigator, "CurrentVersion", "4.7 (en)");
    SetMachine(kAppPaths + "IEXPLORE.EXE", "", "/opt/ie");
    TempDir nav3;
    std::filesystem::create_directories(nav3.path() + "/Program");
    program("Program/Netscape.exe", &nav3);
    SetMachine(kNavigator + "\\Main", "Install Directory", nav3.path(), HKEY_CURRENT_USER);
    SetMachine(kNavigator + "\\Main", "Mozilla", "Mozilla/3.04 (Win95; I)", HKEY_CURRENT_USER);

    BrowserList b = list();
    EXPECT_EQ(b.currentNetscapeVersion(), "4.7");
    EXPECT_EQ(b.netscape4x(5), "/ns45/Program/Netscape.exe");
    EXPECT_EQ(b.netscape40x(1), "/ns402/Program/Netscape.exe");
    EXPECT_EQ(b.netscape4x(6), "empty");
    EXPECT_EQ(Known(b), (std::vector<std::string>{
                            "Internet Explorer=/opt/ie",
                            "Netscape Communicator 4.7=/ns47/Program/Netscape.exe",
                            "Netscape Communicator 4.5=/ns45/Program/Netscape.exe",
                            "Netscape Communicator 4.02=/ns402/Program/Netscape.exe",
                            "Netscape Navigator 3=" + nav3.path() + "/Program/Netscape.exe",
                            "Opera=/opt/opera",
                            "HotJava=/opt/hotjava",
                        }));
}

TEST_F(Browsers, NetscapeEdgeCases) {
    // Navigator 3 needs both "3.0" in its version text and the program on disk.
    SetMachine(kNavigator + "\\Main", "Install Directory", "/nowhere", HKEY_CURRENT_USER);
    SetMachine(kNavigator + "\\Main", "Mozilla", "Mozilla/3.0", HKEY_CURRENT_USER);
    SetNetscape("4.7 (en)", "/ns47");
    SetNetscape("4.08 (en)", "/ns408");
    // No "(": the version text is empty, and so every 4.x is listed under its own name too.
    SetMachine(kNavigator, "CurrentVersion", "4.7");
    BrowserList b = list();
    EXPECT_EQ(b.currentNetscapeVersion(), "");
    EXPECT_EQ(Known(b), (std::vector<std::string>{
                            "Netscape Communicator =/Program/Netscape.exe",
                            "Netscape Communicator 4.7=/ns47/Program/Netscape.exe",
                            "Netscape Communicator 4.08=/ns408/Program/Netscape.exe",
                        }));

    // Trailing blanks are dropped from the version text, so the 4.08 found by its own key is
    // not listed twice; the current version's key has no "Install Directory", yet it is listed.
    SetMachine(kNavigator, "CurrentVersion", "4.08  (fr)");
    BrowserList french = list();
    EXPECT_EQ(french.currentNetscapeVersion(), "4.08");
    EXPECT_EQ(Known(french), (std::vector<std::string>{
                                 "Netscape Communicator 4.08=/Program/Netscape.exe",
                                 "Netscape Communicator 4.7=/ns47/Program/Netscape.exe",
                             }));

    // A value that does not fit the 512-byte buffer reads as missing; 511 bytes still fit.
    SetMachine(kAppPaths + "Opera.EXE", "", std::string(512, 'o'));
    SetMachine(kAppPaths + "HotJava.EXE", "", std::string(511, 'h'));
    std::vector<std::string> known = Known(list());
    EXPECT_EQ(known.back(), "HotJava=" + std::string(511, 'h'));
    EXPECT_EQ(known.size(), 3u);
}

TEST_F(Browsers, SpecifiedBrowsersSkipGapsAndAreReread) {
    WriteProfileString("Specify Browser", "BrowserNum", "4");
    WriteProfileString("Specify Browser", "Path1", "/usr/bin/lynx");
    WriteProfileString("Specify Browser", "Name1", "Lynx");
    WriteProfileString("Specify Browser", "Path2", "");
    WriteProfileString("Specify Browser", "Name2", "");
    WriteProfileString("Specify Browser", "Path3", "/usr/bin/w3m");
    // Slot 3 has no name, slot 4 is missing altogether, slot 5 lies beyond the count.
    WriteProfileString("Specify Browser", "Name4", "No path");
    WriteProfileString("Specify Browser", "Path5", "/usr/bin/links");
    WriteProfileString("Specify Browser", "Name5", "Links");
    WriteProfileString("Specify Browser", "Path6", "/usr/bin/elinks");
    WriteProfileString("Specify Browser", "Name6", "ELinks");
    WriteProfileString("Specify Browser", "Path06", "/leading/zero");
    WriteProfileString("Specify Browser", "Name06", "Leading zero");

    BrowserList b = list();
    EXPECT_EQ(Specified(b), std::vector<std::string>{"Lynx=/usr/bin/lynx"});
    EXPECT_EQ(b.specifiedPath(1), "");

    WriteProfileString("Specify Browser", "Name3", "w3m");
    WriteProfileString("Specify Browser", "BrowserNum", "6");
    EXPECT_EQ(b.specifiedCount(), 1);
    b.rereadSpecified();
    EXPECT_EQ(Specified(b),
              (std::vector<std::string>{"Lynx=/usr/bin/lynx", "w3m=/usr/bin/w3m",
                                        "Links=/usr/bin/links", "ELinks=/usr/bin/elinks"}));

    // A count that is not a number, or absurdly large, neither lists nothing wrongly nor stalls.
    WriteProfileString("Specify Browser", "BrowserNum", "none");
    b.rereadSpecified();
    EXPECT_EQ(b.specifiedCount(), 0);
    WriteProfileString("Specify Browser", "BrowserNum", "2000000000");
    b.rereadSpecified();
    EXPECT_EQ(b.specifiedCount(), 4);
    WriteProfileInt("Specify Browser", "BrowserNum", 1);
    b.rereadSpecified();
    EXPECT_EQ(Specified(b), std::vector<std::string>{"Lynx=/usr/bin/lynx"});
}

TEST_F(Browsers, FindsBrowsersOnTheSearchPathOnceEach) {
    TempDir early;
    program("opera");
    program("konqueror");
    program("epiphany-browser");
    program("google-chrome-stable");
    std::string chromeEarly = program("google-chrome", &early);
    program("chromium-browser");
    program("chromium");
    std::string firefox = program("firefox");
    program("not-executable");
    ::chmod(m_programs.file("not-executable").c_str(), 0644);
    // The registry already names this Opera (through a link), so the search path must not
    // add it again.
    TempDir elsewhere;
    std::string opera = elsewhere.file("opera-link");
    std::filesystem::create_symlink(m_programs.file("opera"), opera);
    SetMachine(kAppPaths + "Opera.EXE", "", opera);

    BrowserList b = list("relative/dir::" + early.path() + ":" + m_programs.path());
    EXPECT_EQ(Known(b), (std::vector<std::string>{
                            "Opera=" + opera,
                            "Firefox=" + firefox,
                            "Chromium=" + m_programs.file("chromium"),
                            "Google Chrome=" + chromeEarly,
                            "Epiphany=" + m_programs.file("epiphany-browser"),
                            "Konqueror=" + m_programs.file("konqueror"),
                        }));
    EXPECT_EQ(tb::FindOnSearchPath("not-executable", m_programs.path()), "");
    EXPECT_EQ(tb::FindOnSearchPath("firefox", "relative/dir"), "");
}
