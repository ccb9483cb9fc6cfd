#pragma once
// The background-style picker: six entries (styles 0 to 5) on the item pages, five (1 to 5,
// no transparency) on the applet parameters page.

#include "model/ui/stylepicker.h"
#include "platform/core/colorref.h"

class CBackStylePicker : public CStylePicker {
public:
    // bTransparency: the six-entry form; otherwise the five-entry form with offset 1.
    explicit CBackStylePicker(bool bTransparency = true, QWidget* pParent = nullptr);

    void FillList() override;
    // Stores the colours (refilling when either changed), then selects the style's entry; a
    // value without a name selects Solid.
    void SetStyle(tb::BackStyle style, COLORREF crFirst, COLORREF crSecond);
    // The selected style; Transparent when nothing is selected.
    tb::BackStyle GetBackStyle() const { return tb::BackStyle(SelectedStyleNumber()); }
    void SetFirstColor(COLORREF cr);
    void SetSecondColor(COLORREF cr);
    void SwapColors();
    void SetBlackWhite();

    COLORREF GetFirstColor() const { return m_crFirst; }
    COLORREF GetSecondColor() const { return m_crSecond; }
    int GetOffset() const { return m_nOffset; }

    void PaintSample(CSurface& surface, const CRect& rect, int nStyle,
                     COLORREF textColor) const override;

private:
    COLORREF m_crFirst = 0x404080;
    COLORREF m_crSecond = 0x80FFFF;
    int m_nOffset;
};
