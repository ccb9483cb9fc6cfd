// The command table, the name rule and the string table's formatting: the data the menus,
// the dialogs and the messages are built from.

#include <gtest/gtest.h>

#include <set>

#include "tests/support/scriptedui.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/commandids.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/namerule.h"
#include "workbench/core/recentfilelist.h"

using namespace tb;
using namespace tb::test;

TEST(CommandTable, ACommandRunsOnlyWithAnActionAndWhileItsRuleHolds) {
    CCommandTable table;
    int nRuns = 0;
    bool bAllowed = false;
    EXPECT_FALSE(table.IsEnabled(ID_FILE_SAVE));
    EXPECT_FALSE(table.Execute(ID_FILE_SAVE));
    table.SetAction(
        ID_FILE_SAVE, [&] { ++nRuns; }, [&] { return bAllowed; });
    EXPECT_FALSE(table.Execute(ID_FILE_SAVE));
    bAllowed = true;
    EXPECT_TRUE(table.Execute(ID_FILE_SAVE));
    EXPECT_EQ(nRuns, 1);
    table.SetAction(ID_FILE_SAVE, {});
    EXPECT_FALSE(table.HasAction(ID_FILE_SAVE));

    // An action may replace itself while it runs.
    table.SetAction(ID_FILE_NEW, [&] { table.SetAction(ID_FILE_NEW, [&] { nRuns += 10; }); });
    EXPECT_TRUE(table.Execute(ID_FILE_NEW));
    EXPECT_TRUE(table.Execute(ID_FILE_NEW));
    EXPECT_EQ(nRuns, 11);
}

TEST(CommandTable, TheMenusAndTheToolBarListEveryCommandOnceWithTheirKeys) {
    std::set<unsigned> listed;
    for (const CMenuDefinition& menu : CCommandTable::MenuLayout()) {
        for (unsigned nId : menu.items) {
            if (nId == kSeparator || nId == kRecentFiles)
                continue;
            EXPECT_TRUE(listed.insert(nId).second) << nId;
            ASSERT_NE(CCommandTable::Find(nId), nullptr) << nId;
            EXPECT_FALSE(CCommandTable::Find(nId)->menuText.empty()) << nId;
            EXPECT_FALSE(CCommandTable::Find(nId)->prompt.empty()) << nId;
        }
    }
    EXPECT_EQ(listed.size(), 18u);
    EXPECT_EQ(CCommandTable::Find(ID_FILE_NEW)->key, "Ctrl+N");
    EXPECT_EQ(CCommandTable::Find(ID_FILE_OPEN)->key, "Ctrl+O");
    EXPECT_EQ(CCommandTable::Find(ID_FILE_SAVE)->key, "Ctrl+S");
    EXPECT_EQ(CCommandTable::Find(ID_FILE_SAVE_AS_TEMPLATE)->key, "Ctrl+T");
    EXPECT_EQ(CCommandTable::Find(ID_EDIT_CONFIGURE)->key, "Alt+Return");

    CWorkbenchStringsScope strings;
    std::vector<std::string> labels;
    for (unsigned nId : CCommandTable::ToolBarLayout()) {
        if (nId == kSeparator)
            labels.push_back("|");
        else
            labels.push_back(LoadHostString(CCommandTable::Find(nId)->nToolBarLabel));
    }
    EXPECT_EQ(labels,
              (std::vector<std::string>{"Save", "As Template", "|", "Support Files", "|", "Tips"}));
}

TEST(NameRule, OnlyLettersAndDigitsOfAsciiMakeAName) {
    EXPECT_EQ(CheckWidgetName("Blue2"), NameProblem::None);
    EXPECT_EQ(CheckWidgetName("ABCxyz0123456789"), NameProblem::None);
    EXPECT_EQ(CheckWidgetName(""), NameProblem::Empty);
    for (const char* name :
         {"Blue Bar", " Blue", "Blue_Bar", "Blue-Bar", "Bl\xC3\xA4u", "a.b", "a/b", "(x)", "x?"})
        EXPECT_EQ(CheckWidgetName(name), NameProblem::Invalid) << name;
}

TEST(NameRule, TheMessagesAreTheProgramsOwn) {
    CWorkbenchStringsScope strings;
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("You must enter a name!"));
    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "The template name of widget is not valid.It accept only alphanumeric characters.\nYou "
        "have entered an invalid character, such as '-', '_', ':', ';', '#', (), [], or ?, in "
        "the name.\n"));
    EXPECT_FALSE(ValidateWidgetName(""));
    EXPECT_FALSE(ValidateWidgetName("a_b"));
    EXPECT_TRUE(ValidateWidgetName("ab"));
    for (const UiCall& call : ui.calls()) {
        EXPECT_EQ(call.caption, kCaption);
        EXPECT_EQ(call.icon, MbIcon::Exclamation);
    }
}

TEST(WorkbenchStrings, FormatsEachPercentSInTurn) {
    EXPECT_EQ(FormatWithStrings("Open %s Error!", {"/a b.tsq"}), "Open /a b.tsq Error!");
    EXPECT_EQ(FormatWithStrings("rename \" %s\" to \"%s\"?", {"A", "B"}),
              "rename \" A\" to \"B\"?");
    // Arguments are never read as formats, and missing ones are empty.
    EXPECT_EQ(FormatWithStrings("%s and %s", {"100%s"}), "100%s and ");
    EXPECT_EQ(FormatWithStrings("50%% %d %", {}), "50% %d %");
    CWorkbenchStringsScope strings;
    EXPECT_EQ(FormatHostString(IDS_NOT_SAVED_BY, {"Ambrel Brisko"}),
              "This File is not saved by  Ambrel Brisko!");
}

TEST(RecentFileList, KeepsFourNewestFirstAndSurvivesInTheProfile) {
    CWorkbenchStringsScope strings;
    CRecentFileList list;
    for (const char* path : {"/a.tsq", "/b.tsq", "/c.tsq", "/d.tsq", "/e.tsq", "/c.tsq"})
        list.Add(path);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c.tsq", "/e.tsq", "/d.tsq", "/b.tsq"}));
    list.WriteList();
    CRecentFileList read;
    read.ReadList();
    EXPECT_EQ(read.Entries(), list.Entries());
    read.Remove(1);
    read.Remove(9);
    read.WriteList();
    CRecentFileList again;
    again.ReadList();
    EXPECT_EQ(again.Entries(), (std::vector<std::string>{"/c.tsq", "/d.tsq", "/b.tsq"}));
}
