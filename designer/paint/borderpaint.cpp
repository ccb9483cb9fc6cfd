#include "designer/paint/borderpaint.h"

#include <algorithm>

#include "designer/paint/paintsteps.h"
#include "platform/surface/surface.h"

namespace tb {

namespace {

// Shades grow without bound with the ring number; past 255 they all look alike.
int Amount(int64_t step, int64_t n) {
    return int(std::min<int64_t>(step * n, 1000));
}

RingShades Raised(int amount) {
    return {amount, -amount};
}
RingShades Sunken(int amount) {
    return {-amount, amount};
}

} // namespace

RingShades BorderRingShades(BorderStyle style, int64_t thickness, int64_t k) {
    const int64_t fromInside = thickness - 1 - k; // 0 on the innermost ring
    const int64_t outerBand = thickness / 2;
    switch (style) {
    case BorderStyle::Raised:
        return Raised(Amount(10, k));
    case BorderStyle::Sunken:
        return Sunken(Amount(10, k));
    case BorderStyle::RaisedInside:
        return Raised(Amount(15, fromInside));
    case BorderStyle::SunkenInside:
        return Sunken(Amount(15, fromInside));
    case BorderStyle::Ridge:
        if (k < outerBand)
            return Raised(Amount(15, outerBand - 1 - k));
        return Sunken(Amount(15, k - outerBand));
    case BorderStyle::DoubleRaised:
        if (k < outerBand)
            return Raised(Amount(15, outerBand - 1 - k));
        return Raised(Amount(15, fromInside));
    default:
        return {};
    }
}

void DrawBorder(CSurface& surface, const CRect& rect, COLORREF base, int thickness,
                BorderStyle style) {
    if (thickness <= 0 || style < BorderStyle::Raised || style > BorderStyle::DoubleRaised)
        return;
    const CRect r = rect.Normalized();
    ForEachVisibleRing(surface, r, thickness, [&](int64_t k) {
        RingShades shades = BorderRingShades(style, thickness, k);
        DrawRing(surface, r, k, ShadeColor(base, shades.topLeft),
                 ShadeColor(base, shades.bottomRight));
    });
}

} // namespace tb
