#pragma once
// What the pages of the selected button's sheet have in common. A page works on the button
// that is the design view's only selection: with none or several selected it neither loads
// nor stores (its controls show the last values, greyed), and it stores only into the button
// it last loaded, so values shown for one button never land on another. How the controls'
// changes store is CCheckedPage's.

#include <QPointer>

#include "designer/ui/checkedpage.h"
#include "designer/ui/drawview.h"

class CDrawRect;
struct CMarquelState;

namespace tb {

class CMenuPage : public CCheckedPage {
    Q_OBJECT

public:
    // pView: the design view whose selection the page edits; the page notices when it goes.
    CMenuPage(const QString& title, unsigned nHelpTemplate, CDrawView* pView,
              QWidget* pParent = nullptr);

    // Loads the selected button, if exactly one is selected.
    void Load() final;
    // The whole canvas repaints (in this page's state), then the page loads.
    void OnSetActive() override;

    // The only selected button, or null.
    CDrawRect* SelectedButton() const;
    // The button the page shows: the only selected one while it is the one last loaded.
    CDrawRect* EditedButton() const;
    CDrawView* View() const { return m_pView; }

protected:
    virtual void LoadFrom(CDrawRect& button) = 0;
    virtual bool StoreInto(CDrawRect& button, CPageChecks& checks) = 0;

    // Repaints the button on the canvas.
    void Repaint(CDrawRect& button);
    // The drawing surface of the canvas for measuring text, as the canvas paints it.
    static CSize MeasureOnCanvas(const std::string& text, const CMarquelState& state);

private:
    // Stores into the loaded button while it is the only selection.
    bool StoreChecked(CPageChecks& checks) final;

    QPointer<CDrawView> m_pView;
    const CDrawRect* m_pLoaded = nullptr;
};

} // namespace tb
