#include "workbench/colorformview.h"

#include <QPalette>

namespace tb {

namespace {

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace

CColorFormView::CColorFormView(QWidget* parent) : QScrollArea(parent), m_pForm(new QWidget) {
    const QColor face = palette().color(QPalette::Button);
    m_crBackground = RGB(face.red(), face.green(), face.blue());
    setWidget(m_pForm);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(true);
    m_pForm->setAutoFillBackground(true);
    SetBackgroundColor(m_crBackground);
}

void CColorFormView::SetBackgroundColor(COLORREF color) {
    m_crBackground = color;
    for (QWidget* pWidget : {viewport(), m_pForm}) {
        QPalette palette = pWidget->palette();
        palette.setColor(QPalette::Window, ToQColor(color));
        pWidget->setPalette(palette);
    }
}

} // namespace tb
