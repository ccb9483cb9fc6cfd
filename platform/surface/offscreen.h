#pragma once
// Composition off screen: a picture is painted on a memory surface and copied onto the target
// in one block, so that the target never shows a half-painted state and nothing outside the
// picture's rectangle is touched.

#include <functional>

#include "platform/core/rect.h"

class CSurface;

namespace tb {

// Paints `area` of target off screen. paint receives a memory surface that holds the target's
// pixels under the visible part of area and the target's font, with its origin moved so that
// target coordinates apply unchanged; afterwards that part is copied back. Only the visible
// part is composed, so a huge area costs no more than the target. False (and paint is never
// called) when nothing of area lies on the target or no memory surface could be made.
bool ComposeOffscreen(CSurface& target, const CRect& area,
                      const std::function<void(CSurface& memory)>& paint);

} // namespace tb
