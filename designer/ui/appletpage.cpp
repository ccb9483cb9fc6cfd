#include "designer/ui/appletpage.h"

#include <QComboBox>
#include <QLineEdit>

#include "designer/ui/designerhelp.h"
#include "designer/ui/drawview.h"
#include "model/ui/appletpropertysheet.h"
#include "model/ui/spinedit.h"

namespace tb {

CAppletPage::CAppletPage(const QString& title, unsigned nHelpTemplate, CAppletParameters& params,
                         CPreviewWnd* pDesignWnd, QWidget* pParent)
    : CPropertyPage(title, pParent), m_params(params), m_pDesignWnd(pDesignWnd) {
    SetHelpTemplate(*this, nHelpTemplate);
    setMinimumSize(DesignerPageMinimumSize());
}

void CAppletPage::Load() {
    if (!m_bInitialised)
        return;
    m_bLoading = true;
    LoadFrom(m_params);
    m_bLoading = false;
}

bool CAppletPage::Store() {
    return RunStore(CPageChecks::Cause::Edit, nullptr);
}

void CAppletPage::OnSetActive() {
    RepaintCanvas();
    Load();
}

bool CAppletPage::OnKillActive() {
    return RunStore(CPageChecks::Cause::Leaving, nullptr);
}

bool CAppletPage::RunStore(CPageChecks::Cause cause, QWidget* pTrigger) {
    if (!m_bInitialised || m_bLoading)
        return true;
    CPageChecks checks(cause, pTrigger);
    const bool bStored = StoreInto(m_params, checks);
    checks.Report();
    return bStored && checks.Passed();
}

void CAppletPage::StoreFrom(QWidget* pTrigger) {
    RunStore(CPageChecks::Cause::Edit, pTrigger);
}

void CAppletPage::StoreOnEdit(QLineEdit* pEdit) {
    connect(pEdit, &QLineEdit::textEdited, this, [this, pEdit] { StoreFrom(pEdit); });
}

void CAppletPage::StoreOnEdit(CSpinEdit* pEdit) {
    connect(pEdit, &CSpinEdit::Edited, this, [this, pEdit] { StoreFrom(pEdit); });
    // A number left half typed is reported when the box is left.
    connect(pEdit, &QAbstractSpinBox::editingFinished, this,
            [this, pEdit] { RunStore(CPageChecks::Cause::Finished, pEdit); });
}

void CAppletPage::StoreOnChoice(QComboBox* pList) {
    connect(pList, &QComboBox::activated, this, [this, pList] { StoreFrom(pList); });
}

void CAppletPage::RepaintCanvas() {
    if (m_pDesignWnd)
        m_pDesignWnd->View().Core().Update(UpdateHint::All);
}

} // namespace tb
