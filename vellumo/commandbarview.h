#pragma once
// The add-ins' command bars shown as tool bars under the menu: one tool bar per bar, one
// tool button per button, kept in step with what the add-ins change and passing clicks on.

#include <QImage>

#include <map>

#include "addin/host/commandbarset.h"

class QAction;
class QMainWindow;
class QToolBar;

namespace tb::vellumo {

// The picture of a button face (PNG, raw RGBA or an icon file); null when there is none.
QImage FaceImage(const tb::ModuleImage& face);

class CCommandBarsView {
public:
    CCommandBarsView(QMainWindow& window, host::CCommandBars& bars);
    ~CCommandBarsView();
    CCommandBarsView(const CCommandBarsView&) = delete;
    CCommandBarsView& operator=(const CCommandBarsView&) = delete;

    // The tool bar showing a bar, or null.
    QToolBar* ToolBar(const host::ICommandBar* bar) const;
    QAction* Action(const host::ICommandBarButton* button) const;

private:
    void ScheduleSync();
    void Sync();
    void SyncButton(QToolBar& toolBar, host::CCommandBarButton& button);
    void Click(const host::CCommandBarButton* button);

    QMainWindow& m_window;
    host::CCommandBars& m_bars;
    std::map<const host::CCommandBar*, QToolBar*> m_toolBars;
    std::map<const host::CCommandBarButton*, QAction*> m_actions;
    bool m_bSyncPending = false;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

} // namespace tb::vellumo
