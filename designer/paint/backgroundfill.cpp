#include "designer/paint/backgroundfill.h"

#include "designer/paint/paintsteps.h"
#include "platform/surface/surface.h"

namespace tb {

COLORREF BackgroundStepColor(COLORREF c1, COLORREF c2, int64_t i, int64_t n) {
    auto channel = [i, n](unsigned from, unsigned to) {
        double v = int(from) + double(i) * (int(to) - int(from)) / double(n);
        return unsigned(ClampChannel(v, int(from), int(to)));
    };
    return RGB(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
               channel(GetBValue(c1), GetBValue(c2)));
}

void FillBackground(CSurface& surface, const CRect& rect, COLORREF c1, COLORREF c2,
                    BackStyle style) {
    if (style < BackStyle::Solid || style > BackStyle::MirroredHorizontal)
        return;
    const CRect r = rect.Normalized();
    const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;
    const bool horizontalLines = style <= BackStyle::MirroredVertical;
    const bool mirrored =
        style == BackStyle::MirroredVertical || style == BackStyle::MirroredHorizontal;
    if (style == BackStyle::Solid)
        c2 = c1;
    const int64_t extent = horizontalLines ? h : w;
    const int64_t n = mirrored ? (extent + 1) / 2 : extent;
    if (n <= 0)
        return;

    const int64_t end = horizontalLines ? r.bottom : r.right; // exclusive
    DrawStepLines(surface, r, horizontalLines, n, mirrored, end - 1,
                  [&](int64_t i) { return BackgroundStepColor(c1, c2, i, n); });
}

} // namespace tb
