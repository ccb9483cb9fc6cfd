#include "designer/ui/screenplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/surface/qt/qtrect.h"

namespace tb {

CScreenGeometry PrimaryScreenGeometry() {
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    if (!pScreen)
        return {};
    return {FromQRect(pScreen->geometry()), FromQRect(pScreen->availableGeometry())};
}

void PlaceWindow(QWidget& window, CPoint stored) {
    const CPoint at = PlaceOnScreen(stored, PrimaryScreenGeometry());
    window.move(at.x, at.y);
}

CPoint StoredPositionOf(const QWidget& window) {
    QPoint frame = window.pos();
    if ((window.isMaximized() || window.isMinimized() || window.isFullScreen()) &&
        window.normalGeometry().isValid()) {
        // The normal geometry leaves the frame out; the frame is as wide in every state.
        frame = window.normalGeometry().topLeft() - (window.geometry().topLeft() - window.pos());
    }
    return StoredPosition({frame.x(), frame.y()}, PrimaryScreenGeometry());
}

} // namespace tb
