#pragma once
// The design window's floating tool bar, "Palette": a small tool window without a close box
// that holds the command buttons, with a status line for the prompt of the button under the
// pointer. It never takes the activation, so the design view keeps its handles while the
// user clicks a button.

#include <QMainWindow>

class QLabel;
class QToolBar;
class QToolButton;

namespace tb {

class CCommandActions;

class CPaletteWnd : public QMainWindow {
public:
    CPaletteWnd(const CCommandActions& actions, QWidget* pOwner);

    QToolBar& ToolBar() const { return *m_pToolBar; }
    // What the status line says while no button's prompt shows: what the canvas does now.
    void SetIdleText(const QString& text);
    QString IdleText() const;
    // The tool button that shows a command's action, or null.
    QToolButton* Button(unsigned nCommandId) const;

protected:
    // Only the design window closes it (with itself); the window manager's close is refused.
    void closeEvent(QCloseEvent* pEvent) override;

private:
    QToolBar* m_pToolBar;
    QLabel* m_pIdleText;
    const CCommandActions& m_actions;
};

} // namespace tb
