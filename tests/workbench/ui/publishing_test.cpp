// The form's publishing buttons in the running workbench: Copy Code's clipboard and dialog,
// New Page's save dialog and page, and Insert into handing the page to the page editor when
// it is installed, or to the Insert dialog when it is not.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <filesystem>

#include "platform/core/paths.h"
#include "tests/support/screenshot.h"
#include "tests/workbench/ui/workbenchfixture.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/commandids.h"
#include "workbench/core/tessera.h"
#include "workbench/insertdialog.h"
#include "workbench/publishcommands.h"
#include "workbench/publishdialogs.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kChoiceTitle[] = "Insert Brisko into Page";

class PublishingTest : public WorkbenchFixture {
protected:
    void Click(int nControlId) {
        CBitmapButton* pButton = View().Button(nControlId);
        ASSERT_NE(pButton, nullptr);
        ASSERT_TRUE(pButton->isEnabled());
        QTest::mouseClick(pButton, Qt::LeftButton);
    }
    std::string CursorSegment() {
        CTessera& widget = *Doc().Tessera();
        for (int16_t i = 0; i < widget.GetHTMLSegmentNumber(); ++i) {
            if (widget.GetHTMLPosition(i) == "cursor")
                return widget.GetHTMLBody(i, 1);
        }
        return {};
    }
};

} // namespace

TEST_F(PublishingTest, CopyCodePutsTheCursorSegmentOnTheClipboardAndShowsIt) {
    Start();
    const std::string code = CursorSegment();
    ASSERT_NE(code.find("<applet"), std::string::npos);
    QString shown;
    CDialogDriver driver(QStringLiteral("Brisko's HTML Code"), [&](QWidget& dialog) {
        auto* pCode = dialog.findChild<QPlainTextEdit*>(QStringLiteral("IDC_1036"));
        if (pCode)
            shown = pCode->toPlainText();
        EXPECT_NE(dialog.findChild<QLabel*>(QStringLiteral("IDC_1041")), nullptr);
        EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-html-code.png")));
        EXPECT_TRUE(Framed(dialog).save(ShotPath("help/dviewcode.png")));
        static_cast<QDialog&>(dialog).accept();
    });
    Click(CVellumoToolView::IDC_COPY_CODE);
    EXPECT_TRUE(driver.Seen());
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), code);
    // The code box shows it with the box's own line breaks.
    EXPECT_EQ(shown, QString::fromStdString(code).replace(QStringLiteral("\r\n"), "\n"));
    Exit();
}

TEST_F(PublishingTest, NewPageAsksWhereAndWritesThePageWithTheFilesBesideIt) {
    Start();
    const std::string page = dir.file("buttons.htm");
    ui.Expect(UiAnswer::SaveFile(page));
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("You have saved widget into " + page + " successfully!"));
    Click(CVellumoToolView::IDC_NEW_PAGE);
    const FileDialogRequest& request = ui.calls()[0].file;
    EXPECT_EQ(request.filter, "HTML Files(*.htm;*.html) | *.htm;*.html | All Files(*.*) | *.* ||");
    EXPECT_EQ(request.defaultExtension, ".htm");
    EXPECT_EQ(request.initialFile, "");
    EXPECT_TRUE(request.overwritePrompt);

    const std::string bytes = ReadFileBytes(page);
    EXPECT_EQ(
        bytes.rfind("<HTML>\r\n<HEAD>\r\n<TITLE>" + Doc().Tessera()->m_strName + "</TITLE>\r\n", 0),
        0u);
    EXPECT_NE(bytes.find("<BODY>\r\n" + CursorSegment() + "\r\n</BODY>\r\n</HTML>"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir.file("tlwbtn.class")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("tlwbtn.js")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("buttons.restsq")));

    // Cancel in the save dialog does nothing more.
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetSaveFileName));
    Click(CVellumoToolView::IDC_NEW_PAGE);
    Exit();
}

TEST_F(PublishingTest, InsertIntoStartsThePageEditorBesideTheProgramWithThePage) {
    ASSERT_TRUE(FileExists(ProgramDir() + "/vellumo"));
    Start();
    const std::string page = dir.file("club.htm");
    WriteFileBytes(page, "<html></html>");
    ui.Expect(UiAnswer::OpenFile(page));
    ui.Expect(UiAnswer::Program(true));
    bool bTicked = false;
    CDialogDriver driver(kChoiceTitle, [&](QWidget& dialog) {
        bTicked = dialog.findChild<QCheckBox*>(QStringLiteral("IDC_1042"))->isChecked();
        EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-editor-choice.png")));
        EXPECT_TRUE(Framed(dialog).save(ShotPath("help/dinsert.png")));
        static_cast<QDialog&>(dialog).accept();
    });
    Click(CVellumoToolView::IDC_INSERT_INTO);
    EXPECT_TRUE(bTicked);
    EXPECT_EQ(ui.calls()[0].file.filter,
              "HTML Files(*.htm,*.html) | *.htm;*.html|All Files(*.*)|*.*||");
    EXPECT_EQ(ui.calls()[0].file.defaultExtension, "");
    ASSERT_EQ(ui.calls().size(), 2u);
    EXPECT_EQ(ui.calls()[1].kind, UiCallKind::StartProgram);
    EXPECT_EQ(ui.calls()[1].text, ProgramDir() + "/vellumo");
    EXPECT_EQ(ui.calls()[1].arguments, std::vector<std::string>{page});
    EXPECT_EQ(ReadFileBytes(page), "<html></html>");
    Exit();
}

TEST_F(PublishingTest, AModifiedWidgetIsSavedBeforeTheEditorAndAFailedStartOffersTheOrderPage) {
    Start();
    Doc().SetModifiedFlag(true);
    const std::string page = dir.file("club.htm");
    WriteFileBytes(page, "<html></html>");
    const std::string widgetFile = dir.file("mine.tsq");
    ui.Expect(UiAnswer::OpenFile(page));
    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "You must save your widget before using Ambrel WebEditor,Save it?"));
    ui.Expect(UiAnswer::SaveFile(widgetFile)); // Save As: the widget has no file yet
    ui.Expect(UiAnswer::Program(false));
    ui.Expect(UiAnswer::Message(IDOK).WithText("Can't find AmbrelHTMLEditor.exe, Download it?"));
    ui.Expect(UiAnswer::Document(true).WithText("https://www.tallowby.example/order.htm"));
    CDialogDriver driver(kChoiceTitle,
                         [](QWidget& dialog) { static_cast<QDialog&>(dialog).accept(); });
    Click(CVellumoToolView::IDC_INSERT_INTO);
    EXPECT_TRUE(FileExists(widgetFile));
    EXPECT_FALSE(Doc().IsModified());
    Exit();
}

TEST_F(PublishingTest, WithoutTheEditorTheBoxStartsClearedAndTheInsertDialogWritesThePage) {
    RegisterBuiltComponent();
    TempDir program; // a program folder without the page editor
    CVellumoToolApp& app = Make(program.path());
    ASSERT_TRUE(app.InitInstance({}));
    Activate();
    app.Publishing()->SetEditorSearchPath("");
    const std::string page = dir.file("club.htm");
    WriteFileBytes(page, "<html>\n<body>\n</body>\n</html>\n");
    ui.Expect(UiAnswer::OpenFile(page));

    bool bTicked = true;
    QString recommendation;
    CDialogDriver choice(kChoiceTitle, [&](QWidget& dialog) {
        bTicked = dialog.findChild<QCheckBox*>(QStringLiteral("IDC_1042"))->isChecked();
        recommendation = dialog.findChild<QLabel*>(QStringLiteral("IDC_1043"))->text();
        EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-editor-choice-absent.png")));
        static_cast<QDialog&>(dialog).accept();
    });
    CDialogDriver insert(QString::fromStdString("Insert into " + page), [&](QWidget& window) {
        auto& dialog = static_cast<CDlgInsert&>(window);
        QTextCursor cursor = dialog.PageText()->textCursor();
        cursor.setPosition(dialog.PageText()->document()->findBlockByNumber(2).position());
        dialog.PageText()->setTextCursor(cursor);
        QTest::mouseClick(dialog.InsertButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click(CVellumoToolView::IDC_INSERT_INTO);
    EXPECT_TRUE(insert.Seen());
    EXPECT_FALSE(bTicked);
    EXPECT_TRUE(recommendation.contains(QStringLiteral("not installed")));
    const std::string body = Doc().Tessera()->GetHTMLBody(0, 1);
    EXPECT_EQ(ReadFileBytes(page), "<html>\r\n<body>\r\n<!--Insert By Tallowby Marquel-->\r\n" +
                                       body +
                                       "\r\n<!--End of Marquel-->\r\n</body>\r\n</html>\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.file("tlwbtn.class")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("club.restsq")));
    Exit();
}
