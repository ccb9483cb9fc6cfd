#include "workbench/bitmapbutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace tb {

CBitmapButton::CBitmapButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CBitmapButton::SetBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& hot,
                               const QPixmap& disabled) {
    m_normal = normal;
    m_pressed = pressed;
    m_hot = hot;
    m_disabled = disabled;
    setFixedSize(sizeHint());
    updateGeometry();
    update();
}

const QPixmap& CBitmapButton::CurrentBitmap() const {
    if (!isEnabled())
        return m_disabled;
    if (isDown())
        return m_pressed;
    return m_bHot ? m_hot : m_normal;
}

QSize CBitmapButton::sizeHint() const {
    if (m_normal.isNull())
        return {120, 40};
    return (QSizeF(m_normal.size()) / m_normal.devicePixelRatio()).toSize();
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, CurrentBitmap());
    if (hasFocus()) {
        // The desktop's own focus frame, inside the face, so the keyboard user sees where
        // Space and Enter go.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(5, 5, -7, -8);
        option.backgroundColor = palette().color(QPalette::Button);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void CBitmapButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button in focus, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CBitmapButton::enterEvent(QEnterEvent* event) {
    m_bHot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CBitmapButton::leaveEvent(QEvent* event) {
    m_bHot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace tb
