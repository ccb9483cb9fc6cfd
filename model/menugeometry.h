#pragma once
// A button's place in the applet is kept twice: as the design object's rectangle and as the
// geometry (left, top, width, height) of its top-level menu, which the HTML and the stored
// form write. These two functions turn one into the other. Corners and sizes come from files
// and the clipboard, so differences and sums may leave the 32-bit range: they are clamped to
// it, never wrapped, so that a far corner stays far and on its own side.

#include "platform/core/rect.h"

class CMarquel;

namespace tb {

// The menu's m_nLeft and m_nTop become the normalized rectangle's left and top, m_nWidth and
// m_nHeight its width and height. The rectangle itself is not changed.
void SetMenuGeometry(CMarquel& menu, const CRect& bounds);

// The rectangle from the menu's left and top to left + width and top + height.
CRect MenuRectangle(const CMarquel& menu);

} // namespace tb
