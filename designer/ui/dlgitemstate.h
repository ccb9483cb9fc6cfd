#pragma once
// The pages of the button's three looks, one design with the state block as parameter:
// "Normal" (CDlgItemNormal, with "Apply To all status"), "Mouse Over" (CDlgItemMouseOver) and
// "Clicked" (CDlgItemClick). Each edits the background, border, text and image placement and
// font of its state block of the selected button.

#include "designer/core/menupagevalues.h"
#include "designer/ui/menupage.h"

class CBackgroundControls;
class CBorderControls;
class CSpinEdit;
class QComboBox;
class QPushButton;

namespace tb {

class CDlgItemState : public CMenuPage {
    Q_OBJECT

public:
    QPushButton& FontButton() const { return *m_pFont; }
    CBackgroundControls& Background() const { return *m_pBackground; }
    CBorderControls& Border() const { return *m_pBorder; }
    QComboBox& TextAlignList() const { return *m_pTextAlign; }
    CSpinEdit& TextOffsetBox() const { return *m_pTextOffset; }
    QComboBox& ImageAlignList() const { return *m_pImageAlign; }
    CSpinEdit& ImageOffsetBox() const { return *m_pImageOffset; }
    // "Apply To all status", on the Normal page only.
    QPushButton* ApplyToAllButton() const { return m_pApplyToAll; }
    int State() const { return m_nState; }

    // The font dialog on this page's font; OK writes it into the state block and stores.
    void EditFont();
    // Gives the button's other two looks this page's (the Normal page).
    void ApplyToAllStates();

protected:
    // nState: CMarquel::stateNormal, stateOver or stateClick.
    CDlgItemState(int nState, const QString& title, unsigned nHelpTemplate, CDrawView* pView,
                  QWidget* pParent);

    void LoadFrom(CDrawRect& button) override;
    bool StoreInto(CDrawRect& button, CPageChecks& checks) override;

private:
    int m_nState;
    CFontValues m_font;
    CBackgroundControls* m_pBackground;
    CBorderControls* m_pBorder;
    QComboBox* m_pTextAlign;
    CSpinEdit* m_pTextOffset;
    QPushButton* m_pFont;
    QComboBox* m_pImageAlign;
    CSpinEdit* m_pImageOffset;
    QPushButton* m_pApplyToAll = nullptr;
};

class CDlgItemNormal : public CDlgItemState {
public:
    explicit CDlgItemNormal(CDrawView* pView, QWidget* pParent = nullptr);
};

class CDlgItemMouseOver : public CDlgItemState {
public:
    explicit CDlgItemMouseOver(CDrawView* pView, QWidget* pParent = nullptr);
};

class CDlgItemClick : public CDlgItemState {
public:
    explicit CDlgItemClick(CDrawView* pView, QWidget* pParent = nullptr);
};

} // namespace tb
