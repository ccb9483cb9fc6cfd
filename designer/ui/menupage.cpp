#include "designer/ui/menupage.h"

#include "designer/paint/labelpaint.h"
#include "designer/ui/designerhelp.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "platform/surface/qt/qtsurface.h"

namespace tb {

CMenuPage::CMenuPage(const QString& title, unsigned nHelpTemplate, CDrawView* pView,
                     QWidget* pParent)
    : CCheckedPage(title, pParent), m_pView(pView) {
    SetHelpTemplate(*this, nHelpTemplate);
    // Until a button is loaded there is nothing the controls could change.
    setEnabled(false);
}

CDrawRect* CMenuPage::SelectedButton() const {
    if (!m_pView)
        return nullptr;
    const std::vector<CDrawRect*>& selection = m_pView->Core().Selection();
    return selection.size() == 1 ? selection.front() : nullptr;
}

CDrawRect* CMenuPage::EditedButton() const {
    CDrawRect* pButton = SelectedButton();
    return pButton && pButton == m_pLoaded ? pButton : nullptr;
}

void CMenuPage::Load() {
    CDrawRect* pButton = IsInitialised() ? SelectedButton() : nullptr;
    // With none or several buttons selected the page keeps showing the last one, greyed:
    // nothing typed there could be stored.
    setEnabled(pButton != nullptr);
    if (!pButton)
        return;
    m_pLoaded = pButton;
    LoadHoldingStores([&] { LoadFrom(*pButton); });
}

void CMenuPage::OnSetActive() {
    if (m_pView)
        m_pView->Core().Update(UpdateHint::All);
    Load();
}

bool CMenuPage::StoreChecked(CPageChecks& checks) {
    CDrawRect* pButton = EditedButton();
    return !pButton || StoreInto(*pButton, checks);
}

void CMenuPage::Repaint(CDrawRect& button) {
    if (m_pView)
        m_pView->Core().InvalidateObject(&button);
}

CSize CMenuPage::MeasureOnCanvas(const std::string& text, const CMarquelState& state) {
    CQtSurface surface(1, 1);
    return MeasureLabelText(surface, text, state);
}

} // namespace tb
