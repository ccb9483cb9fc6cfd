// The widget add-in in Vellumo, as a person uses it: the bar "Ambrel Widgets" at start-up, a
// widget made from a template in the form "New Widget" and designed, the page holding it with
// its files beside it; then the widget selected, designed again and replaced.

#include "tests/vellumo/vellumotest.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>

#include "platform/com/comruntime.h"
#include "tests/support/designerdriver.h"
#include "tests/support/screenshot.h"
#include "tests/support/widgetapp.h"

namespace {

const char kPage[] = "<HTML>\r\n<HEAD><TITLE>Shop</TITLE></HEAD>\r\n<BODY>\r\n"
                     "<P id=intro>Welcome to our shop.</P>\r\n"
                     "<P id=end>Opening hours: 9 - 17</P>\r\n</BODY>\r\n</HTML>\r\n";

class WidgetAddIn : public tb::test::VellumoTest {
protected:
    void RegisterFromProgramFolder(const std::string& module) {
        std::string absolute;
        ASSERT_EQ(tb::CallServerRegistration(tb::test::ProgramDir() + "/" + module,
                                             "DllRegisterServer", &absolute),
                  S_OK)
            << tb::LastComErrorText();
    }

    QToolButton* WidgetButton() {
        tb::host::ICommandBar* bar = Window().Host().CommandBars().Find("Ambrel Widgets");
        QToolBar* toolBar = bar ? Window().BarsView().ToolBar(bar) : nullptr;
        if (!toolBar || toolBar->actions().isEmpty())
            return nullptr;
        return qobject_cast<QToolButton*>(toolBar->widgetForAction(toolBar->actions().first()));
    }

    template <class T> static T* Child(QWidget* parent, const QString& text) {
        for (T* child : parent->findChildren<T*>())
            if (child->text() == text)
                return child;
        return nullptr;
    }

    std::vector<std::string> WidgetFiles() const {
        std::vector<std::string> files;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.file("_tsqres"), ec))
            if (entry.path().extension() == ".tsq")
                files.push_back(entry.path().filename().string());
        return files;
    }
};

TEST_F(WidgetAddIn, APersonInsertsAWidgetFromATemplateAndEditsItAgain) {
    RegisterFromProgramFolder("TesseraBrisko.so");
    RegisterFromProgramFolder("AmbrelWidgetFP.so");
    Window().ConnectStartupAddIns();
    const std::string page = m_dir.file("page.htm");
    tb::test::WriteFileBytes(page, kPage);
    ASSERT_TRUE(Window().OpenPage(page));
    WaitUntilEditable();

    QToolButton* button = WidgetButton();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Brisko 2.0");
    EXPECT_FALSE(button->icon().isNull());
    SaveScreenshot(Window(), "vellumo-widget-bar.png");

    // The form: the first template, previewed, then OK; the designer: closed as it opened.
    ClickAt(StartOf("end"));
    bool bFormSeen = false;
    QTimer formDriver;
    formDriver.setInterval(50);
    QObject::connect(&formDriver, &QTimer::timeout, [&] {
        QWidget* form = tb::test::VisibleWindow("New Widget");
        if (!form)
            return;
        formDriver.stop();
        bFormSeen = true;
        QTest::mouseClick(Child<QRadioButton>(form, "Create from &template"), Qt::LeftButton);
        QListWidget* list = form->findChild<QListWidget*>();
        ASSERT_NE(list, nullptr);
        ASSERT_GT(list->count(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QTest::qWait(2000); // the preview page plays in the form's web view
        tb::test::Framed(*form).save(tb::test::ShotPath("addin-new-widget.png"));
        QTest::mouseClick(Child<QPushButton>(form, "OK"), Qt::LeftButton);
    });
    formDriver.start();
    {
        tb::test::CDesignerDriver designer;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(designer.DesignerOpened());
    }
    EXPECT_TRUE(bFormSeen);
    Settle();

    const std::vector<std::string> files = WidgetFiles();
    ASSERT_EQ(files.size(), 1u);
    const std::string id = "Ambrel Widgets:_tsqres/" + files[0];
    std::string bytes = Bytes();
    EXPECT_NE(bytes.find("<applet id=\"" + id + "\""), std::string::npos) << bytes;
    EXPECT_LT(bytes.find("<applet"), bytes.find("Opening hours")) << "pasted at the caret";
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("_tsqres/tlwbtn.class")));
    EXPECT_TRUE(std::filesystem::exists(m_dir.file("_tsqres/tlwbtn.js")));
    const std::string firstApplet = bytes.substr(bytes.find("<applet"));

    // Select the widget and design it again: the first button's label changed, the same
    // file, the element replaced.
    ClickAt(CenterOf(id));
    ASSERT_NE(Window().Host().ActiveDocument(), nullptr);
    ASSERT_EQ(Window().Host().ActiveDocument()->selection().type(), "Control");
    EXPECT_TRUE(button->isEnabled()) << "the widget's own kind";
    {
        tb::test::CDesignerDriver designer(std::nullopt, [](const tb::test::CDesignerSeen& seen) {
            ASSERT_NE(seen.pCanvas, nullptr);
            QTest::mouseClick(seen.pCanvas, Qt::LeftButton, {}, QPoint(40, 18));
            QPlainTextEdit* label = nullptr;
            for (QPlainTextEdit* box : seen.pDialog->findChildren<QPlainTextEdit*>())
                if (box->toolTip().startsWith("The text on the button"))
                    label = box;
            ASSERT_NE(label, nullptr);
            label->setFocus();
            QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(label, "Shop");
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(designer.DesignerOpened());
    }
    Settle();
    bytes = Bytes();
    EXPECT_EQ(WidgetFiles(), files);
    EXPECT_EQ(bytes.find("<applet"), bytes.rfind("<applet")) << bytes;
    EXPECT_NE(bytes.find("<applet id=\"" + id + "\""), std::string::npos);
    EXPECT_NE(bytes.substr(bytes.find("<applet")), firstApplet);
    EXPECT_NE(bytes.find("<param name=\"I0-0\" value=\"Shop,"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("value=\"Home,"), std::string::npos);
    SaveScreenshot(Window(), "vellumo-widget-inserted.png");

    // The edit was one step: undone, the page holds the widget as first inserted.
    ASSERT_TRUE(Window().Undo());
    bytes = Bytes();
    EXPECT_EQ(bytes.substr(bytes.find("<applet")), firstApplet);
}

} // namespace
