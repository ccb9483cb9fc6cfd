#include "vellumo/commandbarview.h"

#include <QAction>
#include <QMainWindow>
#include <QPixmap>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <set>

#include "platform/ui/qt/qtstring.h"

namespace tb::vellumo {

namespace {

Qt::ToolButtonStyle ButtonStyle(int style, bool hasFace) {
    switch (style) {
    case host::ButtonStyleIcon:
        return hasFace ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly;
    case host::ButtonStyleCaption:
        return Qt::ToolButtonTextOnly;
    default:
        return hasFace ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly;
    }
}

} // namespace

QImage FaceImage(const tb::ModuleImage& face) {
    if (face.bytes.empty())
        return {};
    switch (face.eFormat) {
    case tb::ImageFormat::Rgba:
        if (face.nWidth <= 0 || face.nHeight <= 0 ||
            face.bytes.size() != static_cast<size_t>(face.nWidth) * face.nHeight * 4)
            return {};
        return QImage(reinterpret_cast<const uchar*>(face.bytes.data()), face.nWidth, face.nHeight,
                      face.nWidth * 4, QImage::Format_RGBA8888)
            .copy();
    case tb::ImageFormat::Png:
        return QImage::fromData(QByteArray::fromStdString(face.bytes), "PNG");
    case tb::ImageFormat::Ico:
        return QImage::fromData(QByteArray::fromStdString(face.bytes), "ICO");
    }
    return {};
}

CCommandBarsView::CCommandBarsView(QMainWindow& window, host::CCommandBars& bars)
    : m_window(window), m_bars(bars) {
    m_bars.SetChangeListener([this] { ScheduleSync(); });
    Sync();
}

CCommandBarsView::~CCommandBarsView() {
    m_bars.SetChangeListener(nullptr);
}

QToolBar* CCommandBarsView::ToolBar(const host::ICommandBar* bar) const {
    auto it = m_toolBars.find(static_cast<const host::CCommandBar*>(bar));
    return it == m_toolBars.end() ? nullptr : it->second;
}

QAction* CCommandBarsView::Action(const host::ICommandBarButton* button) const {
    auto it = m_actions.find(static_cast<const host::CCommandBarButton*>(button));
    return it == m_actions.end() ? nullptr : it->second;
}

// Add-ins change many properties in a row; the tool bars follow once they are done.
void CCommandBarsView::ScheduleSync() {
    if (m_bSyncPending)
        return;
    m_bSyncPending = true;
    std::weak_ptr<bool> alive = m_pAlive;
    QTimer::singleShot(0, &m_window, [this, alive] {
        if (!alive.expired())
            Sync();
    });
}

void CCommandBarsView::Sync() {
    m_bSyncPending = false;
    std::set<const host::CCommandBar*> bars;
    std::set<const host::CCommandBarButton*> buttons;
    for (int i = 1; i <= m_bars.Count(); ++i) {
        host::CCommandBar* bar = m_bars.Bar(i);
        bars.insert(bar);
        QToolBar*& toolBar = m_toolBars[bar];
        if (!toolBar) {
            toolBar = new QToolBar(&m_window);
            m_window.addToolBar(Qt::TopToolBarArea, toolBar);
        }
        toolBar->setWindowTitle(ToQString(bar->Name()));
        toolBar->setObjectName(ToQString("addin-bar-" + bar->Name()));
        for (int k = 1; k <= bar->Count(); ++k) {
            host::CCommandBarButton* button = bar->Button(k);
            buttons.insert(button);
            SyncButton(*toolBar, *button);
        }
        toolBar->setVisible(bar->Visible());
    }
    for (auto it = m_actions.begin(); it != m_actions.end();) {
        if (buttons.count(it->first)) {
            ++it;
            continue;
        }
        delete it->second;
        it = m_actions.erase(it);
    }
    for (auto it = m_toolBars.begin(); it != m_toolBars.end();) {
        if (bars.count(it->first)) {
            ++it;
            continue;
        }
        m_window.removeToolBar(it->second);
        delete it->second;
        it = m_toolBars.erase(it);
    }
}

void CCommandBarsView::SyncButton(QToolBar& toolBar, host::CCommandBarButton& button) {
    QAction*& action = m_actions[&button];
    if (!action) {
        action = new QAction(&toolBar);
        const host::CCommandBarButton* key = &button;
        QObject::connect(action, &QAction::triggered, action, [this, key] { Click(key); });
    }
    if (action->parent() != &toolBar)
        action->setParent(&toolBar);
    toolBar.removeAction(action);
    toolBar.addAction(action); // keeps the bar's order when buttons come and go
    QImage face = FaceImage(button.Face());
    action->setText(ToQString(button.Caption()));
    action->setToolTip(
        ToQString(button.TooltipText().empty() ? button.Caption() : button.TooltipText()));
    action->setIcon(face.isNull() ? QIcon() : QIcon(QPixmap::fromImage(face)));
    action->setEnabled(button.Enabled());
    action->setVisible(button.Visible());
    if (auto* toolButton = qobject_cast<QToolButton*>(toolBar.widgetForAction(action)))
        toolButton->setToolButtonStyle(ButtonStyle(button.Style(), !face.isNull()));
}

void CCommandBarsView::Click(const host::CCommandBarButton* key) {
    // The button may have gone since the tool bar was built: look it up afresh.
    for (int i = 1; i <= m_bars.Count(); ++i) {
        host::CCommandBar* bar = m_bars.Bar(i);
        for (int k = 1; k <= bar->Count(); ++k) {
            if (bar->Button(k) == key) {
                std::shared_ptr<host::CCommandBarButton> button = bar->SharedButton(k);
                button->Click();
                return;
            }
        }
    }
}

} // namespace tb::vellumo
