#include "designer/paint/labelpaint.h"

#include <algorithm>

#include "model/marquel.h"

namespace tb {

LOGFONT LabelFont(const CMarquelState& state) {
    LOGFONT lf;
    // Sizes from a file may be anything; keep the arithmetic in range.
    const int64_t tenths = std::clamp<int64_t>(10 * int64_t(state.m_nFontSize) - 30, -7200, 7200);
    lf.lfHeight = FontHeightFromTenths(int(tenths));
    lf.lfWeight = state.m_nFontStyle == 1 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = state.m_nFontStyle == 2;
    lf.lfFaceName = state.m_nFontName == 0   ? "Times New Roman"
                    : state.m_nFontName == 1 ? "Arial"
                                             : "Courier";
    return lf;
}

LabelLayout PlaceLabel(CSurface& surface, const CRect& rect, const std::string& text,
                       const CMarquelState& state, int borderThick) {
    const CRect r = rect.Normalized();
    CRect measured{0, 0, 0, 0};
    surface.DrawText(text, measured, DT_CALCRECT);
    const int64_t tw = measured.Width(), th = measured.Height();
    const int64_t w = int64_t(r.right) - r.left, h = int64_t(r.bottom) - r.top;

    LabelLayout layout;
    int64_t dx;
    if (state.GetTextAlign() == Alignment::Right) {
        dx = w - tw - borderThick - 3;
        layout.format = DT_RIGHT;
    } else if (state.GetTextAlign() == Alignment::Centre) {
        dx = (w - tw) / 2;
        layout.format = DT_CENTER;
    } else {
        dx = int64_t(borderThick) + 3;
        layout.format = DT_LEFT;
    }
    dx += state.m_nTextOffset;
    const int64_t dy = (h - th) / 2;

    constexpr int64_t kFar = int64_t(1) << 30;
    const int left = int(std::clamp(r.left + dx, -kFar, kFar));
    const int top = int(std::clamp(r.top + dy, -kFar, kFar));
    layout.textRect = {left, top, int(std::clamp(left + tw, -kFar, kFar)),
                       int(std::clamp(top + th, -kFar, kFar))};
    return layout;
}

CSize MeasureLabelText(CSurface& surface, const std::string& text, const CMarquelState& state) {
    surface.SelectFont(LabelFont(state));
    CRect measured{0, 0, 0, 0};
    surface.DrawText(text, measured, DT_CALCRECT);
    measured.NormalizeRect();
    return {measured.Width(), measured.Height()};
}

void DrawLabel(CSurface& surface, const CRect& rect, const std::string& text,
               const CMarquelState& state, int borderThick) {
    surface.SelectFont(LabelFont(state));
    LabelLayout layout = PlaceLabel(surface, rect, text, state, borderThick);
    surface.SetBkMode(TRANSPARENT);
    surface.SetTextColor(state.m_crFont);
    // Overhangs of italic glyphs may leave the measured box; the face itself clips.
    surface.DrawText(text, layout.textRect, layout.format | DT_NOCLIP);
}

} // namespace tb
