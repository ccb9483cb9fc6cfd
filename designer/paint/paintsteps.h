#pragma once
// Shared pieces of the painters: colour channel steps, shading, and the one-pixel rings of a
// border. Loops visit only what can reach the surface, so a corrupt size or thickness from a
// file costs no more than the visible area.

#include <cstdint>
#include <functional>

#include "platform/core/colorref.h"
#include "platform/core/rect.h"

class CSurface;

namespace tb {

// Steps i in [0, count) whose line position origin + dir * i lies in [lo, hi): first and
// last (last < first when none).
struct StepRange {
    int64_t first = 0;
    int64_t last = -1;
};
StepRange VisibleSteps(int64_t origin, int dir, int64_t lo, int64_t hi, int64_t count);

// Base colour with d added to each of red, green and blue, each limited to 0..255.
COLORREF ShadeColor(COLORREF base, int64_t d);

// One channel value that never passes `to` from `from`.
int ClampChannel(double value, int from, int to);

// A one-pixel solid line from (x0, y0) up to, not including, (x1, y1); far coordinates are
// kept in range so that they cannot overflow.
void SolidLine(CSurface& surface, COLORREF cr, int64_t x0, int64_t y0, int64_t x1, int64_t y1);

// The visible lines of a stepped fill of rect: line i (0 <= i < count) at position
// start + i, and, when mirrored, again at mirrorStart - i; rows across the rectangle when
// horizontalLines, else columns down it, each in color(i).
void DrawStepLines(CSurface& surface, const CRect& rect, bool horizontalLines, int64_t count,
                   bool mirrored, int64_t mirrorStart,
                   const std::function<COLORREF(int64_t)>& color);

// Ring k of rect: top edge on row top + k, left on column left + k, bottom on row
// bottom - 1 - k, right on column right - 1 - k. The top-left colour takes the top row but
// its last pixel and the left column but its last pixel; the bottom-right colour the rest.
void DrawRing(CSurface& surface, const CRect& rect, int64_t k, COLORREF topLeft,
              COLORREF bottomRight);

// Calls ring(k) for k = 0 .. count - 1 in that order, skipping rings that lie entirely off the
// surface.
void ForEachVisibleRing(const CSurface& surface, const CRect& rect, int64_t count,
                        const std::function<void(int64_t)>& ring);

} // namespace tb
