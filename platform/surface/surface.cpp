#include "platform/surface/surface.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    int64_t num = int64_t(a) * b;
    bool negative = (num < 0) != (c < 0);
    uint64_t n = num < 0 ? uint64_t(-num) : uint64_t(num);
    uint64_t d = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
    uint64_t q = (n + d / 2) / d;
    if (q > uint64_t(std::numeric_limits<int>::max()))
        return -1;
    return negative ? -int(q) : int(q);
}

namespace tb {

int FontHeightFromTenths(int tenthsOfPoint) {
    return -MulDiv(tenthsOfPoint, kLogPixelsY, 720);
}

namespace {
int FixedCellCharHeight(const LOGFONT& font) {
    if (font.lfHeight < 0)
        return font.lfHeight == std::numeric_limits<int32_t>::min() ? 1 << 16 : -font.lfHeight;
    if (font.lfHeight > 0)
        return std::max(1, font.lfHeight / 5 * 4);
    return 13;
}
} // namespace

int FixedCellLineWidth(const LOGFONT& font, std::string_view line) {
    // One cell per character: UTF-8 continuation bytes do not count.
    int64_t chars = std::count_if(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return int(std::min<int64_t>(chars * std::max(1, FixedCellCharHeight(font) / 2), 1 << 30));
}

int FixedCellLineHeight(const LOGFONT& font) {
    if (font.lfHeight > 0)
        return font.lfHeight;
    int h = FixedCellCharHeight(font);
    return h + (h + 3) / 4;
}

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    // Like DrawText: there is always a first line, and a break at the very end starts none.
    std::vector<std::string_view> lines;
    size_t pos = 0;
    do {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    } while (pos < text.size());
    return lines;
}

} // namespace tb

namespace {

// Clamps a 64-bit device coordinate into int range around the surface; anything beyond the
// surface is clipped anyway.
int32_t Clamp32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, -(int64_t(1) << 30), int64_t(1) << 30));
}

} // namespace

CPoint CSurface::SetViewportOrg(int x, int y) {
    CPoint old = m_state.ptViewportOrg;
    m_state.ptViewportOrg = {x, y};
    return old;
}

CRect CSurface::DeviceClip() const {
    return m_state.bClipped ? m_state.rcClip : CRect{0, 0, GetWidth(), GetHeight()};
}

CRect CSurface::GetClipBox() const {
    CRect clip = DeviceClip();
    clip.OffsetRect(-m_state.ptViewportOrg.x, -m_state.ptViewportOrg.y);
    return clip;
}

bool CSurface::IntersectClipRect(const CRect& rect) {
    m_state.rcClip = ClipToDevice(rect);
    m_state.bClipped = true;
    return !m_state.rcClip.IsRectEmpty();
}

int CSurface::SaveDC() {
    m_saved.push_back(m_state);
    return int(m_saved.size());
}

bool CSurface::RestoreDC(int nSavedDC) {
    const int64_t nLevel = nSavedDC < 0 ? int64_t(m_saved.size()) + 1 + nSavedDC : nSavedDC;
    if (nLevel < 1 || nLevel > int64_t(m_saved.size()))
        return false;
    const bool bFontChanged = !(m_saved[size_t(nLevel - 1)].font == m_state.font);
    m_state = std::move(m_saved[size_t(nLevel - 1)]);
    m_saved.resize(size_t(nLevel - 1));
    if (bFontChanged)
        OnFontChanged();
    return true;
}

COLORREF CSurface::SetPenColor(COLORREF cr) {
    COLORREF old = m_state.crPen;
    m_state.crPen = cr & 0xFFFFFF;
    return old;
}

CPoint CSurface::MoveTo(int x, int y) {
    CPoint old = m_state.ptCurrent;
    m_state.ptCurrent = {x, y};
    return old;
}

bool CSurface::LineTo(int x, int y) {
    const CPoint org = m_state.ptViewportOrg;
    const int64_t x0 = int64_t(m_state.ptCurrent.x) + org.x;
    const int64_t y0 = int64_t(m_state.ptCurrent.y) + org.y;
    const int64_t x1 = int64_t(x) + org.x;
    const int64_t y1 = int64_t(y) + org.y;
    m_state.ptCurrent = {x, y};

    const int64_t dx = std::llabs(x1 - x0), dy = std::llabs(y1 - y0);
    const int64_t sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int64_t n = xMajor ? dx : dy; // pixels drawn: the end point is left out
    if (n == 0)
        return true;
    const CRect clip = DeviceClip();

    // A row or a column is a fill: from the start up to, not including, the end.
    if (dx == 0 || dy == 0) {
        const int64_t left = dy == 0 ? (sx > 0 ? x0 : x1 + 1) : x0;
        const int64_t right = dy == 0 ? (sx > 0 ? x1 : x0 + 1) : x0 + 1;
        const int64_t top = dx == 0 ? (sy > 0 ? y0 : y1 + 1) : y0;
        const int64_t bottom = dx == 0 ? (sy > 0 ? y1 : y0 + 1) : y0 + 1;
        const int64_t l = std::max<int64_t>(left, clip.left), t = std::max<int64_t>(top, clip.top);
        const int64_t r = std::min<int64_t>(right, clip.right);
        const int64_t b = std::min<int64_t>(bottom, clip.bottom);
        if (l < r && t < b)
            DevFill(CRect{int(l), int(t), int(r), int(b)}, m_state.crPen);
        return true;
    }

    const int64_t minor = xMajor ? dy : dx;
    // Step i along the major axis moves round(i * minor / n) along the minor one (halves away
    // from the start). Restrict i to the steps whose major coordinate lies in the clip
    // rectangle, so the cost never exceeds the surface's size however long the line is.
    const int64_t start = xMajor ? x0 : y0;
    const int64_t step = xMajor ? sx : sy;
    const int64_t lo = xMajor ? clip.left : clip.top;
    const int64_t hi = xMajor ? clip.right : clip.bottom;
    int64_t iFirst = 0, iLast = n - 1;
    if (step > 0) {
        iFirst = std::max(iFirst, lo - start);
        iLast = std::min(iLast, hi - 1 - start);
    } else {
        iFirst = std::max(iFirst, start - (hi - 1));
        iLast = std::min(iLast, start - lo);
    }
    for (int64_t i = iFirst; i <= iLast; ++i) {
        int64_t offset = (2 * i * minor + n) / (2 * n);
        int64_t px = xMajor ? x0 + i * sx : x0 + offset * sx;
        int64_t py = xMajor ? y0 + offset * sy : y0 + i * sy;
        if (px >= clip.left && py >= clip.top && px < clip.right && py < clip.bottom)
            DevSetPixel(int(px), int(py), m_state.crPen);
    }
    return true;
}

COLORREF CSurface::SetPixel(int x, int y, COLORREF cr) {
    const CRect clip = DeviceClip();
    int64_t px = int64_t(x) + m_state.ptViewportOrg.x, py = int64_t(y) + m_state.ptViewportOrg.y;
    if (px < clip.left || py < clip.top || px >= clip.right || py >= clip.bottom)
        return CLR_INVALID;
    DevSetPixel(int(px), int(py), cr & 0xFFFFFF);
    return cr & 0xFFFFFF;
}

COLORREF CSurface::GetPixel(int x, int y) const {
    const CRect clip = DeviceClip();
    int64_t px = int64_t(x) + m_state.ptViewportOrg.x, py = int64_t(y) + m_state.ptViewportOrg.y;
    if (px < clip.left || py < clip.top || px >= clip.right || py >= clip.bottom)
        return CLR_INVALID;
    return DevGetPixel(int(px), int(py));
}

CRect CSurface::ClipToDevice(const CRect& logical) const {
    CRect r = logical.Normalized();
    const CPoint org = m_state.ptViewportOrg;
    CRect device{Clamp32(int64_t(r.left) + org.x), Clamp32(int64_t(r.top) + org.y),
                 Clamp32(int64_t(r.right) + org.x), Clamp32(int64_t(r.bottom) + org.y)};
    CRect clipped;
    clipped.IntersectRect(device, DeviceClip());
    return clipped;
}

void CSurface::DevFill(const CRect& rect, COLORREF cr) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            DevSetPixel(x, y, cr);
}

void CSurface::FillSolidRect(const CRect& rect, COLORREF cr) {
    CRect r = ClipToDevice(rect);
    if (!r.IsRectEmpty())
        DevFill(r, cr & 0xFFFFFF);
}

void CSurface::InvertRect(const CRect& rect) {
    CRect r = ClipToDevice(rect);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            DevSetPixel(x, y, DevGetPixel(x, y) ^ 0xFFFFFF);
}

void CSurface::DrawFocusRect(const CRect& rect) {
    // The dotted pattern is anchored to the device grid, as a brush pattern would be.
    CRect n = rect.Normalized();
    if (n.IsRectEmpty())
        return;
    auto invertSpan = [this](const CRect& logical) {
        CRect r = ClipToDevice(logical);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (((x + y) & 1) == 0)
                    DevSetPixel(x, y, DevGetPixel(x, y) ^ 0xFFFFFF);
    };
    invertSpan({n.left, n.top, n.right, n.top + 1});
    if (n.bottom - 1 > n.top)
        invertSpan({n.left, n.bottom - 1, n.right, n.bottom});
    if (n.bottom - 1 > n.top + 1) {
        invertSpan({n.left, n.top + 1, n.left + 1, n.bottom - 1});
        if (n.right - 1 > n.left)
            invertSpan({n.right - 1, n.top + 1, n.right, n.bottom - 1});
    }
}

bool CSurface::BitBlt(int x, int y, int w, int h, const CSurface& src, int xSrc, int ySrc) {
    if (w <= 0 || h <= 0)
        return true;
    const CRect clip = DeviceClip();
    int64_t dx = int64_t(x) + m_state.ptViewportOrg.x, dy = int64_t(y) + m_state.ptViewportOrg.y;
    int64_t sx = int64_t(xSrc) + src.m_state.ptViewportOrg.x;
    int64_t sy = int64_t(ySrc) + src.m_state.ptViewportOrg.y;
    int64_t cw = w, ch = h;
    // Trim the block so that it lies inside the source and the clip rectangle.
    auto trimStart = [&](int64_t& a, int64_t aLow, int64_t& b, int64_t& len) {
        int64_t cut = std::max<int64_t>({0, aLow - a, -b});
        a += cut;
        b += cut;
        len -= cut;
    };
    trimStart(dx, clip.left, sx, cw);
    trimStart(dy, clip.top, sy, ch);
    cw = std::min({cw, clip.right - dx, src.GetWidth() - sx});
    ch = std::min({ch, clip.bottom - dy, src.GetHeight() - sy});
    if (cw <= 0 || ch <= 0)
        return true;
    const CRect dest{int(dx), int(dy), int(dx + cw), int(dy + ch)};
    if (DevCopyBlock(dest, src, int(sx), int(sy)))
        return true;
    if (&src == this) {
        std::vector<COLORREF> block(size_t(cw * ch));
        for (int64_t j = 0; j < ch; ++j)
            for (int64_t i = 0; i < cw; ++i)
                block[size_t(j * cw + i)] = DevGetPixel(int(sx + i), int(sy + j));
        for (int64_t j = 0; j < ch; ++j)
            for (int64_t i = 0; i < cw; ++i)
                DevSetPixel(int(dx + i), int(dy + j), block[size_t(j * cw + i)]);
        return true;
    }
    for (int64_t j = 0; j < ch; ++j)
        for (int64_t i = 0; i < cw; ++i)
            DevSetPixel(int(dx + i), int(dy + j), src.DevGetPixel(int(sx + i), int(sy + j)));
    return true;
}

void CSurface::SelectFont(const LOGFONT& font) {
    if (font == m_state.font)
        return;
    m_state.font = font;
    OnFontChanged();
}

COLORREF CSurface::SetTextColor(COLORREF cr) {
    COLORREF old = m_state.crText;
    m_state.crText = cr & 0xFFFFFF;
    return old;
}

COLORREF CSurface::SetBkColor(COLORREF cr) {
    COLORREF old = m_state.crBk;
    m_state.crBk = cr & 0xFFFFFF;
    return old;
}

int CSurface::SetBkMode(int mode) {
    int old = m_state.nBkMode;
    m_state.nBkMode = mode;
    return old;
}

CSize CSurface::GetTextExtent(std::string_view line) {
    return {MeasureLineWidth(line), LineHeight()};
}

int CSurface::DrawText(std::string_view text, CRect& rect, unsigned format) {
    std::vector<std::string_view> lines = tb::SplitTextLines(text);
    const int lineHeight = LineHeight();
    std::vector<int> widths;
    widths.reserve(lines.size());
    int maxWidth = 0;
    for (std::string_view line : lines) {
        widths.push_back(MeasureLineWidth(line));
        maxWidth = std::max(maxWidth, widths.back());
    }
    const int height = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        rect.right = rect.left + maxWidth;
        rect.bottom = rect.top + height;
        return height;
    }
    const CRect clip = (format & DT_NOCLIP) ? DeviceClip() : ClipToDevice(rect);
    if (clip.IsRectEmpty())
        return height;
    for (size_t i = 0; i < lines.size(); ++i) {
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.Width() - widths[i]) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - widths[i];
        int y = rect.top + int(i) * lineHeight;
        int devX = Clamp32(int64_t(x) + m_state.ptViewportOrg.x);
        int devY = Clamp32(int64_t(y) + m_state.ptViewportOrg.y);
        if (m_state.nBkMode == OPAQUE) {
            CRect box;
            if (box.IntersectRect({devX, devY, devX + widths[i], devY + lineHeight}, clip))
                DevFill(box, m_state.crBk);
        }
        if (devY < clip.bottom && devY + lineHeight > clip.top)
            DevDrawTextLine(lines[i], devX, devY, clip);
    }
    return height;
}
