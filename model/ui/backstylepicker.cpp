#include "model/ui/backstylepicker.h"

#include <utility>

CBackStylePicker::CBackStylePicker(bool bTransparency, QWidget* pParent)
    : CStylePicker(pParent), m_nOffset(bTransparency ? 0 : 1) {
    FillList();
    setCurrentIndex(1);
}

void CBackStylePicker::FillList() {
    clear();
    for (int nStyle = m_nOffset; nStyle <= 5; ++nStyle)
        addItem(QString(), nStyle);
}

void CBackStylePicker::SetStyle(tb::BackStyle style, COLORREF crFirst, COLORREF crSecond) {
    if (crFirst != m_crFirst || crSecond != m_crSecond) {
        m_crFirst = crFirst;
        m_crSecond = crSecond;
        Refill();
    }
    if (style < tb::BackStyle::Transparent || style > tb::BackStyle::MirroredHorizontal)
        style = tb::BackStyle::Solid;
    // Transparent has no entry in the form without transparency: nothing is selected then.
    setCurrentIndex(static_cast<int>(style) - m_nOffset);
}

void CBackStylePicker::SetFirstColor(COLORREF cr) {
    m_crFirst = cr;
    Refill();
}

void CBackStylePicker::SetSecondColor(COLORREF cr) {
    m_crSecond = cr;
    Refill();
}

void CBackStylePicker::SwapColors() {
    std::swap(m_crFirst, m_crSecond);
    Refill();
}

void CBackStylePicker::SetBlackWhite() {
    m_crFirst = RGB(0, 0, 0);
    m_crSecond = RGB(255, 255, 255);
    Refill();
}

void CBackStylePicker::PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                                   COLORREF textColor) const {
    tb::PaintBackStyleSample(surface, rect, tb::BackStyle(nStyle), m_crFirst, m_crSecond,
                             textColor);
}
