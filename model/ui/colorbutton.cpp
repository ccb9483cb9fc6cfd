#include "model/ui/colorbutton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "platform/surface/qt/qtrect.h"
#include "platform/ui/uiservices.h"

namespace {

// "#ff8040": how the colour reads in a tooltip and to a screen reader.
QString ColorName(COLORREF cr) {
    return tb::ToQColor(cr).name();
}

} // namespace

CColorButton::CColorButton(QWidget* pParent) : QPushButton(pParent) {
    connect(this, &QPushButton::clicked, this, [this] { ChooseColor(); });
    SetColor(m_cr);
}

void CColorButton::SetColor(COLORREF cr) {
    m_cr = cr & 0xFFFFFF;
    setToolTip(tr("Click to choose a colour (now %1)").arg(ColorName(m_cr)));
    setAccessibleDescription(ColorName(m_cr));
    update();
}

bool CColorButton::ChooseColor() {
    const std::optional<COLORREF> chosen = tb::Ui().ChooseColor(m_cr);
    if (!chosen)
        return false;
    SetColor(*chosen);
    emit ColorChosen(m_cr);
    return true;
}

QSize CColorButton::sizeHint() const {
    const QSize button = QPushButton::sizeHint();
    return {std::max(56, fontMetrics().height() * 3), button.height()};
}

QSize CColorButton::minimumSizeHint() const {
    return {fontMetrics().height() * 2, QPushButton::minimumSizeHint().height()};
}

void CColorButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QRect swatch = contents.adjusted(2, 2, -2, -2);
    if (swatch.width() > 2 && swatch.height() > 2) {
        // Dark outer line and light inner line: one of them always stands out from the colour.
        painter.setPen(isEnabled() ? QColor(0x30, 0x30, 0x30) : QColor(0x90, 0x90, 0x90));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
        painter.setPen(QColor(0xff, 0xff, 0xff));
        painter.drawRect(swatch.adjusted(1, 1, -2, -2));
        painter.fillRect(swatch.adjusted(2, 2, -2, -2), tb::ToQColor(m_cr));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contents.adjusted(-1, -1, 1, 1);
        focus.backgroundColor = palette().color(QPalette::Button);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
