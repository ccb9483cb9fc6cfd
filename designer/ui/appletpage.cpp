#include "designer/ui/appletpage.h"

#include "designer/ui/designerhelp.h"
#include "designer/ui/drawview.h"
#include "model/ui/appletpropertysheet.h"

namespace tb {

CAppletPage::CAppletPage(const QString& title, unsigned nHelpTemplate, CAppletParameters& params,
                         CPreviewWnd* pDesignWnd, QWidget* pParent)
    : CCheckedPage(title, pParent), m_params(params), m_pDesignWnd(pDesignWnd) {
    SetHelpTemplate(*this, nHelpTemplate);
    setMinimumSize(DesignerPageMinimumSize());
}

void CAppletPage::Load() {
    if (IsInitialised())
        LoadHoldingStores([this] { LoadFrom(m_params); });
}

void CAppletPage::OnSetActive() {
    RepaintCanvas();
    Load();
}

void CAppletPage::RepaintCanvas() {
    if (m_pDesignWnd)
        m_pDesignWnd->View().Core().Update(UpdateHint::All);
}

} // namespace tb
