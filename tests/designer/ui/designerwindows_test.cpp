// The designer's windows: the dialog with its two sheets, where the windows open and what is
// stored of them, the design window's size and the applet's, the palette, and the preview
// with its browser drop-down.

#include "tests/designer/ui/designerfixture.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "designer/core/commandtable.h"
#include "designer/ui/menupropertysheet.h"
#include "model/ui/appletpropertysheet.h"
#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

using Windows = DesignerFixture;

// A page that counts how often the sheet has it load and store.
class CountingPage : public CPropertyPage {
public:
    explicit CountingPage(const QString& title) : CPropertyPage(title) {}
    void Load() override { ++nLoads; }
    bool Store() override {
        ++nStores;
        return bStoreSucceeds;
    }
    int nLoads = 0;
    int nStores = 0;
    bool bStoreSucceeds = true;
};

QRect Available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

QRect Screen() {
    return QGuiApplication::primaryScreen()->geometry();
}

// A lookup that finds Firefox and Chromium and nothing else.
std::string TwoBrowsers(const std::string& program) {
    return program == "firefox" || program == "chromium" ? "/usr/bin/" + program : "";
}

QStringList MenuEntries(QMenu& menu) {
    emit menu.aboutToShow();
    QStringList entries;
    for (QAction* pAction : menu.actions())
        entries << (pAction->isSeparator()
                        ? QStringLiteral("|")
                        : pAction->text() + "=" + QString::number(pAction->data().toUInt()));
    return entries;
}

} // namespace

TEST_F(Windows, DialogHoldsTheAppletSheetWithItsTwoPagesAndNoButtons) {
    EXPECT_EQ(dialog().windowTitle(), "Button Properties");
    // No OK or Cancel: the pages' own buttons are all there is.
    for (QPushButton* pButton : dialog().findChildren<QPushButton*>()) {
        EXPECT_NE(pButton->text(), "OK");
        EXPECT_NE(pButton->text(), "Cancel");
    }
    EXPECT_TRUE(dialog().findChildren<QDialogButtonBox*>().isEmpty());
    CAppletPropertySheet& sheet = dialog().AppletSheet();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_FALSE(dialog().MenuSheet().isVisible());
    ASSERT_EQ(sheet.count(), 2);
    EXPECT_EQ(sheet.tabText(0), "Applet Parameters");
    EXPECT_EQ(sheet.tabText(1), "Applet More");
    EXPECT_EQ(sheet.ActivePageIndex(), 0);
    EXPECT_EQ(dialog().MenuSheet().count(), 5);
    // The sheet fits, and the dialog fits the sheet.
    EXPECT_GE(sheet.width(), sheet.minimumSizeHint().width());
    EXPECT_TRUE(dialog().geometry().contains(sheet.mapTo(&dialog(), sheet.rect().bottomRight())));

    // Escape in the dialog is not a way out: only the close box is.
    QTest::keyClick(&dialog(), Qt::Key_Escape);
    EXPECT_TRUE(dialog().isVisible());
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().DesignWindow(), nullptr);
}

TEST_F(Windows, DesignWindowPaletteAndDialogOpenWhereTheDesignSaysAndCloseStoresThem) {
    dialog().close();
    // Plain, negative, and beyond the screen.
    applet().m_nWindowPos = {40, 50, -300, -20, 50000, 50000};
    OpenDesigner();
    const QRect work = Available();
    EXPECT_EQ(designWindow().pos(), work.topLeft() + QPoint(40, 50));
    EXPECT_EQ(palette().pos(), Screen().topLeft());
    EXPECT_EQ(dialog().pos(), Screen().bottomRight() + QPoint(1, 1) - QPoint(32, 32));
    EXPECT_EQ(view().size(), QSize(320, 120));

    designWindow().move(work.topLeft() + QPoint(70, 90));
    palette().move(work.topLeft() + QPoint(10, 300));
    dialog().move(work.topLeft() + QPoint(400, 20));
    QCoreApplication::processEvents();
    dialog().close();
    EXPECT_EQ(applet().m_nWindowPos, (std::array<int, 6>{70, 90, 10, 300, 400, 20}));
}

TEST_F(Windows, ResizingTheDesignWindowResizesTheAppletAndTheAppletPageReloads) {
    auto* pPage = new CountingPage("Applet Parameters");
    dialog().AppletSheet().ReplacePage(CAppletPropertySheet::pageParameters, pPage);
    const int nLoadsBefore = pPage->nLoads;

    designWindow().resize(400, 150);
    QCoreApplication::processEvents();
    EXPECT_EQ(view().size(), QSize(400, 150));
    EXPECT_EQ(applet().m_nWidth, 400);
    EXPECT_EQ(applet().m_nHeight, 150);
    EXPECT_GT(pPage->nLoads, nLoadsBefore);
    EXPECT_NE(widget().GetHTMLBody(HtmlMode::Publish).find("width=\"400\" height=\"150\""),
              std::string::npos);

    // And the other way: the applet's size given to the window, without moving it.
    const QPoint at = designWindow().pos();
    applet().m_nWidth = 250;
    applet().m_nHeight = 90;
    designWindow().FitToApplet();
    QCoreApplication::processEvents();
    EXPECT_EQ(view().size(), QSize(250, 90));
    EXPECT_EQ(designWindow().pos(), at);
}

TEST_F(Windows, PaletteShowsEveryCommandButtonInOrderWithIconTooltipAndPrompt) {
    QGuiApplication::clipboard()->clear();
    designWindow().UpdateCommandStates();
    EXPECT_EQ(palette().windowTitle(), "Palette");
    EXPECT_FALSE(palette().windowFlags() & Qt::WindowCloseButtonHint);
    const QList<QAction*> actions = palette().ToolBar().actions();
    const auto layout = CCommandTable::ToolBarLayout();
    ASSERT_EQ(size_t(actions.size()), layout.size());
    for (size_t i = 0; i < layout.size(); ++i) {
        QAction* pAction = actions[qsizetype(i)];
        if (layout[i] == kSeparator) {
            EXPECT_TRUE(pAction->isSeparator()) << i;
            continue;
        }
        const CDesignCommand* pCommand = CCommandTable::Find(layout[i]);
        EXPECT_FALSE(pAction->icon().isNull()) << layout[i];
        EXPECT_EQ(pAction->toolTip().toStdString(), pCommand->Tooltip()) << layout[i];
        EXPECT_EQ(pAction->statusTip().toStdString(), pCommand->Prompt()) << layout[i];
        // With nothing selected, copied or done yet, only the tools, the preview and the help
        // can run; the rest are there, disabled.
        const bool bWorks = layout[i] == ID_TOOL_SELECT || layout[i] == ID_TOOL_BUTTON ||
                            layout[i] == ID_PREVIEW || layout[i] == ID_HELP_FINDER;
        EXPECT_EQ(pAction->isEnabled(), bWorks) << layout[i];
        // Every button is shown: nothing hides in an overflow menu.
        QWidget* pButton = palette().ToolBar().widgetForAction(pAction);
        ASSERT_NE(pButton, nullptr);
        EXPECT_TRUE(pButton->isVisible()) << layout[i];
    }
    EXPECT_TRUE(palette().Button(ID_TOOL_SELECT)->isChecked());
    EXPECT_EQ(palette().Button(ID_PREVIEW)->popupMode(), QToolButton::MenuButtonPopup);

    // The prompt of the button under the pointer shows in the palette's status line.
    QStatusTipEvent tip(palette().Button(ID_ALIGN_LEFT)->statusTip());
    QCoreApplication::sendEvent(palette().Button(ID_ALIGN_LEFT), &tip);
    EXPECT_EQ(palette().statusBar()->currentMessage(),
              "Aligns left edges of the selected buttons with the first button");

    // The window manager's close does not close it; the palette stays with its window.
    QCloseEvent close;
    close.setAccepted(true);
    QCoreApplication::sendEvent(&palette(), &close);
    EXPECT_TRUE(palette().isVisible());
}

TEST_F(Windows, BrowserDropDownListsBrowsersAndASeparatorOnlyBeforeSpecifiedOnes) {
    designWindow().SetBrowserLookup(&TwoBrowsers);
    QMenu& menu = designWindow().BrowserMenu();
    EXPECT_EQ(MenuEntries(menu), (QStringList{"Firefox=32806", "Chromium=32807"}));

    WriteProfileString("Specify Browser", "BrowserNum", "1");
    WriteProfileString("Specify Browser", "Path1", "/opt/mine/browser");
    WriteProfileString("Specify Browser", "Name1", "Mine");
    EXPECT_EQ(MenuEntries(menu),
              (QStringList{"Firefox=32806", "Chromium=32807", "|", "Mine=32809"}));

    // Choosing one writes the page into the run's scratch folder and starts that browser.
    ExpectUi ui;
    const std::string page = scratch.file("preview.htm");
    ui.Expect(UiAnswer::Program().WithText("/opt/mine/browser"));
    menu.actions().back()->trigger();
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].arguments, std::vector<std::string>{page});
    EXPECT_TRUE(FileExists(page));
    EXPECT_EQ(ReadFileBytes(scratch.file("tlwbtn.class")),
              ReadFileBytes(ProgramDir() + "/tlwbtn.class"));

    // The button itself opens the default browser.
    ui.Expect(UiAnswer::Document().WithText(page));
    QTest::mouseClick(palette().Button(ID_PREVIEW), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(ui.calls().size(), 2u);
}

TEST_F(Windows, MenuSheetPagesFollowThePageProtocolAndSetTheCanvasState) {
    CMenuPropertySheet& sheet = dialog().MenuSheet();
    std::vector<CountingPage*> pages;
    for (const char* title : {"Label", "Normal", "Mouse Over", "Clicked", "Hint "}) {
        pages.push_back(new CountingPage(title));
        sheet.ReplacePage(int(pages.size()) - 1, pages.back());
    }
    EXPECT_EQ(view().Core().CurrentDrawState(), pageLabel);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, {30, 60});
    ASSERT_TRUE(dialog().IsMenuSheetShown());
    // The release brought the sheet to the front and had its page load the button.
    EXPECT_EQ(pages[pageLabel]->nLoads, 2);

    sheet.SetActivePage(pageMouseOver);
    EXPECT_EQ(pages[pageLabel]->nStores, 1);
    EXPECT_EQ(pages[pageMouseOver]->nLoads, 1);
    EXPECT_EQ(view().Core().CurrentDrawState(), pageMouseOver);

    // A page whose values fail their check stays in front.
    pages[pageMouseOver]->bStoreSucceeds = false;
    sheet.SetActivePage(pageHint);
    EXPECT_EQ(sheet.ActivePageIndex(), pageMouseOver);

    // Closing stores the page in front while the canvas is still there.
    pages[pageMouseOver]->bStoreSucceeds = true;
    const int nStores = pages[pageMouseOver]->nStores;
    dialog().close();
    EXPECT_EQ(pages[pageMouseOver]->nStores, nStores + 1);
}
