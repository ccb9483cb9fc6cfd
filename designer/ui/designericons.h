#pragma once
// The design window's icons: one SVG drawing per tool-bar command (resources/designer/icons),
// rendered crisp at the sizes and pixel ratios the screens ask for.

#include <QIcon>

namespace tb {

// The icon of a command, or a null icon for commands the tool bar does not show.
QIcon DesignerIcon(unsigned nCommandId);

// The name of a command's drawing ("align-left"), or "" when it has none.
const char* DesignerIconName(unsigned nCommandId);

} // namespace tb
