#pragma once
// The label of a button face: multi-line text in the state's font, placed by the state's
// alignment and offset inside the border.

#include <string>

#include "platform/core/rect.h"
#include "platform/surface/surface.h"

struct CMarquelState;

namespace tb {

// The logical font of a state on the display: size s gives 10 * s - 30 tenths of a point;
// style 1 bold, 2 italic; face index 0 "Times New Roman", 1 "Arial", any other "Courier".
LOGFONT LabelFont(const CMarquelState& state);

// Where the label goes: its measured rectangle moved into place inside rect (normalized
// first), with the surface's current font. The DrawText alignment comes with it.
struct LabelLayout {
    CRect textRect;
    unsigned format = DT_LEFT;
};
LabelLayout PlaceLabel(CSurface& surface, const CRect& rect, const std::string& text,
                       const CMarquelState& state, int borderThick);

// The size of the text in the state's font, measured as the label is: multi-line, no
// wrapping. Leaves that font selected.
CSize MeasureLabelText(CSurface& surface, const std::string& text, const CMarquelState& state);

// Selects the label font and draws the text transparently in the state's font colour.
void DrawLabel(CSurface& surface, const CRect& rect, const std::string& text,
               const CMarquelState& state, int borderThick);

} // namespace tb
