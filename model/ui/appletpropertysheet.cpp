#include "model/ui/appletpropertysheet.h"

#include <QFontMetrics>

CAppletPropertySheet::CAppletPropertySheet(QWidget* pParent) : CPropertySheet(pParent) {
    for (const char* pszTitle : {"Applet Parameters", "Applet More"}) {
        auto* pPage = new CPropertyPage(QString::fromLatin1(pszTitle));
        pPage->setMinimumSize(DesignerPageMinimumSize());
        AddPage(pPage);
    }
    SetActivePage(pageParameters);
}

QSize DesignerPageMinimumSize() {
    // About the size of the pages' control grids: two columns of labelled fields.
    const QFontMetrics metrics{QFont()};
    return {metrics.averageCharWidth() * 52, metrics.height() * 18};
}
