#pragma once
// What the pages of the selected button's sheet have in common. A page works on the button
// that is the design view's only selection: with none or several selected it neither loads
// nor stores (its controls show the last values, greyed), and it stores only into the button
// it last loaded, so values shown for one button never land on another. Stores from the controls'
// changes wait until the page is set up and never run while the page is loading. A Store whose
// checks fail writes nothing and says why (CPageChecks).

#include <QPointer>

#include "designer/ui/drawview.h"
#include "model/ui/pagechecks.h"
#include "model/ui/propertysheet.h"

class CDrawRect;
struct CMarquelState;
class CSpinEdit;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace tb {

class CMenuPage : public CPropertyPage {
    Q_OBJECT

public:
    // pView: the design view whose selection the page edits; the page notices when it goes.
    CMenuPage(const QString& title, unsigned nHelpTemplate, CDrawView* pView,
              QWidget* pParent = nullptr);

    // Loads the selected button, if exactly one is selected.
    void Load() final;
    // Stores into the loaded button while it is the only selection; false when a check failed.
    bool Store() final;
    // The whole canvas repaints (in this page's state), then the page loads.
    void OnSetActive() override;
    // Leaving the page: a failed check is reported whatever was reported before.
    bool OnKillActive() override;

    // The only selected button, or null.
    CDrawRect* SelectedButton() const;
    // The button the page shows: the only selected one while it is the one last loaded.
    CDrawRect* EditedButton() const;
    CDrawView* View() const { return m_pView; }

protected:
    virtual void LoadFrom(CDrawRect& button) = 0;
    virtual bool StoreInto(CDrawRect& button, CPageChecks& checks) = 0;

    // Called at the end of a page's constructor: from now on changes store.
    void FinishInitialisation() { m_bInitialised = true; }
    // Stores because `pTrigger` changed (a box typed into, a list chosen from, a button).
    void StoreFrom(QWidget* pTrigger);
    // The usual wiring: typing, choosing from a list, stepping a number.
    void StoreOnEdit(QLineEdit* pEdit);
    void StoreOnEdit(QPlainTextEdit* pEdit);
    void StoreOnEdit(CSpinEdit* pEdit);
    void StoreOnChoice(QComboBox* pList);
    // Repaints the button on the canvas.
    void Repaint(CDrawRect& button);
    // The drawing surface of the canvas for measuring text, as the canvas paints it.
    static CSize MeasureOnCanvas(const std::string& text, const CMarquelState& state);

private:
    bool RunStore(CPageChecks::Cause cause, QWidget* pTrigger);

    QPointer<CDrawView> m_pView;
    const CDrawRect* m_pLoaded = nullptr;
    bool m_bInitialised = false;
    bool m_bLoading = false;
};

} // namespace tb
