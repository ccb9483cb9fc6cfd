#include "model/menugeometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/marquel.h"

namespace tb {

namespace {

int ClampToInt(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

} // namespace

void SetMenuGeometry(CMarquel& menu, const CRect& bounds) {
    const CRect r = bounds.Normalized();
    menu.m_nLeft = r.left;
    menu.m_nTop = r.top;
    menu.m_nWidth = ClampToInt(int64_t(r.right) - r.left);
    menu.m_nHeight = ClampToInt(int64_t(r.bottom) - r.top);
}

CRect MenuRectangle(const CMarquel& menu) {
    return {menu.m_nLeft, menu.m_nTop, ClampToInt(int64_t(menu.m_nLeft) + menu.m_nWidth),
            ClampToInt(int64_t(menu.m_nTop) + menu.m_nHeight)};
}

} // namespace tb
