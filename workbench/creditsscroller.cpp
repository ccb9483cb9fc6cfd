#include "workbench/creditsscroller.h"

#include <QPainter>
#include <QTimerEvent>
#include <QtMath>

#include "platform/ui/qt/qtstring.h"

namespace tb {

namespace {

constexpr int kLineGap = 4;

} // namespace

CCreditsScroller::CCreditsScroller(QWidget* parent)
    : QWidget(parent), m_nInterval(CreditsStepInterval(kDefaultCreditsSpeed)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("The people who made Ambrel Brisko"));
}

void CCreditsScroller::SetCredits(const std::string& text, char separator) {
    m_lines = SplitCredits(text, separator);
    m_pictures.assign(m_lines.size(), QPixmap());
    for (size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].style == CCreditLine::Bitmap && m_pictureLookup)
            m_pictures[i] = m_pictureLookup(ToQString(m_lines[i].text));
    }
    m_lineHeights.clear();
    m_nContentHeight = 0;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        m_lineHeights.push_back(MeasureLineHeight(i));
        m_nContentHeight += m_lineHeights.back();
    }
    m_nOffset = 0;
    update();
}

void CCreditsScroller::SetSpeed(int nSpeed) {
    m_nInterval = CreditsStepInterval(nSpeed);
    if (m_timer.isActive())
        Restart();
}

void CCreditsScroller::SetColors(QColor background, QColor title, QColor heading, QColor subheading,
                                 QColor plain) {
    m_background = background;
    m_title = title;
    m_heading = heading;
    m_subheading = subheading;
    m_plain = plain;
    update();
}

void CCreditsScroller::SetPictureLookup(PictureLookup lookup) {
    m_pictureLookup = std::move(lookup);
}

QFont CCreditsScroller::LineFont(CCreditLine::Style style) const {
    QFont lineFont(QStringLiteral("Arial"));
    switch (style) {
    case CCreditLine::Title:
        lineFont.setPixelSize(21);
        lineFont.setBold(true);
        break;
    case CCreditLine::Heading:
        lineFont.setPixelSize(19);
        lineFont.setBold(true);
        break;
    case CCreditLine::Subheading:
        lineFont.setPixelSize(17);
        lineFont.setBold(true);
        break;
    default:
        lineFont.setPixelSize(15);
        lineFont.setWeight(QFont::Thin);
        break;
    }
    return lineFont;
}

QColor CCreditsScroller::LineColor(CCreditLine::Style style) const {
    switch (style) {
    case CCreditLine::Title:
        return m_title;
    case CCreditLine::Heading:
        return m_heading;
    case CCreditLine::Subheading:
        return m_subheading;
    default:
        return m_plain;
    }
}

int CCreditsScroller::MeasureLineHeight(size_t nLine) const {
    if (!m_pictures[nLine].isNull())
        return qCeil(m_pictures[nLine].deviceIndependentSize().height()) + kLineGap;
    const CCreditLine::Style style =
        m_lines[nLine].style == CCreditLine::Bitmap ? CCreditLine::Plain : m_lines[nLine].style;
    return QFontMetrics(LineFont(style)).height() + kLineGap;
}

int CCreditsScroller::Period() const {
    // The lines come in from below the box and leave at the top; then they come round again.
    return ContentHeight() + height();
}

int CCreditsScroller::LineTop(size_t nLine) const {
    int nTop = height() - m_nOffset;
    for (size_t i = 0; i < nLine && i < m_lines.size(); ++i)
        nTop += m_lineHeights[i];
    return nTop;
}

void CCreditsScroller::Step() {
    if (m_lines.empty())
        return;
    m_nOffset = (m_nOffset + 1) % std::max(1, Period());
    update();
}

QSize CCreditsScroller::sizeHint() const {
    return {250, 240};
}

void CCreditsScroller::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    int nTop = height() - m_nOffset;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const int nHeight = m_lineHeights[i];
        if (nTop + nHeight > 0 && nTop < height()) {
            const CCreditLine& line = m_lines[i];
            if (!m_pictures[i].isNull()) {
                const QSize size = m_pictures[i].deviceIndependentSize().toSize();
                painter.drawPixmap((width() - size.width()) / 2, nTop, m_pictures[i]);
            } else if (line.style != CCreditLine::Bitmap) {
                painter.setFont(LineFont(line.style));
                painter.setPen(LineColor(line.style));
                painter.drawText(QRect(0, nTop, width(), nHeight - kLineGap), Qt::AlignCenter,
                                 ToQString(line.text));
            }
        }
        nTop += nHeight;
    }
}

void CCreditsScroller::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId()) {
        Step();
        return;
    }
    QWidget::timerEvent(event);
}

void CCreditsScroller::showEvent(QShowEvent* event) {
    Restart();
    QWidget::showEvent(event);
}

void CCreditsScroller::hideEvent(QHideEvent* event) {
    m_timer.stop();
    QWidget::hideEvent(event);
}

void CCreditsScroller::Restart() {
    m_timer.start(m_nInterval, Qt::PreciseTimer, this);
}

} // namespace tb
