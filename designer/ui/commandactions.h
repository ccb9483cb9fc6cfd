#pragma once
// The command table as Qt actions: one QAction per command, with its icon, tooltip, status
// prompt, key and pressed state, running the command through the table. The palette, the
// context menu and the design window's keys all use these same actions.

#include <QAction>
#include <QKeySequence>
#include <QObject>
#include <map>

#include "designer/core/commandtable.h"

class QMenu;
class QToolBar;
class QWidget;

namespace tb {

// The Qt key sequence of a key chord; empty for none.
QKeySequence ToKeySequence(const CKeyChord& key);

class CCommandActions : public QObject {
    Q_OBJECT

public:
    // The actions get their keys within the window of pShortcutHost.
    CCommandActions(CCommandTable& table, QWidget* pShortcutHost);

    QAction* Action(unsigned nId) const;
    // The tool bar's buttons and separators in the table's order.
    void FillToolBar(QToolBar& toolBar) const;
    // The context menu's entries and separators in the table's order.
    void FillContextMenu(QMenu& menu) const;
    // Enabled and pressed states from the table's rules, as they are now.
    void UpdateStates();

signals:
    // A command ran; what it changed may have changed other commands' states.
    void CommandRun(unsigned nId);

private:
    CCommandTable& m_table;
    std::map<unsigned, QAction*> m_actions;
};

} // namespace tb
