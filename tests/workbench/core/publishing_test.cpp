// Publishing on real files: the page reader's lines, the transient export file beside a
// page, a new page byte for byte, the marked block, and writing an existing page back so
// that a failure leaves it as it was.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>

#include "platform/core/atomicfile.h"
#include "tests/support/scriptedui.h"
#include "tests/workbench/core/scriptedwidget.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/pagereader.h"
#include "workbench/core/publishing.h"
#include "workbench/core/tessera.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kMarkerStart[] = "<!--Insert By Tallowby Marquel-->\r\n";
const char kMarkerEnd[] = "\r\n<!--End of Marquel-->\r\n";

// The reader fed from pieces, failing after the given number of them.
CPageReading ReadPieces(std::vector<std::string> pieces, size_t nFailAfter = SIZE_MAX) {
    size_t nNext = 0;
    return ReadPageFrom([&](char* buffer, size_t nSize) -> long {
        if (nNext == nFailAfter)
            return -1;
        if (nNext == pieces.size())
            return 0;
        const std::string& piece = pieces[nNext++];
        EXPECT_LE(piece.size(), nSize);
        piece.copy(buffer, nSize);
        return static_cast<long>(piece.size());
    });
}

int FailingRename(const char*, const char*) {
    errno = EIO;
    return -1;
}

class Publishing : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(widget.CreateFromProgID(kScriptedProgID));
        scripted.script.bWriteFiles = true;
    }

    CWorkbenchStringsScope strings;
    CScriptedWidgetScope scripted;
    CTessera widget;
    TempDir site;
};

} // namespace

TEST(PageReader, EveryLineEndsInCrLfAndOnlyTheBreaksChange) {
    EXPECT_EQ(PageTextFromBytes(""), "");
    EXPECT_EQ(PageTextFromBytes("\n"), "\r\n");
    // The last line gains a break; LF and CR LF breaks both become CR LF.
    EXPECT_EQ(PageTextFromBytes("<p>a</p>\n<p>b</p>\r\n<p>c</p>"),
              "<p>a</p>\r\n<p>b</p>\r\n<p>c</p>\r\n");
    // A lone CR, a NUL and bytes that are not UTF-8 belong to the line.
    const std::string odd("x\ry\0\xe9\xa0\r\r\n", 9);
    EXPECT_EQ(PageTextFromBytes(odd), std::string("x\ry\0\xe9\xa0\r\r\n", 9));
    EXPECT_EQ(PageTextFromBytes("\n\n"), "\r\n\r\n");
}

TEST(PageReader, PiecesMayCutALineOrItsBreakAnywhere) {
    const CPageReading reading = ReadPieces({"<htm", "l>\r", "\n<bo", "dy>\n", "\r", "\n"});
    EXPECT_EQ(reading.status, CPageReading::Status::Read);
    EXPECT_EQ(reading.text, "<html>\r\n<body>\r\n\r\n");
    // Lines longer than a piece come through whole.
    const std::string longLine(10000, 'w');
    TempDir dir;
    WriteFileBytes(dir.file("long.htm"), longLine + "\n" + longLine);
    EXPECT_EQ(ReadPageFile(dir.file("long.htm")).text, longLine + "\r\n" + longLine + "\r\n");
}

TEST(PageReader, AFailureSaysSoAndKeepsOnlyWhatCameBefore) {
    const CPageReading partial = ReadPieces({"one\ntw", "o\nthree"}, 1);
    EXPECT_EQ(partial.status, CPageReading::Status::CannotRead);
    EXPECT_EQ(partial.text, "one\r\ntw\r\n");

    TempDir dir;
    EXPECT_EQ(ReadPageFile(dir.file("absent.htm")).status, CPageReading::Status::CannotOpen);
    // A folder opens but gives no bytes.
    EXPECT_EQ(ReadPageFile(dir.path()).status, CPageReading::Status::CannotRead);
    WriteFileBytes(dir.file("page.htm"), "<p>\n");
    const CPageReading whole = ReadPageFile(dir.file("page.htm"));
    EXPECT_EQ(whole.status, CPageReading::Status::Read);
    EXPECT_EQ(whole.text, "<p>\r\n");
}

TEST(PublishingNames, TheExportFileIsThePagesNameUpToItsLastDotBesideIt) {
    EXPECT_EQ(ResourceExportPath("/site/index.html"), "/site/index.restsq");
    EXPECT_EQ(ResourceExportPath("/site/a.b.htm"), "/site/a.b.restsq");
    EXPECT_EQ(ResourceExportPath("/site.d/page"), "/site.d/page.restsq");
    EXPECT_EQ(ResourceExportPath("page.htm"), "page.restsq");
    EXPECT_EQ(MarkerBlock("<applet>"), std::string(kMarkerStart) + "<applet>" + kMarkerEnd);
}

TEST_F(Publishing, NewPageIsTitledWithTheWidgetNameAndHoldsTheLastSegmentOfEachPlace) {
    widget.m_strName = "Brisko 2.0";
    widget.SetTitle("Not this");
    widget.SetPreviewPath("/kept/");
    scripted.script.segments = {{"cursor", "FIRST"},  {"style", "<style>b{}</style>"},
                                {"Cursor", "CAPS"},   {"script", "<script>s()</script>"},
                                {"cursor", "SECOND"}, {"head", "ELSEWHERE"}};
    const std::string page = site.file("page.html");
    ExpectUi ui;
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("You have saved widget into " + page + " successfully!"));
    ASSERT_TRUE(CreateWidgetPage(widget, page));
    EXPECT_EQ(ReadFileBytes(page), "<HTML>\r\n<HEAD>\r\n<TITLE>Brisko 2.0</TITLE>\r\n"
                                   "<style>b{}</style>\r\n<script>s()</script>\r\n</HEAD>\r\n"
                                   "<BODY>\r\nSECOND\r\n</BODY>\r\n</HTML>");
    // Every body in the publishing mode, the widget's own PreviewPath untouched.
    using Call = CScriptedWidgetScript::BodyCall;
    EXPECT_EQ(scripted.script.bodyCalls,
              (std::vector<Call>{
                  {0, 1, "/kept/"}, {1, 1, "/kept/"}, {3, 1, "/kept/"}, {4, 1, "/kept/"}}));
    // The files went beside the page through the transient widget file, which is gone.
    EXPECT_EQ(scripted.script.writes, std::vector<std::string>{site.file("page.restsq")});
    EXPECT_TRUE(scripted.script.writesEx.empty());
    EXPECT_FALSE(std::filesystem::exists(site.file("page.restsq")));
    EXPECT_EQ(EntriesIn(site.path()), 1u);
}

TEST_F(Publishing, ANewPageThatCannotBeMadeSaysSoAndLeavesNoExportFile) {
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Create HTML File Failure!"));
    const std::string page = site.file("missing-folder/page.htm");
    EXPECT_FALSE(CreateWidgetPage(widget, page));
    EXPECT_FALSE(std::filesystem::exists(site.file("missing-folder")));

    // An existing page is not half replaced by a failed write.
    WriteFileBytes(site.file("old.htm"), "OLD PAGE");
    const RenameFunction previous = SetRenameFunctionForTesting(FailingRename);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Create HTML File Failure!"));
    EXPECT_FALSE(CreateWidgetPage(widget, site.file("old.htm")));
    SetRenameFunctionForTesting(previous);
    EXPECT_EQ(ReadFileBytes(site.file("old.htm")), "OLD PAGE");
    EXPECT_FALSE(std::filesystem::exists(site.file("old.restsq")));
}

TEST_F(Publishing, TheMarkedBlockIsSegmentZeroInPublishingModeWhateverItsPlace) {
    scripted.script.segments = {{"script", "<script>x()</script>"}, {"cursor", "<applet>"}};
    EXPECT_EQ(WidgetMarkerBlock(widget),
              std::string(kMarkerStart) + "<script>x()</script>" + kMarkerEnd);
    using Call = CScriptedWidgetScript::BodyCall;
    EXPECT_EQ(scripted.script.bodyCalls, (std::vector<Call>{{0, 1, ""}}));
}

TEST_F(Publishing, SavingAnInsertedPageReplacesItWholeThenExportsTheFilesBesideIt) {
    const std::string page = site.file("index.html");
    WriteFileBytes(page, "OLD");
    ExpectUi ui;
    ASSERT_TRUE(SaveInsertedPage(widget, page, "NEW\r\n", true));
    EXPECT_EQ(ReadFileBytes(page), "NEW\r\n");
    ASSERT_EQ(scripted.script.writesEx.size(), 1u);
    EXPECT_EQ(scripted.script.writesEx[0], std::make_pair(site.file("index.restsq"), 1));
    EXPECT_FALSE(std::filesystem::exists(site.file("index.restsq")));

    // Without the copy box, only the page.
    ASSERT_TRUE(SaveInsertedPage(widget, page, "AGAIN\r\n", false));
    EXPECT_EQ(scripted.script.writesEx.size(), 1u);
    EXPECT_EQ(ReadFileBytes(page), "AGAIN\r\n");
}

TEST_F(Publishing, AFailedSaveLeavesThePageByteIdenticalAndExportsNothing) {
    const std::string page = site.file("index.htm");
    const std::string original("<html>\r\n\xe9t\xe9\n</html>", 19);
    WriteFileBytes(page, original);
    ::chmod(page.c_str(), 0640);
    const RenameFunction previous = SetRenameFunctionForTesting(FailingRename);
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save to " + page + " Error!"));
    EXPECT_FALSE(SaveInsertedPage(widget, page, "TRUNCATED", true));
    SetRenameFunctionForTesting(previous);
    EXPECT_EQ(ReadFileBytes(page), original);
    EXPECT_TRUE(scripted.script.writesEx.empty());
    // No temporary file is left beside it either.
    EXPECT_EQ(EntriesIn(site.path()), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(page.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}
