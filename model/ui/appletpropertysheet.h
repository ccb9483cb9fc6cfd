#pragma once
// The applet's property sheet: the pages "Applet Parameters" (size, background, border) and
// "Applet More" (background image and sound, web path, loading message), in that order. The
// designer puts its pages in their places (ReplacePage with the indexes below); until it
// does, they are empty pages under those titles.

#include "model/ui/propertysheet.h"

class CAppletPropertySheet : public CPropertySheet {
public:
    enum AppletPage { pageParameters = 0, pageMore = 1 };

    explicit CAppletPropertySheet(QWidget* pParent = nullptr);
};

// The room a page of the designer's sheets is given at least, so that both sheets take the
// same place whichever pages they hold.
QSize DesignerPageMinimumSize();
