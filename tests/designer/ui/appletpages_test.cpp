// The applet's two pages driven as a user does: the size, background and border with the
// design window following the size both ways, and the background files, web path, image
// placement and loading message.

#include "tests/designer/ui/designerfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "designer/ui/dlgappletmore.h"
#include "designer/ui/dlgappletparam.h"
#include "designer/ui/dlgmediafiles.h"
#include "model/ui/appletpropertysheet.h"
#include "model/ui/colorbutton.h"
#include "model/ui/spinedit.h"
#include "model/ui/stylecontrols.h"
#include "tests/designer/ui/pagedriver.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

class AppletPages : public DesignerFixture {
protected:
    CDlgAppletParam& parameters() {
        auto* pPage = dynamic_cast<CDlgAppletParam*>(
            dialog().AppletSheet().Page(CAppletPropertySheet::pageParameters));
        EXPECT_NE(pPage, nullptr);
        return *pPage;
    }
    CDlgAppletMore& more() {
        auto* pPage = dynamic_cast<CDlgAppletMore*>(
            dialog().AppletSheet().Page(CAppletPropertySheet::pageMore));
        EXPECT_NE(pPage, nullptr);
        return *pPage;
    }
    CDlgAppletMore& ShowMore() {
        dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageMore);
        QCoreApplication::processEvents();
        return more();
    }
};

} // namespace

TEST_F(AppletPages, ParametersPageShowsTheAppletAndStoresEveryChangeWithTheName) {
    CDlgAppletParam& page = parameters();
    EXPECT_EQ(page.WidthBox().text(), "320");
    EXPECT_EQ(page.HeightBox().text(), "120");
    EXPECT_EQ(page.ThickBox().text(), QString::number(applet().m_nBorderThick));
    EXPECT_EQ(page.Background().FirstButton().Color(), applet().m_crBack);
    // The alignment is carried, never offered.
    EXPECT_FALSE(page.AlignList().isVisible());
    applet().m_nAlign = 2;
    applet().m_strName = "Renamed";
    page.Load();

    Retype(&page.ThickBox(), "4");
    EXPECT_EQ(applet().m_nBorderThick, 4);
    EXPECT_EQ(applet().m_strName, "Brisko");
    EXPECT_EQ(applet().m_nAlign, 2);

    QTest::mouseClick(&page.Background().BlackWhiteButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_crBack, RGB(0, 0, 0));
    EXPECT_EQ(applet().m_crFade, RGB(255, 255, 255));
    QTest::mouseClick(&page.Background().SwapButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_crBack, RGB(255, 255, 255));
    EXPECT_EQ(applet().m_crFade, RGB(0, 0, 0));

    ExpectUi ui;
    ui.Expect(UiAnswer::Color(RGB(0, 128, 0)));
    QTest::mouseClick(&page.Border().ColorButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_crBorder, RGB(0, 128, 0));
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(AppletPages, AZeroWidthIsRefusedAndNothingOfThePageIsStored) {
    CDlgAppletParam& page = parameters();
    // The model moves on behind the page's back: a refused Store must not put it back.
    applet().m_nBorderThick = 7;
    const QSize before = view().size();
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please enter an integer between 1 and 1200."));
    Retype(&page.WidthBox(), "0");
    EXPECT_EQ(applet().m_nWidth, 320);
    EXPECT_EQ(applet().m_nBorderThick, 7);
    EXPECT_EQ(view().size(), before);
    Retype(&page.WidthBox(), "150");
    EXPECT_EQ(applet().m_nWidth, 150);
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(AppletPages, TypingASizeResizesTheDesignWindowAndDraggingItUpdatesThePage) {
    CDlgAppletParam& page = parameters();
    ASSERT_TRUE(Activate(dialog()));
    const QPoint at = designWindow().pos();
    Retype(&page.WidthBox(), "260");
    Retype(&page.HeightBox(), "90");
    QCoreApplication::processEvents();
    EXPECT_EQ(view().size(), QSize(260, 90));
    EXPECT_EQ(designWindow().pos(), at);
    // The page keeps the keyboard: the design window is not brought forward.
    EXPECT_EQ(QApplication::activeWindow(), &dialog());
    EXPECT_TRUE(page.HeightBox().hasFocus());

    designWindow().resize(380, 140);
    QCoreApplication::processEvents();
    EXPECT_EQ(applet().m_nWidth, 380);
    EXPECT_EQ(page.WidthBox().text(), "380");
    EXPECT_EQ(page.HeightBox().text(), "140");
}

TEST_F(AppletPages, WebPathTakesForwardSlashesAndOneTrailingSlash) {
    CDlgAppletMore& page = ShowMore();
    ASSERT_TRUE(Activate(dialog()));
    Retype(&page.WebPathBox(), "a\\b");
    EXPECT_EQ(applet().m_strWebPath, "a/b/");
    // Leaving the box shows the stored text.
    page.LoadingMessageBox().setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(page.WebPathBox().text(), "a/b/");

    Retype(&page.WebPathBox(), "a/b/");
    EXPECT_EQ(applet().m_strWebPath, "a/b/");
    Retype(&page.WebPathBox(), "img\\\\x");
    EXPECT_EQ(applet().m_strWebPath, "img//x/");
    Retype(&page.WebPathBox(), "");
    page.LoadingMessageBox().setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(applet().m_strWebPath, "");
    EXPECT_EQ(page.WebPathBox().text(), "");
}

TEST_F(AppletPages, TileDisablesThePlaceButKeepsItAndTheCarriedPathsGoBackUnchanged) {
    applet().m_nImageX = 30;
    applet().m_nImageY = 40;
    applet().m_strWebPathBackImage = "pics/";
    applet().m_strWebPathBackAudio = "snd/";
    applet().m_strResourceFolder = "Res/";
    CDlgAppletMore& page = ShowMore();
    EXPECT_TRUE(page.SpecifyButton().isChecked());
    EXPECT_TRUE(page.XBox().isEnabled());

    QTest::mouseClick(&page.TileButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_nImageDisplay, 1);
    EXPECT_FALSE(page.XBox().isEnabled());
    EXPECT_FALSE(page.YBox().isEnabled());
    EXPECT_EQ(applet().m_nImageX, 30);
    EXPECT_EQ(applet().m_nImageY, 40);

    QTest::mouseClick(&page.SpecifyButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_nImageDisplay, 0);
    EXPECT_TRUE(page.YBox().isEnabled());
    Retype(&page.YBox(), "55");
    Retype(&page.LoadingMessageBox(), "Wait ...");
    QTest::mouseClick(&page.ProgressBarBox(), Qt::LeftButton, {},
                      {8, page.ProgressBarBox().height() / 2});
    EXPECT_EQ(applet().m_nImageY, 55);
    EXPECT_EQ(applet().m_strLoadingMessage, "Wait ...");
    EXPECT_EQ(applet().m_bProgressBar, 0);
    EXPECT_EQ(applet().m_strWebPathBackImage, "pics/");
    EXPECT_EQ(applet().m_strWebPathBackAudio, "snd/");
    EXPECT_EQ(applet().m_strResourceFolder, "Res/");

    // Loading a tiled design greys the place at once.
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageParameters);
    applet().m_nImageDisplay = 1;
    ShowMore();
    EXPECT_TRUE(page.TileButton().isChecked());
    EXPECT_FALSE(page.XBox().isEnabled());
}

TEST_F(AppletPages, ThePlayerBoxShowsAndStoresTheStoredSwitch) {
    applet().m_bPlayer = 0;
    CDlgAppletMore& page = ShowMore();
    EXPECT_FALSE(page.PlayerBox().isChecked());
    QTest::mouseClick(&page.PlayerBox(), Qt::LeftButton, {}, {8, page.PlayerBox().height() / 2});
    EXPECT_EQ(applet().m_bPlayer, 1);
    QTest::mouseClick(&page.PlayerBox(), Qt::LeftButton, {}, {8, page.PlayerBox().height() / 2});
    EXPECT_EQ(applet().m_bPlayer, 0);

    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageParameters);
    applet().m_bPlayer = 1;
    ShowMore();
    EXPECT_TRUE(page.PlayerBox().isChecked());
}

TEST_F(AppletPages, TheChoosersOfferTheirFileTypesAndCancelChangesNothing) {
    CDlgAppletMore& page = ShowMore();
    ExpectUi ui;
    ui.Expect(UiAnswer::OpenFile("/pics/back.gif").WithText(kImageFilter));
    QTest::mouseClick(&page.ImageBrowseButton(), Qt::LeftButton);
    EXPECT_EQ(page.ImageBox().text(), "/pics/back.gif");
    EXPECT_EQ(applet().m_strBackImage, "/pics/back.gif");

    ui.Expect(UiAnswer::OpenFile("/snd/loop.au").WithText("Audio Files(*.au) | *.au"));
    QTest::mouseClick(&page.AudioBrowseButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_strBackAudio, "/snd/loop.au");

    ui.Expect(UiAnswer::Cancel(UiCallKind::GetOpenFileName));
    QTest::mouseClick(&page.ImageBrowseButton(), Qt::LeftButton);
    EXPECT_EQ(applet().m_strBackImage, "/pics/back.gif");
    EXPECT_EQ(ui.pending(), 0u);
}
