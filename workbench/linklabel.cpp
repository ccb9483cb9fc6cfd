#include "workbench/linklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

namespace tb {

CLinkLabel::CLinkLabel(const QString& text, const QString& target, QWidget* parent)
    : QLabel(text, parent), m_target(target) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    // Reachable by the keyboard too: Space or Enter opens it.
    setFocusPolicy(Qt::TabFocus);
    setToolTip(target);
    setForegroundRole(QPalette::WindowText);
    ApplyColor();
}

void CLinkLabel::SetColors(QColor normal, QColor visited, QColor hover) {
    m_normal = normal;
    m_visited = visited;
    m_hover = hover;
    ApplyColor();
}

QColor CLinkLabel::CurrentColor() const {
    if (m_bHover)
        return m_hover;
    return m_bVisited ? m_visited : m_normal;
}

bool CLinkLabel::Open() {
    if (!Ui().OpenDocument(ToUtf8(m_target)))
        return false;
    m_bVisited = true;
    ApplyColor();
    return true;
}

void CLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    SetHover(rect().contains(event->position().toPoint()));
    QLabel::mouseMoveEvent(event);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool bInside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton && bInside) {
        // The desktop may take a while to come up; the pointer has left by then.
        SetHover(false);
        Open();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CLinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CLinkLabel::hideEvent(QHideEvent* event) {
    SetHover(false);
    QLabel::hideEvent(event);
}

void CLinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Reached by Tab, the link shows that Space opens it.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void CLinkLabel::SetHover(bool bHover) {
    if (bHover == m_bHover)
        return;
    m_bHover = bHover;
    if (bHover)
        grabMouse();
    else if (mouseGrabber() == this)
        releaseMouse();
    ApplyColor();
}

void CLinkLabel::ApplyColor() {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, CurrentColor());
    setPalette(colors);
    update();
}

} // namespace tb
