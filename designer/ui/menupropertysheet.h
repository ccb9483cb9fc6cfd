#pragma once
// The selected button's property sheet. Its pages come in this order: "Label", "Normal",
// "Mouse Over", "Clicked", "Hint " (MenuPage below); the index of the page in front is the
// state the canvas paints every button in (Normal, Mouse Over, Clicked). Pages are added
// with AddPage, each a CPropertyPage that loads from and stores into the selected button;
// AddStandardPages adds the five of the designer.

#include "designer/core/viewhost.h"
#include "model/ui/propertysheet.h"

namespace tb {

class CDrawView;

enum MenuPage { pageLabel = 0, pageNormal = 1, pageMouseOver = 2, pageClicked = 3, pageHint = 4 };

class CMenuPropertySheet : public CPropertySheet {
public:
    explicit CMenuPropertySheet(QWidget* pParent = nullptr);
    // The page in front stores once more: its last edit belongs to the design.
    ~CMenuPropertySheet() override;

    // "Label", "Normal", "Mouse Over", "Clicked" and "Hint " on the view's selection.
    void AddStandardPages(CDrawView* pView);

    // Brings the "Label" page to the front and puts the focus into its label or "Link to:"
    // box with the text selected; nothing when the page in front refuses to be left.
    void EditLabelBox(LabelBox box);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

} // namespace tb
