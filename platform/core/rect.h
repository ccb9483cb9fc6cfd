#pragma once
// Points and rectangles with Windows semantics: right and bottom are exclusive, and a stored
// rectangle may be inverted (left > right or top > bottom) while a button is dragged.
// Conversions to and from QRect (whose right() is inclusive) live in platform/surface only.

#include <algorithm>
#include <cstdint>

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    CPoint TopLeft() const { return {left, top}; }
    CPoint BottomRight() const { return {right, bottom}; }

    // Swaps coordinates so that left <= right and top <= bottom.
    void NormalizeRect() {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    CRect Normalized() const {
        CRect r = *this;
        r.NormalizeRect();
        return r;
    }
    // Empty when it has no area (as stored, not normalized).
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    // Half-open containment.
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    void OffsetRect(int32_t dx, int32_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void InflateRect(int32_t dx, int32_t dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    // Win32 IntersectRect: the common area, or an all-zero rectangle and false when none.
    bool IntersectRect(const CRect& a, const CRect& b) {
        CRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
        if (r.IsRectEmpty()) {
            *this = CRect{};
            return false;
        }
        *this = r;
        return true;
    }
    friend bool operator==(const CRect&, const CRect&) = default;
};
