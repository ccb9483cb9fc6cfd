// The maker's page editor: found beside the program before the PATH, and the sequence of
// questions when a page is handed to it (save first, start it, or offer the order page).

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "tests/support/scriptedui.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/document.h"
#include "workbench/core/pageeditor.h"

using namespace tb;
using namespace tb::test;

namespace {

void WriteProgram(const std::string& path, unsigned mode = 0755) {
    WriteFileBytes(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), mode);
}

const char kOrderPage[] = "https://www.tallowby.example/order.htm";

class EditorHandoffTest : public ::testing::Test {
protected:
    CWorkbenchStringsScope strings;
    CDocument document{CDocTemplateText::Parse("Ambrel Brisko\nUntitled")};
    int nSaves = 0;
    std::function<void()> save = [this] { ++nSaves; };
    ExpectUi ui;
};

} // namespace

TEST(PageEditorSearch, TheProgramFolderComesFirstThenThePathAndOnlyExecutableFiles) {
    TempDir program;
    TempDir first;
    TempDir second;
    const std::string path = first.path() + "::" + second.path();
    EXPECT_EQ(FindPageEditor(program.path(), path), "");

    WriteProgram(second.file("vellumo"));
    EXPECT_EQ(FindPageEditor(program.path(), path), second.file("vellumo"));
    // A file that cannot run, and a folder of that name, are passed over.
    WriteProgram(first.file("vellumo"), 0644);
    std::filesystem::create_directory(program.file("vellumo"));
    EXPECT_EQ(FindPageEditor(program.path(), path), second.file("vellumo"));

    TempDir beside;
    WriteProgram(beside.file("vellumo"));
    EXPECT_EQ(FindPageEditor(beside.path(), path), beside.file("vellumo"));
    EXPECT_EQ(FindPageEditor("", ""), "");
}

TEST_F(EditorHandoffTest, AnUnmodifiedWidgetGoesStraightToTheEditorWithThePage) {
    ui.Expect(UiAnswer::Program(true));
    EXPECT_EQ(HandPageToEditor(document, save, "/opt/bin/vellumo", "/site/my page.htm"),
              EditorHandoff::Started);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].text, "/opt/bin/vellumo");
    EXPECT_EQ(ui.calls()[0].arguments, std::vector<std::string>{"/site/my page.htm"});
    EXPECT_EQ(nSaves, 0);
}

TEST_F(EditorHandoffTest, AModifiedWidgetIsSavedFirstOrNothingHappens) {
    document.SetModifiedFlag(true);
    const char kAsk[] = "You must save your widget before using Ambrel WebEditor,Save it?";
    ui.Expect(UiAnswer::Message(IDCANCEL).WithText(kAsk));
    EXPECT_EQ(HandPageToEditor(document, save, "/bin/vellumo", "/p.htm"), EditorHandoff::Cancelled);
    EXPECT_EQ(nSaves, 0);
    EXPECT_EQ(ui.calls()[0].buttons, MbButtons::OKCancel);

    ui.Expect(UiAnswer::Message(IDOK).WithText(kAsk));
    ui.Expect(UiAnswer::Program(true));
    EXPECT_EQ(HandPageToEditor(document, save, "/bin/vellumo", "/p.htm"), EditorHandoff::Started);
    EXPECT_EQ(nSaves, 1);
}

TEST_F(EditorHandoffTest, AnEditorThatDoesNotStartOffersTheOrderPageOrTheInsertDialog) {
    const char kMissing[] = "Can't find AmbrelHTMLEditor.exe, Download it?";
    ui.Expect(UiAnswer::Program(false));
    ui.Expect(UiAnswer::Message(IDOK).WithText(kMissing));
    ui.Expect(UiAnswer::Document(true).WithText(kOrderPage));
    EXPECT_EQ(HandPageToEditor(document, save, "/bin/vellumo", "/p.htm"),
              EditorHandoff::OrderPageOpened);

    ui.Expect(UiAnswer::Program(false));
    ui.Expect(UiAnswer::Message(IDCANCEL).WithText(kMissing));
    EXPECT_EQ(HandPageToEditor(document, save, "/bin/vellumo", "/p.htm"),
              EditorHandoff::InsertDialog);

    // One that is not installed is not started at all.
    ui.Expect(UiAnswer::Message(IDCANCEL).WithText(kMissing));
    EXPECT_EQ(HandPageToEditor(document, save, "", "/p.htm"), EditorHandoff::InsertDialog);
}
