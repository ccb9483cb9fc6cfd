#include "designer/ui/designerdialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "designer/core/windowplacement.h"
#include "designer/ui/designerhelp.h"
#include "designer/ui/dlgappletmore.h"
#include "designer/ui/dlgappletparam.h"
#include "designer/ui/drawview.h"
#include "designer/ui/menupropertysheet.h"
#include "designer/ui/previewwnd.h"
#include "designer/ui/screenplacement.h"
#include "model/appletparameters.h"
#include "model/ui/appletpropertysheet.h"

namespace tb {

namespace {

// A "Help" button in the sheet's tab row: the help of the page in front.
void AddHelpButton(CPropertySheet& sheet) {
    auto* pHelp = new QToolButton(&sheet);
    pHelp->setText(QObject::tr("Help"));
    pHelp->setIcon(sheet.style()->standardIcon(QStyle::SP_DialogHelpButton));
    pHelp->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pHelp->setAutoRaise(true);
    pHelp->setToolTip(QObject::tr("Help on this page (F1)"));
    QObject::connect(pHelp, &QToolButton::clicked, &sheet,
                     [&sheet] { ShowDesignerHelp(HelpTemplateAround(&sheet)); });
    sheet.setCornerWidget(pHelp, Qt::TopRightCorner);
}

} // namespace

CDesignerDialog::CDesignerDialog(CAppletParameters& params, CBrisko* pWidget,
                                 std::string strScratchFolder, QWidget* pParent)
    : QDialog(pParent), m_params(params) {
    setWindowTitle(QStringLiteral("Button Properties"));
    SetHelpTemplate(*this, IDD_BUTTON_PROPERTIES);
    InstallHelpKey(*this);

    // 1. The design window first: the sheets' pages work on what it shows.
    m_pDesignWnd = new CPreviewWnd(params, pWidget, *this, std::move(strScratchFolder), this);
    connect(m_pDesignWnd, &CPreviewWnd::AppletResized, this,
            &CDesignerDialog::ReloadAppletParametersPage);
    // Queued: the design window is still inside its own close event.
    connect(m_pDesignWnd, &CPreviewWnd::CloseRequested, this, &QDialog::close,
            Qt::QueuedConnection);
    // 2. (set up) 3. Both sheets in one place, the applet's in front on its first page.
    CreateSheets();
    // 4. The dialog where it was last.
    PlaceWindow(*this, StoredWindowPos(params, DesignerWindow::Dialog));
    // 5. The design window where it was last, as large as the applet, with its palette.
    m_pDesignWnd->ShowAtStoredPlace();
}

CDesignerDialog::~CDesignerDialog() {
    // The pages store as they go, while this dialog is still whole.
    delete m_pSheets;
    m_pSheets = nullptr;
}

void CDesignerDialog::CreateSheets() {
    m_pSheets = new QStackedWidget(this);
    m_pMenuSheet = new CMenuPropertySheet(m_pSheets);
    m_pMenuSheet->AddStandardPages(&m_pDesignWnd->View());
    m_pAppletSheet = new CAppletPropertySheet(m_pSheets);
    m_pAppletSheet->ReplacePage(CAppletPropertySheet::pageParameters,
                                new CDlgAppletParam(m_params, m_pDesignWnd));
    m_pAppletSheet->ReplacePage(CAppletPropertySheet::pageMore,
                                new CDlgAppletMore(m_params, m_pDesignWnd));
    SetPageHelpTemplates(*m_pAppletSheet, {IDD_APPLET_PARAMETERS, IDD_APPLET_MORE});
    AddHelpButton(*m_pMenuSheet);
    AddHelpButton(*m_pAppletSheet);
    m_pSheets->addWidget(m_pMenuSheet);
    m_pSheets->addWidget(m_pAppletSheet);
    m_pSheets->setCurrentWidget(m_pAppletSheet);
    m_pAppletSheet->SetActivePage(CAppletPropertySheet::pageParameters);
    // The page in front is the state the canvas paints the buttons in: the whole canvas
    // repaints when it changes (also for pages that do not repaint it themselves).
    connect(m_pMenuSheet, &CPropertySheet::PageActivated, this, [this] {
        if (m_pDesignWnd)
            m_pDesignWnd->View().Core().Update(UpdateHint::All);
    });

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pSheets);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CDesignerDialog::IsMenuSheetShown() const {
    return m_pSheets && m_pSheets->currentWidget() == m_pMenuSheet;
}

void CDesignerDialog::ShowMenuSheet() {
    if (m_pSheets && !IsMenuSheetShown())
        m_pSheets->setCurrentWidget(m_pMenuSheet);
}

void CDesignerDialog::ShowAppletSheet() {
    if (m_pSheets && IsMenuSheetShown())
        m_pSheets->setCurrentWidget(m_pAppletSheet);
}

void CDesignerDialog::RefreshActivePage() {
    if (IsMenuSheetShown())
        m_pMenuSheet->RefreshActivePage();
}

int CDesignerDialog::ActiveMenuPage() const {
    return m_pMenuSheet ? m_pMenuSheet->ActivePageIndex() : -1;
}

void CDesignerDialog::EditLabelBox(LabelBox box) {
    ShowMenuSheet();
    // The keyboard leaves the canvas for the dialog: the user is about to type.
    raise();
    activateWindow();
    m_pMenuSheet->EditLabelBox(box);
}

void CDesignerDialog::ReloadAppletParametersPage() {
    if (CPropertyPage* pPage = m_pAppletSheet->Page(CAppletPropertySheet::pageParameters))
        pPage->Load();
}

void CDesignerDialog::showEvent(QShowEvent* pEvent) {
    QDialog::showEvent(pEvent);
    if (m_bFocusGiven)
        return;
    m_bFocusGiven = true;
    // Once the dialog is up, the keyboard goes to the canvas.
    QTimer::singleShot(0, this, [this] {
        if (!m_pDesignWnd)
            return;
        m_pDesignWnd->activateWindow();
        m_pDesignWnd->View().setFocus(Qt::OtherFocusReason);
    });
}

void CDesignerDialog::keyPressEvent(QKeyEvent* pEvent) {
    if (pEvent->key() == Qt::Key_Escape && pEvent->modifiers() == Qt::NoModifier) {
        pEvent->accept();
        return;
    }
    QDialog::keyPressEvent(pEvent);
}

void CDesignerDialog::done(int nResult) {
    if (m_pDesignWnd) {
        // What the pages in front hold belongs to the design before their canvas goes.
        m_pMenuSheet->StoreActivePage();
        m_pAppletSheet->StoreActivePage();
        m_pDesignWnd->SavePlacement();
        delete m_pDesignWnd;
        m_pDesignWnd = nullptr;
    }
    SetStoredWindowPos(m_params, DesignerWindow::Dialog, StoredPositionOf(*this));
    QDialog::done(nResult);
}

void RunDesignerDialog(CBrisko& owner, CAppletParameters& applet,
                       const std::string& strScratchFolder) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    CDesignerDialog dialog(applet, &owner, strScratchFolder, QApplication::activeWindow());
    dialog.exec();
}

} // namespace tb
