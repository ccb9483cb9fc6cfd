// Preview pages in the web engine as the program shows them: the player's buttons on a
// template's page, and the New and Open dialogs with their previews loaded (pictures).

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

#include "platform/core/paths.h"
#include "platform/ui/web/browserpanewidget.h"
#include "tests/support/screenshot.h"
#include "tests/workbench/workbenchtest.h"
#include "workbench/core/previewpage.h"
#include "workbench/core/tessera.h"
#include "workbench/newdialog.h"
#include "workbench/opendialog.h"

using namespace tb;
using namespace tb::test;

namespace {

const char kTemplate[] = "blueglassbar.tsq";

class WebPreview : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "workbench-web-test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            PrepareWebEngine();
            new QApplication(argc, argv);
        }
    }
    void SetUp() override {
        if (!FileExists(ProgramDir() + "/tlwbtn.js"))
            GTEST_SKIP() << "the program folder has no script player";
        RegisterBuiltComponent();
    }

    // The number of widgets the player plays on the pane's page, once it has started; -1
    // when it never does.
    static int PlayedWidgets(CWebBrowserPane& pane) {
        for (int nTry = 0; nTry < 100; ++nTry) {
            int nWidgets = -1;
            bool bAnswered = false;
            pane.page()->runJavaScript(QStringLiteral("typeof TlwBtnPlayer === 'undefined' ? -1 : "
                                                      "TlwBtnPlayer.widgets.length"),
                                       [&](const QVariant& v) {
                                           nWidgets = v.toInt();
                                           bAnswered = true;
                                       });
            QTest::qWaitFor([&] { return bAnswered; }, 2000);
            if (nWidgets > 0)
                return nWidgets;
            QTest::qWait(100);
        }
        return -1;
    }
    static CWebBrowserPane* PaneOf(QWidget& dialog) { return dialog.findChild<CWebBrowserPane*>(); }

    CWorkbenchStringsScope strings;
    TempDir work;
};

} // namespace

TEST_F(WebPreview, ATemplatesPreviewPagePlaysItsButtons) {
    CTessera widget;
    ASSERT_TRUE(widget.CreateFromProgID("TesseraServer.Brisko"));
    ASSERT_TRUE(widget.ReadConfigFile(ProgramDir() + "/" + kTemplate));
    const std::string page = BuildPreviewPage(&widget, work.path());
    ASSERT_FALSE(page.empty());

    CWebBrowserPane pane;
    pane.resize(640, 240);
    pane.show();
    QSignalSpy loaded(&pane, &QWebEngineView::loadFinished);
    pane.Navigate(page);
    ASSERT_TRUE(loaded.wait(30000));
    EXPECT_TRUE(loaded.front().front().toBool());
    EXPECT_EQ(PlayedWidgets(pane), 1);
}

TEST_F(WebPreview, PicturesOfTheNewAndOpenDialogsWithTheirPreviews) {
    CTessera target;
    ASSERT_TRUE(target.CreateFromProgID("TesseraServer.Brisko"));
    {
        TempDir user;
        CDlgNew dialog(target, work.path(), user.path());
        dialog.show();
        CWebBrowserPane* pPane = PaneOf(dialog);
        ASSERT_NE(pPane, nullptr);
        QSignalSpy loaded(pPane, &QWebEngineView::loadFinished);
        QTest::mouseClick(dialog.TemplateButton(), Qt::LeftButton);
        for (int i = 0; i < dialog.TemplateList()->count(); ++i) {
            if (dialog.TemplateList()->item(i)->text().contains(QStringLiteral("Blue")))
                dialog.TemplateList()->setCurrentRow(i);
        }
        ASSERT_TRUE(loaded.wait(30000) || !loaded.isEmpty());
        EXPECT_EQ(PlayedWidgets(*pPane), 1);
        QTest::qWait(500);
        EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-new-template-preview.png")));
    }
    {
        TempDir files;
        std::filesystem::copy_file(ProgramDir() + "/" + kTemplate, files.file(kTemplate));
        CDlgOpenWidget dialog(work.path(), ProgramDir(), files.path());
        dialog.resize(860, 640);
        dialog.show();
        CWebBrowserPane* pPane = PaneOf(dialog);
        ASSERT_NE(pPane, nullptr);
        QSignalSpy loaded(pPane, &QWebEngineView::loadFinished);
        dialog.selectFile(QString::fromStdString(files.file(kTemplate)));
        dialog.OnSelectionChanged(QString::fromStdString(files.file(kTemplate)));
        ASSERT_TRUE(loaded.wait(30000) || !loaded.isEmpty());
        EXPECT_EQ(PlayedWidgets(*pPane), 1);
        QTest::qWait(500);
        EXPECT_TRUE(Framed(dialog).save(ShotPath("workbench-open-preview.png")));
    }
}
