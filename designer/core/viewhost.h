#pragma once
// What the design view's logic needs from outside: its window (repainting, the mouse capture,
// the cursor and the rubber band) and the designer dialog (its two property sheets). The
// widgets implement them; tests drive the logic with recording ones.

#include "platform/core/rect.h"

namespace tb {

// Mouse button and modifier flags of a mouse message, as the tools receive them.
enum MouseFlags : unsigned {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
};

enum class ViewCursor { Arrow, Cross, SizeNWSE, SizeNS, SizeNESW, SizeWE };

class IViewWindow {
public:
    virtual ~IViewWindow() = default;
    // Repaints a client rectangle (normalized, right and bottom exclusive) without erasing.
    virtual void InvalidateClient(const CRect& rect) = 0;
    virtual void InvalidateWholeClient() = 0;
    // Mouse input keeps coming to the view until released, wherever the pointer goes.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual bool HasCapture() const = 0;
    virtual void SetViewCursor(ViewCursor cursor) = 0;
    // The rubber band: a focus rectangle in client coordinates, or none (null).
    virtual void ShowFocusRect(const CRect* pRect) = 0;
};

// The boxes of the menu sheet's "Label" page that the context menu edits.
enum class LabelBox { Label, Link };

class IDesignerSheets {
public:
    virtual ~IDesignerSheets() = default;
    // Shows the selected button's sheet in place of the applet's, or the other way round;
    // nothing when that sheet already shows.
    virtual void ShowMenuSheet() = 0;
    virtual void ShowAppletSheet() = 0;
    // Has the menu sheet's active page load the selected button again, if the sheet shows.
    virtual void RefreshActivePage() = 0;
    // The menu sheet's active page: 0 "Label", 1 "Normal", 2 "Mouse Over", 3 "Clicked",
    // 4 "Hint"; -1 while it has none.
    virtual int ActiveMenuPage() const = 0;
    // Shows the menu sheet on its "Label" page with the box's text selected and the keyboard
    // in it, ready to type over.
    virtual void EditLabelBox(LabelBox box) = 0;
};

} // namespace tb
