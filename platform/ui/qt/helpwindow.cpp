#include "platform/ui/qt/helpwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

std::string& HelpFolderOverride() {
    static std::string strFolder;
    return strFolder;
}

QPointer<CHelpWindow>& HelpWindowPointer() {
    static QPointer<CHelpWindow> pWindow;
    return pWindow;
}

// The nearest window around pWidget (itself included) that is an open modal dialog.
QWidget* ModalWindowAround(QWidget* pWidget) {
    for (QWidget* p = pWidget ? pWidget->window() : nullptr; p;
         p = p->parentWidget() ? p->parentWidget()->window() : nullptr) {
        if (p->isVisible() && p->isModal())
            return p;
    }
    return nullptr;
}

} // namespace

std::string HelpFolder() {
    if (!HelpFolderOverride().empty())
        return HelpFolderOverride();
    return ToUtf8(QDir(QCoreApplication::applicationDirPath()).filePath(kHelpFolderName));
}

void SetHelpFolder(const std::string& strFolder) {
    HelpFolderOverride() = strFolder;
}

CHelpWindow& TheHelpWindow() {
    QPointer<CHelpWindow>& pWindow = HelpWindowPointer();
    if (!pWindow)
        pWindow = new CHelpWindow;
    return *pWindow;
}

bool ShowHelpPage(const std::string& strPage, const std::string& strMissing,
                  const std::string& strCaption) {
    const QString path = QDir(ToQString(HelpFolder())).filePath(ToQString(strPage));
    if (strPage.empty() || !QFileInfo(path).isFile()) {
        Ui().MessageBox(strMissing, strCaption, MbButtons::OK, MbIcon::Stop);
        return false;
    }
    TheHelpWindow().Open(path);
    return true;
}

CHelpWindow* CHelpWindow::Existing() {
    return HelpWindowPointer().data();
}

CHelpWindow::CHelpWindow() : QWidget(nullptr, Qt::Window), m_pBrowser(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(tr("Help"));
    auto* pToolBar = new QToolBar(this);
    pToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_pBack = pToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("&Back"));
    m_pForward =
        pToolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("&Forward"));
    m_pIndex = pToolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("&Index"));
    m_pBack->setShortcut(QKeySequence::Back);
    m_pForward->setShortcut(QKeySequence::Forward);
    m_pIndex->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    m_pBack->setToolTip(tr("Back to the page before (Alt+Left)"));
    m_pForward->setToolTip(tr("Forward again (Alt+Right)"));
    m_pIndex->setToolTip(tr("The list of all help topics (Alt+Home)"));
    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);

    m_pBrowser->setOpenExternalLinks(true);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    pLayout->addWidget(pToolBar);
    pLayout->addWidget(m_pBrowser);

    connect(m_pBack, &QAction::triggered, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QAction::triggered, m_pBrowser, &QTextBrowser::forward);
    connect(m_pIndex, &QAction::triggered, this, [this] {
        const QString index = QDir(ToQString(HelpFolder())).filePath(kHelpIndexPage);
        m_pBrowser->setSource(QUrl::fromLocalFile(index));
    });
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_pBrowser->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Help") : title);
    });

    // A reading width for the pages, wide enough for a dialog's picture beside the scroll
    // bar: about 110 characters, most of the screen's height.
    const QFontMetrics metrics(m_pBrowser->font());
    QSize size(std::max(metrics.averageCharWidth() * 110, 700), metrics.height() * 40);
    if (const QScreen* pScreen = QGuiApplication::primaryScreen())
        size = size.boundedTo(pScreen->availableSize() * 9 / 10);
    resize(size);
}

void CHelpWindow::Open(const QString& path) {
    BelongTo(QApplication::activeModalWidget());
    m_pBrowser->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}

QString CHelpWindow::CurrentPage() const {
    return QFileInfo(m_pBrowser->source().toLocalFile()).fileName();
}

void CHelpWindow::BelongTo(QWidget* pOwner) {
    if (pOwner == m_pOwner && parentWidget() == pOwner)
        return;
    if (m_pOwner)
        m_pOwner->removeEventFilter(this);
    const bool bVisible = isVisible();
    const QPoint at = pos();
    // A window that belongs to the modal dialog is not blocked by it.
    setParent(pOwner, windowFlags() | Qt::Window);
    m_pOwner = pOwner;
    if (pOwner)
        pOwner->installEventFilter(this);
    if (bVisible) {
        move(at);
        show();
    }
}

bool CHelpWindow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pWatched == m_pOwner && pEvent->type() == QEvent::Hide && !pEvent->spontaneous()) {
        // The dialog goes: stay with the modal dialog under it, or go with this one.
        QWidget* pOwner = m_pOwner;
        QWidget* pNext = ModalWindowAround(pOwner->parentWidget());
        if (pNext) {
            BelongTo(pNext);
        } else {
            pOwner->removeEventFilter(this);
            m_pOwner = nullptr;
            hide();
            deleteLater();
        }
    }
    return QWidget::eventFilter(pWatched, pEvent);
}

} // namespace tb
