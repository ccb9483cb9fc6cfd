// The preview page, byte for byte, from the segments a widget answers: which positions land
// where, what PreviewPath holds while the HTML is made and afterwards, and the files beside
// the page.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/scriptedui.h"
#include "tests/workbench/core/scriptedwidget.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/previewpage.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

namespace {

class PreviewPage : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(scripted.Folder().file("tlwbtn.js"), "PLAYER");
        ASSERT_TRUE(widget.CreateFromProgID(kScriptedProgID));
        widget.SetPreviewPath("/site/images/");
    }

    std::string Build() { return BuildPreviewPage(&widget, work.file("tmp")); }

    CWorkbenchStringsScope strings;
    CScriptedWidgetScope scripted;
    CTessera widget;
    TempDir work;
};

} // namespace

TEST_F(PreviewPage, AWidgetWithoutSegmentsGivesOnlyTheFixedLinesAndThePlayer) {
    const std::string page = Build();
    ASSERT_EQ(page, work.file("tmp") + "/preview.htm");
    EXPECT_EQ(ReadFileBytes(page), "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n"
                                   "<script src=\"tlwbtn.js\"></script>\r\n"
                                   "\r\n\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>");
    EXPECT_EQ(ReadFileBytes(work.file("tmp/tlwbtn.js")), "PLAYER");
    // The widget's state goes into the work folder first, so its files lie beside the page.
    ASSERT_EQ(scripted.script.writesEx.size(), 1u);
    EXPECT_EQ(scripted.script.writesEx[0], std::make_pair(work.file("tmp") + "/preview.tsq", 1));
    EXPECT_EQ(widget.GetPreviewPath(), "/site/images/");
}

TEST_F(PreviewPage, StyleAndScriptGoIntoTheHeadAndOnlyTheLastCursorIntoTheBody) {
    scripted.script.segments = {{"cursor", "FIRST"},   {"script", "<script>s()</script>"},
                                {"Cursor", "CAPITAL"}, {"style", "<style>b{}</style>"},
                                {"cursor", "SECOND"},  {"head", "ELSEWHERE"}};
    const std::string page = Build();
    EXPECT_EQ(ReadFileBytes(page), "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n"
                                   "<script src=\"tlwbtn.js\"></script>\r\n"
                                   "<style>b{}</style>\r\n<script>s()</script>\r\n</HEAD>\r\n"
                                   "<BODY>\r\nSECOND\r\n</BODY>\r\n</HTML>");
    // Every body in preview mode, with the page's folder as the place of its files.
    using Call = CScriptedWidgetScript::BodyCall;
    EXPECT_EQ(scripted.script.bodyCalls,
              (std::vector<Call>{{0, 0, ""}, {1, 0, ""}, {3, 0, ""}, {4, 0, ""}}));
    EXPECT_EQ(widget.GetPreviewPath(), "/site/images/");
}

TEST_F(PreviewPage, APageThatCannotBeWrittenGivesNoPathAndKeepsPreviewPath) {
    WriteFileBytes(work.file("tmp"), "a file where the folder should be");
    scripted.script.segments = {{"cursor", "X"}};
    EXPECT_EQ(Build(), "");
    EXPECT_EQ(widget.GetPreviewPath(), "/site/images/");
    EXPECT_EQ(BuildPreviewPage(nullptr, work.path()), "");
    EXPECT_FALSE(std::filesystem::exists(work.file("preview.htm")));
}

TEST_F(PreviewPage, APageIsRewrittenWholeEachTime) {
    scripted.script.segments = {{"cursor", std::string(1000, 'x')}};
    Build();
    scripted.script.segments = {{"cursor", "short"}};
    EXPECT_EQ(ReadFileBytes(Build()).find('x'), std::string::npos);
}

TEST_F(PreviewPage, ADesignThatLoadsThePlayerItselfGetsNoSecondPlayerLine) {
    scripted.script.segments = {
        {"cursor", "<applet></applet>\r\n<script src=\"tlwbtn.js\"></script>\r\n"}};
    EXPECT_EQ(ReadFileBytes(Build()),
              "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n"
              "\r\n\r\n</HEAD>\r\n<BODY>\r\n<applet></applet>\r\n"
              "<script src=\"tlwbtn.js\"></script>\r\n\r\n</BODY>\r\n</HTML>");
}
