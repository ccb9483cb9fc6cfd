#pragma once
// What the designer's pages have in common: they store as the user edits. Changes of their
// controls store once the page is set up and never while it is loading; a Store whose number
// checks fail writes nothing and says why (CPageChecks); leaving the page reports a failed
// check whatever was reported before.

#include "model/ui/pagechecks.h"
#include "model/ui/propertysheet.h"

class CSpinEdit;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tb {

class CCheckedPage : public CPropertyPage {
    Q_OBJECT

public:
    using CPropertyPage::CPropertyPage;

    // False when a check failed.
    bool Store() final;
    bool OnKillActive() override;

protected:
    // Writes the controls into the model unless checks fail; false when nothing was written.
    virtual bool StoreChecked(CPageChecks& checks) = 0;

    // Called at the end of a page's constructor: from now on changes store.
    void FinishInitialisation() { m_bInitialised = true; }
    bool IsInitialised() const { return m_bInitialised; }
    // Runs `load` with the stores its changes of the controls would cause held back.
    template <class Load> void LoadHoldingStores(Load&& load) {
        m_bLoading = true;
        load();
        m_bLoading = false;
    }

    // Stores because `pTrigger` changed (a box typed into, a list chosen from, a button).
    void StoreFrom(QWidget* pTrigger);
    // The usual wiring: typing, choosing from a list, stepping a number.
    void StoreOnEdit(QLineEdit* pEdit);
    void StoreOnEdit(QPlainTextEdit* pEdit);
    void StoreOnEdit(CSpinEdit* pEdit);
    void StoreOnChoice(QComboBox* pList);

private:
    bool RunStore(CPageChecks::Cause cause, QWidget* pTrigger);

    bool m_bInitialised = false;
    bool m_bLoading = false;
};

} // namespace tb
