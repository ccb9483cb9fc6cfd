#include "designer/paint/paintsteps.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/surface/surface.h"

namespace tb {

StepRange VisibleSteps(int64_t origin, int dir, int64_t lo, int64_t hi, int64_t count) {
    StepRange r{0, count - 1};
    if (dir > 0) {
        r.first = std::max(r.first, lo - origin);
        r.last = std::min(r.last, hi - 1 - origin);
    } else {
        r.first = std::max(r.first, origin - (hi - 1));
        r.last = std::min(r.last, origin - lo);
    }
    return r;
}

COLORREF ShadeColor(COLORREF base, int64_t d) {
    auto ch = [d](unsigned c) { return unsigned(std::clamp<int64_t>(int64_t(c) + d, 0, 255)); };
    return RGB(ch(GetRValue(base)), ch(GetGValue(base)), ch(GetBValue(base)));
}

int ClampChannel(double value, int from, int to) {
    if (!std::isfinite(value))
        return from;
    int v = int(std::trunc(std::clamp(value, -1.0, 256.0)));
    return to >= from ? std::min(v, to) : std::max(v, to);
}

void SolidLine(CSurface& surface, COLORREF cr, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
    auto c = [](int64_t v) {
        constexpr int64_t kFar = int64_t(1) << 30;
        return int(std::clamp(v, -kFar, kFar));
    };
    surface.SetPenColor(cr);
    surface.MoveTo(c(x0), c(y0));
    surface.LineTo(c(x1), c(y1));
}

void DrawStepLines(CSurface& surface, const CRect& rect, bool horizontalLines, int64_t count,
                   bool mirrored, int64_t mirrorStart,
                   const std::function<COLORREF(int64_t)>& color) {
    const CRect clip = surface.GetClipBox();
    const int64_t lo = horizontalLines ? clip.top : clip.left;
    const int64_t hi = horizontalLines ? clip.bottom : clip.right;
    const int64_t start = horizontalLines ? rect.top : rect.left;
    auto line = [&](int64_t i, int64_t pos) {
        if (horizontalLines)
            SolidLine(surface, color(i), rect.left, pos, rect.right, pos);
        else
            SolidLine(surface, color(i), pos, rect.top, pos, rect.bottom);
    };
    const StepRange fromStart = VisibleSteps(start, 1, lo, hi, count);
    for (int64_t i = fromStart.first; i <= fromStart.last; ++i)
        line(i, start + i);
    if (mirrored) {
        const StepRange fromEnd = VisibleSteps(mirrorStart, -1, lo, hi, count);
        for (int64_t i = fromEnd.first; i <= fromEnd.last; ++i)
            line(i, mirrorStart - i);
    }
}

void DrawRing(CSurface& surface, const CRect& rect, int64_t k, COLORREF topLeft,
              COLORREF bottomRight) {
    const int64_t l = int64_t(rect.left) + k, t = int64_t(rect.top) + k;
    const int64_t r = int64_t(rect.right) - 1 - k, b = int64_t(rect.bottom) - 1 - k;
    SolidLine(surface, topLeft, l, t, r, t);
    SolidLine(surface, topLeft, l, t, l, b);
    SolidLine(surface, bottomRight, r, t, r, b + 1);
    SolidLine(surface, bottomRight, l, b, r, b);
}

void ForEachVisibleRing(const CSurface& surface, const CRect& rect, int64_t count,
                        const std::function<void(int64_t)>& ring) {
    if (count <= 0)
        return;
    const CRect clip = surface.GetClipBox();
    // A ring can show only where one of its four edges crosses the clip box.
    std::vector<StepRange> ranges = {
        VisibleSteps(rect.top, 1, clip.top, clip.bottom, count),
        VisibleSteps(rect.left, 1, clip.left, clip.right, count),
        VisibleSteps(int64_t(rect.bottom) - 1, -1, clip.top, clip.bottom, count),
        VisibleSteps(int64_t(rect.right) - 1, -1, clip.left, clip.right, count),
    };
    std::sort(ranges.begin(), ranges.end(),
              [](const StepRange& a, const StepRange& b) { return a.first < b.first; });
    int64_t next = 0; // first ring not yet painted
    for (const StepRange& range : ranges) {
        for (int64_t k = std::max(range.first, next); k <= range.last; ++k)
            ring(k);
        next = std::max(next, range.last + 1);
    }
}

} // namespace tb
