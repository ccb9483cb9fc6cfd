// The Insert dialog on real pages with the widget component made in the test's process:
// blocks at the caret, Undo, OK writing the page with the widget's files (media, class file,
// player) beside it, the page's own bytes kept, and pages that cannot be read or written
// left as they were.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <filesystem>

#include "component/brisko.h"
#include "platform/core/atomicfile.h"
#include "tests/support/screenshot.h"
#include "tests/support/scriptedui.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/pagereader.h"
#include "workbench/core/publishing.h"
#include "workbench/core/tessera.h"
#include "workbench/insertdialog.h"

using namespace tb;
using namespace tb::test;
using namespace std::string_literals;

namespace {

const char kSamplePage[] = "<html>\n"
                           "<head><title>Our club</title></head>\n"
                           "<body bgcolor=\"#ffffff\">\n"
                           "<h1>Welcome to the club</h1>\n"
                           "<p>Meetings are on Tuesdays.</p>\n"
                           "</body>\n"
                           "</html>";

int FailingRename(const char*, const char*) {
    errno = ENOSPC;
    return -1;
}

class InsertDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }
    void SetUp() override {
        WriteFileBytes(component.Folder().file("tlwbtn.js"), "PLAYER");
        ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    }

    // The marked block as the dialog must insert it, from the widget's own segment 0.
    std::string Block() {
        return "<!--Insert By Tallowby Marquel-->\r\n" + widget.GetHTMLBody(0, 1) +
               "\r\n<!--End of Marquel-->\r\n";
    }
    static void PutCaretAtLine(CDlgInsert& dialog, int nLine) {
        QTextCursor cursor = dialog.PageText()->textCursor();
        cursor.setPosition(dialog.PageText()->document()->findBlockByNumber(nLine).position());
        dialog.PageText()->setTextCursor(cursor);
    }

    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    CTessera widget;
    TempDir site;
};

} // namespace

TEST_F(InsertDialogTest, TwoInsertsAtOneCaretUndoTheLastAndOkWritesThePageWithTheFilesBeside) {
    const std::string page = site.file("club.html");
    WriteFileBytes(page, kSamplePage);
    CDlgInsert dialog(page, widget);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QString::fromStdString("Insert into " + page));
    EXPECT_TRUE(dialog.PageRead());
    EXPECT_FALSE(dialog.UndoButton()->isEnabled());
    EXPECT_TRUE(dialog.CopyFilesBox()->isChecked());
    EXPECT_FALSE(dialog.Notice()->isVisible());

    PutCaretAtLine(dialog, 5);
    QTest::mouseClick(dialog.InsertButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.UndoButton()->isEnabled());
    QTest::mouseClick(dialog.InsertButton(), Qt::LeftButton);
    const std::string head = "<html>\r\n<head><title>Our club</title></head>\r\n"
                             "<body bgcolor=\"#ffffff\">\r\n<h1>Welcome to the club</h1>\r\n"
                             "<p>Meetings are on Tuesdays.</p>\r\n";
    const std::string tail = "</body>\r\n</html>\r\n";
    EXPECT_EQ(dialog.PageBytes(), head + Block() + Block() + tail);
    ASSERT_NE(widget.GetHTMLBody(0, 1).find("<applet"), std::string::npos);
    EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-insert-into.png")));
    EXPECT_TRUE(Framed(dialog).save(ShotPath("help/dinsertintohtml.png")));

    QTest::mouseClick(dialog.UndoButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.UndoButton()->isEnabled());
    EXPECT_EQ(dialog.PageBytes(), head + Block() + tail);

    ExpectUi ui;
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadFileBytes(page), head + Block() + tail);
    // The applet's class file and the player lie beside the page; the export file is gone.
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.class")), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.js")), "PLAYER");
    EXPECT_FALSE(std::filesystem::exists(site.file("club.restsq")));
}

TEST_F(InsertDialogTest, OkWithoutAnInsertKeepsEveryByteButTheLineBreaks) {
    // Latin-1 with a non-breaking space, a lone CR, a tab and a byte that is not UTF-8.
    const std::string latin1 = "<p>caf\xe9\xa0\tx\ry</p>\n<p>\x80</p>"s;
    // UTF-8 with a paragraph separator, a non-breaking space and a private character.
    const std::string utf8 = "<p>\xe2\x80\xa9 \xc2\xa0 \xee\x80\x80</p>\r\n\r\n<p>\xe2\x82\xac</p>";
    ExpectUi ui;
    for (const std::string& bytes : {latin1, utf8}) {
        const std::string page = site.file("keep.htm");
        WriteFileBytes(page, bytes);
        CDlgInsert dialog(page, widget);
        dialog.CopyFilesBox()->setChecked(false);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(ReadFileBytes(page), PageTextFromBytes(bytes));
    }
    EXPECT_FALSE(std::filesystem::exists(site.file("tlwbtn.class")));

    // A block inserted into a Latin-1 page keeps the page's other bytes too.
    const std::string page = site.file("latin.htm");
    WriteFileBytes(page, latin1);
    CDlgInsert dialog(page, widget);
    PutCaretAtLine(dialog, 1);
    dialog.OnInsert();
    EXPECT_EQ(dialog.PageBytes(), "<p>caf\xe9\xa0\tx\ry</p>\r\n"s + Block() + "<p>\x80</p>\r\n"s);
}

TEST_F(InsertDialogTest, APageThatCannotBeReadWholeIsNeverWrittenBack) {
    ExpectUi ui;
    // A folder opens but cannot be read: the reading fails part way, at its very start.
    const std::string folder = site.file("folder.htm");
    std::filesystem::create_directory(folder);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Can't read content from " + folder));
    CDlgInsert unreadable(folder, widget);
    unreadable.show();
    EXPECT_FALSE(unreadable.PageRead());
    EXPECT_TRUE(unreadable.Notice()->isVisible());
    EXPECT_TRUE(unreadable.Notice()->text().contains(QString::fromStdString(folder)));
    EXPECT_FALSE(unreadable.OkButton()->isVisible());
    EXPECT_FALSE(unreadable.InsertButton()->isVisible());
    EXPECT_TRUE(unreadable.PageText()->isReadOnly());
    unreadable.accept();
    EXPECT_NE(unreadable.result(), QDialog::Accepted);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    const std::string absent = site.file("absent.htm");
    ui.Expect(UiAnswer::Message(IDOK).WithText("Open " + absent + " Error!"));
    CDlgInsert missing(absent, widget);
    missing.OnInsert();
    missing.accept();
    EXPECT_FALSE(std::filesystem::exists(absent));
    EXPECT_EQ(EntriesIn(site.path()), 1u);
}

TEST_F(InsertDialogTest, AFailedWriteLeavesThePageByteIdenticalAndTheDialogOpen) {
    const std::string page = site.file("club.htm");
    WriteFileBytes(page, kSamplePage);
    CDlgInsert dialog(page, widget);
    dialog.show();
    dialog.OnInsert();

    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Save to " + page + " Error!"));
    const RenameFunction previous = SetRenameFunctionForTesting(FailingRename);
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    SetRenameFunctionForTesting(previous);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(ReadFileBytes(page), kSamplePage);
    EXPECT_FALSE(std::filesystem::exists(site.file("tlwbtn.class")));
    EXPECT_EQ(EntriesIn(site.path()), 1u);
}

TEST_F(InsertDialogTest, TheDesignsPictureAndSoundGoBesideThePageWithTheClassFile) {
    TempDir media;
    WriteFileBytes(media.file("back.gif"), "GIF89a");
    WriteFileBytes(media.file("tune.au"), "AUDIO");
    auto* pBrisko = dynamic_cast<CBrisko*>(widget.m_dispatch.GetDispatch());
    ASSERT_NE(pBrisko, nullptr);
    pBrisko->applet.m_strBackImage = media.file("back.gif");
    pBrisko->applet.m_strBackAudio = media.file("tune.au");

    const std::string page = site.file("club.htm");
    WriteFileBytes(page, kSamplePage);
    CDlgInsert dialog(page, widget);
    dialog.OnInsert();
    ExpectUi ui;
    dialog.accept();
    EXPECT_EQ(ReadFileBytes(site.file("back.gif")), "GIF89a");
    EXPECT_EQ(ReadFileBytes(site.file("tune.au")), "AUDIO");
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.class")), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(site.file("tlwbtn.js")), "PLAYER");
    EXPECT_FALSE(std::filesystem::exists(site.file("club.restsq")));
    // The originals stay where the design has them.
    EXPECT_EQ(pBrisko->applet.m_strBackImage, media.file("back.gif"));
    EXPECT_NE(ReadFileBytes(page).find("back.gif"), std::string::npos);

    // A new page gets them the same way.
    TempDir other;
    ui.Expect(UiAnswer::Message(IDOK));
    ASSERT_TRUE(CreateWidgetPage(widget, other.file("solo.htm")));
    EXPECT_EQ(ReadFileBytes(other.file("back.gif")), "GIF89a");
    EXPECT_EQ(ReadFileBytes(other.file("tune.au")), "AUDIO");
    EXPECT_EQ(ReadFileBytes(other.file("tlwbtn.class")), "CLASSBYTES");
    EXPECT_EQ(ReadFileBytes(other.file("tlwbtn.js")), "PLAYER");
    EXPECT_FALSE(std::filesystem::exists(other.file("solo.restsq")));
}
