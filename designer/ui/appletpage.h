#pragma once
// What the applet's two pages have in common: they edit the design's CAppletParameters
// directly. Coming to the front the canvas repaints and the page loads; how the controls'
// changes store is CCheckedPage's.

#include <QPointer>

#include "designer/ui/checkedpage.h"
#include "designer/ui/previewwnd.h"

class CAppletParameters;

namespace tb {

class CAppletPage : public CCheckedPage {
    Q_OBJECT

public:
    // pDesignWnd: the design window that shows the applet; the page notices when it goes.
    CAppletPage(const QString& title, unsigned nHelpTemplate, CAppletParameters& params,
                CPreviewWnd* pDesignWnd, QWidget* pParent = nullptr);

    void Load() final;
    void OnSetActive() override;

    CAppletParameters& Params() const { return m_params; }
    CPreviewWnd* DesignWindow() const { return m_pDesignWnd; }

protected:
    virtual void LoadFrom(const CAppletParameters& params) = 0;
    virtual bool StoreInto(CAppletParameters& params, CPageChecks& checks) = 0;

    // Repaints the whole canvas.
    void RepaintCanvas();

private:
    bool StoreChecked(CPageChecks& checks) final { return StoreInto(m_params, checks); }

    CAppletParameters& m_params;
    QPointer<CPreviewWnd> m_pDesignWnd;
};

} // namespace tb
