#include "designer/paint/stylesamples.h"

#include <algorithm>
#include <vector>

#include "designer/paint/paintsteps.h"
#include "platform/surface/offscreen.h"
#include "platform/surface/surface.h"

void PaintGradient(CSurface& surface, const CRect& rect, COLORREF crFirst, COLORREF crSecond,
                   bool bVertical, bool bMirrored) {
    const CRect r = rect.Normalized();
    int64_t n = bVertical ? int64_t(r.bottom) - r.top : int64_t(r.right) - r.left;
    if (bMirrored)
        n /= 2;
    // n = 0 (a one-pixel mirrored strip) would divide by zero: its single step is the first
    // colour.
    auto increment = [n](unsigned from, unsigned to) {
        return n == 0 ? 0.0 : (double(to) - double(from)) / double(n);
    };
    const double incR = increment(GetRValue(crFirst), GetRValue(crSecond));
    const double incG = increment(GetGValue(crFirst), GetGValue(crSecond));
    const double incB = increment(GetBValue(crFirst), GetBValue(crSecond));
    auto channel = [](unsigned from, unsigned to, double v) {
        // Kept between the two end values whichever way the gradient runs.
        int lo = int(std::min(from, to)), hi = int(std::max(from, to));
        return unsigned(std::clamp(tb::ClampChannel(v, int(from), int(to)), lo, hi));
    };
    auto color = [&](int64_t i) {
        return RGB(channel(GetRValue(crFirst), GetRValue(crSecond), GetRValue(crFirst) + i * incR),
                   channel(GetGValue(crFirst), GetGValue(crSecond), GetGValue(crFirst) + i * incG),
                   channel(GetBValue(crFirst), GetBValue(crSecond), GetBValue(crFirst) + i * incB));
    };
    const int64_t end = bVertical ? r.bottom : r.right;
    tb::DrawStepLines(surface, r, bVertical, n + 1, bMirrored, end, color);
}

namespace {

// A shade of level L: green at L, red and blue at their offsets from green.
COLORREF ShadeAtLevel(COLORREF color, int64_t level) {
    const int64_t g = GetGValue(color);
    auto ch = [](int64_t v) { return unsigned(std::clamp<int64_t>(v, 0, 255)); };
    return RGB(ch(level + (int64_t(GetRValue(color)) - g)), ch(level),
               ch(level + (int64_t(GetBValue(color)) - g)));
}

} // namespace

void PaintBorder(CSurface& surface, const CRect& rect, COLORREF crColor, int nThickness,
                 tb::BorderStyle style) {
    using tb::BorderStyle;
    if (nThickness <= 0 || style < BorderStyle::Raised || style > BorderStyle::DoubleRaised)
        return;
    const CRect r = rect.Normalized();
    const int64_t t = nThickness, outerBand = t / 2, base = GetGValue(crColor);
    // Levels run far past 255 for absurd thicknesses; clamping makes them all alike.
    auto amount = [](int64_t step, int64_t count) { return std::min<int64_t>(step * count, 1000); };

    // Level change of ring k's top-left edges (the bottom-right ones change the other way).
    auto rise = [&](int64_t k) -> int64_t {
        const int64_t fromInside = t - 1 - k;
        switch (style) {
        case BorderStyle::Raised:
            return amount(10, k);
        case BorderStyle::Sunken:
            return -amount(10, k);
        case BorderStyle::RaisedInside:
            return amount(15, fromInside);
        case BorderStyle::SunkenInside:
            return -amount(15, fromInside);
        case BorderStyle::Ridge: // raised outer band, sunken inner band
            return k < outerBand ? amount(15, outerBand - 1 - k) : -amount(15, k - outerBand);
        default: // the last style, a groove: sunken outer band, raised inner band
            return k < outerBand ? -amount(15, outerBand - 1 - k) : amount(15, k - outerBand);
        }
    };

    std::vector<int64_t> rings;
    tb::ForEachVisibleRing(surface, r, t, [&rings](int64_t k) { rings.push_back(k); });
    if (style == BorderStyle::RaisedInside || style == BorderStyle::SunkenInside)
        std::reverse(rings.begin(), rings.end()); // innermost first
    for (int64_t k : rings) {
        const int64_t d = rise(k);
        tb::DrawRing(surface, r, k, ShadeAtLevel(crColor, base + d),
                     ShadeAtLevel(crColor, base - d));
    }
}

namespace tb {

namespace {

void PaintWord(CSurface& surface, const CRect& rect, const char* word, COLORREF textColor) {
    CRect box{0, 0, 0, 0};
    surface.DrawText(word, box, DT_CALCRECT);
    const CRect r = rect.Normalized();
    box.OffsetRect(r.left + 2, r.top + (r.Height() - box.Height()) / 2);
    surface.SetBkMode(TRANSPARENT);
    surface.SetTextColor(textColor);
    surface.DrawText(word, box, DT_LEFT | DT_NOCLIP);
}

} // namespace

void PaintBackStyleSample(CSurface& surface, const CRect& rect, BackStyle style, COLORREF crFirst,
                          COLORREF crSecond, COLORREF textColor) {
    switch (style) {
    case BackStyle::Transparent:
        PaintWord(surface, rect, "Transparent", textColor);
        break;
    case BackStyle::Solid:
        PaintGradient(surface, rect, crFirst, crFirst, true, false);
        break;
    case BackStyle::TopToBottom:
        PaintGradient(surface, rect, crFirst, crSecond, true, false);
        break;
    case BackStyle::MirroredVertical:
        PaintGradient(surface, rect, crFirst, crSecond, true, true);
        break;
    case BackStyle::LeftToRight:
        PaintGradient(surface, rect, crFirst, crSecond, false, false);
        break;
    case BackStyle::MirroredHorizontal:
        PaintGradient(surface, rect, crFirst, crSecond, false, true);
        break;
    default:
        break;
    }
}

void PaintBorderStyleSample(CSurface& surface, const CRect& rect, BorderStyle style,
                            COLORREF crColor, COLORREF textColor) {
    if (style == BorderStyle::None)
        PaintWord(surface, rect, "Plain", textColor);
    else
        PaintBorder(surface, rect, crColor, 6, style);
}

void DrawPickerEntry(CSurface& surface, const CRect& item, int nStyle, bool bSelected,
                     bool bFocused, const PickerColors& colors,
                     const IStyleSamplePainter& painter) {
    const CRect r = item.Normalized();
    ComposeOffscreen(surface, r, [&](CSurface& memory) {
        memory.FillSolidRect(r, bSelected ? colors.highlight : colors.window);
        const COLORREF text = bSelected ? (colors.text ^ 0xFFFFFF) : colors.text;
        if (bFocused)
            memory.DrawFocusRect(r);
        CRect sample = r;
        sample.InflateRect(-2, -2);
        painter.PaintSample(memory, sample, nStyle, text);
    });
}

} // namespace tb
