#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "tests/support/scriptedui.h"
#include "tests/support/scripteduiservices.h"

using namespace tb;

TEST(ScriptedUi, AnswersInOrderAndRecordsEveryCall) {
    ScriptedUiServices ui;
    ui.Expect(UiAnswer::Message(IDYES))
        .Expect(UiAnswer::Color(RGB(1, 2, 3)))
        .Expect(UiAnswer::OpenFile("/w/a.tsq"))
        .Expect(UiAnswer::Cancel(UiCallKind::GetSaveFileName))
        .Expect(UiAnswer::Folder("/w/out"))
        .Expect(UiAnswer::Document(false))
        .Expect(UiAnswer::Program());

    EXPECT_EQ(ui.MessageBox("Switch now?", "Ambrel", MbButtons::YesNo, MbIcon::Question), IDYES);
    EXPECT_EQ(ui.ChooseColor(RGB(9, 9, 9)), std::optional<COLORREF>(RGB(1, 2, 3)));
    FileDialogRequest open;
    open.title = "Open";
    open.filter = "W|*.tsq||";
    EXPECT_EQ(ui.GetOpenFileName(open), std::optional<std::string>("/w/a.tsq"));
    FileDialogRequest save;
    save.defaultExtension = "htm";
    EXPECT_EQ(ui.GetSaveFileName(save), std::nullopt);
    EXPECT_EQ(ui.BrowseForFolder("Choose a directory", "/w"), std::optional<std::string>("/w/out"));
    EXPECT_FALSE(ui.OpenDocument("/w/page.htm"));
    EXPECT_TRUE(ui.StartProgram("browser", {"/w/page.htm"}));

    EXPECT_TRUE(ui.ok()) << ::testing::PrintToString(ui.failures());
    ASSERT_EQ(ui.calls().size(), 7u);
    const UiCall& box = ui.calls()[0];
    EXPECT_EQ(box.text, "Switch now?");
    EXPECT_EQ(box.caption, "Ambrel");
    EXPECT_EQ(box.buttons, MbButtons::YesNo);
    EXPECT_EQ(box.icon, MbIcon::Question);
    EXPECT_EQ(ui.calls()[1].color, RGB(9, 9, 9));
    EXPECT_EQ(ui.calls()[2].kind, UiCallKind::GetOpenFileName);
    EXPECT_EQ(ui.calls()[2].text, "W|*.tsq||");
    EXPECT_FALSE(ui.calls()[2].file.multiSelect);
    EXPECT_EQ(ui.calls()[3].file.defaultExtension, "htm");
    EXPECT_EQ(ui.calls()[4].caption, "Choose a directory");
    EXPECT_EQ(ui.calls()[4].initialFolder, "/w");
    EXPECT_EQ(ui.calls()[6].arguments, std::vector<std::string>{"/w/page.htm"});
}

TEST(ScriptedUi, FlagsUnexpectedCallsAndDeclinesThem) {
    ScriptedUiServices ui;
    EXPECT_EQ(ui.MessageBox("Save it?", "", MbButtons::OKCancel, MbIcon::None), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("Sure?", "", MbButtons::YesNo, MbIcon::None), IDNO);
    EXPECT_EQ(ui.MessageBox("Done", "", MbButtons::OK, MbIcon::None), IDOK);
    EXPECT_FALSE(ui.ok());
    EXPECT_EQ(ui.failures().size(), 3u);
    EXPECT_FALSE(ui.calls()[0].expected);

    // The wrong kind leaves the queued answer for the call it was meant for.
    ScriptedUiServices wrongKind;
    wrongKind.Expect(UiAnswer::OpenFile("/a"));
    EXPECT_EQ(wrongKind.ChooseColor(0), std::nullopt);
    EXPECT_EQ(wrongKind.pending(), 1u);
    EXPECT_EQ(wrongKind.GetOpenFileName({}), std::optional<std::string>("/a"));
    ASSERT_EQ(wrongKind.failures().size(), 1u);
    EXPECT_NE(wrongKind.failures()[0].find("ChooseColor"), std::string::npos);
}

TEST(ScriptedUi, ChecksTheExpectedTextAndMissingCalls) {
    ScriptedUiServices ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("No HTML codes!"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("Rename Failure!"));
    EXPECT_EQ(ui.MessageBox("No HTML codes?", "", MbButtons::OK, MbIcon::None), IDOK);
    EXPECT_EQ(ui.MessageBox("No HTML codes!", "", MbButtons::OK, MbIcon::None), IDOK);
    std::vector<std::string> failures = ui.failures();
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("No HTML codes?"), std::string::npos);
    EXPECT_NE(failures[1].find("never called"), std::string::npos);
    EXPECT_NE(failures[1].find("Rename Failure!"), std::string::npos);
}

TEST(ScriptedUi, SingleChoiceAnsweredWithSeveralFilesIsAFault) {
    ScriptedUiServices ui;
    ui.Expect(UiAnswer::OpenFiles({"/a", "/b"})).Expect(UiAnswer::OpenFiles({"/a", "/b"}));
    EXPECT_EQ(ui.GetOpenFileName({}), std::optional<std::string>("/a"));
    EXPECT_FALSE(ui.ok());
    FileDialogRequest several;
    several.multiSelect = true;
    EXPECT_EQ(ui.GetOpenFileNames(several), (std::vector<std::string>{"/a", "/b"}));
    EXPECT_EQ(ui.failures().size(), 1u);
}

TEST(UiServicesRegistry, ScopedUiInstallsAndRestoresNested) {
    UiServices* before = &Ui();
    {
        ScriptedUiServices outer;
        ScopedUi installOuter(outer);
        EXPECT_EQ(&Ui(), &outer);
        {
            ScriptedUiServices inner;
            ScopedUi installInner(inner);
            EXPECT_EQ(&Ui(), &inner);
        }
        EXPECT_EQ(&Ui(), &outer);
    }
    EXPECT_EQ(&Ui(), before);
}

TEST(UiServicesRegistry, DefaultNeverBlocksAndDeclines) {
    // Take away whatever the test process installed, to reach the built-in default.
    UiServices* pInstalled = SetUi(nullptr);
    UiServices& ui = Ui();
    EXPECT_NE(dynamic_cast<NonInteractiveUiServices*>(&ui), nullptr);
    EXPECT_EQ(ui.MessageBox("Save it?", "t", MbButtons::OKCancel, MbIcon::Question), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("Sure?", "t", MbButtons::YesNo, MbIcon::Question), IDNO);
    EXPECT_EQ(ui.MessageBox("Keep?", "t", MbButtons::YesNoCancel, MbIcon::Question), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("Again?", "t", MbButtons::RetryCancel, MbIcon::Warning), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("Failed", "t", MbButtons::AbortRetryIgnore, MbIcon::Error), IDABORT);
    EXPECT_EQ(ui.MessageBox("Done", "t", MbButtons::OK, MbIcon::Information), IDOK);
    EXPECT_EQ(ui.ChooseColor(RGB(1, 2, 3)), std::nullopt);
    EXPECT_EQ(ui.GetOpenFileName({}), std::nullopt);
    FileDialogRequest several;
    several.multiSelect = true;
    EXPECT_TRUE(ui.GetOpenFileNames(several).empty());
    EXPECT_EQ(ui.GetSaveFileName({}), std::nullopt);
    EXPECT_EQ(ui.BrowseForFolder("Choose a directory", ""), std::nullopt);
    EXPECT_FALSE(ui.OpenDocument("/tmp/page.htm"));
    EXPECT_FALSE(ui.StartProgram("/bin/true", {}));
    SetUi(pInstalled);
}

TEST(UiServicesRegistry, ExpectUiFailsTheTestOnAnUnexpectedOrMissingCall) {
    EXPECT_NONFATAL_FAILURE(
        {
            tb::test::ExpectUi ui;
            Ui().MessageBox("Nobody asked", "t", MbButtons::OK, MbIcon::Information);
        },
        "Nobody asked");
    EXPECT_NONFATAL_FAILURE(
        {
            tb::test::ExpectUi ui;
            ui.Expect(UiAnswer::Message(IDOK));
        },
        "UI: ");
}
