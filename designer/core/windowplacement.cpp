#include "designer/core/windowplacement.h"

#include <algorithm>

#include "model/appletparameters.h"

namespace tb {

namespace {

// Kept in 64 bits until clamped: a stored position comes from a file and may be anything.
int32_t Clamp(int64_t value, int64_t low, int64_t high) {
    return int32_t(std::clamp(value, low, std::max(low, high)));
}

size_t FirstIndex(DesignerWindow window) {
    return size_t(window) * 2;
}

} // namespace

CPoint PlaceOnScreen(CPoint stored, const CScreenGeometry& geometry) {
    const CRect& screen = geometry.screen;
    return {Clamp(int64_t(stored.x) + geometry.workArea.left, screen.left,
                  int64_t(screen.right) - kIconSize.cx),
            Clamp(int64_t(stored.y) + geometry.workArea.top, screen.top,
                  int64_t(screen.bottom) - kIconSize.cy)};
}

CPoint StoredPosition(CPoint framePosition, const CScreenGeometry& geometry) {
    return {framePosition.x - geometry.workArea.left, framePosition.y - geometry.workArea.top};
}

CPoint StoredWindowPos(const CAppletParameters& params, DesignerWindow window) {
    const size_t i = FirstIndex(window);
    return {params.m_nWindowPos[i], params.m_nWindowPos[i + 1]};
}

void SetStoredWindowPos(CAppletParameters& params, DesignerWindow window, CPoint position) {
    const size_t i = FirstIndex(window);
    params.m_nWindowPos[i] = position.x;
    params.m_nWindowPos[i + 1] = position.y;
}

} // namespace tb
