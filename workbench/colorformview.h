#pragma once
// A form view in a colour of its own: a scrolling view that holds a fixed form and paints
// its whole background, the form's included, in one colour (initially the desktop's button
// face). When the window is smaller than the form, the form scrolls.

#include <QScrollArea>

#include "platform/core/colorref.h"

namespace tb {

class CColorFormView : public QScrollArea {
    Q_OBJECT

public:
    explicit CColorFormView(QWidget* parent = nullptr);

    // The widget that holds the form's controls.
    QWidget* Form() const { return m_pForm; }

    COLORREF BackgroundColor() const { return m_crBackground; }
    void SetBackgroundColor(COLORREF color);

private:
    QWidget* m_pForm;
    COLORREF m_crBackground;
};

} // namespace tb
