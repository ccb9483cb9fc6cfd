// The user's own browsers in the profile: which slot an added browser takes, what a deletion
// leaves, the messages for a missing or repeated name, and that the preview menus, which
// read the same entries, list the change at once.

#include <gtest/gtest.h>

#include "component/browserlist.h"
#include "component/preview.h"
#include "platform/profile/profile.h"
#include "tests/support/scriptedui.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/browseroptions.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kSection[] = "Specify Browser";

class BrowserOptions : public ::testing::Test {
protected:
    std::string Entry(const std::string& entry) { return GetProfileString(kSection, entry, "-"); }
    std::vector<std::string> SpecifiedNames() const {
        std::vector<std::string> names;
        for (int i = 0; i < browsers.specifiedCount(); ++i)
            names.push_back(browsers.specifiedName(i));
        return names;
    }

    CWorkbenchStringsScope strings;
    // No installed browsers: the lists hold only what the tests add.
    BrowserList browsers{[](const std::string&) { return std::string(); }};
};

} // namespace

TEST_F(BrowserOptions, ADeletedSlotIsReusedAndTheCountNeverGoesDown) {
    ExpectUi ui;
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/a/run", "A"));
    EXPECT_EQ(Entry("BrowserNum"), "1");
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/b/run", "B"));
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/c/run", "C"));
    EXPECT_EQ(Entry("BrowserNum"), "3");
    EXPECT_EQ(SpecifiedNames(), (std::vector<std::string>{"A", "B", "C"}));

    ASSERT_TRUE(DeleteSpecifiedBrowser(browsers, "B"));
    EXPECT_EQ(Entry("Name2"), "");
    EXPECT_EQ(Entry("Path2"), "");
    EXPECT_EQ(Entry("BrowserNum"), "3");
    EXPECT_EQ(SpecifiedNames(), (std::vector<std::string>{"A", "C"}));

    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/d/run", "D"));
    EXPECT_EQ(Entry("Name2"), "D");
    EXPECT_EQ(Entry("Path2"), "/opt/d/run");
    EXPECT_EQ(Entry("BrowserNum"), "3");

    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/e/run", "E"));
    EXPECT_EQ(Entry("Name4"), "E");
    EXPECT_EQ(Entry("Path4"), "/opt/e/run");
    EXPECT_EQ(Entry("BrowserNum"), "4");
    EXPECT_EQ(SpecifiedNames(), (std::vector<std::string>{"A", "D", "C", "E"}));
}

TEST_F(BrowserOptions, OfTwoFreeSlotsTheLaterOneIsTaken) {
    WriteProfileString(kSection, "BrowserNum", "4");
    WriteProfileString(kSection, "Name1", "A");
    WriteProfileString(kSection, "Path1", "/a");
    WriteProfileString(kSection, "Name4", "D");
    WriteProfileString(kSection, "Path4", "/d");
    // Slot 2 is freed, slot 3 was never written: both are free.
    WriteProfileString(kSection, "Name2", "");
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/n", "N"));
    EXPECT_EQ(Entry("Name3"), "N");
    EXPECT_EQ(Entry("BrowserNum"), "4");
}

TEST_F(BrowserOptions, NamesAreComparedExactlySoLetterCaseMakesTwoBrowsers) {
    ExpectUi ui;
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/one", "Browser"));
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/two", "browser"));
    EXPECT_EQ(SpecifiedNames(), (std::vector<std::string>{"Browser", "browser"}));

    ui.Expect(UiAnswer::Message(IDOK).WithText("Please give a new name to this browser!"));
    EXPECT_FALSE(AddSpecifiedBrowser(browsers, "/opt/three", "Browser"));
    EXPECT_EQ(Entry("BrowserNum"), "2");
    EXPECT_EQ(Entry("Path3"), "-");

    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "You must input the name and execute file's path for the specified web browser."));
    EXPECT_FALSE(AddSpecifiedBrowser(browsers, "/opt/four", ""));
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].caption, kCaption);

    // Deleting an unknown name fails without a word; deleting only frees the first match.
    EXPECT_FALSE(DeleteSpecifiedBrowser(browsers, "BROWSER"));
    EXPECT_EQ(SpecifiedNames().size(), 2u);
}

TEST_F(BrowserOptions, ADamagedCountNeitherStallsNorLosesTheSlotsInUse) {
    WriteProfileString(kSection, "BrowserNum", "2000000000");
    WriteProfileString(kSection, "Name1", "A");
    WriteProfileString(kSection, "Path1", "/a");
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/b", "B"));
    // The last free slot is the count itself; the count stays.
    EXPECT_EQ(Entry("Name2000000000"), "B");
    EXPECT_EQ(Entry("BrowserNum"), "2000000000");
    EXPECT_EQ(Entry("Name1"), "A");

    WriteProfileString(kSection, "BrowserNum", "not a number");
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/c", "C"));
    EXPECT_EQ(Entry("BrowserNum"), "1");
    EXPECT_EQ(Entry("Name1"), "C");
}

TEST_F(BrowserOptions, ThePreviewMenusListTheUsersBrowsersAsSoonAsTheyAreStored) {
    ASSERT_TRUE(AddSpecifiedBrowser(browsers, "/opt/mine/run", "Mine"));
    // The designer reads a list of its own, as its drop-down opens.
    const BrowserList designers{[](const std::string&) { return std::string(); }};
    const std::vector<CBrowserMenuItem> items = BrowserMenuItems(designers);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(items[0].IsSeparator());
    EXPECT_EQ(items[1].strName, "Mine");
    EXPECT_EQ(BrowserProgram(designers, items[1].nId), "/opt/mine/run");

    ASSERT_TRUE(DeleteSpecifiedBrowser(browsers, "Mine"));
    EXPECT_TRUE(
        BrowserMenuItems(BrowserList([](const std::string&) { return std::string(); })).empty());
}
