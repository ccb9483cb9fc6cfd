#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>

#include <memory>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/qt/qtuiservices.h"

using namespace tb;

namespace {

class QtUi : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_platform_ui_qt";
            static char* argv[] = {name, nullptr};
            s_app = std::make_unique<QApplication>(argc, argv);
        }
    }
    // Destroyed here, not among the static objects after main, where Qt is already gone.
    static void TearDownTestSuite() { s_app.reset(); }
    static inline std::unique_ptr<QApplication> s_app;
};

} // namespace

TEST_F(QtUi, FilterTextBecomesQtNameFilters) {
    EXPECT_EQ(ToQtFilter("Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*||"),
              "Widget Files(*.tsq);;All Files(*.*) (*)");
    EXPECT_EQ(ToQtFilter("Widget Files(*.tsq) | *.tsq||All Files(*.*) | *.*||"),
              "Widget Files(*.tsq)");
    EXPECT_EQ(ToQtFilter("HTML Files(*.htm,*.html) | *.htm;*.html|All Files(*.*)|*.*||"),
              "HTML Files(*.htm,*.html) (*.htm *.html);;All Files(*.*) (*)");
    EXPECT_EQ(ToQtFilter(""), "");
}

TEST_F(QtUi, MessageBoxGetsButtonsIconCaptionAndPlainText) {
    auto box = BuildMessageBox("<!--Insert By Tallowby Marquel--> ok?", "Ambrel Brisko",
                               MbButtons::YesNoCancel, MbIcon::Question);
    EXPECT_EQ(box->windowTitle(), "Ambrel Brisko");
    EXPECT_EQ(box->text(), "<!--Insert By Tallowby Marquel--> ok?");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));

    struct Case {
        MbButtons buttons;
        QMessageBox::StandardButtons expected;
        QMessageBox::StandardButton escape;
    };
    const Case cases[] = {
        {MbButtons::OK, QMessageBox::Ok, QMessageBox::Ok},
        {MbButtons::OKCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
        {MbButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {MbButtons::RetryCancel, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel},
        {MbButtons::AbortRetryIgnore, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
         QMessageBox::Abort},
    };
    for (const Case& c : cases) {
        auto b = BuildMessageBox("t", "c", c.buttons, MbIcon::None);
        EXPECT_EQ(b->standardButtons(), c.expected);
        EXPECT_EQ(b->escapeButton(), b->button(c.escape));
    }

    EXPECT_EQ(BuildMessageBox("t", "c", MbButtons::OK, MbIcon::Stop)->icon(),
              QMessageBox::Critical);
    EXPECT_EQ(BuildMessageBox("t", "c", MbButtons::OK, MbIcon::Exclamation)->icon(),
              QMessageBox::Warning);
    EXPECT_EQ(BuildMessageBox("t", "c", MbButtons::OK, MbIcon::Information)->icon(),
              QMessageBox::Information);
    EXPECT_EQ(BuildMessageBox("t", "c", MbButtons::OK, MbIcon::None)->icon(), QMessageBox::NoIcon);
}

TEST_F(QtUi, PressedButtonsMapToDialogResults) {
    EXPECT_EQ(AnswerFromButton(QMessageBox::Ok), IDOK);
    EXPECT_EQ(AnswerFromButton(QMessageBox::Cancel), IDCANCEL);
    EXPECT_EQ(AnswerFromButton(QMessageBox::Abort), IDABORT);
    EXPECT_EQ(AnswerFromButton(QMessageBox::Retry), IDRETRY);
    EXPECT_EQ(AnswerFromButton(QMessageBox::Ignore), IDIGNORE);
    EXPECT_EQ(AnswerFromButton(QMessageBox::Yes), IDYES);
    EXPECT_EQ(AnswerFromButton(QMessageBox::No), IDNO);
    EXPECT_EQ(AnswerFromButton(QMessageBox::NoButton), IDCANCEL);
}

TEST_F(QtUi, OpenDialogStartsFromTheBoxsFullPath) {
    FileDialogRequest request;
    request.initialFolder = "/usr";
    request.initialFile = "/tmp/old.gif";
    request.filter = "Image Files(*.GIF,*.JPG.*.JPEG) | *.gif;*.jpg;*.jpeg ||";
    auto dialog = BuildFileDialog(request, false);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog->windowTitle(), "Open");
    EXPECT_EQ(dialog->nameFilters(),
              QStringList{"Image Files(*.GIF,*.JPG.*.JPEG) (*.gif *.jpg *.jpeg)"});
    EXPECT_EQ(dialog->directory().absolutePath(), "/tmp");

    request.initialFile = "name.tsq";
    request.multiSelect = true;
    dialog = BuildFileDialog(request, false);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    EXPECT_EQ(dialog->directory().absolutePath(), "/usr");
}

TEST_F(QtUi, SaveDialogKeepsDefaultExtensionAndOverwritePrompt) {
    FileDialogRequest request;
    request.title = "Publish";
    request.defaultExtension = ".htm";
    request.filter = "HTML Files(*.htm;*.html) | *.htm;*.html | All Files(*.*) | *.* ||";
    auto dialog = BuildFileDialog(request, true);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->windowTitle(), "Publish");
    EXPECT_EQ(dialog->defaultSuffix(), "htm");
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->nameFilters().size(), 2);
    request.overwritePrompt = false;
    EXPECT_TRUE(BuildFileDialog(request, true)->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(QtUi, DocumentsAreAddressesOrLocalFiles) {
    EXPECT_EQ(DocumentUrl("http://www.example.com/order.htm").toString(),
              "http://www.example.com/order.htm");
    EXPECT_EQ(DocumentUrl("mailto:someone@example.com").scheme(), "mailto");
    QUrl file = DocumentUrl("/tmp/a b/page.htm");
    EXPECT_TRUE(file.isLocalFile());
    EXPECT_EQ(file.toLocalFile(), "/tmp/a b/page.htm");
    // A drive letter is not a scheme.
    EXPECT_TRUE(DocumentUrl("C:\\page.htm").isLocalFile());
}

TEST_F(QtUi, StartsProgramsDetachedAndReportsFailure) {
    QtUiServices ui;
    EXPECT_TRUE(ui.StartProgram("/bin/true", {"ignored argument"}));
    EXPECT_FALSE(ui.StartProgram("/nonexistent/program-that-is-not-there", {}));
    EXPECT_FALSE(ui.StartProgram("", {}));
}

TEST_F(QtUi, Utf8SurvivesTheRoundTrip) {
    const std::string text = "\xe5\xb8\xae\xe5\x8a\xa9 caf\xc3\xa9";
    EXPECT_EQ(ToUtf8(ToQString(text)), text);
    EXPECT_EQ(ToQString(text).size(), 7);
}
