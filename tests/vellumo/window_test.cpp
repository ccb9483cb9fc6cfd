// The window around the page: view modes and the update event, the address of a page before
// and after its first save, saving that fails, and HTML edited as text.

#include "tests/vellumo/vellumotest.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "tests/addin/host/testaddinsupport.h"
#include "tests/support/renamefailure.h"
#include "tests/support/scriptedui.h"

using namespace tb::vellumo;

namespace {

class VellumoWindow : public tb::test::VellumoTest {};

TEST_F(VellumoWindow, SwitchingViewsRaisesTheUpdateEventAndShowsTheView) {
    OpenFixture("shop.htm");
    int updates = 0;
    Window().Host().CommandBars().AddUpdateHandler([&] { ++updates; });
    tb::host::IPageWindow* page = Window().Host().ActivePageWindow();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->ViewMode(), tb::host::ViewModeNormal);

    ASSERT_TRUE(page->SetViewMode(tb::host::ViewModeHtml));
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates == 1; }, 2000));
    EXPECT_EQ(Window().Tabs()->currentIndex(), 1);
    EXPECT_TRUE(Window().Source()->toPlainText().startsWith("<HTML>\n<HEAD>"));

    // A person clicks the Preview tab.
    QTabBar* tabs = Window().Tabs()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates == 2; }, 2000));
    EXPECT_EQ(page->ViewMode(), tb::host::ViewModePreview);

    ASSERT_TRUE(page->SetViewMode(tb::host::ViewModeNormal));
    WaitUntilEditable();
    EXPECT_TRUE(QTest::qWaitFor([&] { return updates >= 3; }, 2000));
    EXPECT_EQ(Window().Tabs()->currentIndex(), 0);
}

TEST_F(VellumoWindow, ANewPageIsUnsavedUntilItsFirstSave) {
    WaitUntilEditable();
    tb::host::IPageWindow* page = Window().Host().ActivePageWindow();
    EXPECT_EQ(page->Address(), "unsaved://Untitled");
    EXPECT_EQ(page->Document()->location().href, "unsaved://Untitled");
    EXPECT_EQ(page->Document()->location().pathname, "");

    std::string path = m_dir.file("new page.htm");
    ASSERT_TRUE(Window().SaveAs(path));
    EXPECT_EQ(page->Address(), "file://" + m_dir.path() + "/new%20page.htm");
    EXPECT_EQ(page->Document()->location().pathname, path);
    EXPECT_NE(tb::test::ReadFileBytes(path).find("<title>Untitled</title>"), std::string::npos);
}

TEST_F(VellumoWindow, ASaveThatFailsLeavesThePageByteIdenticalAndSaysSo) {
    std::string path = OpenFixture("shop.htm");
    ClickAt(StartOf("cell"));
    Type("X");
    ASSERT_TRUE(Window().IsModified());

    tb::test::ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDOK).WithText(
        "The page could not be saved to " + path +
        " (Input/output error). The file was left as it was."));
    {
        tb::test::RenameFailure renameFails;
        EXPECT_FALSE(Window().Save());
    }
    EXPECT_EQ(tb::test::ReadFileBytes(path), Fixture("shop.htm"));
    EXPECT_TRUE(Window().IsModified());

    EXPECT_TRUE(Window().Save());
    EXPECT_NE(tb::test::ReadFileBytes(path).find("<TD id=cell>XOne"), std::string::npos);
    EXPECT_FALSE(Window().IsModified());
}

TEST_F(VellumoWindow, HtmlEditedAsTextIsWhatTheNormalViewThenEdits) {
    std::string path = OpenFixture("shop.htm");
    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModeHtml));
    QPlainTextEdit* source = Window().Source();
    QString text = source->toPlainText();
    text.replace("Our Shop</TITLE>", "Our Caf\u00e9</TITLE>");
    source->setPlainText(text);
    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModeNormal));
    WaitUntilEditable();

    std::string expected = Fixture("shop.htm");
    expected.replace(expected.find("Our Shop</TITLE>"), 8, "Our Caf\xE9");
    // The page keeps its character set and line ends; only the title changed.
    EXPECT_EQ(Window().Charset(), "windows-1252");
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(tb::test::ReadFileBytes(path), Fixture("shop.htm"));
}

TEST_F(VellumoWindow, ClosingAChangedPageAsksToSaveIt) {
    std::string path = OpenFixture("shop.htm");
    ClickAt(StartOf("cell"));
    Type("Y");
    tb::test::ExpectUi ui;
    ui.Expect(tb::UiAnswer::Message(IDCANCEL).WithText("Save the changes to shop.htm?"));
    ui.Expect(tb::UiAnswer::Message(IDYES).WithText("Save the changes to shop.htm?"));
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().close());
    EXPECT_NE(tb::test::ReadFileBytes(path).find("<TD id=cell>YOne"), std::string::npos);
}

TEST_F(VellumoWindow, ScreenshotsOfTheNormalAndHtmlViewsWithAWidget) {
    tb::test::RegisterTestAddIn(3, m_dir.file("addin.log"));
    Window().ConnectStartupAddIns();
    OpenFixture("shop.htm");
    ClickAt(CenterOf("logo"));
    QTest::qWait(400);
    SaveScreenshot(Window(), "vellumo-normal.png");

    // The widget shows its painted buttons, once, not the empty frame standing in for it.
    EXPECT_EQ(Design().Call(QStringLiteral("document.querySelectorAll('.tlwbtn').length")).toInt(),
              1);
    const QRect area = RectOf("Ambrel Widgets:_tsqres\\37000.5_TesseraServer.Brisko.tsq")
                           .toRect()
                           .adjusted(3, 3, -3, -3);
    const QImage view = Design().grab().toImage();
    int painted = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = view.pixel(x, y) & 0xffffff;
            painted += pixel != 0xf3f3f3 && pixel != 0xffffff;
        }
    }
    EXPECT_GT(painted, area.width() * area.height() * 8 / 10)
        << "of " << area.width() << " x " << area.height();

    ASSERT_TRUE(Window().ChangeViewMode(tb::host::ViewModeHtml));
    QTest::qWait(200);
    SaveScreenshot(Window(), "vellumo-html.png");
}

} // namespace
