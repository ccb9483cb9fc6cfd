#pragma once
// The "Hint " page: the hint box the browser shows beside the button under the mouse. It
// edits the hint menu (the first item's sub-menu) and its first item; the hint looks the
// same in every state, so the page writes the Normal look and copies it to the other two.

#include "designer/core/menupagevalues.h"
#include "designer/ui/menupage.h"

class CBackgroundControls;
class CBorderControls;
class CSpinEdit;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace tb {

class CDlgHint : public CMenuPage {
    Q_OBJECT

public:
    explicit CDlgHint(CDrawView* pView, QWidget* pParent = nullptr);

    QCheckBox& DisplayBox() const { return *m_pDisplay; }
    QPlainTextEdit& LabelBox() const { return *m_pLabel; }
    QComboBox& AlignList() const { return *m_pAlign; }
    QPushButton& FontButton() const { return *m_pFont; }
    CBackgroundControls& Background() const { return *m_pBackground; }
    CBorderControls& Border() const { return *m_pBorder; }
    CSpinEdit& ThickBox() const { return *m_pThick; }
    CSpinEdit& XBox() const { return *m_pX; }
    CSpinEdit& YBox() const { return *m_pY; }
    CSpinEdit& WidthBox() const { return *m_pWidth; }
    CSpinEdit& HeightBox() const { return *m_pHeight; }
    QPushButton& AutoSizeButton() const { return *m_pAutoSize; }

    void EditFont();
    // Sizes the box to its text in its font, as the canvas measures it, and stores.
    void AutoSize();

protected:
    void LoadFrom(CDrawRect& button) override;
    bool StoreInto(CDrawRect& button, CPageChecks& checks) override;

private:
    CFontValues m_font;
    QCheckBox* m_pDisplay;
    QPlainTextEdit* m_pLabel;
    QComboBox* m_pAlign;
    QPushButton* m_pFont;
    CBackgroundControls* m_pBackground;
    CBorderControls* m_pBorder;
    CSpinEdit* m_pThick;
    CSpinEdit* m_pX;
    CSpinEdit* m_pY;
    CSpinEdit* m_pWidth;
    CSpinEdit* m_pHeight;
    QPushButton* m_pAutoSize;
};

} // namespace tb
