#pragma once
// The border-style picker: seven entries, style 0 ("Plain") to 6, sampled at thickness 6.

#include "model/ui/stylepicker.h"
#include "platform/core/colorref.h"

class CBorderStylePicker : public CStylePicker {
public:
    explicit CBorderStylePicker(QWidget* pParent = nullptr);

    void FillList() override;
    // Stores the colour (refilling when it changed), then selects the style; a value without
    // a name selects Raised.
    void SetStyle(tb::BorderStyle style, COLORREF crColor);
    // The selected style; None when nothing is selected.
    tb::BorderStyle GetBorderStyle() const { return tb::BorderStyle(SelectedStyleNumber()); }
    void SetColor(COLORREF cr);
    COLORREF GetColor() const { return m_crColor; }

    void PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                     COLORREF textColor) const override;

private:
    COLORREF m_crColor = 0x426F8C;
};
