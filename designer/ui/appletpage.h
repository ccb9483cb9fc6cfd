#pragma once
// What the applet's two pages have in common: they edit the design's CAppletParameters
// directly. Coming to the front the canvas repaints and the page loads; changes of its
// controls store once the page is set up, never while it loads; a Store whose number checks
// fail writes nothing and says why (CPageChecks).

#include <QPointer>

#include "designer/ui/previewwnd.h"
#include "model/ui/pagechecks.h"
#include "model/ui/propertysheet.h"

class CAppletParameters;
class CSpinEdit;
class QComboBox;
class QLineEdit;

namespace tb {

class CAppletPage : public CPropertyPage {
    Q_OBJECT

public:
    // pDesignWnd: the design window that shows the applet; the page notices when it goes.
    CAppletPage(const QString& title, unsigned nHelpTemplate, CAppletParameters& params,
                CPreviewWnd* pDesignWnd, QWidget* pParent = nullptr);

    void Load() final;
    bool Store() final;
    void OnSetActive() override;
    bool OnKillActive() override;

    CAppletParameters& Params() const { return m_params; }
    CPreviewWnd* DesignWindow() const { return m_pDesignWnd; }

protected:
    virtual void LoadFrom(const CAppletParameters& params) = 0;
    virtual bool StoreInto(CAppletParameters& params, CPageChecks& checks) = 0;

    // Called at the end of a page's constructor: from now on changes store.
    void FinishInitialisation() { m_bInitialised = true; }
    // Stores because pTrigger changed.
    void StoreFrom(QWidget* pTrigger);
    void StoreOnEdit(QLineEdit* pEdit);
    void StoreOnEdit(CSpinEdit* pEdit);
    void StoreOnChoice(QComboBox* pList);
    // Repaints the whole canvas.
    void RepaintCanvas();

private:
    bool RunStore(CPageChecks::Cause cause, QWidget* pTrigger);

    CAppletParameters& m_params;
    QPointer<CPreviewWnd> m_pDesignWnd;
    bool m_bInitialised = false;
    bool m_bLoading = false;
};

} // namespace tb
