#include "designer/ui/checkedpage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "model/ui/spinedit.h"

namespace tb {

bool CCheckedPage::Store() {
    return RunStore(CPageChecks::Cause::Edit, nullptr);
}

bool CCheckedPage::OnKillActive() {
    return RunStore(CPageChecks::Cause::Leaving, nullptr);
}

bool CCheckedPage::RunStore(CPageChecks::Cause cause, QWidget* pTrigger) {
    if (!m_bInitialised || m_bLoading)
        return true;
    CPageChecks checks(cause, pTrigger);
    const bool bStored = StoreChecked(checks);
    checks.Report();
    return bStored && checks.Passed();
}

void CCheckedPage::StoreFrom(QWidget* pTrigger) {
    RunStore(CPageChecks::Cause::Edit, pTrigger);
}

void CCheckedPage::StoreOnEdit(QLineEdit* pEdit) {
    connect(pEdit, &QLineEdit::textEdited, this, [this, pEdit] { StoreFrom(pEdit); });
}

void CCheckedPage::StoreOnEdit(QPlainTextEdit* pEdit) {
    connect(pEdit, &QPlainTextEdit::textChanged, this, [this, pEdit] { StoreFrom(pEdit); });
}

void CCheckedPage::StoreOnEdit(CSpinEdit* pEdit) {
    connect(pEdit, &CSpinEdit::Edited, this, [this, pEdit] { StoreFrom(pEdit); });
    // A number left half typed is reported when the box is left.
    connect(pEdit, &QAbstractSpinBox::editingFinished, this,
            [this, pEdit] { RunStore(CPageChecks::Cause::Finished, pEdit); });
}

void CCheckedPage::StoreOnChoice(QComboBox* pList) {
    connect(pList, &QComboBox::activated, this, [this, pList] { StoreFrom(pList); });
}

} // namespace tb
