#include "designer/ui/menupropertysheet.h"

#include "designer/ui/dlghint.h"
#include "designer/ui/dlgitemstate.h"
#include "designer/ui/dlgmenustyle.h"
#include "model/ui/appletpropertysheet.h"

namespace tb {

CMenuPropertySheet::CMenuPropertySheet(QWidget* pParent) : CPropertySheet(pParent) {}

CMenuPropertySheet::~CMenuPropertySheet() {
    StoreActivePage();
}

void CMenuPropertySheet::AddStandardPages(CDrawView* pView) {
    AddPage(new CDlgMenuStyle(pView));
    AddPage(new CDlgItemNormal(pView));
    AddPage(new CDlgItemMouseOver(pView));
    AddPage(new CDlgItemClick(pView));
    AddPage(new CDlgHint(pView));
}

void CMenuPropertySheet::EditLabelBox(LabelBox box) {
    SetActivePage(pageLabel);
    auto* pPage = dynamic_cast<CDlgMenuStyle*>(ActivePage());
    if (!pPage || ActivePageIndex() != pageLabel)
        return;
    if (box == LabelBox::Link)
        pPage->FocusLinkBox();
    else
        pPage->FocusLabelBox();
}

// Without pages a tab widget has no size of its own; the sheet takes the place the pages
// are given, the same as the applet's sheet.
QSize CMenuPropertySheet::sizeHint() const {
    return CPropertySheet::sizeHint().expandedTo(DesignerPageMinimumSize());
}

QSize CMenuPropertySheet::minimumSizeHint() const {
    return CPropertySheet::minimumSizeHint().expandedTo(DesignerPageMinimumSize());
}

} // namespace tb
