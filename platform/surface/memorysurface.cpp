#include "platform/surface/memorysurface.h"

#include <algorithm>

CMemorySurface::CMemorySurface(int w, int h, COLORREF fill)
    : m_nWidth(tb::SurfaceSizeAllowed(w, h) ? w : 0),
      m_nHeight(tb::SurfaceSizeAllowed(w, h) ? h : 0),
      m_pixels(size_t(m_nWidth) * size_t(m_nHeight), fill & 0xFFFFFF) {}

std::unique_ptr<CSurface> CMemorySurface::CreateCompatible(int w, int h) const {
    return std::make_unique<CMemorySurface>(w, h);
}

void CMemorySurface::DevFill(const CRect& rect, COLORREF cr) {
    for (int y = rect.top; y < rect.bottom; ++y)
        std::fill(m_pixels.begin() + ptrdiff_t(Index(rect.left, y)),
                  m_pixels.begin() + ptrdiff_t(Index(rect.right, y)), cr);
}

int CMemorySurface::MeasureLineWidth(std::string_view line) {
    return tb::FixedCellLineWidth(GetFont(), line);
}

int CMemorySurface::LineHeight() {
    return tb::FixedCellLineHeight(GetFont());
}
