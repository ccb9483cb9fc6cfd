#pragma once
// The designer: the dialog "Button Properties" with the two property sheets in one place (the
// selected button's, or the applet's), and the design window it opens beside itself. It has
// no OK or Cancel: every page and command changes the design at once, and the close box ends
// the designer with the design as edited. Window positions are taken from the design and
// written back into it on close.

#include <QDialog>
#include <string>

#include "designer/core/viewhost.h"

class CAppletParameters;
class CAppletPropertySheet;
class CBrisko;
class QStackedWidget;

namespace tb {

class CMenuPropertySheet;
class CPreviewWnd;

class CDesignerDialog : public QDialog, public IDesignerSheets {
    Q_OBJECT

public:
    // pWidget: the object that runs the designer (its preview path); may be null in tests.
    CDesignerDialog(CAppletParameters& params, CBrisko* pWidget, std::string strScratchFolder,
                    QWidget* pParent = nullptr);
    ~CDesignerDialog() override;

    // Null once the designer has closed.
    CPreviewWnd* DesignWindow() const { return m_pDesignWnd; }
    CMenuPropertySheet& MenuSheet() const { return *m_pMenuSheet; }
    CAppletPropertySheet& AppletSheet() const { return *m_pAppletSheet; }
    bool IsMenuSheetShown() const;

    // --- IDesignerSheets
    void ShowMenuSheet() override;
    void ShowAppletSheet() override;
    void RefreshActivePage() override;
    int ActiveMenuPage() const override;
    void EditLabelBox(LabelBox box) override;

public slots:
    // Stores the pages, the windows' positions, closes the design window, then the dialog.
    void done(int nResult) override;

protected:
    void showEvent(QShowEvent* pEvent) override;
    // Escape does not close the designer: it cancels what the design view is doing.
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void CreateSheets();
    void ReloadAppletParametersPage();

    CAppletParameters& m_params;
    CPreviewWnd* m_pDesignWnd = nullptr;
    QStackedWidget* m_pSheets = nullptr;
    CMenuPropertySheet* m_pMenuSheet = nullptr;
    CAppletPropertySheet* m_pAppletSheet = nullptr;
    bool m_bFocusGiven = false;
};

// Runs the designer modally on the applet for the widget object and returns when it closes;
// returns at once when the process has no QApplication. Installed into the component through
// tb::SetRunDesigner.
void RunDesignerDialog(CBrisko& owner, CAppletParameters& applet,
                       const std::string& strScratchFolder);

} // namespace tb
