// The designer's help: every template's page opens in the one help window, F1 and the Help
// buttons pick the page of where the user is, the palette's Help Topics opens the index, a
// page taken away gives the message, and the help folder holds what its pages refer to.

#include "tests/designer/ui/designerfixture.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextBrowser>
#include <QToolButton>

#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgfont.h"
#include "designer/ui/dlgitemstate.h"
#include "designer/ui/dlgmenustyle.h"
#include "designer/ui/menupropertysheet.h"
#include "model/ui/appletpropertysheet.h"
#include "platform/surface/qt/qtrect.h"
#include "platform/ui/qt/helpwindow.h"
#include "tests/designer/ui/pagedriver.h"
#include "tests/support/scriptedui.h"

using namespace tb;
using namespace tb::test;

namespace {

const std::pair<unsigned, const char*> kTopics[] = {
    {4005, "dmore.htm"},     {103, "dapplet.htm"},    {151, "daudio.htm"},  {611, "dviewfile.htm"},
    {4006, "dcopyfile.htm"}, {139, "dfont.htm"},      {150, "dimage.htm"},  {148, "dclick.htm"},
    {4004, "dhint.htm"},     {147, "dmouseover.htm"}, {144, "dnormal.htm"}, {141, "dmenu.htm"},
    {4003, "dapplet.htm"},
};

QString ShownPage() {
    CHelpWindow* pWindow = CHelpWindow::Existing();
    return pWindow && pWindow->isVisible() ? pWindow->CurrentPage() : QString();
}

class Help : public DesignerFixture {
protected:
    void SetUp() override {
        SetHelpFolder(ProgramDir() + "/TesseraBrisko.help");
        DesignerFixture::SetUp();
    }
    void TearDown() override {
        DesignerFixture::TearDown();
        SetHelpFolder("");
    }
    // F1 with the focus in the box, in the active dialog (the help window took the
    // activation when it came up).
    void PressF1(QWidget& box) {
        ASSERT_TRUE(Activate(dialog()));
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_F1);
    }
};

} // namespace

TEST_F(Help, EveryTemplateOpensItsPageInTheOneHelpWindow) {
    ExpectUi ui; // no message for any of them
    CHelpWindow* pWindow = nullptr;
    for (const auto& [nTemplate, page] : kTopics) {
        EXPECT_EQ(DesignerHelpTopic(nTemplate), page);
        ASSERT_TRUE(ShowDesignerHelp(nTemplate)) << page;
        EXPECT_EQ(ShownPage(), page);
        if (!pWindow)
            pWindow = CHelpWindow::Existing();
        EXPECT_EQ(CHelpWindow::Existing(), pWindow);
        // A real page: it has a title, and it is more than a line.
        EXPECT_FALSE(pWindow->Browser().documentTitle().isEmpty()) << page;
        EXPECT_GT(pWindow->Browser().toPlainText().size(), 400) << page;
    }
    // Back, forward and the index.
    ASSERT_TRUE(pWindow->BackAction().isEnabled());
    pWindow->BackAction().trigger();
    EXPECT_EQ(pWindow->CurrentPage(), "dmenu.htm");
    ASSERT_TRUE(pWindow->ForwardAction().isEnabled());
    pWindow->ForwardAction().trigger();
    EXPECT_EQ(pWindow->CurrentPage(), "dapplet.htm");
    pWindow->IndexAction().trigger();
    EXPECT_EQ(pWindow->CurrentPage(), "index.htm");

    // A template without a page opens nothing and says nothing.
    EXPECT_FALSE(ShowDesignerHelp(4007));
    EXPECT_EQ(pWindow->CurrentPage(), "index.htm");
}

TEST_F(Help, APageTakenAwayGivesTheMessageWithTheStopIcon) {
    TempDir folder;
    const QDir source(QString::fromStdString(ProgramDir() + "/TesseraBrisko.help"));
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name != "dmenu.htm")
            QFile::copy(source.filePath(name),
                        QString::fromStdString(folder.file(name.toStdString())));
    }
    SetHelpFolder(folder.path());
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("帮助文件没有找到."));
    EXPECT_FALSE(ShowDesignerHelp(IDD_LABEL));
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].icon, MbIcon::Stop);
    EXPECT_TRUE(ShowDesignerHelp(IDD_NORMAL));
    EXPECT_EQ(ShownPage(), "dnormal.htm");

    // No help folder at all: the same message.
    SetHelpFolder(folder.file("nowhere"));
    ui.Expect(UiAnswer::Message(IDOK).WithText("帮助文件没有找到."));
    EXPECT_FALSE(ShowDesignerHelpIndex());
}

TEST_F(Help, F1AndTheHelpButtonsOpenThePageOfWhereTheUserIs) {
    ExpectUi ui;
    Click(ToQRect(button(0)->bounds).center());
    ASSERT_TRUE(dialog().IsMenuSheetShown());
    auto& label = dynamic_cast<CDlgMenuStyle&>(*dialog().MenuSheet().Page(pageLabel));
    PressF1(label.LabelBox());
    EXPECT_EQ(ShownPage(), "dmenu.htm");

    dialog().MenuSheet().SetActivePage(pageMouseOver);
    auto& over = dynamic_cast<CDlgItemState&>(*dialog().MenuSheet().Page(pageMouseOver));
    PressF1(over.TextAlignList());
    EXPECT_EQ(ShownPage(), "dmouseover.htm");

    // The sheet's Help button answers for the page in front.
    dialog().MenuSheet().SetActivePage(pageHint);
    auto* pHelp = qobject_cast<QToolButton*>(dialog().MenuSheet().cornerWidget());
    ASSERT_NE(pHelp, nullptr);
    EXPECT_EQ(pHelp->text(), "Help");
    QTest::mouseClick(pHelp, Qt::LeftButton);
    EXPECT_EQ(ShownPage(), "dhint.htm");

    // The applet's sheet, page by page, also when a page is put in later in another's place.
    dialog().ShowAppletSheet();
    PressF1(dialog().AppletSheet());
    EXPECT_EQ(ShownPage(), "dapplet.htm");
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageMore);
    PressF1(*dialog().AppletSheet().ActivePage());
    EXPECT_EQ(ShownPage(), "dmore.htm");
    dialog().AppletSheet().ReplacePage(CAppletPropertySheet::pageMore,
                                       new CPropertyPage("Applet More"));
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageParameters);
    dialog().AppletSheet().SetActivePage(CAppletPropertySheet::pageMore);
    PressF1(*dialog().AppletSheet().ActivePage());
    EXPECT_EQ(ShownPage(), "dmore.htm");

    // The font dialog's Help button, while the dialog is open.
    OnNextModal<CDlgFont>([](CDlgFont& font) {
        QTest::mouseClick(font.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help),
                          Qt::LeftButton);
        EXPECT_EQ(ShownPage(), "dfont.htm");
        // The help window stays usable beside the modal dialog: it belongs to it.
        EXPECT_EQ(CHelpWindow::Existing()->parentWidget(), &font);
        font.reject();
    });
    dialog().ShowMenuSheet();
    dialog().MenuSheet().SetActivePage(pageNormal);
    auto& normal = dynamic_cast<CDlgItemState&>(*dialog().MenuSheet().Page(pageNormal));
    QTest::mouseClick(&normal.FontButton(), Qt::LeftButton);
    // It went with the font dialog, as the designer is not modal here.
    EXPECT_EQ(ShownPage(), "");
    EXPECT_EQ(ui.calls().size(), 0u);
}

TEST_F(Help, PalettesHelpTopicsOpensTheIndex) {
    QToolButton* pTopics = palette().Button(ID_HELP_FINDER);
    ASSERT_NE(pTopics, nullptr);
    EXPECT_TRUE(pTopics->isEnabled());
    QTest::mouseClick(pTopics, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(ShownPage(), "index.htm");
}

TEST_F(Help, EveryPageLinksAndShowsOnlyWhatTheFolderHolds) {
    const QDir folder(QString::fromStdString(ProgramDir() + "/TesseraBrisko.help"));
    const QRegularExpression reference(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
    QStringList pages = folder.entryList({"*.htm"}, QDir::Files);
    EXPECT_GE(pages.size(), 13);
    for (const QString& page : pages) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_TRUE(html.contains("<title>")) << page.toStdString();
        for (const QRegularExpressionMatch& match : reference.globalMatch(html))
            EXPECT_TRUE(folder.exists(match.captured(1)))
                << page.toStdString() << " refers to " << match.captured(1).toStdString();
    }
    // The index lists every topic.
    QFile index(folder.filePath("index.htm"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(index.readAll());
    for (const auto& [nTemplate, page] : kTopics)
        EXPECT_TRUE(html.contains(QString("href=\"%1\"").arg(page))) << page;
}
