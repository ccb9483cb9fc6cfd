#include "designer/ui/palettewnd.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "designer/ui/commandactions.h"

namespace tb {

CPaletteWnd::CPaletteWnd(const CCommandActions& actions, QWidget* pOwner)
    : QMainWindow(pOwner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowDoesNotAcceptFocus),
      m_pToolBar(new QToolBar(this)), m_pIdleText(new QLabel(this)), m_actions(actions) {
    setWindowTitle(QStringLiteral("Palette"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_pToolBar->setObjectName(QStringLiteral("palette"));
    m_pToolBar->setMovable(false);
    m_pToolBar->setFloatable(false);
    m_pToolBar->setIconSize(QSize(16, 16));
    m_pToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    actions.FillToolBar(*m_pToolBar);
    addToolBar(m_pToolBar);
    setContextMenuPolicy(Qt::PreventContextMenu);
    statusBar()->setSizeGripEnabled(false);
    // A prompt of a button covers it while the pointer is over that button.
    statusBar()->addWidget(m_pIdleText, 1);
    // Always as large as its buttons need: none is ever squeezed into an overflow menu.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void CPaletteWnd::SetIdleText(const QString& text) {
    m_pIdleText->setText(text);
}

QString CPaletteWnd::IdleText() const {
    return m_pIdleText->text();
}

QToolButton* CPaletteWnd::Button(unsigned nCommandId) const {
    QAction* pAction = m_actions.Action(nCommandId);
    return pAction ? qobject_cast<QToolButton*>(m_pToolBar->widgetForAction(pAction)) : nullptr;
}

void CPaletteWnd::closeEvent(QCloseEvent* pEvent) {
    if (pEvent->spontaneous())
        pEvent->ignore();
    else
        QMainWindow::closeEvent(pEvent);
}

} // namespace tb
