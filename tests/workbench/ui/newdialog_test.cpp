// The New dialog through real clicks, with recording preview panes and a component made in
// the test's process whose folder holds the test's templates: where the preview goes for
// each choice and switch, the folded and full widths, the name rule and what OK applies.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/profile/profile.h"
#include "tests/support/scriptedui.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/ui/recordingpane.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"
#include "workbench/newdialog.h"

using namespace tb;
using namespace tb::test;

namespace {

class NewDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }
    void SetUp() override { ASSERT_TRUE(target.CreateFromProgID("TesseraServer.Brisko")); }

    void WriteTemplate(const std::string& name, const std::string& title,
                       const std::string& description) {
        WriteTitledWidgetFile(component.Folder().file(name), title, description);
    }
    std::string Page() const { return work.file("preview.htm"); }
    // On the indicator's side: a check or radio button takes clicks on its box and text only.
    static void Click(QWidget* pWidget) {
        QTest::mouseClick(pWidget, Qt::LeftButton, {}, QPoint(8, pWidget->height() / 2));
    }

    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    CRecordingPanes panes;
    TempDir work;
    TempDir user;
    CTessera target;
};

} // namespace

TEST_F(NewDialog, OpensOnTheBlankPreviewAndFollowsEachChoiceAndSelection) {
    WriteTemplate("Blue_TesseraServer.Brisko.tsq", "Blue", "Blue glass");
    WriteTemplate("Red_TesseraServer.Brisko.tsq", "Red", "Red tabs");
    CDlgNew dialog(target, work.path(), user.path());
    ASSERT_TRUE(dialog.IsUsable());
    dialog.show();
    std::vector<std::string>& visits = panes.Last().visits;
    EXPECT_EQ(visits, (std::vector<std::string>{kAboutBlank, Page()}));
    EXPECT_EQ(dialog.NameEdit()->text(), "NewButton");
    EXPECT_EQ(dialog.DescriptionEdit()->text(), "");
    ASSERT_EQ(dialog.TemplateList()->count(), 2);
    EXPECT_EQ(dialog.TemplateList()->currentRow(), 0);
    const QString first = dialog.TemplateList()->item(0)->text();
    const QString second = dialog.TemplateList()->item(1)->text();
    EXPECT_EQ(dialog.TemplateDescription()->text(), first == "Blue" ? "Blue glass" : "Red tabs");
    EXPECT_FALSE(dialog.TemplateList()->isEnabled());
    EXPECT_TRUE(dialog.BlankButton()->isChecked());

    // The template's preview: its design in the page, read into the dialog's own widget.
    Click(dialog.TemplateButton());
    EXPECT_TRUE(dialog.TemplateList()->isEnabled());
    EXPECT_EQ(visits.size(), 3u);
    EXPECT_EQ(visits.back(), Page());
    Click(dialog.TemplateButton()); // already chosen: nothing happens
    EXPECT_EQ(visits.size(), 3u);
    dialog.TemplateList()->setCurrentRow(1);
    EXPECT_EQ(visits.size(), 4u);
    EXPECT_EQ(dialog.TemplateDescription()->text(), second == "Blue" ? "Blue glass" : "Red tabs");

    // Folded away, changes only mark the preview as old; unfolding shows the current choice.
    const QPoint right =
        dialog.PreviewButton()->mapTo(&dialog, QPoint(dialog.PreviewButton()->width(), 0));
    EXPECT_EQ(dialog.CollapsedWidth(), right.x() + 15);
    Click(dialog.PreviewButton());
    EXPECT_FALSE(dialog.PreviewPane()->isVisible());
    EXPECT_EQ(dialog.width(), dialog.CollapsedWidth());
    const QPoint okRight = dialog.OkButton()->mapTo(&dialog, QPoint(dialog.OkButton()->width(), 0));
    EXPECT_LE(okRight.x(), dialog.width());
    Click(dialog.BlankButton());
    EXPECT_EQ(visits.size(), 4u);
    Click(dialog.PreviewButton());
    EXPECT_TRUE(dialog.PreviewPane()->isVisible());
    EXPECT_EQ(dialog.width(), dialog.FullWidth());
    EXPECT_GT(dialog.FullWidth(), dialog.CollapsedWidth() + 300);
    EXPECT_EQ(visits.size(), 5u);
    // Folding and unfolding with nothing changed loads nothing.
    Click(dialog.PreviewButton());
    Click(dialog.PreviewButton());
    EXPECT_EQ(visits.size(), 5u);
}

TEST_F(NewDialog, OkRefusesBadNamesAndAppliesATemplateWithTheNameDescriptionAndNoPreviewPath) {
    WriteTemplate("Blue_TesseraServer.Brisko.tsq", "Blue", "Blue glass");
    CDlgNew dialog(target, work.path(), user.path());
    dialog.show();
    Click(dialog.TemplateButton());
    ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("You must enter a name!"));
    dialog.NameEdit()->clear();
    Click(dialog.OkButton());
    ui.Expect(UiAnswer::Message(IDOK).WithText(
        "The template name of widget is not valid.It accept only alphanumeric characters.\nYou "
        "have entered an invalid character, such as '-', '_', ':', ';', '#', (), [], or ?, in the "
        "name.\n"));
    QTest::keyClicks(dialog.NameEdit(), "My Bar");
    Click(dialog.OkButton());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);

    dialog.NameEdit()->setText("MyBar");
    QTest::keyClicks(dialog.DescriptionEdit(), "Top of the page");
    Click(dialog.PreviewButton()); // the switch is stored on OK
    Click(dialog.OkButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(target.GetTitle(), "MyBar");
    EXPECT_EQ(target.GetDescription(), "Top of the page");
    EXPECT_EQ(target.GetPreviewPath(), "");
    EXPECT_EQ(GetProfileInt("Preview", "New Preview", 1), 0);
}

TEST_F(NewDialog, ABlankWidgetKeepsItsFreshContentAndAFoldedStartShowsNothing) {
    WriteProfileInt("Preview", "New Preview", 0);
    CDlgNew dialog(target, work.path(), user.path());
    dialog.show();
    EXPECT_EQ(panes.Last().visits, std::vector<std::string>{kAboutBlank});
    EXPECT_EQ(dialog.width(), dialog.CollapsedWidth());
    EXPECT_FALSE(dialog.PreviewPane()->isVisible());
    // No templates: an empty list and no description.
    EXPECT_EQ(dialog.TemplateList()->count(), 0);
    EXPECT_EQ(dialog.TemplateDescription()->text(), "");
    dialog.NameEdit()->setText("Ignored");
    Click(dialog.OkButton());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(target.GetTitle(), "Normal");
    EXPECT_EQ(GetProfileInt("Preview", "New Preview", 1), 0);
}

TEST_F(NewDialog, FromTemplateWithNoTemplatesOnlyNamesTheWidget) {
    CDlgNew dialog(target, work.path(), user.path());
    dialog.show();
    Click(dialog.TemplateButton());
    // Nothing selected: the preview of an empty path is the empty page.
    EXPECT_EQ(panes.Last().visits.back(), kAboutBlank);
    dialog.DescriptionEdit()->setText("Plain");
    Click(dialog.OkButton());
    EXPECT_EQ(target.GetTitle(), "NewButton");
    EXPECT_EQ(target.GetDescription(), "Plain");
}
