// The design window's preview without the window: the page's bytes, the files next to it, the
// browser drop-down's entries and where the page is opened.

#include <gtest/gtest.h>

#include <filesystem>

#include "component/browserlist.h"
#include "component/preview.h"
#include "designer/core/commandids.h"
#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "tests/component/brisko/briskotestutil.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

// Firefox and Chromium on the search path, and whatever the settings specify.
BrowserList TwoKnownBrowsers() {
    return BrowserList([](const std::string& program) -> std::string {
        if (program == "firefox" || program == "chromium")
            return "/usr/bin/" + program;
        return {};
    });
}

void SpecifyBrowsers(int n) {
    WriteProfileString("Specify Browser", "BrowserNum", std::to_string(n));
    for (int i = 1; i <= n; ++i) {
        WriteProfileString("Specify Browser", "Path" + std::to_string(i),
                           "/opt/b" + std::to_string(i));
        WriteProfileString("Specify Browser", "Name" + std::to_string(i),
                           "Mine " + std::to_string(i));
    }
}

class Preview : public ::testing::Test {
protected:
    Preview() {
        WriteFileBytes(media.file("face.gif"), "GIF89a");
        CMarquelItem& item = AddButton(b->applet);
        item.m_strLabel = "Home";
        item.m_strImageNormal = media.file("face.gif");
        b->SetDescriptionEntry("PreviewPath", "file:///published/");
    }
    std::string Scratch() const { return scratch.file("run"); }

    ComponentFolderFixture component;
    TempDir media;
    TempDir scratch;
    BriskoHolder b;
};

} // namespace

TEST_F(Preview, PageHoldsTheAppletWithoutCodebaseAndTheFilesLieNextToIt) {
    // A design from a file without the player, and a program folder without it either.
    b->SetPlayer(false);
    std::filesystem::remove(component.dir.file("tlwbtn.js"));
    const std::string page = WritePreviewPage(*b.p, Scratch());
    ASSERT_EQ(page, Scratch() + "/preview.htm");
    const std::string bytes = ReadFileBytes(page);
    const std::string head = "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n<BODY>\r\n"
                             "<applet  code=\"tlwbtn.class\" align=\"baseline\" "
                             "width=\"105\" height=\"230\">\r\n";
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    const std::string tail = "</applet>\r\n\r\n</BODY>\r\n</HTML>";
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    EXPECT_NE(bytes.find("face.gif"), std::string::npos);
    EXPECT_EQ(bytes.find("/published/"), std::string::npos);
    // The page is exactly the frame around the applet element of the design.
    b->SetDescriptionEntry("PreviewPath", "");
    const std::string applet = b->GetHTMLBody(HtmlMode::Preview);
    EXPECT_EQ(bytes, "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n<BODY>\r\n" + applet +
                         "\r\n</BODY>\r\n</HTML>");

    EXPECT_EQ(ReadFileBytes(Scratch() + "/tlwbtn.class"), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(Scratch() + "/face.gif"), "GIF89a");
    EXPECT_FALSE(FileExists(Scratch() + "/tlwbtn.js"));
    // The design keeps pointing at its own files, and the widget at its preview path.
    EXPECT_EQ(b->applet.m_buttons.front()->menu->m_items.front()->m_strImageNormal,
              media.file("face.gif"));
    b->SetDescriptionEntry("PreviewPath", "file:///published/");
    WritePreviewPage(*b.p, Scratch());
    EXPECT_EQ(b->GetDescriptionEntry("PreviewPath"), "file:///published/");
}

TEST_F(Preview, ScriptPlayerInTheProgramFolderIsCopiedAndLoadedOnce) {
    WriteFileBytes(component.dir.file("tlwbtn.js"), "// player");
    // A design without the player still plays in the preview: the page loads it after the
    // title.
    b->SetPlayer(false);
    const std::string page = WritePreviewPage(*b.p, Scratch());
    const std::string head = "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n"
                             "<script src=\"tlwbtn.js\"></script>\r\n<BODY>\r\n<applet ";
    std::string bytes = ReadFileBytes(page);
    EXPECT_EQ(bytes.substr(0, head.size()), head);
    EXPECT_EQ(ReadFileBytes(Scratch() + "/tlwbtn.js"), "// player");
    EXPECT_EQ(bytes.find("tlwbtn.js"), bytes.rfind("tlwbtn.js"));

    // One that plays in current browsers loads it itself, after the applet element, from the
    // page's folder whatever its preview path.
    std::filesystem::remove(Scratch() + "/tlwbtn.js");
    b->SetPlayer(true);
    WritePreviewPage(*b.p, Scratch());
    bytes = ReadFileBytes(page);
    EXPECT_EQ(bytes.find("<script"),
              bytes.find("</applet>\r\n<script src=\"tlwbtn.js\"></script>\r\n") + 11);
    EXPECT_EQ(bytes.find("tlwbtn.js"), bytes.rfind("tlwbtn.js"));
    EXPECT_EQ(ReadFileBytes(Scratch() + "/tlwbtn.js"), "// player");
}

TEST_F(Preview, PageThatCannotBeWrittenShowsPreviewFailureAndOpensNothing) {
    // A folder where the page should be: no file can take its place.
    std::filesystem::create_directories(Scratch() + "/preview.htm");
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Preview Failure!"));
    EXPECT_FALSE(PreviewInBrowser(*b.p, Scratch(), ID_PREVIEW, TwoKnownBrowsers()));
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].caption, "Button Properties");

    // No scratch folder at all fails the same way.
    ui.Expect(UiAnswer::Message(IDOK).WithText("Preview Failure!"));
    EXPECT_EQ(WritePreviewPage(*b.p, ""), "");
}

TEST_F(Preview, OpensThePageInTheDefaultBrowserOrInTheChosenOne) {
    SpecifyBrowsers(1);
    const BrowserList browsers = TwoKnownBrowsers();
    const std::string page = Scratch() + "/preview.htm";
    ExpectUi ui;
    ui.Expect(UiAnswer::Document().WithText(page));
    EXPECT_TRUE(PreviewInBrowser(*b.p, Scratch(), ID_PREVIEW, browsers));
    ui.Expect(UiAnswer::Program().WithText("/usr/bin/chromium"));
    EXPECT_TRUE(PreviewInBrowser(*b.p, Scratch(), ID_BROWSER_FIRST + 1, browsers));
    EXPECT_EQ(ui.calls().back().arguments, std::vector<std::string>{page});
    ui.Expect(UiAnswer::Program(false).WithText("/opt/b1"));
    EXPECT_TRUE(PreviewInBrowser(*b.p, Scratch(), ID_BROWSER_FIRST + 3, browsers));
    // The separator's number names no browser.
    EXPECT_FALSE(PreviewInBrowser(*b.p, Scratch(), ID_BROWSER_FIRST + 2, browsers));
}

TEST(PreviewBrowsers, DropDownListsKnownBrowsersAndOnlyThenASeparatorWithTheUsersOwn) {
    const BrowserList none = TwoKnownBrowsers();
    const std::vector<CBrowserMenuItem> known{{32806, "Firefox"}, {32807, "Chromium"}};
    EXPECT_EQ(BrowserMenuItems(none), known);

    SpecifyBrowsers(2);
    const BrowserList both = TwoKnownBrowsers();
    const std::vector<CBrowserMenuItem> all{
        {32806, "Firefox"}, {32807, "Chromium"}, {0, ""}, {32809, "Mine 1"}, {32810, "Mine 2"}};
    EXPECT_EQ(BrowserMenuItems(both), all);
    EXPECT_EQ(BrowserProgram(both, 32806), "/usr/bin/firefox");
    EXPECT_EQ(BrowserProgram(both, 32808), "");
    EXPECT_EQ(BrowserProgram(both, 32810), "/opt/b2");
    EXPECT_EQ(BrowserProgram(both, 32811), "");
    EXPECT_EQ(BrowserProgram(both, 32805), "");

    // Only specified browsers: the separator comes first, numbering as the rule gives it.
    const BrowserList userOnly([](const std::string&) { return std::string(); });
    const std::vector<CBrowserMenuItem> own{{0, ""}, {32807, "Mine 1"}, {32808, "Mine 2"}};
    EXPECT_EQ(BrowserMenuItems(userOnly), own);
    EXPECT_EQ(BrowserProgram(userOnly, 32807), "/opt/b1");
}
