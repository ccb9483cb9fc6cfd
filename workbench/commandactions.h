#pragma once
// The command table as Qt actions: one QAction per command with its menu text, key, status
// prompt, tooltip and tool bar icon, running the command through the table. The menu bar,
// the tool bar and the keys all use these actions.

#include <QAction>
#include <QObject>
#include <map>

class QMainWindow;
class QMenu;
class QToolBar;

namespace tb {

class CCommandTable;
class CRecentFileList;

class CWorkbenchActions : public QObject {
    Q_OBJECT

public:
    // The actions' keys work anywhere in window.
    CWorkbenchActions(CCommandTable& table, QMainWindow& window);

    QAction* Action(unsigned nId) const;
    // The menus of the table's layout, into the window's menu bar.
    void FillMenuBar();
    // The tool bar's buttons: labels under 32 x 32 icons, each between 50 and 150 pixels wide.
    void FillToolBar(QToolBar& toolBar) const;
    // The recent files' entries after the files changed.
    void UpdateRecentFiles(const CRecentFileList& files);
    // Enabled states from the table, as they are now.
    void UpdateStates();

signals:
    // A command ran; what it changed may have changed other commands' states.
    void CommandRun(unsigned nId);

private:
    CCommandTable& m_table;
    QMainWindow& m_window;
    std::map<unsigned, QAction*> m_actions;
};

// How a recent file is shown in the menu: "&1 " and the path with the home folder as "~",
// shortened in the middle when long.
QString RecentFileMenuText(size_t nIndex, const std::string& path);

} // namespace tb
