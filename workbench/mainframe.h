#pragma once
// The main window: the menu, the tool bar of four buttons with their labels under the icons,
// the status bar with the commands' prompts, and the form in the middle. It opens where it
// was closed (profile section "Frame"), kept on the screen, and has no maximize box. Closing
// it writes its placement and then asks the document, which may refuse.

#include <QMainWindow>

#include <functional>

#include "workbench/core/frameplacement.h"

class QLabel;
class QToolBar;

namespace tb {

class CCommandTable;
class CRecentFileList;
class CWorkbenchActions;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(CCommandTable& commands, QWidget* parent = nullptr);

    // Reads the stored placement and puts the window there (to be shown later with
    // ShowStored); without a complete placement the window keeps its default place.
    void LoadPlacement();
    // Shows the window as it was stored: normal or maximized (a window stored minimized
    // opens normal, so that starting the program never looks like nothing happened).
    void ShowStored();
    // The placement to store for the window as it is now.
    CFramePlacement CurrentPlacement() const;
    // The screen as the placement rules see it: the primary screen and its work area.
    static CScreenMetrics ScreenMetrics();

    // Shrinks the window, never enlarges it, so that it fits the form; a window that never
    // had a stored size is made exactly as large as the form needs.
    void FitToForm();

    // Runs a command as if it came from the menu.
    void SendCommand(unsigned nId);
    void UpdateCommandStates();
    void UpdateRecentFiles(const CRecentFileList& files);
    // "Title - Ambrel Brisko", with the desktop's mark for unsaved changes.
    void UpdateTitle(const QString& documentTitle, bool bModified);

    // The status bar's text while no prompt is shown: a notice until the next command, then
    // "Ready".
    void SetStatusNotice(const QString& text);
    QString StatusText() const;

    // Asked when the window is to close; false keeps it open.
    void SetCloseQuery(std::function<bool()> canClose) { m_canClose = std::move(canClose); }

    CWorkbenchActions& Actions() const { return *m_pActions; }
    QToolBar* ToolBar() const { return m_pToolBar; }

signals:
    // Any command ran (from the menu, the tool bar, a key or the form).
    void CommandRun(unsigned nId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CCommandTable& m_commands;
    CWorkbenchActions* m_pActions;
    QToolBar* m_pToolBar;
    QLabel* m_pStatusText;
    std::function<bool()> m_canClose;
    int m_nStoredShowCmd = SW_SHOWNORMAL;
    bool m_bHasStoredSize = false;
};

} // namespace tb
