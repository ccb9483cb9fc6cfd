#pragma once
// The workbench started as a person starts it, in the test's process: a QApplication, the
// program folder of the build (with the component beside the program), a documents folder
// of the test's own, and a scripted UiServices that every message must have been expected
// by. Modal windows (the designer, the Rename dialog) are driven from timers, as a person
// would answer them.

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/designerdriver.h"
#include "tests/support/scriptedui.h"
#include "tests/support/tempdir.h"
#include "tests/support/widgetapp.h"
#include "workbench/bitmapbutton.h"
#include "workbench/commandactions.h"
#include "workbench/core/vellumotooldoc.h"
#include "workbench/mainframe.h"
#include "workbench/vellumotoolapp.h"
#include "workbench/vellumotoolview.h"

namespace tb::test {

// Runs fn on the dialog titled title as soon as it shows (polling, since it is modal).
class CDialogDriver {
public:
    CDialogDriver(const QString& title, std::function<void(QWidget&)> fn) {
        m_poll.setInterval(20);
        QObject::connect(&m_poll, &QTimer::timeout, [this, title, fn] {
            QWidget* pDialog = VisibleWindow(title);
            if (!pDialog)
                return;
            m_poll.stop();
            m_bSeen = true;
            fn(*pDialog);
        });
        m_poll.start();
    }
    bool Seen() const { return m_bSeen; }

private:
    QTimer m_poll;
    bool m_bSeen = false;
};

class WorkbenchFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureWidgetApp(); }

    // A workbench of the build's program folder (or of programFolder); not yet started.
    CVellumoToolApp& Make(const std::string& programFolder = ProgramDir()) {
        m_pApp.reset();
        m_pApp = std::make_unique<CVellumoToolApp>(
            CWorkbenchFolders{programFolder, documents.path(), templates.path()});
        return *m_pApp;
    }
    // Made and started with these command-line arguments.
    // The window is made the active one, as a person's is, so that its keys work.
    CVellumoToolApp& Start(const std::vector<std::string>& arguments = {}) {
        CVellumoToolApp& app = Make();
        const bool bStarted = app.InitInstance(arguments);
        EXPECT_TRUE(bStarted);
        if (bStarted)
            Activate();
        return app;
    }
    // The main window active again, as the desktop makes it when a window above it closes.
    void Activate() {
        Frame().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
    // Closes the window as a person does, then shuts the workbench down.
    void Exit() {
        if (m_pApp && m_pApp->MainFrame())
            m_pApp->MainFrame()->close();
        if (m_pApp)
            m_pApp->ExitInstance();
    }

    CVellumoToolApp& App() { return *m_pApp; }
    CMainFrame& Frame() { return *m_pApp->MainFrame(); }
    CVellumoToolView& View() { return *m_pApp->View(); }
    CVellumoToolDoc& Doc() { return *m_pApp->Document(); }
    QAction* Action(unsigned nId) { return Frame().Actions().Action(nId); }

    TempDir documents;
    TempDir templates; // the user's templates
    TempDir dir;
    ExpectUi ui;

private:
    std::unique_ptr<CVellumoToolApp> m_pApp;
};

} // namespace tb::test
