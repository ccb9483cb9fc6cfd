#pragma once
// The one place where our rectangles (right and bottom exclusive) meet QRect (right() and
// bottom() inclusive) and our colours (0x00BBGGRR) meet Qt's (0xAARRGGBB).

#include <QColor>
#include <QRect>

#include "platform/core/colorref.h"
#include "platform/core/rect.h"

namespace tb {

inline QRect ToQRect(const CRect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

inline CRect FromQRect(const QRect& r) {
    return CRect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

inline QRgb ToQRgb(COLORREF cr) {
    return qRgb(int(GetRValue(cr)), int(GetGValue(cr)), int(GetBValue(cr)));
}

inline COLORREF FromQRgb(QRgb rgb) {
    return RGB(unsigned(qRed(rgb)), unsigned(qGreen(rgb)), unsigned(qBlue(rgb)));
}

inline QColor ToQColor(COLORREF cr) {
    return QColor(ToQRgb(cr));
}

inline COLORREF FromQColor(const QColor& c) {
    return FromQRgb(c.rgb());
}

} // namespace tb
