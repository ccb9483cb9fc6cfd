// "Copy Resources" and "Browse Files" on real temporary folders: one row per source, renaming
// one row or all of them, OK copying and rewriting (and what it does when a copy fails),
// closing without OK, and a widget file saved with two images of the same name.

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "designer/ui/dlgbrowsefiles.h"
#include "designer/ui/dlgcopyresources.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"
#include "platform/com/interfaceptr.h"
#include "platform/core/paths.h"
#include "tests/designer/ui/pagedriver.h"
#include "tests/support/screenshot.h"
#include "tests/support/scriptedui.h"
#include "tests/support/tempdir.h"
#include "tests/support/widgetapp.h"

using namespace tb;
using namespace tb::test;

namespace {

class CopyResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }

    void SetUp() override {
        for (const char* pszFolder : {"a", "b", "dest"})
            QDir().mkpath(QString::fromStdString(dir.file(pszFolder)));
        dest = dir.file("dest") + "/";
    }

    // A file with its own content, so that copies can be told apart.
    std::string Source(const std::string& name) {
        WriteFileBytes(dir.file(name), "bytes of " + name);
        return dir.file(name);
    }

    std::unique_ptr<CDlgCopyResources> Open(std::vector<std::string*> references) {
        auto pDialog = std::make_unique<CDlgCopyResources>(dest);
        for (std::string* pReference : references)
            pDialog->AddReference(pReference);
        pDialog->SetClock([] { return std::time_t(1000); });
        pDialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(pDialog.get()));
        return pDialog;
    }

    static QString Name(CDlgCopyResources& dialog, int nRow) {
        return dialog.List().topLevelItem(nRow)->text(0);
    }

    // Selects the row, presses "Rename" and types the name into the box that opens.
    static void TypeName(CDlgCopyResources& dialog, int nRow, const QString& name) {
        dialog.List().setCurrentItem(dialog.List().topLevelItem(nRow));
        QTest::mouseClick(&dialog.RenameButton(), Qt::LeftButton);
        auto* pEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(pEditor, nullptr);
        pEditor->selectAll();
        QTest::keyClicks(pEditor, name);
        QTest::keyClick(pEditor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    TempDir dir;
    std::string dest;
};

std::string Hex4(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", n);
    return text;
}

} // namespace

TEST_F(CopyResources, TwoReferencesToOneSourceGiveOneRowAndBothPointAtTheOneCopy) {
    const std::string pic = Source("b/pic.gif");
    WriteFileBytes(dest + "pic.gif", "the other pic.gif");
    std::string first = pic, second = pic, logo = Source("a/logo.gif");
    auto pDialog = Open({&first, &logo, &second});
    EXPECT_EQ(pDialog->windowTitle(), "Copy Resources");
    EXPECT_EQ(pDialog->ReferenceCount(), 3);
    EXPECT_EQ(pDialog->DestinationText().text(),
              QString::fromStdString("Destination Directory: " + dest));
    QTreeWidget& list = pDialog->List();
    EXPECT_EQ(list.headerItem()->text(0), "Destination File Name");
    EXPECT_EQ(list.headerItem()->text(1), "Resource File");
    EXPECT_GT(list.columnWidth(1), list.columnWidth(0) + 100);
    ASSERT_EQ(list.topLevelItemCount(), 2);
    EXPECT_EQ(Name(*pDialog, 0), "logo.gif");
    EXPECT_EQ(list.topLevelItem(1)->text(1), QString::fromStdString(pic));
    EXPECT_FALSE(pDialog->BrowseButton().isVisible());

    QTest::mouseClick(&pDialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(pDialog->result(), QDialog::Accepted);
    EXPECT_EQ(first, dest + "pic.gif");
    EXPECT_EQ(second, dest + "pic.gif");
    EXPECT_EQ(logo, dest + "logo.gif");
    // Not renamed: the file of that name is replaced, as the dialog warned.
    EXPECT_EQ(ReadFileBytes(dest + "pic.gif"), "bytes of b/pic.gif");
}

TEST_F(CopyResources, RenameRefusesUsedExistingAndNonPlainNamesAndTakesAFreshOne) {
    std::string logo = Source("a/logo.gif"), pic = Source("b/pic.gif");
    WriteFileBytes(dest + "taken.gif", "x");
    auto pDialog = Open({&pic, &logo});
    ExpectUi ui;
    pDialog->List().setCurrentItem(nullptr);
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a file to rename!"));
    QTest::mouseClick(&pDialog->RenameButton(), Qt::LeftButton);

    // Row 0 is logo.gif, row 1 pic.gif.
    ui.Expect(UiAnswer::Message(IDOK).WithText("New name has been used!"));
    TypeName(*pDialog, 0, "pic.gif");
    ui.Expect(UiAnswer::Message(IDOK).WithText("New name has been used!"));
    TypeName(*pDialog, 0, "logo.gif");
    ui.Expect(UiAnswer::Message(IDOK).WithText("This file has already existed!"));
    TypeName(*pDialog, 0, "taken.gif");
    // A name that would put the copy elsewhere is no name for it.
    for (const char* pszName : {"../escape.gif", "sub/x.gif", "..", "."}) {
        ui.Expect(UiAnswer::Message(IDOK).WithText("New name has been used!"));
        TypeName(*pDialog, 0, pszName);
    }
    EXPECT_EQ(Name(*pDialog, 0), "logo.gif");
    TypeName(*pDialog, 0, "logo2.gif");
    EXPECT_EQ(Name(*pDialog, 0), "logo2.gif");
    EXPECT_EQ(ui.pending(), 0u);

    // Escape leaves the name alone without a word.
    pDialog->List().setCurrentItem(pDialog->List().topLevelItem(1));
    QTest::mouseClick(&pDialog->RenameButton(), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "other.gif");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(Name(*pDialog, 1), "pic.gif");

    QTest::mouseClick(&pDialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(logo, dest + "logo2.gif");
    EXPECT_EQ(ReadFileBytes(dest + "logo2.gif"), "bytes of a/logo.gif");
    EXPECT_FALSE(std::filesystem::exists(dir.file("escape.gif")));
}

TEST_F(CopyResources, RenameAllTwiceInOneSecondMovesOnToTheNextNumbers) {
    std::string pic = Source("a/pic.gif"), readme = Source("b/README");
    auto pDialog = Open({&pic, &readme});
    CNameGenerator generator(1000);
    const std::string n1 = Hex4(generator.Next() % 65536);
    const std::string n2 = Hex4(generator.Next() % 65536);
    // README's first candidate is a file there already.
    WriteFileBytes(dest + "README" + n1, "x");
    const std::string n3 = Hex4(generator.Next() % 65536);

    // Rows in the order of the sources: a/pic.gif, then b/README.
    QTest::mouseClick(&pDialog->RenameAllButton(), Qt::LeftButton);
    EXPECT_EQ(Name(*pDialog, 0).toStdString(), "pic" + n1 + ".gif");
    EXPECT_EQ(Name(*pDialog, 1).toStdString(), "README" + n2);
    QTest::mouseClick(&pDialog->RenameAllButton(), Qt::LeftButton);
    EXPECT_EQ(Name(*pDialog, 0).toStdString(), "pic" + n2 + ".gif");
    EXPECT_EQ(Name(*pDialog, 1).toStdString(), "README" + n3);
}

TEST_F(CopyResources, AFailedCopyKeepsItsReferencesAndIsNamedInOneMessage) {
    std::string missing = dir.file("a/gone.gif"), alsoMissing = missing;
    std::string pic = Source("b/pic.gif");
    auto pDialog = Open({&missing, &pic, &alsoMissing});
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK));
    QTest::mouseClick(&pDialog->OkButton(), Qt::LeftButton);
    ASSERT_EQ(ui.calls().size(), 1u);
    const std::string& text = ui.calls().front().text;
    EXPECT_NE(text.find(missing), std::string::npos) << text;
    EXPECT_EQ(text.find("pic.gif"), std::string::npos) << text;
    EXPECT_EQ(missing, dir.file("a/gone.gif"));
    EXPECT_EQ(alsoMissing, dir.file("a/gone.gif"));
    EXPECT_EQ(pic, dest + "pic.gif");
    EXPECT_FALSE(std::filesystem::exists(dest + "gone.gif"));
    EXPECT_EQ(ui.pending(), 0u);
}

TEST_F(CopyResources, ClosingWithoutOkCopiesNothing) {
    std::string pic = Source("a/pic.gif");
    auto pDialog = Open({&pic});
    QTest::mouseClick(&pDialog->RenameAllButton(), Qt::LeftButton);
    QTest::keyClick(pDialog.get(), Qt::Key_Escape);
    EXPECT_EQ(pDialog->result(), QDialog::Rejected);
    pDialog->close();
    EXPECT_EQ(pic, dir.file("a/pic.gif"));
    EXPECT_EQ(EntriesIn(dest), 0u);
}

TEST_F(CopyResources, SavingTwoImagesOfOneNameAsksOnceAndKeepsBoth) {
    auto widget = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    CAppletParameters& applet = widget->applet;
    const std::string first = Source("a/pic.gif"), second = Source("b/pic.gif");
    for (const std::string& image : {first, second}) {
        CDrawRect* pButton = applet.AddButton(std::make_unique<CDrawRect>(CRect{0, 0, 90, 30}));
        pButton->menu->m_items.front()->m_strImageNormal = image;
    }
    CCopyResourcesDialogHandler handler;
    SetCopyResourcesHandler(&handler);
    int nShown = 0;
    OnNextModal<CDlgCopyResources>([&](CDlgCopyResources& dialog) {
        ++nShown;
        EXPECT_EQ(dialog.List().topLevelItemCount(), 1);
        EXPECT_TRUE(dialog.TakeTypedName(0, "pic-b.gif"));
        dialog.accept();
    });
    const bool bWritten = widget->WriteConfigFileEx(dest + "w.tsq", GatherMode::PointAtCopies);
    SetCopyResourcesHandler(nullptr);
    ASSERT_TRUE(bWritten);
    EXPECT_EQ(nShown, 1);
    EXPECT_EQ(ReadFileBytes(dest + "pic.gif"), "bytes of a/pic.gif");
    EXPECT_EQ(ReadFileBytes(dest + "pic-b.gif"), "bytes of b/pic.gif");

    auto reader = CInterfacePtr<CBrisko>::Adopt(new CBrisko);
    ASSERT_TRUE(reader->ReadConfigFile(dest + "w.tsq"));
    ASSERT_EQ(reader->applet.m_buttons.size(), 2u);
    EXPECT_EQ(reader->applet.m_buttons[0]->menu->m_items.front()->m_strImageNormal,
              dest + "pic.gif");
    EXPECT_EQ(reader->applet.m_buttons[1]->menu->m_items.front()->m_strImageNormal,
              dest + "pic-b.gif");
}

TEST_F(CopyResources, BrowseFilesChecksItsFolderAndListsEachTypeInTurn) {
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("The directory and file type can not be blank!"));
    EXPECT_FALSE(CDlgBrowseFiles("", "*.gif").Fill());
    ui.Expect(UiAnswer::Message(IDOK).WithText("The directory and file type can not be blank!"));
    EXPECT_FALSE(CDlgBrowseFiles(QString::fromStdString(dest), "").Fill());
    ui.Expect(
        UiAnswer::Message(IDOK).WithText("Directory " + dir.file("none") + "/ does not exist!"));
    EXPECT_FALSE(CDlgBrowseFiles(QString::fromStdString(dir.file("none")), "*.gif").Fill());
    EXPECT_EQ(ui.pending(), 0u);

    for (const char* pszName : {"b.gif", "a.gif", "s.au", "c.jpg", "note.txt"})
        WriteFileBytes(dest + pszName, "x");
    CDlgBrowseFiles dialog(QString::fromStdString(dir.file("dest")), "*.gif;*.jpeg;*.au;*.jpg");
    ASSERT_TRUE(dialog.Fill());
    QStringList names;
    for (int i = 0; i < dialog.List().count(); ++i)
        names << dialog.List().item(i)->text();
    EXPECT_EQ(names, (QStringList{"a.gif", "b.gif", "s.au", "c.jpg"}));
    EXPECT_EQ(dialog.windowTitle(), "Browse Files");
}

TEST_F(CopyResources, ScreenshotsOfTheTwoDialogs) {
    std::string pic = Source("a/pic.gif"), logo = Source("b/logo.gif"), other = Source("b/pic.gif");
    WriteFileBytes(dest + "pic.gif", "x");
    auto pDialog = Open({&pic, &logo, &other});
    pDialog->List().setCurrentItem(pDialog->List().topLevelItem(0));
    QCoreApplication::processEvents();
    EXPECT_TRUE(Framed(*pDialog).save(ShotPath("copy-resources.png")));
    pDialog->reject();

    for (const char* pszName : {"back.gif", "logo.gif", "photo.jpg", "loop.au"})
        WriteFileBytes(dest + pszName, "x");
    CDlgBrowseFiles browse(QString::fromStdString(dest), "*.gif;*.jpg;*.jpeg;*.au");
    ASSERT_TRUE(browse.Fill());
    browse.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&browse));
    EXPECT_TRUE(Framed(browse).save(ShotPath("browse-files.png")));
}
