#pragma once
// The selected button's property sheet. Its pages come in this order: "Label", "Normal",
// "Mouse Over", "Clicked", "Hint " (MenuPage below); the index of the page in front is the
// state the canvas paints every button in (Normal, Mouse Over, Clicked). Pages are added
// with AddPage, each a CPropertyPage that loads from and stores into the selected button.

#include "model/ui/propertysheet.h"

namespace tb {

enum MenuPage { pageLabel = 0, pageNormal = 1, pageMouseOver = 2, pageClicked = 3, pageHint = 4 };

class CMenuPropertySheet : public CPropertySheet {
public:
    explicit CMenuPropertySheet(QWidget* pParent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace tb
