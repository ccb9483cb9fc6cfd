#pragma once
// The About box's credits: lines moving upward one pixel per timer tick, each drawn in the
// style its last character chose (titles, headings, subheadings, plain text, or a picture),
// the first line following the last again when they have all gone by.

#include <QBasicTimer>
#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

#include "workbench/core/creditslines.h"

namespace tb {

class CCreditsScroller : public QWidget {
    Q_OBJECT

public:
    // The picture a "^" line names; a null picture leaves a gap of a plain line.
    using PictureLookup = std::function<QPixmap(const QString& name)>;

    explicit CCreditsScroller(QWidget* parent = nullptr);

    // Cuts text into lines at separator; the scrolling starts again from below.
    void SetCredits(const std::string& text, char separator);
    // An index into the speed table; one outside it means the default speed.
    void SetSpeed(int nSpeed);
    void SetColors(QColor background, QColor title, QColor heading, QColor subheading,
                   QColor plain);
    void SetPictureLookup(PictureLookup lookup);

    // Moves the lines up by one pixel, as a tick of the timer does.
    void Step();
    int Offset() const { return m_nOffset; }
    int Interval() const { return m_nInterval; }
    bool IsScrolling() const { return m_timer.isActive(); }
    // The height of all lines: after it and the box's own height the lines come round again.
    int ContentHeight() const { return m_nContentHeight; }
    const std::vector<CCreditLine>& Lines() const { return m_lines; }
    // Where line nLine is drawn now (the first of its copies from the top), in the widget.
    int LineTop(size_t nLine) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QFont LineFont(CCreditLine::Style style) const;
    QColor LineColor(CCreditLine::Style style) const;
    // Measured once per set of credits: the timer moves and repaints the lines many times a
    // second.
    int MeasureLineHeight(size_t nLine) const;
    int Period() const;
    void Restart();

    std::vector<CCreditLine> m_lines;
    std::vector<QPixmap> m_pictures; // by line; null for lines of text
    std::vector<int> m_lineHeights;  // by line, the gap below it included
    int m_nContentHeight = 0;
    PictureLookup m_pictureLookup;
    QBasicTimer m_timer;
    int m_nInterval;
    int m_nOffset = 0;
    QColor m_background{Qt::black};
    QColor m_title{Qt::white};
    QColor m_heading{Qt::white};
    QColor m_subheading{Qt::white};
    QColor m_plain{Qt::white};
};

} // namespace tb
