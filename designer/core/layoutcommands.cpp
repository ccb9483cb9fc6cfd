#include "designer/core/layoutcommands.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/drawrect.h"

namespace tb {

namespace {

using Coordinate = int32_t CRect::*;

// The two edges of a rectangle along one axis: left and right, or top and bottom.
struct CAxisEdges {
    Coordinate low;
    Coordinate high;
};

constexpr CAxisEdges kHorizontal{&CRect::left, &CRect::right};
constexpr CAxisEdges kVertical{&CRect::top, &CRect::bottom};

const CAxisEdges& EdgesOf(Axis axis) {
    return axis == Axis::Horizontal ? kHorizontal : kVertical;
}

int32_t Saturated(int64_t value) {
    return int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int64_t Length(const CRect& r, const CAxisEdges& axis) {
    return int64_t(r.*axis.high) - r.*axis.low;
}

void Shift(CRect& r, const CAxisEdges& axis, int64_t distance) {
    r.*axis.low = Saturated(r.*axis.low + distance);
    r.*axis.high = Saturated(r.*axis.high + distance);
}

// The layout commands work on upright rectangles; a button still inverted from a drag is
// turned upright for good.
void NormalizeAll(const std::vector<CDrawRect*>& selection) {
    for (CDrawRect* p : selection)
        p->bounds.NormalizeRect();
}

// Each place in turn takes the lowest edge still unsorted (the earliest of equal ones) by
// swapping with it. Unlike a stable sort, a swap may carry a button past one with the same
// edge: the order of equal buttons, and so which one is first, is this sort's.
void SelectionSortByEdge(std::vector<CDrawRect*>& selection, Coordinate edge) {
    for (size_t i = 0; i + 1 < selection.size(); ++i) {
        size_t lowest = i;
        for (size_t j = i + 1; j < selection.size(); ++j) {
            if (selection[j]->bounds.*edge < selection[lowest]->bounds.*edge)
                lowest = j;
        }
        std::swap(selection[i], selection[lowest]);
    }
}

} // namespace

bool AlignToFirst(const std::vector<CDrawRect*>& selection, Edge edge) {
    if (selection.size() < 2)
        return false;
    NormalizeAll(selection);
    const bool bHorizontal = edge == Edge::Left || edge == Edge::Right;
    const CAxisEdges& axis = bHorizontal ? kHorizontal : kVertical;
    const Coordinate side = (edge == Edge::Left || edge == Edge::Top) ? axis.low : axis.high;
    const int64_t target = selection.front()->bounds.*side;
    for (size_t i = 1; i < selection.size(); ++i) {
        CRect& r = selection[i]->bounds;
        Shift(r, axis, target - r.*side);
    }
    return true;
}

bool MatchFirstSize(const std::vector<CDrawRect*>& selection, Extent extent) {
    if (selection.size() < 2)
        return false;
    NormalizeAll(selection);
    const CRect& first = selection.front()->bounds;
    const int64_t width = Length(first, kHorizontal);
    const int64_t height = Length(first, kVertical);
    for (size_t i = 1; i < selection.size(); ++i) {
        CRect& r = selection[i]->bounds;
        if (extent != Extent::Height)
            r.right = Saturated(r.left + width);
        if (extent != Extent::Width)
            r.bottom = Saturated(r.top + height);
    }
    return true;
}

bool SpaceEvenly(std::vector<CDrawRect*>& selection, Axis axis) {
    const size_t n = selection.size();
    if (n < 3)
        return false;
    NormalizeAll(selection);
    const CAxisEdges& edges = EdgesOf(axis);
    // The list itself is reordered: the leftmost (topmost) button becomes the first selected,
    // the one the alignment commands line up with next.
    SelectionSortByEdge(selection, edges.low);

    int64_t next = selection.front()->bounds.*edges.high;
    const int64_t last = selection.back()->bounds.*edges.low;
    int64_t inner = 0;
    for (size_t i = 1; i + 1 < n; ++i)
        inner += Length(selection[i]->bounds, edges);
    // C++ division truncates toward zero, which is the rounding the gaps are defined with.
    const int64_t gap = (last - inner - next) / int64_t(n - 1);
    for (size_t i = 1; i + 1 < n; ++i) {
        CRect& r = selection[i]->bounds;
        const int64_t length = Length(r, edges);
        r.*edges.low = Saturated(next + gap);
        next += length + gap;
        r.*edges.high = Saturated(next);
    }
    return true;
}

bool CenterInApplet(const std::vector<CDrawRect*>& selection, Axis axis, int nAppletExtent) {
    if (selection.empty())
        return false;
    NormalizeAll(selection);
    const CAxisEdges& edges = EdgesOf(axis);
    int64_t low = selection.front()->bounds.*edges.low;
    int64_t high = selection.front()->bounds.*edges.high;
    for (const CDrawRect* p : selection) {
        low = std::min<int64_t>(low, p->bounds.*edges.low);
        high = std::max<int64_t>(high, p->bounds.*edges.high);
    }
    const int64_t distance = (low + nAppletExtent - high) / 2 - low;
    for (CDrawRect* p : selection)
        Shift(p->bounds, edges, distance);
    return true;
}

} // namespace tb
