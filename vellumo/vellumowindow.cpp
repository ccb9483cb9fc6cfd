#include "vellumo/vellumowindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "addin/host/pageaddress.h"
#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"
#include "vellumo/addinsdialog.h"
#include "vellumo/pagefile.h"
#include "vellumo/pagetext.h"

namespace tb::vellumo {

namespace {

constexpr const char* kCaption = "Vellumo";
constexpr const char* kNewPage = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                 "<title>Untitled</title>\n</head>\n<body>\n</body>\n</html>\n";

void Warn(const std::string& text) {
    tb::Ui().MessageBox(text, kCaption, tb::MbButtons::OK, tb::MbIcon::Warning);
}

QString ReadPlayer(const std::string& programFolder) {
    QFile file(ToQString(JoinPath(programFolder, "tlwbtn.js")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

CVellumoWindow::CVellumoWindow(const std::string& programFolder, QWidget* parent)
    : QMainWindow(parent), m_strProgramFolder(programFolder),
      m_strPlayer(ReadPlayer(programFolder)), m_pHost(std::make_unique<CVellumoHost>(*this)),
      m_pAddIns(std::make_unique<host::CAddInManager>(*m_pHost)) {
    setObjectName("VellumoWindow");
    BuildViews();
    BuildMenus();
    m_pBarsView = std::make_unique<CCommandBarsView>(*this, m_pHost->Bars());
    resize(960, 680);
    NewPage();
}

CVellumoWindow::~CVellumoWindow() {
    // Add-ins take their bars down while the window still shows them.
    m_pAddIns.reset();
    m_pBarsView.reset();
}

void CVellumoWindow::ConnectStartupAddIns() {
    m_pAddIns->ConnectStartupAddIns();
}

void CVellumoWindow::BuildViews() {
    m_pTabs = new QTabWidget(this);
    m_pTabs->setTabPosition(QTabWidget::South);
    m_pTabs->setDocumentMode(true);

    m_pDesign = new CDesignView(m_pTabs);
    m_pDesign->SetPlayerScript(m_strPlayer);
    m_pDesign->SetReadyListener([this] { m_pHost->ScheduleUpdate(); });
    m_pDesign->SetEventListener([this](const QStringList& events) {
        if (events.contains("edit") && m_pDesign->IsModified())
            SetModified(true);
        m_pHost->ScheduleUpdate();
    });

    m_pSource = new QPlainTextEdit(m_pTabs);
    m_pSource->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pSource->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pSource->setTabStopDistance(4 * m_pSource->fontMetrics().horizontalAdvance(' '));
    connect(m_pSource, &QPlainTextEdit::textChanged, this, [this] {
        if (m_bFillingSource)
            return;
        m_bSourceEdited = true;
        SetModified(true);
    });

    m_pPreview = new QWebEngineView(m_pTabs);
    m_pPreview->setContextMenuPolicy(Qt::NoContextMenu);
    if (!m_strPlayer.isEmpty()) {
        // Pages that do not load the player themselves still show their widgets; one that
        // does is not harmed, the player runs once.
        QWebEngineScript player;
        player.setName("tlwbtn");
        player.setSourceCode(m_strPlayer);
        player.setInjectionPoint(QWebEngineScript::DocumentReady);
        player.setWorldId(QWebEngineScript::MainWorld);
        m_pPreview->page()->scripts().insert(player);
    }

    m_pTabs->addTab(m_pDesign, tr("Normal"));
    m_pTabs->addTab(m_pSource, tr("HTML"));
    m_pTabs->addTab(m_pPreview, tr("Preview"));
    m_pTabs->setTabToolTip(0, tr("Edit the page as it looks"));
    m_pTabs->setTabToolTip(1, tr("Edit the page's HTML"));
    m_pTabs->setTabToolTip(2, tr("See the page as a browser shows it"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_bSwitching && !ChangeViewMode(index + 1))
            m_pTabs->setCurrentIndex(m_nViewMode - 1);
    });
    setCentralWidget(m_pTabs);
    statusBar();
}

void CVellumoWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New Page"), QKeySequence::New, this, [this] { NewPage(); });
    file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] { OpenPageWithDialog(); });
    file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { Save(); });
    file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, [this] { SaveAs(); });
    file->addSeparator();
    file->addAction(tr("E&xit"), QKeySequence::Quit, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(tr("&Undo"), QKeySequence::Undo, this, [this] { Undo(); });
    edit->addAction(tr("&Redo"), QKeySequence::Redo, this, [this] { Redo(); });

    QMenu* view = menuBar()->addMenu(tr("&View"));
    m_pViewActions = new QActionGroup(this);
    const QString names[] = {tr("&Normal"), tr("&HTML"), tr("&Preview")};
    for (int mode = host::ViewModeNormal; mode <= host::ViewModePreview; ++mode) {
        QAction* action =
            view->addAction(names[mode - 1], this, [this, mode] { ChangeViewMode(mode); });
        action->setCheckable(true);
        action->setChecked(mode == m_nViewMode);
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + mode)));
        m_pViewActions->addAction(action);
    }

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(tr("&Add-ins..."), this, [this] { ShowAddInsDialog(); });
}

void CVellumoWindow::NewPage() {
    if (!MaybeSave())
        return;
    ShowPage({}, kNewPage);
}

bool CVellumoWindow::OpenPage(const std::string& path) {
    if (!MaybeSave())
        return false;
    std::string error;
    std::optional<std::string> bytes = ReadPageFile(path, &error);
    if (!bytes) {
        Warn("The page " + path + " could not be opened.\n" + error);
        return false;
    }
    std::string absolute = ToUtf8(QFileInfo(ToQString(path)).absoluteFilePath());
    ShowPage(absolute, std::move(*bytes));
    return true;
}

bool CVellumoWindow::OpenPageWithDialog() {
    tb::FileDialogRequest request;
    request.filter = kPageFilter;
    request.initialFolder = m_strPath.empty() ? std::string() : FolderWithoutSeparator(m_strPath);
    std::optional<std::string> path = tb::Ui().GetOpenFileName(request);
    return path && OpenPage(*path);
}

void CVellumoWindow::ShowPage(std::string path, std::string bytes) {
    m_bHasPage = true;
    m_strPath = std::move(path);
    m_bytes = std::move(bytes);
    m_strCharset = DetectCharset(m_bytes);
    m_bDesignStale = true;
    m_bSourceEdited = false;
    SetModified(false);
    m_nViewMode = 0; // nothing is shown until Enter
    Enter(host::ViewModeNormal);
    m_pHost->ScheduleUpdate();
}

bool CVellumoWindow::Save() {
    return m_strPath.empty() ? SaveAs() : WriteTo(m_strPath);
}

bool CVellumoWindow::WriteTo(const std::string& target) {
    std::optional<std::string> bytes = CurrentBytes();
    if (!bytes)
        return false;
    std::string why;
    if (!tb::WriteFileAtomically(target, *bytes, &why)) {
        Warn("The page could not be saved to " + target + " (" + why +
             "). The file was left as it was.");
        return false;
    }
    SetModified(false);
    return true;
}

bool CVellumoWindow::SaveAs(const std::string& path) {
    std::string target = path;
    if (target.empty()) {
        tb::FileDialogRequest request;
        request.filter = kPageFilter;
        request.defaultExtension = "htm";
        request.initialFile = m_strPath;
        std::optional<std::string> chosen = tb::Ui().GetSaveFileName(request);
        if (!chosen)
            return false;
        target = *chosen;
    }
    if (!WriteTo(target))
        return false;
    m_strPath = ToUtf8(QFileInfo(ToQString(target)).absoluteFilePath());
    UpdateTitle();
    m_pHost->ScheduleUpdate();
    return true;
}

std::optional<std::string> CVellumoWindow::CurrentBytes() {
    if (!Capture())
        return std::nullopt;
    return m_bytes;
}

bool CVellumoWindow::Capture() {
    if (m_nViewMode == host::ViewModeNormal && !m_bDesignStale) {
        if (!m_pDesign->IsReady())
            return true; // still loading: nothing can have been edited yet
        std::optional<std::string> bytes = m_pDesign->PageBytes();
        if (!bytes) {
            Warn("The page could not be taken from the normal view.");
            return false;
        }
        m_bytes = std::move(*bytes);
    } else if (m_nViewMode == host::ViewModeHtml && m_bSourceEdited) {
        QString text = m_pSource->toPlainText();
        // The text editor works with LF; a page written with CR LF keeps them.
        if (m_bytes.find("\r\n") != std::string::npos)
            text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        m_bytes = EncodePage(text, m_strCharset);
        m_bSourceEdited = false;
        m_bDesignStale = true;
    }
    return true;
}

bool CVellumoWindow::ChangeViewMode(int mode) {
    if (mode < host::ViewModeNormal || mode > host::ViewModePreview)
        return false;
    if (mode == m_nViewMode)
        return true;
    if (!Capture())
        return false;
    Enter(mode);
    m_pHost->ScheduleUpdate();
    return true;
}

void CVellumoWindow::Enter(int mode) {
    m_nViewMode = mode;
    switch (mode) {
    case host::ViewModeNormal:
        if (m_bDesignStale) {
            m_bDesignStale = false;
            if (!m_pDesign->Load(m_bytes, m_strCharset, BaseUrl())) {
                Warn("The page is too large for the normal view; it is shown as HTML.");
                m_bDesignStale = true;
                Enter(host::ViewModeHtml);
                return;
            }
        }
        break;
    case host::ViewModeHtml:
        m_bFillingSource = true;
        m_pSource->setPlainText(DecodePage(m_bytes, m_strCharset));
        m_bFillingSource = false;
        m_bSourceEdited = false;
        break;
    case host::ViewModePreview:
        m_pPreview->setContent(QByteArray::fromStdString(m_bytes),
                               "text/html;charset=" + QByteArray::fromStdString(m_strCharset),
                               BaseUrl());
        break;
    }
    m_bSwitching = true;
    m_pTabs->setCurrentIndex(mode - 1);
    m_bSwitching = false;
    m_pViewActions->actions().at(mode - 1)->setChecked(true);
}

CDesignView* CVellumoWindow::EditableDesign() {
    if (!m_bHasPage || m_nViewMode != host::ViewModeNormal || m_bDesignStale ||
        !m_pDesign->IsReady())
        return nullptr;
    return m_pDesign;
}

bool CVellumoWindow::Undo() {
    if (m_nViewMode == host::ViewModeHtml) {
        m_pSource->undo();
        return true;
    }
    CDesignView* design = EditableDesign();
    return design && design->Call("vellumo.undo()").toBool();
}

bool CVellumoWindow::Redo() {
    if (m_nViewMode == host::ViewModeHtml) {
        m_pSource->redo();
        return true;
    }
    CDesignView* design = EditableDesign();
    return design && design->Call("vellumo.redo()").toBool();
}

void CVellumoWindow::ShowAddInsDialog() {
    CAddInsDialog dialog(*m_pAddIns, this);
    dialog.exec();
}

void CVellumoWindow::closeEvent(QCloseEvent* event) {
    if (MaybeSave())
        event->accept();
    else
        event->ignore();
}

bool CVellumoWindow::MaybeSave() {
    if (!m_bHasPage || !m_bModified)
        return true;
    std::string name = m_strPath.empty() ? "Untitled" : FileNamePart(m_strPath);
    int answer = tb::Ui().MessageBox("Save the changes to " + name + "?", kCaption,
                                     tb::MbButtons::YesNoCancel, tb::MbIcon::Question);
    if (answer == IDYES)
        return Save();
    return answer == IDNO;
}

void CVellumoWindow::SetModified(bool modified) {
    m_bModified = modified;
    UpdateTitle();
}

void CVellumoWindow::UpdateTitle() {
    std::string name = m_strPath.empty() ? "Untitled" : FileNamePart(m_strPath);
    setWindowTitle(ToQString(name + (m_bModified ? "*" : "") + " - " + kCaption));
    statusBar()->showMessage(ToQString(host::LocationOfPage(m_strPath).href));
}

QUrl CVellumoWindow::BaseUrl() const {
    if (m_strPath.empty())
        return QUrl(QStringLiteral("about:blank"));
    return QUrl::fromLocalFile(ToQString(m_strPath));
}

} // namespace tb::vellumo
