#pragma once
// The stacking order of the buttons: the applet's button list, bottom first. Moving a button
// changes only its place in the list.

class CAppletParameters;
class CDrawRect;

namespace tb {

enum class StackMove {
    Backward, // one step down
    Forward,  // one step up
    ToBack,   // to the bottom
    ToFront,  // to the top
};

// Returns whether the button moved: one already at that end, or not in the list, stays put.
bool MoveInStack(CAppletParameters& params, const CDrawRect* pButton, StackMove move);

} // namespace tb
