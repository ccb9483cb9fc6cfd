#pragma once
// The layout commands as plain geometry on the selection list: alignment and sizing against
// the first selected button, even spacing, and centring in the applet. They change the stored
// bounds directly (after normalizing them) and repaint nothing; the caller invalidates and
// takes the snapshot. Each does nothing, and returns false, when too few buttons are selected.
//
// Coordinates come from files and the clipboard and may be anywhere in 32 bits: the sums are
// worked in 64 bits and saturate, so that extreme designs give extreme positions, never
// undefined ones.

#include <vector>

class CDrawRect;

namespace tb {

enum class Edge { Left, Right, Top, Bottom };
enum class Extent { Width, Height, Both };
enum class Axis { Horizontal, Vertical };

// Moves every other button so that its edge lines up with the first button's (two or more).
bool AlignToFirst(const std::vector<CDrawRect*>& selection, Edge edge);
// Gives every other button the first button's width and/or height, keeping its left and top
// edges (two or more).
bool MatchFirstSize(const std::vector<CDrawRect*>& selection, Extent extent);
// Sorts the selection along the axis (left or top edges ascending, by a selection sort that
// swaps entries), so that the first selected becomes the leftmost or topmost, then places
// the buttons between the outer two with equal gaps (three or more). A gap that does not
// divide evenly is truncated toward zero; overlapping buttons give a negative gap.
bool SpaceEvenly(std::vector<CDrawRect*>& selection, Axis axis);
// Moves the selection as a whole so that its bounding box lies in the middle of the applet's
// extent along the axis (its width or height); one or more.
bool CenterInApplet(const std::vector<CDrawRect*>& selection, Axis axis, int nAppletExtent);

} // namespace tb
