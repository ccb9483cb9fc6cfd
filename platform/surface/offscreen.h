#pragma once
// Painting a picture within one rectangle of a surface: nothing outside the rectangle is
// touched, and the surface's state (colours, font, position, clip) is as before afterwards.
// The surfaces are images shown only once painted, so nobody sees a half-painted state.

#include <functional>

#include "platform/core/rect.h"

class CSurface;

namespace tb {

// Paints `area` of target: paint receives the target itself, clipped to the visible part of
// area, with a fresh surface's pen, colours and position but the target's font; the state is
// saved before and restored after, and target coordinates apply unchanged.
// Only the visible part is painted, so a huge area costs no more than the target. False (and
// paint is never called) when nothing of area lies within the target's clip rectangle.
bool ComposeOffscreen(CSurface& target, const CRect& area,
                      const std::function<void(CSurface& memory)>& paint);

} // namespace tb
