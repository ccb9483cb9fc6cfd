#include "designer/ui/previewwnd.h"

#include <QCloseEvent>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "component/preview.h"
#include "designer/core/commandids.h"
#include "designer/core/editcommands.h"
#include "designer/ui/buttonclipboardqt.h"
#include "designer/ui/commandactions.h"
#include "designer/ui/designerhelp.h"
#include "designer/ui/designericons.h"
#include "designer/ui/drawview.h"
#include "designer/ui/palettewnd.h"
#include "designer/ui/screenplacement.h"
#include "model/appletparameters.h"

namespace tb {

CPreviewWnd::CPreviewWnd(CAppletParameters& params, CBrisko* pWidget, IDesignerSheets& sheets,
                         std::string strScratchFolder, QWidget* pOwner)
    : QWidget(pOwner, Qt::Window), m_params(params), m_pWidget(pWidget),
      m_strScratchFolder(std::move(strScratchFolder)), m_pView(new CDrawView(params, sheets, this)),
      m_pClipboard(new CButtonClipboardQt(this)),
      m_pEditCommands(std::make_unique<CEditCommands>(m_pView->Core(), *m_pClipboard)) {
    setWindowTitle(QStringLiteral("Button Design"));
    setWindowIcon(DesignerIcon(ID_TOOL_BUTTON));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(m_pView);
    setFocusProxy(m_pView);

    CCommandTable& table = m_pView->Core().Commands();
    table.SetAction(ID_PREVIEW, [this] { Preview(ID_PREVIEW); });
    table.SetAction(ID_HELP_FINDER, [] { ShowDesignerHelpIndex(); });
    m_pActions = new CCommandActions(table, this);
    connect(m_pActions, &CCommandActions::CommandRun, this, &CPreviewWnd::UpdateCommandStates);
    connect(m_pClipboard, &CButtonClipboardQt::Changed, this, &CPreviewWnd::UpdateCommandStates);

    m_pPalette = new CPaletteWnd(*m_pActions, this);
    m_pBrowserMenu = new QMenu(this);
    connect(m_pBrowserMenu, &QMenu::aboutToShow, this, &CPreviewWnd::FillBrowserMenu);
    if (QToolButton* pPreview = m_pPalette->Button(ID_PREVIEW)) {
        pPreview->setMenu(m_pBrowserMenu);
        pPreview->setPopupMode(QToolButton::MenuButtonPopup);
    }

    connect(m_pView, &CDrawView::ClientResized, this, &CPreviewWnd::OnClientResized);
    connect(m_pView, &CDrawView::InputHandled, this, &CPreviewWnd::UpdateCommandStates);
    connect(m_pView, &CDrawView::ContextMenuRequested, this, &CPreviewWnd::ShowContextMenu);
    UpdateCommandStates();
}

CPreviewWnd::~CPreviewWnd() = default;

void CPreviewWnd::ShowAtStoredPlace() {
    m_bTrackSize = false;
    FitToApplet();
    PlaceWindow(*this, StoredWindowPos(m_params, DesignerWindow::DesignWindow));
    show();
    PlaceWindow(*m_pPalette, StoredWindowPos(m_params, DesignerWindow::Palette));
    m_pPalette->show();
    m_bTrackSize = true;
}

void CPreviewWnd::FitToApplet() {
    // A size of nothing (or less) cannot be a window: the smallest one stands for it.
    resize(std::max(m_params.m_nWidth, 1), std::max(m_params.m_nHeight, 1));
}

void CPreviewWnd::SavePlacement() {
    SetStoredWindowPos(m_params, DesignerWindow::DesignWindow, StoredPositionOf(*this));
    SetStoredWindowPos(m_params, DesignerWindow::Palette, StoredPositionOf(*m_pPalette));
}

void CPreviewWnd::OnClientResized(QSize size) {
    if (!m_bTrackSize)
        return;
    if (size.width() == m_params.m_nWidth && size.height() == m_params.m_nHeight)
        return;
    m_params.m_nWidth = size.width();
    m_params.m_nHeight = size.height();
    emit AppletResized();
}

void CPreviewWnd::Preview(unsigned nCommand) {
    if (!m_pWidget)
        return;
    const BrowserList browsers = m_browserLookup ? BrowserList(m_browserLookup) : BrowserList();
    PreviewInBrowser(*m_pWidget, m_strScratchFolder, nCommand, browsers);
}

void CPreviewWnd::FillBrowserMenu() {
    m_pBrowserMenu->clear();
    const BrowserList browsers = m_browserLookup ? BrowserList(m_browserLookup) : BrowserList();
    for (const CBrowserMenuItem& item : BrowserMenuItems(browsers)) {
        if (item.IsSeparator()) {
            m_pBrowserMenu->addSeparator();
            continue;
        }
        QAction* pAction = m_pBrowserMenu->addAction(QString::fromStdString(item.strName));
        pAction->setData(item.nId);
        const unsigned nId = item.nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { Preview(nId); });
    }
    if (m_pBrowserMenu->isEmpty())
        m_pBrowserMenu->addAction(QStringLiteral("No browsers found"))->setEnabled(false);
}

void CPreviewWnd::ShowContextMenu(QPoint globalPos) {
    UpdateCommandStates();
    QMenu menu(window());
    m_pActions->FillContextMenu(menu);
    menu.exec(globalPos);
    UpdateCommandStates();
}

void CPreviewWnd::UpdateCommandStates() {
    m_pActions->UpdateStates();
    const bool bButtonTool = m_pView->Core().ToolState().currentTool == kButtonTool;
    const CDesignCommand* pTool =
        CCommandTable::Find(bButtonTool ? ID_TOOL_BUTTON : ID_TOOL_SELECT);
    m_pPalette->SetIdleText(
        QString::fromUtf8(pTool->Prompt().data(), qsizetype(pTool->Prompt().size())).trimmed());
}

void CPreviewWnd::closeEvent(QCloseEvent* pEvent) {
    if (pEvent->spontaneous()) {
        // The design window belongs to the designer: closing it closes the designer.
        pEvent->ignore();
        emit CloseRequested();
        return;
    }
    QWidget::closeEvent(pEvent);
}

} // namespace tb
