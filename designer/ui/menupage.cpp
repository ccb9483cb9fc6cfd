#include "designer/ui/menupage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "designer/paint/labelpaint.h"
#include "designer/ui/designerhelp.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "model/ui/spinedit.h"
#include "platform/surface/qt/qtsurface.h"

namespace tb {

CMenuPage::CMenuPage(const QString& title, unsigned nHelpTemplate, CDrawView* pView,
                     QWidget* pParent)
    : CPropertyPage(title, pParent), m_pView(pView) {
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
    CDrawRect* pButton = m_bInitialised ? SelectedButton() : nullptr;
    // With none or several buttons selected the page keeps showing the last one, greyed:
    // nothing typed there could be stored.
    setEnabled(pButton != nullptr);
    if (!pButton)
        return;
    m_pLoaded = pButton;
    m_bLoading = true;
    LoadFrom(*pButton);
    m_bLoading = false;
}

bool CMenuPage::Store() {
    return RunStore(CPageChecks::Cause::Edit, nullptr);
}

void CMenuPage::OnSetActive() {
    if (m_pView)
        m_pView->Core().Update(UpdateHint::All);
    Load();
}

bool CMenuPage::OnKillActive() {
    return RunStore(CPageChecks::Cause::Leaving, nullptr);
}

bool CMenuPage::RunStore(CPageChecks::Cause cause, QWidget* pTrigger) {
    if (!m_bInitialised || m_bLoading)
        return true;
    CDrawRect* pButton = EditedButton();
    if (!pButton)
        return true;
    CPageChecks checks(cause, pTrigger);
    const bool bStored = StoreInto(*pButton, checks);
    checks.Report();
    return bStored && checks.Passed();
}

void CMenuPage::StoreFrom(QWidget* pTrigger) {
    RunStore(CPageChecks::Cause::Edit, pTrigger);
}

void CMenuPage::StoreOnEdit(QLineEdit* pEdit) {
    connect(pEdit, &QLineEdit::textEdited, this, [this, pEdit] { StoreFrom(pEdit); });
}

void CMenuPage::StoreOnEdit(QPlainTextEdit* pEdit) {
    connect(pEdit, &QPlainTextEdit::textChanged, this, [this, pEdit] { StoreFrom(pEdit); });
}

void CMenuPage::StoreOnEdit(CSpinEdit* pEdit) {
    connect(pEdit, &CSpinEdit::Edited, this, [this, pEdit] { StoreFrom(pEdit); });
    // A number left half typed is reported when the box is left.
    connect(pEdit, &QAbstractSpinBox::editingFinished, this,
            [this, pEdit] { RunStore(CPageChecks::Cause::Finished, pEdit); });
}

void CMenuPage::StoreOnChoice(QComboBox* pList) {
    connect(pList, &QComboBox::activated, this, [this, pList] { StoreFrom(pList); });
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
