#include "model/ui/borderstylepicker.h"

CBorderStylePicker::CBorderStylePicker(QWidget* pParent) : CStylePicker(pParent) {
    FillList();
    setCurrentIndex(1);
}

void CBorderStylePicker::FillList() {
    clear();
    // The texts are painted over by the samples.
    for (int nStyle = 0; nStyle <= 6; ++nStyle)
        addItem(QString::number(nStyle), nStyle);
}

void CBorderStylePicker::SetStyle(tb::BorderStyle style, COLORREF crColor) {
    if (crColor != m_crColor) {
        m_crColor = crColor;
        Refill();
    }
    if (style < tb::BorderStyle::None || style > tb::BorderStyle::DoubleRaised)
        style = tb::BorderStyle::Raised;
    setCurrentIndex(static_cast<int>(style));
}

void CBorderStylePicker::SetColor(COLORREF cr) {
    m_crColor = cr;
    Refill();
}

void CBorderStylePicker::PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                                     COLORREF textColor) const {
    tb::PaintBorderStyleSample(surface, rect, tb::BorderStyle(nStyle), m_crColor, textColor);
}
