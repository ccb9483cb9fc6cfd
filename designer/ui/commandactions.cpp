#include "designer/ui/commandactions.h"

#include <QMenu>
#include <QToolBar>
#include <QWidget>

#include "designer/ui/designericons.h"

namespace tb {

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

Qt::Key QtKey(int nKey) {
    switch (nKey) {
    case VK_LEFT:
        return Qt::Key_Left;
    case VK_UP:
        return Qt::Key_Up;
    case VK_RIGHT:
        return Qt::Key_Right;
    case VK_DOWN:
        return Qt::Key_Down;
    case VK_DELETE:
        return Qt::Key_Delete;
    case VK_F9:
        return Qt::Key_F9;
    }
    // Letters and digits are their own characters, as in Qt.
    return Qt::Key(nKey);
}

} // namespace

QKeySequence ToKeySequence(const CKeyChord& key) {
    if (key.IsEmpty())
        return {};
    Qt::KeyboardModifiers modifiers;
    if (key.modifiers & KEY_CTRL)
        modifiers |= Qt::ControlModifier;
    if (key.modifiers & KEY_SHIFT)
        modifiers |= Qt::ShiftModifier;
    if (key.modifiers & KEY_ALT)
        modifiers |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(modifiers, QtKey(key.nKey)));
}

CCommandActions::CCommandActions(CCommandTable& table, QWidget* pShortcutHost)
    : QObject(pShortcutHost), m_table(table) {
    for (const CDesignCommand& command : CCommandTable::Commands()) {
        auto* pAction = new QAction(this);
        const QString menuText = Text(command.menuText);
        const QString tooltip = Text(command.Tooltip()).remove(QLatin1Char('&'));
        pAction->setText(menuText.isEmpty() ? tooltip : menuText);
        pAction->setToolTip(tooltip);
        pAction->setStatusTip(Text(command.Prompt()));
        pAction->setIcon(DesignerIcon(command.nId));
        // Menus show the mnemonic text; the icon belongs to the palette.
        pAction->setIconVisibleInMenu(false);
        pAction->setShortcut(ToKeySequence(command.key));
        pAction->setCheckable(command.nTool >= 0);
        const unsigned nId = command.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] {
            if (m_table.Execute(nId))
                emit CommandRun(nId);
            UpdateStates();
        });
        if (pShortcutHost)
            pShortcutHost->addAction(pAction);
        m_actions[nId] = pAction;
    }
    UpdateStates();
}

QAction* CCommandActions::Action(unsigned nId) const {
    const auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CCommandActions::FillToolBar(QToolBar& toolBar) const {
    for (unsigned nId : CCommandTable::ToolBarLayout()) {
        if (nId == kSeparator)
            toolBar.addSeparator();
        else
            toolBar.addAction(Action(nId));
    }
}

void CCommandActions::FillContextMenu(QMenu& menu) const {
    for (unsigned nId : CCommandTable::ContextMenuLayout()) {
        if (nId == kSeparator)
            menu.addSeparator();
        else
            menu.addAction(Action(nId));
    }
}

void CCommandActions::UpdateStates() {
    for (const auto& [nId, pAction] : m_actions) {
        pAction->setEnabled(m_table.IsEnabled(nId));
        if (pAction->isCheckable())
            pAction->setChecked(m_table.IsChecked(nId));
    }
}

} // namespace tb
