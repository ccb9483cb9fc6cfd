#include "workbench/commandactions.h"

#include <QDir>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/ui/qt/qtstring.h"
#include "workbench/core/commandids.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/recentfilelist.h"
#include "workbench/core/workbenchstrings.h"
#include "workbench/workbenchimages.h"

namespace tb {

namespace {

constexpr size_t kRecentFileCount = 4;

// The menu text without its mnemonic and trailing dots: "Save &As..." gives "Save As".
QString PlainText(std::string_view menuText) {
    QString text = ToQString(menuText);
    text.remove(QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

QString RecentFileMenuText(size_t nIndex, const std::string& path) {
    QString shown = ToQString(path);
    const QString home = QDir::homePath();
    if (!home.isEmpty() && home != QLatin1String("/") && shown.startsWith(home + QLatin1Char('/')))
        shown = QLatin1Char('~') + shown.mid(home.size());
    constexpr int kLongest = 60;
    if (shown.size() > kLongest)
        shown = shown.left(20) + QStringLiteral("...") + shown.right(kLongest - 23);
    // A '&' in a file name is shown, not taken as the entry's mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(nIndex + 1).arg(shown);
}

CWorkbenchActions::CWorkbenchActions(CCommandTable& table, QMainWindow& window)
    : QObject(&window), m_table(table), m_window(window) {
    for (const CWorkbenchCommand& command : CCommandTable::Commands()) {
        auto* pAction = new QAction(ToQString(command.menuText), &window);
        pAction->setStatusTip(ToQString(command.prompt));
        pAction->setToolTip(PlainText(command.menuText));
        if (!command.key.empty()) {
            QList<QKeySequence> keys{
                QKeySequence::fromString(ToQString(command.key), QKeySequence::PortableText)};
            // Enter on the keypad does what Return does.
            if (command.key.ends_with("Return"))
                keys << QKeySequence::fromString(
                    ToQString(command.key.substr(0, command.key.size() - 6)) + "Enter",
                    QKeySequence::PortableText);
            pAction->setShortcuts(keys);
            pAction->setShortcutContext(Qt::WindowShortcut);
        }
        if (command.nToolBarLabel != 0) {
            pAction->setIcon(ToolBarIcon(command.nId));
            pAction->setIconText(ToQString(LoadHostString(command.nToolBarLabel)));
        }
        const unsigned nId = command.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] {
            m_table.Execute(nId);
            emit CommandRun(nId);
        });
        window.addAction(pAction);
        m_actions[nId] = pAction;
    }
}

QAction* CWorkbenchActions::Action(unsigned nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CWorkbenchActions::FillMenuBar() {
    for (const CMenuDefinition& definition : CCommandTable::MenuLayout()) {
        QMenu* pMenu = m_window.menuBar()->addMenu(ToQString(definition.title));
        for (unsigned nId : definition.items) {
            if (nId == kSeparator) {
                pMenu->addSeparator();
            } else if (nId == kRecentFiles) {
                for (size_t i = 0; i < kRecentFileCount; ++i)
                    pMenu->addAction(Action(ID_FILE_MRU_FILE1 + static_cast<unsigned>(i)));
            } else {
                pMenu->addAction(Action(nId));
            }
        }
        // The states are brought up to date whenever a menu opens, as commands change them.
        connect(pMenu, &QMenu::aboutToShow, this, &CWorkbenchActions::UpdateStates);
    }
}

void CWorkbenchActions::FillToolBar(QToolBar& toolBar) const {
    toolBar.setIconSize(QSize(32, 32));
    toolBar.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (unsigned nId : CCommandTable::ToolBarLayout()) {
        if (nId == kSeparator) {
            toolBar.addSeparator();
            continue;
        }
        toolBar.addAction(Action(nId));
        if (auto* pButton = qobject_cast<QToolButton*>(toolBar.widgetForAction(Action(nId)))) {
            pButton->setMinimumWidth(50);
            pButton->setMaximumWidth(150);
        }
    }
}

void CWorkbenchActions::UpdateRecentFiles(const CRecentFileList& files) {
    const auto& entries = files.Entries();
    for (size_t i = 0; i < kRecentFileCount; ++i) {
        QAction* pAction = Action(ID_FILE_MRU_FILE1 + static_cast<unsigned>(i));
        if (i < entries.size()) {
            pAction->setText(RecentFileMenuText(i, entries[i]));
            pAction->setStatusTip(QStringLiteral("Open %1").arg(ToQString(entries[i])));
            pAction->setVisible(true);
        } else {
            pAction->setVisible(false);
        }
    }
}

void CWorkbenchActions::UpdateStates() {
    for (const auto& [nId, pAction] : m_actions)
        pAction->setEnabled(m_table.IsEnabled(nId));
}

} // namespace tb
