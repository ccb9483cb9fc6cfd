#include "workbench/mainframe.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "platform/ui/qt/qtstring.h"
#include "workbench/colorformview.h"
#include "workbench/commandactions.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/workbenchstrings.h"
#include "workbench/workbenchimages.h"

namespace tb {

namespace {

CRect ToCRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

CMainFrame::CMainFrame(CCommandTable& commands, QWidget* parent)
    : QMainWindow(parent), m_commands(commands), m_pActions(new CWorkbenchActions(commands, *this)),
      m_pToolBar(new QToolBar(QStringLiteral("Tool Bar"), this)),
      m_pStatusText(new QLabel(ToQString(LoadHostString(AFX_IDS_IDLEMESSAGE)))) {
    // No maximize box: the window is as large as its form, which does not grow.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(WorkbenchIcon());

    m_pActions->FillMenuBar();
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setMovable(true);
    m_pActions->FillToolBar(*m_pToolBar);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    statusBar()->addWidget(m_pStatusText, 1);
    connect(m_pActions, &CWorkbenchActions::CommandRun, this, [this](unsigned nId) {
        SetStatusNotice({});
        UpdateCommandStates();
        emit CommandRun(nId);
    });
}

void CMainFrame::SetStatusNotice(const QString& text) {
    m_pStatusText->setText(text.isEmpty() ? ToQString(LoadHostString(AFX_IDS_IDLEMESSAGE)) : text);
}

QString CMainFrame::StatusText() const {
    return m_pStatusText->text();
}

CScreenMetrics CMainFrame::ScreenMetrics() {
    CScreenMetrics metrics;
    if (const QScreen* pScreen = QGuiApplication::primaryScreen()) {
        metrics.screen = ToCRect(pScreen->geometry());
        metrics.workArea = ToCRect(pScreen->availableGeometry());
    }
    return metrics;
}

void CMainFrame::LoadPlacement() {
    const std::optional<CFramePlacement> placement = ReadFramePlacement();
    if (!placement)
        return;
    const std::optional<CFrameGeometry> geometry =
        RestoredFrameGeometry(*placement, ScreenMetrics());
    if (!geometry)
        return;
    // The stored size is the window's inside; its position is the frame's, as move() takes it.
    move(geometry->frame.left, geometry->frame.top);
    resize(geometry->frame.Width(), geometry->frame.Height());
    m_nStoredShowCmd = geometry->nShowCmd;
    m_bHasStoredSize = true;
}

void CMainFrame::ShowStored() {
    if (m_nStoredShowCmd == SW_SHOWMAXIMIZED)
        showMaximized();
    else
        show();
}

CFramePlacement CMainFrame::CurrentPlacement() const {
    CFramePlacement placement;
    placement.nShowCmd = isMinimized()   ? SW_SHOWMINIMIZED
                         : isMaximized() ? SW_SHOWMAXIMIZED
                                         : SW_SHOWNORMAL;
    // The frame's corner and the inside's size of the normal (not maximized) window.
    QRect inside = geometry();
    QPoint corner = pos();
    if (placement.nShowCmd != SW_SHOWNORMAL && normalGeometry().isValid()) {
        inside = normalGeometry();
        corner = inside.topLeft() - (geometry().topLeft() - frameGeometry().topLeft());
    }
    const CRect workArea = ScreenMetrics().workArea;
    const int nLeft = corner.x() - workArea.left;
    const int nTop = corner.y() - workArea.top;
    placement.normal = {nLeft, nTop, nLeft + inside.width(), nTop + inside.height()};
    return placement;
}

void CMainFrame::FitToForm() {
    auto* pView = qobject_cast<CColorFormView*>(centralWidget());
    if (!pView)
        return;
    layout()->activate();
    // What the menu, the tool bar and the status bar take around the form.
    const QSize chrome = size() - pView->size();
    const QSize form = pView->Form()->sizeHint();
    const QSize needed(std::max(form.width() + chrome.width(), minimumSizeHint().width()),
                       form.height() + chrome.height());
    if (m_bHasStoredSize)
        resize(std::min(width(), needed.width()), std::min(height(), needed.height()));
    else
        resize(needed);
}

void CMainFrame::SendCommand(unsigned nId) {
    m_commands.Execute(nId);
    UpdateCommandStates();
    emit CommandRun(nId);
}

void CMainFrame::UpdateCommandStates() {
    m_pActions->UpdateStates();
}

void CMainFrame::UpdateRecentFiles(const CRecentFileList& files) {
    m_pActions->UpdateRecentFiles(files);
}

void CMainFrame::UpdateTitle(const QString& documentTitle, bool bModified) {
    setWindowTitle(documentTitle + QStringLiteral("[*] - ") +
                   ToQString(LoadHostString(AFX_IDS_APP_TITLE)));
    setWindowModified(bModified);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    WriteFramePlacement(CurrentPlacement());
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace tb
