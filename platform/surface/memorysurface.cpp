#include "platform/surface/memorysurface.h"

#include <algorithm>
#include <cstring>

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

bool CMemorySurface::DevCopyBlock(const CRect& dest, const CSurface& src, int xSrc, int ySrc) {
    const auto* pSrc = dynamic_cast<const CMemorySurface*>(&src);
    if (!pSrc)
        return false;
    const size_t nBytes = size_t(dest.Width()) * sizeof(COLORREF);
    // Rows go bottom up when the block moves down within one surface, so that no row is
    // overwritten before it is copied; memmove takes care of overlap within a row.
    const bool bBottomUp = pSrc == this && dest.top > ySrc;
    for (int j = 0; j < dest.Height(); ++j) {
        const int row = bBottomUp ? dest.Height() - 1 - j : j;
        std::memmove(&m_pixels[Index(dest.left, dest.top + row)],
                     &pSrc->m_pixels[pSrc->Index(xSrc, ySrc + row)], nBytes);
    }
    return true;
}
