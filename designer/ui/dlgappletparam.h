#pragma once
// The page "Applet Parameters": the applet's size, background and border. Storing a size
// gives the design window that size; resizing the design window has the page load the new one.

#include "designer/ui/appletpage.h"

class CBackgroundControls;
class CBorderControls;
class CSpinEdit;
class QComboBox;
class QLabel;

namespace tb {

class CDlgAppletParam : public CAppletPage {
    Q_OBJECT

public:
    CDlgAppletParam(CAppletParameters& params, CPreviewWnd* pDesignWnd, QWidget* pParent = nullptr);

    CBackgroundControls& Background() const { return *m_pBackground; }
    CBorderControls& Border() const { return *m_pBorder; }
    CSpinEdit& ThickBox() const { return *m_pThick; }
    CSpinEdit& WidthBox() const { return *m_pWidth; }
    CSpinEdit& HeightBox() const { return *m_pHeight; }
    // The applet's alignment: kept with the design but not offered (never shown).
    QComboBox& AlignList() const { return *m_pAlign; }

protected:
    void LoadFrom(const CAppletParameters& params) override;
    bool StoreInto(CAppletParameters& params, CPageChecks& checks) override;

private:
    CBackgroundControls* m_pBackground;
    CBorderControls* m_pBorder;
    CSpinEdit* m_pThick;
    CSpinEdit* m_pWidth;
    CSpinEdit* m_pHeight;
    QLabel* m_pAlignLabel;
    QComboBox* m_pAlign;
};

} // namespace tb
