#pragma once
// The border-style picker: seven entries, style 0 ("Plain") to 6, sampled at thickness 6.

#include "model/ui/stylepicker.h"
#include "platform/core/colorref.h"

class CBorderStylePicker : public CStylePicker {
public:
    explicit CBorderStylePicker(QWidget* pParent = nullptr);

    void FillList() override;
    // Stores the colour (refilling when it changed), then selects the style; a style outside
    // 0..6 selects style 1.
    void SetStyle(int nStyle, COLORREF crColor);
    void SetColor(COLORREF cr);
    COLORREF GetColor() const { return m_crColor; }

    void PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                     COLORREF textColor) const override;

private:
    COLORREF m_crColor = 0x426F8C;
};
