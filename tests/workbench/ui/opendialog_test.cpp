// The Open dialog's preview with recording panes: which files are read and shown, the page
// for another component's file, the folder change, and the check box with its profile entry.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include <filesystem>

#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "tests/support/widgetapp.h"
#include "tests/workbench/ui/recordingpane.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/tessera.h"
#include "workbench/opendialog.h"

using namespace tb;
using namespace tb::test;

namespace {

void ClickBox(QCheckBox* pBox) {
    QTest::mouseClick(pBox, Qt::LeftButton, {}, QPoint(8, pBox->height() / 2));
}

class OpenDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }
    void SetUp() override {
        CTessera widget;
        ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
        ASSERT_TRUE(widget.WriteConfigFile(files.file("Upper.TSQ")));
        ASSERT_TRUE(widget.WriteConfigFile(files.file("widget.txt")));
        WriteForeignWidgetFile(files.file("theirs.tsq"));
    }
    std::string Page() const { return work.file("preview.htm"); }

    CWorkbenchStringsScope strings;
    CInProcessBrisko component;
    CRecordingPanes panes;
    TempDir work;
    TempDir files;
};

} // namespace

TEST_F(OpenDialog, PreviewsOurFilesWhateverTheCaseOfTheirExtensionAndNothingElse) {
    CDlgOpenWidget dialog(work.path(), "/program", files.path());
    ASSERT_TRUE(dialog.IsUsable());
    std::vector<std::string>& visits = panes.Last().visits;
    EXPECT_EQ(visits, std::vector<std::string>{kAboutBlank});
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Widget Files(*.tsq)"});

    dialog.OnSelectionChanged(QString::fromStdString(files.file("Upper.TSQ")));
    EXPECT_EQ(visits.back(), Page());
    // A widget file under another extension is not even read.
    std::filesystem::remove(Page());
    dialog.OnSelectionChanged(QString::fromStdString(files.file("widget.txt")));
    EXPECT_EQ(visits.back(), kAboutBlank);
    EXPECT_FALSE(FileExists(Page()));
    dialog.OnSelectionChanged(QString::fromStdString(files.file("theirs.tsq")));
    EXPECT_EQ(visits.back(), "/program/previewerr.htm");
    dialog.OnSelectionChanged(QString::fromStdString(files.file("missing.tsq")));
    EXPECT_EQ(visits.back(), kAboutBlank);
    EXPECT_EQ(visits.size(), 5u);
}

TEST_F(OpenDialog, AFolderChangeBlanksThePaneAndItsOwnSelectionNoticeIsIgnored) {
    CDlgOpenWidget dialog(work.path(), "/program", files.path());
    std::vector<std::string>& visits = panes.Last().visits;
    dialog.OnSelectionChanged(QString::fromStdString(files.file("Upper.TSQ")));
    dialog.OnFolderChanged();
    EXPECT_EQ(visits.back(), kAboutBlank);
    dialog.OnSelectionChanged(QString::fromStdString(files.file("Upper.TSQ")));
    EXPECT_EQ(visits.size(), 3u);
    dialog.OnSelectionChanged(QString::fromStdString(files.file("Upper.TSQ")));
    EXPECT_EQ(visits.back(), Page());
}

TEST_F(OpenDialog, TheCheckBoxSwitchesThePreviewAndIsRemembered) {
    CDlgOpenWidget dialog(work.path(), "/program", files.path());
    dialog.show();
    std::vector<std::string>& visits = panes.Last().visits;
    ASSERT_TRUE(dialog.PreviewCheck()->isChecked());
    dialog.OnSelectionChanged(QString::fromStdString(files.file("Upper.TSQ")));
    ClickBox(dialog.PreviewCheck());
    EXPECT_EQ(visits.back(), kAboutBlank);
    EXPECT_EQ(GetProfileInt("Preview", "Open Preview", 1), 0);
    const size_t nVisits = visits.size();
    dialog.OnSelectionChanged(QString::fromStdString(files.file("theirs.tsq")));
    EXPECT_EQ(visits.size(), nVisits);

    // Back on: the file selected now is shown.
    ClickBox(dialog.PreviewCheck());
    EXPECT_EQ(visits.back(), "/program/previewerr.htm");
    EXPECT_EQ(GetProfileInt("Preview", "Open Preview", 0), 1);

    CDlgOpenWidget off(work.path(), "/program", files.path());
    ClickBox(off.PreviewCheck());
    CDlgOpenWidget again(work.path(), "/program", files.path());
    EXPECT_FALSE(again.PreviewCheck()->isChecked());
}
