// Templates on real folders with a component made in the test's process: what a listing
// shows and from where, template paths, and Save as Template's effect on the widget.

#include <gtest/gtest.h>

#include "tests/support/scriptedui.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/templates.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

namespace {

class Templates : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lister.CreateFromProgID("TesseraServer.Brisko")); }

    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    TempDir user;
    CTessera lister;
};

} // namespace

TEST_F(Templates, ListingShowsOurFilesByTheirTitlesShippedFirstThenTheUsers) {
    WriteTitledWidgetFile(component.Folder().file("Blue_TesseraServer.Brisko.tsq"), "Blue",
                          "Blue bar");
    WriteTitledWidgetFile(user.file("Mine_TesseraServer.Brisko.tsq"), "Blue", "My blue");
    WriteForeignWidgetFile(component.Folder().file("theirs.tsq"));
    WriteFileBytes(user.file("notes.txt"), "not a widget");

    const CTemplateList list = ListTemplates(lister, user.path());
    // Two templates of one Title are both listed under it.
    EXPECT_EQ(list.names, (std::vector<std::string>{"Blue", "Blue"}));
    EXPECT_EQ(list.descriptions, (std::vector<std::string>{"Blue bar", "My blue"}));
    EXPECT_EQ(list.paths,
              (std::vector<std::string>{component.Folder().file("Blue_TesseraServer.Brisko.tsq"),
                                        user.file("Mine_TesseraServer.Brisko.tsq")}));
    EXPECT_TRUE(IsShippedTemplate(lister, list.paths[0]));
    EXPECT_FALSE(IsShippedTemplate(lister, list.paths[1]));
    // The user's folder being the component's lists nothing twice.
    EXPECT_EQ(ListTemplates(lister, component.Folder().path()).Size(), 1u);
}

TEST_F(Templates, AFileWithoutADescriptionIsListedWithAnEmptyOneNotTheLastFilesDescription) {
    WriteTitledWidgetFile(component.Folder().file("A_TesseraServer.Brisko.tsq"), "A", "About A");
    WriteFileBytes(user.file("B_TesseraServer.Brisko.tsq"),
                   "========== Description Part Begin ==========\r\n"
                   "ProgID = TesseraServer.Brisko\r\n"
                   "Title = B\r\n"
                   "========== Description Part End ==========\r\n");
    const CTemplateList list = ListTemplates(lister, user.path());
    ASSERT_EQ(list.names, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(list.descriptions, (std::vector<std::string>{"About A", ""}));
}

TEST_F(Templates, TemplatePathsJoinNameAndProgIDAndStopAtTheFolderWhileNameless) {
    EXPECT_EQ(TemplatePath("/t", "Blue", "TesseraServer.Brisko"),
              "/t/Blue_TesseraServer.Brisko.tsq");
    EXPECT_EQ(TemplatePath("/t", "", "TesseraServer.Brisko"), "/t/");
}

TEST_F(Templates, SavingATemplateLeavesTheWidgetsTitleAndDescriptionAsTheyWere) {
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    widget.SetTitle("Current");
    widget.SetDescription("Being edited");
    const std::string path = user.file("Kept_TesseraServer.Brisko.tsq");
    {
        ExpectUi ui;
        ui.Expect(UiAnswer::Message(IDOK).WithText("Save as the template success!"));
        EXPECT_TRUE(SaveWidgetAsTemplate(widget, path, "Kept", "For later"));
    }
    EXPECT_EQ(widget.GetTitle(), "Current");
    EXPECT_EQ(widget.GetDescription(), "Being edited");
    const CTemplateList list = ListTemplates(lister, user.path());
    EXPECT_EQ(list.names, std::vector<std::string>{"Kept"});
    EXPECT_EQ(list.descriptions, std::vector<std::string>{"For later"});

    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK)); // the component's own reason first
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save as the template failure!"));
    EXPECT_FALSE(
        SaveWidgetAsTemplate(widget, user.file("no/such/T_TesseraServer.Brisko.tsq"), "T", "x"));
    EXPECT_EQ(widget.GetTitle(), "Current");
}
