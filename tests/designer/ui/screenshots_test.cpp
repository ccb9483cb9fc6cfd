// Pictures of the designer for people to look at: a three-button design with one button
// selected, the palette, and the dialog with the applet's sheet, each as its own PNG and all
// three together as they stand on a desktop; the context menu over the design window with the
// palette's states after a selection, and again after spacing, a Ctrl+drag copy and an undo;
// the five pages of a selected button, the font, image and audio dialogs and the help
// window. Written into the build's screenshots folder.

#include "tests/designer/ui/designerfixture.h"

#include <QClipboard>
#include <QMenu>
#include <QTimer>

#include "designer/core/menupagevalues.h"
#include "designer/core/undosnapshot.h"
#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgfont.h"
#include "designer/ui/dlgmediafiles.h"
#include "designer/ui/menupropertysheet.h"
#include "model/ui/appletpropertysheet.h"
#include "platform/ui/qt/helpwindow.h"
#include "tests/support/screenshot.h"

using namespace tb;
using namespace tb::test;

namespace {

// The palette on top and below it the design window with its context menu open where the
// right button was pressed at `at`.
QImage DesktopWithContextMenu(CPreviewWnd& window, CPaletteWnd& palette, CDrawView& view,
                              QPoint at) {
    QImage menuShot;
    QImage windowShot;
    QImage paletteShot;
    QTimer::singleShot(0, [&] {
        auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!pMenu)
            return;
        QCoreApplication::processEvents();
        menuShot = pMenu->grab().toImage();
        windowShot = Framed(window);
        paletteShot = Framed(palette);
        pMenu->close();
    });
    QTest::mouseClick(&view, Qt::RightButton, {}, at);
    if (menuShot.isNull())
        return {};

    const int nGap = 16;
    const QPoint menuAt(nGap + 1 + at.x(), paletteShot.height() + 2 * nGap + 24 + at.y());
    const int nWidth = std::max({paletteShot.width() + 2 * nGap, windowShot.width() + 2 * nGap,
                                 menuAt.x() + menuShot.width() + nGap});
    const int nHeight = std::max(paletteShot.height() + windowShot.height() + 3 * nGap,
                                 menuAt.y() + menuShot.height() + nGap);
    QImage desktop(nWidth, nHeight, QImage::Format_RGB32);
    desktop.fill(QColor(0xd8, 0xdd, 0xe3));
    QPainter painter(&desktop);
    painter.drawImage(nGap, nGap, paletteShot);
    painter.drawImage(nGap, paletteShot.height() + 2 * nGap, windowShot);
    painter.drawImage(menuAt, menuShot);
    painter.end();
    return desktop;
}

// The same picture under the name its help page shows it by (scripts/update-help-pictures.sh
// copies these into the help folder's sources).
void SaveWithHelpCopy(const QImage& image, const char* name, const char* helpName) {
    QDir().mkpath(ShotPath("help"));
    EXPECT_TRUE(image.save(ShotPath(name)));
    EXPECT_TRUE(image.save(ShotPath("help/") + QLatin1String(helpName)));
}

} // namespace

TEST_F(DesignerFixture, ScreenshotsOfTheDesignerWithThreeButtons) {
    QTest::mouseClick(&view(), Qt::LeftButton, {}, {160, 60});
    ASSERT_EQ(applet().m_selection.size(), 1u);
    dialog().ShowAppletSheet();
    QCoreApplication::processEvents();

    const QImage windowShot = Framed(designWindow());
    const QImage paletteShot = Framed(palette());
    const QImage dialogShot = Framed(dialog());
    EXPECT_TRUE(windowShot.save(ShotPath("designer-window.png")));
    EXPECT_TRUE(paletteShot.save(ShotPath("designer-palette.png")));
    EXPECT_TRUE(dialogShot.save(ShotPath("designer-dialog.png")));

    // Together: the palette on top, the dialog below it on the left, the design window beside.
    const int nGap = 16;
    const int nWidth =
        std::max(paletteShot.width(), dialogShot.width() + nGap + windowShot.width()) + 2 * nGap;
    const int nHeight =
        paletteShot.height() + std::max(dialogShot.height(), windowShot.height()) + 3 * nGap;
    QImage desktop(nWidth, nHeight, QImage::Format_RGB32);
    desktop.fill(QColor(0xd8, 0xdd, 0xe3));
    QPainter painter(&desktop);
    painter.drawImage(nGap, nGap, paletteShot);
    const int nTop = paletteShot.height() + 2 * nGap;
    painter.drawImage(nGap, nTop, dialogShot);
    painter.drawImage(2 * nGap + dialogShot.width(), nTop, windowShot);
    painter.end();
    EXPECT_TRUE(desktop.save(ShotPath("designer.png")));
}

TEST_F(DesignerFixture, ScreenshotsOfTheContextMenuAndThePaletteAfterASelection) {
    QGuiApplication::clipboard()->clear();
    ResetUndoHistory(applet());
    Drag({160, 60}, {160, 70}); // a change to undo: News 10 lower
    // The right button on News: it alone is selected, nothing is on the clipboard.
    const QImage desktop =
        DesktopWithContextMenu(designWindow(), palette(), view(), QPoint(170, 70));
    ASSERT_FALSE(desktop.isNull());
    EXPECT_TRUE(desktop.save(ShotPath("designer-context-menu.png")));

    // Two selected: alignment and sizing come on, stacking goes off.
    QTest::mouseClick(&view(), Qt::LeftButton, Qt::ShiftModifier, {40, 60});
    ASSERT_EQ(applet().m_selection.size(), 2u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(palette()).save(ShotPath("designer-palette-two-selected.png")));
}

TEST_F(DesignerFixture, ScreenshotsAfterSpacingACtrlDragAndAnUndo) {
    QGuiApplication::clipboard()->clear();
    ResetUndoHistory(applet());
    // Contact pulled right, then all three spaced evenly across again.
    Drag({230, 60}, {240, 60});
    QTest::keyClick(&view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Right, Qt::AltModifier);
    // A copy of Home dragged below the row, the drag undone and redone: Undo and Paste on.
    Click({10, 10});
    Drag({30, 60}, {30, 95}, Qt::ControlModifier);
    ASSERT_EQ(applet().m_buttons.size(), 4u);
    QTest::keyClick(&view(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&view(), Qt::Key_Y, Qt::ControlModifier);
    ASSERT_EQ(applet().m_buttons.size(), 4u);
    QCoreApplication::processEvents();
    // The right button on the copy, which has the clipboard's buttons to paste.
    const QImage desktop =
        DesktopWithContextMenu(designWindow(), palette(), view(), QPoint(40, 100));
    ASSERT_FALSE(desktop.isNull());
    EXPECT_TRUE(desktop.save(ShotPath("designer-after-editing.png")));
}

namespace {

// A small button picture, as a user's image file would be.
std::string WriteButtonImage(const char* path, QColor top, QColor bottom) {
    QImage image(96, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 32);
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.setBrush(gradient);
    painter.setPen(bottom.darker(140));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 95, 31), 8, 8);
    painter.end();
    EXPECT_TRUE(image.save(QLatin1String(path)));
    return path;
}

} // namespace

TEST_F(DesignerFixture, ScreenshotsOfTheButtonPagesAndTheirDialogs) {
    CDrawRect* pNews = button(1);
    CMarquelItem& item = *pNews->menu->m_items.front();
    item.m_strUrl = "news.htm";
    item.m_strTarget = "_self";
    item.m_strDescription = "What is new on the site";
    item.m_pSubMenu->m_items.front()->m_strLabel = "Latest news";
    item.m_pSubMenu->m_items.front()->m_bVisible = 1;
    QTest::mouseClick(&view(), Qt::LeftButton, {}, {160, 60});
    ASSERT_EQ(applet().m_selection.size(), 1u);
    ASSERT_TRUE(dialog().IsMenuSheetShown());

    const char* const shots[] = {"menu-label.png", "menu-normal.png", "menu-mouseover.png",
                                 "menu-clicked.png", "menu-hint.png"};
    const char* const helpShots[] = {"dmenu.png", "dnormal.png", "dmouseover.png", "dclick.png",
                                     "dhint.png"};
    for (int i = 0; i < 5; ++i) {
        dialog().MenuSheet().SetActivePage(i);
        QCoreApplication::processEvents();
        SaveWithHelpCopy(Framed(dialog()), shots[i], helpShots[i]);
    }
    // The designer as it stands while a button is edited.
    dialog().MenuSheet().SetActivePage(pageLabel);
    QCoreApplication::processEvents();
    const QImage dialogShot = Framed(dialog());
    const QImage windowShot = Framed(designWindow());
    const int nGap = 16;
    QImage desktop(dialogShot.width() + windowShot.width() + 3 * nGap,
                   std::max(dialogShot.height(), windowShot.height()) + 2 * nGap,
                   QImage::Format_RGB32);
    desktop.fill(QColor(0xd8, 0xdd, 0xe3));
    QPainter painter(&desktop);
    painter.drawImage(nGap, nGap, dialogShot);
    painter.drawImage(2 * nGap + dialogShot.width(), nGap, windowShot);
    painter.end();
    SaveWithHelpCopy(desktop, "designer-button.png", "designer-button.png");

    CDlgFont font(LoadFont(pNews->menu->m_states[CMarquel::stateNormal]));
    font.show();
    SaveWithHelpCopy(Framed(font), "dialog-font.png", "dfont.png");

    // The site's pictures by names relative to the site's folder, so that the pictures of the
    // dialogs come out the same on every run.
    TempDir site;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(site.path())));
    QDir().mkpath("images");
    std::vector<CMediaFile> images{
        {WriteButtonImage("images/news.png", QColor(0x6a, 0x8c, 0xc8), QColor(0x2a, 0x4c, 0x88)),
         ""},
        {WriteButtonImage("images/news-over.png", QColor(0xf0, 0xc0, 0x60),
                          QColor(0xb0, 0x70, 0x10)),
         ""},
        {"", ""}};
    CDlgMediaFiles imageDialog(MediaKind::Images, images);
    imageDialog.show();
    SaveWithHelpCopy(Framed(imageDialog), "dialog-image.png", "dimage.png");

    CDlgMediaFiles audioDialog(MediaKind::Sounds, {{"sounds/news-over.au", ""}, {"", ""}});
    audioDialog.show();
    QDir::setCurrent(before);
    SaveWithHelpCopy(Framed(audioDialog), "dialog-audio.png", "daudio.png");
}

TEST_F(DesignerFixture, ScreenshotOfTheHelpWindow) {
    SetHelpFolder(ProgramDir() + "/TesseraBrisko.help");
    ASSERT_TRUE(ShowDesignerHelp(IDD_LABEL));
    CHelpWindow* pWindow = CHelpWindow::Existing();
    ASSERT_NE(pWindow, nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(*pWindow).save(ShotPath("help-window.png")));
    pWindow->IndexAction().trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(*pWindow).save(ShotPath("help-index.png")));
    pWindow->close();
    SetHelpFolder("");
}

TEST_F(DesignerFixture, ScreenshotsOfTheAppletPages) {
    applet().m_strBackImage = "/home/user/site/pics/back.gif";
    applet().m_strWebPath = "images/buttons/";
    dialog().ShowAppletSheet();
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageParameters);
    QCoreApplication::processEvents();
    SaveWithHelpCopy(Framed(dialog()), "applet-parameters.png", "dapplet.png");
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageMore);
    QCoreApplication::processEvents();
    SaveWithHelpCopy(Framed(dialog()), "applet-more.png", "dmore.png");
}
