// The main form: its seven buttons with their pictures and states, the step texts, and the
// Configure and Rename commands driven through real keys and clicks.

#include "tests/workbench/ui/workbenchfixture.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "workbench/core/commandids.h"

using namespace tb;
using namespace tb::test;

namespace {

const int kButtons[] = {1021, 1022, 1023, 1024, 1025, 1026, 1028};

QColor FormColor() {
    return QColor(178, 178, 201);
}

// Types text as a keyboard does; letters beyond ASCII come as the text of a key event, as
// an input method sends them.
void TypeText(QWidget* pWidget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(pWidget, QString(c));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(pWidget, &release);
    }
}

void ClickOk(QWidget& dialog) {
    auto* pButtons = dialog.findChild<QDialogButtonBox*>();
    QTest::mouseClick(pButtons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

using MainForm = WorkbenchFixture;

TEST_F(MainForm, SevenButtonsInTheFormsColourAllEnabled) {
    Start();
    const QSize size = View().Button(1021)->size();
    for (int nId : kButtons) {
        CBitmapButton* pButton = View().Button(nId);
        ASSERT_NE(pButton, nullptr) << nId;
        EXPECT_EQ(pButton->size(), size) << nId;
        // The picture's corner lies on the form, in the form's colour.
        const QImage picture = pButton->CurrentBitmap().toImage();
        EXPECT_EQ(picture.pixelColor(0, picture.height() - 1), FormColor()) << nId;
    }
    EXPECT_EQ(View().Button(1021)->text(), "New...");
    EXPECT_EQ(View().Button(1028)->text(), "More Information...");
    for (int nId : {1021, 1022, 1023, 1024, 1025, 1026, 1028})
        EXPECT_TRUE(View().Button(nId)->isEnabled()) << nId;
    EXPECT_EQ(View().viewport()->palette().color(QPalette::Window), FormColor());
    EXPECT_EQ(View().frameShape(), QFrame::NoFrame);

    EXPECT_NE(View().StepText(1048)->text().indexOf("You can use one of these methods:"), -1);
    EXPECT_EQ(View().StepText(1049)->text(), "1. Copy HTML code and paste into web page later.");
    EXPECT_EQ(View().StepText(1050)->text(),
              "2. Create a web page which only contains the Brisko.");
    EXPECT_EQ(View().StepText(1051)->text(),
              "3. Open an existing web page and insert Brisko into it.");
    Exit();
}

TEST_F(MainForm, AButtonShowsItsPressedLookWhileHeldAndItsCommandRunsOnRelease) {
    Start();
    CBitmapButton* pOpen = View().Button(1022);
    const QImage normal = pOpen->CurrentBitmap().toImage();
    QTest::mousePress(pOpen, Qt::LeftButton);
    const QImage pressed = pOpen->CurrentBitmap().toImage();
    EXPECT_NE(pressed, normal);
    ui.Expect(UiAnswer::Cancel(UiCallKind::GetOpenFileName));
    QTest::mouseRelease(pOpen, Qt::LeftButton);
    EXPECT_EQ(pOpen->CurrentBitmap().toImage().size(), normal.size());
    EXPECT_EQ(ui.calls().size(), 1u);
    // Disabled, the picture is another, paler one.
    CBitmapButton* pMore = View().Button(1028);
    ASSERT_TRUE(pMore->isEnabled());
    const QImage enabled = pMore->CurrentBitmap().toImage();
    pMore->setEnabled(false);
    EXPECT_NE(pMore->CurrentBitmap().toImage(), enabled);
    pMore->setEnabled(true);
    Exit();
}

TEST_F(MainForm, TheNewButtonMakesABlankWidgetAndOpensTheDesigner) {
    Start();
    const CDesignerDriver designer;
    QTest::mouseClick(View().Button(1021), Qt::LeftButton);
    EXPECT_TRUE(designer.DesignerOpened());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Doc().GetTitle(), "Untitled_TesseraServer.Brisko");
    ui.Expect(UiAnswer::Message(IDNO));
    Exit();
}

TEST_F(MainForm, AltEnterConfiguresAndMarksTheWidgetWhenTheDesignerReportsSuccess) {
    Start();
    EXPECT_FALSE(Doc().IsModified());
    const CDesignerDriver designer(QPoint(12, 12));
    QTest::keyClick(&Frame(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(designer.DesignerOpened());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_NE(Doc().Tessera()->GetHTMLBody(0, 1).find("MStyle-"), std::string::npos);
    ui.Expect(UiAnswer::Message(IDNO));
    Exit();
}

TEST_F(MainForm, RenameRefusesNamesOutsideTheRuleAndStaysOpen) {
    Start();
    Doc().RenameWidget("Start", "First description");
    std::vector<QString> seenNames;
    bool bStillOpenAfterEachRefusal = true;
    const CDialogDriver driver("Rename", [&](QWidget& dialog) {
        auto* pName = dialog.findChild<QLineEdit*>();
        QList<QLineEdit*> edits = dialog.findChildren<QLineEdit*>();
        ASSERT_EQ(edits.size(), 2);
        seenNames.push_back(edits[0]->text());
        EXPECT_EQ(edits[1]->text(), "First description");
        for (const QString& bad : {QString("Blue Bar"), QString("Blue_Bar"),
                                   QString::fromUtf8("Bl\xC3\xBC"
                                                     "e"),
                                   QString()}) {
            pName->selectAll();
            QTest::keyClick(pName, Qt::Key_Delete);
            TypeText(pName, bad);
            ClickOk(dialog);
            bStillOpenAfterEachRefusal = bStillOpenAfterEachRefusal && dialog.isVisible();
            // The name is selected again, ready to be typed over.
            EXPECT_EQ(pName->selectedText(), bad);
        }
        pName->selectAll();
        QTest::keyClicks(pName, "Blue2");
        QTest::keyClicks(edits[1], " and more");
        ClickOk(dialog);
    });
    const std::string invalid =
        "The template name of widget is not valid.It accept only alphanumeric characters.\nYou "
        "have entered an invalid character, such as '-', '_', ':', ';', '#', (), [], or ?, in "
        "the name.\n";
    ui.Expect(UiAnswer::Message(IDOK).WithText(invalid));
    ui.Expect(UiAnswer::Message(IDOK).WithText(invalid));
    ui.Expect(UiAnswer::Message(IDOK).WithText(invalid));
    ui.Expect(UiAnswer::Message(IDOK).WithText("You must enter a name!"));
    Action(ID_EDIT_RENAME)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_EQ(seenNames, std::vector<QString>{"Start"});
    EXPECT_TRUE(bStillOpenAfterEachRefusal);
    EXPECT_EQ(Doc().Tessera()->GetTitle(), "Blue2");
    EXPECT_EQ(Doc().Tessera()->GetDescription(), "First description and more");
    EXPECT_TRUE(Doc().IsModified());
    ui.Expect(UiAnswer::Message(IDNO));
    Exit();
}

TEST_F(MainForm, CancellingRenameChangesNothing) {
    Start();
    const CDialogDriver driver("Rename", [](QWidget& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>(), "Other");
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Action(ID_EDIT_RENAME)->trigger();
    EXPECT_TRUE(driver.Seen());
    EXPECT_EQ(Doc().Tessera()->GetTitle(), "Normal");
    EXPECT_FALSE(Doc().IsModified());
    Exit();
}
