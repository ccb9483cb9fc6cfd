// The form "New Widget" driven with the mouse: which controls each option enables, OK that
// stays open after its message, Cancel, and the preview following the clicks.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "addin/frmnewwidget.h"
#include "tests/addin/core/addintest.h"
#include "tests/support/scriptedui.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/ui/recordingpane.h"

using namespace tb::addin;
using tb::UiAnswer;

namespace {

class NewWidgetForm : public tb::test::AddInFixture {
protected:
    NewWidgetForm() {
        tb::test::EnsureWidgetApp();
        m_pForm = std::make_unique<CFrmNewWidget>();
        m_pPane = &m_panes.Last();
        CNewWidgetChooser& chooser = m_pForm->Chooser();
        chooser.sProgID = tb::test::kBriskoProgId;
        chooser.sTesseraPath = m_tables.componentFolders[0];
        chooser.sHTMLFilePath = m_site.path() + "/";
    }
    void Open() {
        ASSERT_TRUE(m_pForm->Chooser().InitForm());
        m_pForm->ShowChooserState();
        m_pForm->show();
    }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    tb::test::CRecordingPanes m_panes;
    tb::test::CRecordingPane* m_pPane = nullptr;
    std::unique_ptr<CFrmNewWidget> m_pForm;
};

TEST_F(NewWidgetForm, EachOptionEnablesItsOwnControlsAndRefreshesThePreview) {
    WriteWidgetFile(m_component.Folder().file("Shipped_TesseraServer.Brisko.tsq"), "Shipped");
    Open();
    EXPECT_EQ(m_pForm->windowTitle(), "New Widget");
    EXPECT_TRUE(m_pForm->OptionButton(OptionTemplate)->isChecked());
    ASSERT_EQ(m_pForm->TemplateList()->count(), 1);
    EXPECT_EQ(m_pForm->TemplateList()->item(0)->text(), "Shipped");
    EXPECT_EQ(m_pForm->TemplateList()->currentRow(), 0);
    EXPECT_TRUE(m_pForm->TemplateList()->isEnabled());
    EXPECT_FALSE(m_pForm->BrowseButton()->isEnabled());
    ASSERT_FALSE(m_pPane->visits.empty());
    EXPECT_NE(m_pPane->visits.back(), "about:blank");

    Click(m_pForm->OptionButton(OptionExistingFile));
    EXPECT_FALSE(m_pForm->TemplateList()->isEnabled());
    EXPECT_TRUE(m_pForm->BrowseButton()->isEnabled());
    EXPECT_TRUE(m_pForm->WidgetFileBox()->isEnabled());
    EXPECT_EQ(m_pPane->visits.back(), "about:blank");

    Click(m_pForm->OptionButton(OptionBlank));
    EXPECT_FALSE(m_pForm->TemplateList()->isEnabled());
    EXPECT_FALSE(m_pForm->BrowseButton()->isEnabled());
    const std::string blankPreview = m_pPane->visits.back();
    EXPECT_NE(blankPreview, "about:blank");

    QCheckBox* preview = m_pForm->PreviewBox();
    QTest::mouseClick(preview, Qt::LeftButton, {}, QPoint(6, preview->height() / 2));
    EXPECT_FALSE(m_pForm->PreviewBox()->isChecked());
    EXPECT_EQ(m_pPane->visits.back(), "about:blank");
}

TEST_F(NewWidgetForm, OkStaysOpenAfterItsMessageAndCancelClosesWithoutAChoice) {
    Open();
    EXPECT_TRUE(m_pForm->OptionButton(OptionBlank)->isChecked()) << "no templates here";
    Click(m_pForm->OptionButton(OptionExistingFile));
    tb::test::ExpectUi ui;
    ui.Expect(UiAnswer::Message(IDOK).WithText("Please select a widget file."));
    Click(m_pForm->OkButton());
    EXPECT_TRUE(m_pForm->isVisible());
    EXPECT_FALSE(m_pForm->Chooser().bOk);

    // A typed file name counts as chosen.
    WriteWidgetFile(m_site.file("typed.tsq"), "Typed");
    QTest::keyClicks(m_pForm->WidgetFileBox(), QString::fromStdString(m_site.file("typed.tsq")));
    Click(m_pForm->OkButton());
    EXPECT_FALSE(m_pForm->isVisible());
    EXPECT_TRUE(m_pForm->Chooser().bOk);
    EXPECT_EQ(m_pForm->Chooser().sTemplateTsqFile, m_site.file("typed.tsq"));

    m_pForm->show();
    Click(m_pForm->CancelButton());
    EXPECT_FALSE(m_pForm->isVisible());
    EXPECT_FALSE(m_pForm->Chooser().bOk);
    EXPECT_EQ(m_pForm->Chooser().sTemplateTsqFile, "");
}

} // namespace
