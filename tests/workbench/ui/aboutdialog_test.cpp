// The About box: its link labels (colours while the mouse is over them, the held mouse, the
// visited colour after an opening that worked) and the credits scroller (its speed, one
// pixel per tick, the lines coming round again).

#include "tests/workbench/ui/workbenchfixture.h"

#include <QLabel>
#include <QMouseEvent>

#include "workbench/aboutdialog.h"
#include "workbench/core/aboutdata.h"
#include "workbench/core/commandids.h"
#include "workbench/creditsscroller.h"
#include "workbench/linklabel.h"

using namespace tb;
using namespace tb::test;

namespace {

const QColor kNormal(0, 0, 255);
const QColor kVisited(0, 0, 128);
const QColor kHover(255, 0, 0);

// A move of the pointer with no button down, as the window system delivers it to w (the
// widget under the pointer, or the one holding the mouse).
void MovePointer(QWidget& w, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

class AboutBox : public WorkbenchFixture {
protected:
    void SetUp() override { Start(); }
    void TearDown() override { Exit(); }
};

} // namespace

TEST_F(AboutBox, ShowsTheInstallationsAddressesAsLinksAndThePostalAddress) {
    CAboutDlg dialog(InstallationAboutData(), &Frame());
    EXPECT_EQ(dialog.windowTitle(), "About Ambrel Brisko");
    EXPECT_EQ(dialog.WebLink().text().toStdString(), InstallationAboutData().webAddress);
    EXPECT_EQ(dialog.MailLink().Target().toStdString(),
              "mailto:" + InstallationAboutData().supportMail);
    EXPECT_TRUE(dialog.WebLink().font().underline());
    EXPECT_EQ(dialog.WebLink().cursor().shape(), Qt::ArrowCursor);
    QStringList texts;
    for (const QLabel* pLabel : dialog.findChildren<QLabel*>())
        texts << pLabel->text();
    for (const char* caption : {"Web:", "Tech Support:", "Postal Mail:"})
        EXPECT_TRUE(texts.contains(caption)) << caption;
    EXPECT_TRUE(texts.contains(QString::fromStdString(InstallationAboutData().postalAddress)));
}

TEST_F(AboutBox, ALinkHoldsTheMouseWhileOverItAndTurnsVisitedOnlyWhenItOpened) {
    CAboutDlg dialog(InstallationAboutData(), &Frame());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    CLinkLabel& link = dialog.WebLink();
    EXPECT_EQ(link.CurrentColor(), kNormal);

    MovePointer(link, link.rect().center());
    EXPECT_TRUE(link.IsHovering());
    EXPECT_EQ(link.CurrentColor(), kHover);
    EXPECT_EQ(link.palette().color(QPalette::WindowText), kHover);
    EXPECT_EQ(QWidget::mouseGrabber(), &link);

    // Held, the link hears of the pointer leaving however far it went.
    MovePointer(link, QPoint(-40, link.height() + 30));
    EXPECT_FALSE(link.IsHovering());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(link.CurrentColor(), kNormal);

    // Nothing could open the address: the link stays unvisited.
    ui.Expect(UiAnswer::Document(false).WithText(InstallationAboutData().webAddress));
    QTest::mouseClick(&link, Qt::LeftButton, {}, link.rect().center());
    EXPECT_FALSE(link.IsVisited());
    ui.Expect(UiAnswer::Document(true).WithText(InstallationAboutData().webAddress));
    QTest::mouseClick(&link, Qt::LeftButton, {}, link.rect().center());
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(link.CurrentColor(), kVisited);

    // The mail link by the keyboard.
    ui.Expect(UiAnswer::Document(true).WithText("mailto:" + InstallationAboutData().supportMail));
    dialog.MailLink().setFocus();
    QTest::keyClick(&dialog.MailLink(), Qt::Key_Space);
    EXPECT_TRUE(dialog.MailLink().IsVisited());
    dialog.hide();
}

TEST_F(AboutBox, TheCreditsScrollOnePixelPerTickAndComeRoundAgain) {
    CAboutDlg dialog(InstallationAboutData(), &Frame());
    CCreditsScroller& credits = dialog.Credits();
    EXPECT_EQ(credits.Interval(), 5);
    ASSERT_GT(credits.Lines().size(), 10u);
    EXPECT_EQ(credits.Lines().front().style, CCreditLine::Title);
    EXPECT_EQ(credits.Lines()[3].style, CCreditLine::Bitmap);

    // The first line starts just below the box and climbs one pixel per step.
    EXPECT_EQ(credits.LineTop(0), credits.height());
    const int nSecond = credits.LineTop(1);
    credits.Step();
    credits.Step();
    EXPECT_EQ(credits.LineTop(0), credits.height() - 2);
    EXPECT_EQ(credits.LineTop(1), nSecond - 2);
    // The picture takes its own height, more than a line of text.
    EXPECT_GT(credits.LineTop(4) - credits.LineTop(3), credits.LineTop(2) - credits.LineTop(1));

    // Once the last line has gone past the top, the first comes up from below again.
    const int nRound = credits.ContentHeight() + credits.height();
    for (int i = 2; i < nRound; ++i)
        credits.Step();
    EXPECT_EQ(credits.Offset(), 0);
    EXPECT_EQ(credits.LineTop(0), credits.height());

    // The timer runs only while the box is shown.
    EXPECT_FALSE(credits.IsScrolling());
    dialog.show();
    EXPECT_TRUE(credits.IsScrolling());
    EXPECT_TRUE(QTest::qWaitFor([&] { return credits.Offset() > 3; }, 2000));
    dialog.hide();
    EXPECT_FALSE(credits.IsScrolling());
}

TEST_F(AboutBox, TheHelpMenusAboutOpensIt) {
    const CDialogDriver driver("About Ambrel Brisko",
                               [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Action(ID_APP_ABOUT)->trigger();
    EXPECT_TRUE(driver.Seen());
}
