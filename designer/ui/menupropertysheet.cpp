#include "designer/ui/menupropertysheet.h"

#include "model/ui/appletpropertysheet.h"

namespace tb {

CMenuPropertySheet::CMenuPropertySheet(QWidget* pParent) : CPropertySheet(pParent) {}

// Without pages a tab widget has no size of its own; the sheet takes the place the pages
// are given, the same as the applet's sheet.
QSize CMenuPropertySheet::sizeHint() const {
    return CPropertySheet::sizeHint().expandedTo(DesignerPageMinimumSize());
}

QSize CMenuPropertySheet::minimumSizeHint() const {
    return CPropertySheet::minimumSizeHint().expandedTo(DesignerPageMinimumSize());
}

} // namespace tb
