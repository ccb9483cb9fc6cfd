#include "workbench/vellumotoolapp.h"

#include <QApplication>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

#include "platform/com/comruntime.h"
#include "platform/core/paths.h"
#include "platform/profile/profile.h"
#include "platform/ui/qt/qtstring.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/uiservices.h"
#include "platform/ui/web/browserpanewidget.h"
#include "workbench/core/commandids.h"
#include "workbench/core/componentsetup.h"
#include "workbench/core/templates.h"
#include "workbench/core/tessera.h"
#include "workbench/core/vellumotooldoc.h"
#include "workbench/core/workbenchstrings.h"
#include "workbench/helpcommands.h"
#include "workbench/mainframe.h"
#include "workbench/newdialog.h"
#include "workbench/opendialog.h"
#include "workbench/publishcommands.h"
#include "workbench/supportfilesdialog.h"
#include "workbench/templatedialogs.h"
#include "workbench/vellumotoolview.h"

namespace tb {

namespace {

// The file the command line names: the first argument that is not an option. Relative to
// the folder the program was started in, as whoever typed it meant.
std::string FileArgument(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument.empty() || argument[0] == '-')
            continue;
        std::error_code ec;
        const std::filesystem::path absolute = std::filesystem::absolute(argument, ec);
        return ec ? argument : absolute.lexically_normal().string();
    }
    return {};
}

} // namespace

CVellumoToolApp::CVellumoToolApp(CWorkbenchFolders folders)
    : m_folders(std::move(folders)), m_pStrings(RegisterWorkbenchStrings()) {}

CVellumoToolApp::~CVellumoToolApp() {
    // The window goes first: its form works on the document.
    m_pPublishing.reset();
    m_pFrame.reset();
    m_pDocument.reset();
}

CVellumoToolView* CVellumoToolApp::View() const {
    return m_pFrame ? qobject_cast<CVellumoToolView*>(m_pFrame->centralWidget()) : nullptr;
}

bool CVellumoToolApp::InitInstance(const std::vector<std::string>& arguments) {
    if (FAILED(OleInitialize())) {
        AfxMessageBox(LoadHostString(IDP_OLE_INIT_FAILED));
        return false;
    }
    SetProfileKey("Tallowby", LoadHostString(AFX_IDS_APP_TITLE));

    // The file dialogs start in "My Widget" among the user's documents, made on first start.
    if (!m_folders.documentsFolder.empty()) {
        const std::string myWidget = JoinPath(m_folders.documentsFolder, "My Widget");
        std::error_code ec;
        std::filesystem::create_directories(myWidget, ec);
        if (DirectoryExists(myWidget))
            m_strMyWidgetFolder = myWidget;
    }
    m_recentFiles.ReadList();

    std::string registeredModule;
    if (EnsureComponentRegistered(LoadHostString(IDS_WIDGET_PROGID), m_folders.programFolder,
                                  &registeredModule) == ComponentSetup::RegisteredNow)
        // The folder is the program's own; the module's name says enough in a status bar.
        m_strStartupNotice =
            FormatHostString(IDS_COMPONENT_REGISTERED, {FileNamePart(registeredModule)});

    CreateDocumentWindow();
    const std::string file = FileArgument(arguments);
    if (!(file.empty() ? m_pDocument->NewDocumentFile() : OpenDocumentFile(file)))
        return false;

    m_pFrame->ShowStored();
    if (!m_strStartupNotice.empty())
        m_pFrame->SetStatusNotice(ToQString(m_strStartupNotice));
    return true;
}

int CVellumoToolApp::ExitInstance() {
    m_workFolder.RemoveFiles();
    return 0;
}

void CVellumoToolApp::CreateDocumentWindow() {
    m_pDocument = std::make_unique<CVellumoToolDoc>();
    m_pDocument->SetRecentFileList(&m_recentFiles);
    m_pDocument->SetDialogFolder(m_strMyWidgetFolder);
    if (m_bWorkbenchDialogs)
        InstallWorkbenchDialogs();

    m_pFrame = std::make_unique<CMainFrame>(m_commands);
    m_pFrame->LoadPlacement();
    auto* pView = new CVellumoToolView(*m_pDocument, m_commands);
    m_pFrame->setCentralWidget(pView);
    AttachCommands();
    m_pPublishing = std::make_unique<CPublishCommands>(m_commands, *m_pDocument,
                                                       m_folders.programFolder, m_pFrame.get());
    pView->OnInitialUpdate();
    m_pFrame->FitToForm();

    m_pDocument->SetCommandSender([this](unsigned nId) { m_pFrame->SendCommand(nId); });
    m_pDocument->SetChangeListener([this] { OnDocumentChanged(); });
    m_pFrame->SetCloseQuery([this] { return m_pDocument->SaveModified(); });
    QObject::connect(pView, &CVellumoToolView::CommandRun, m_pFrame.get(),
                     [this] { m_pFrame->UpdateCommandStates(); });
    QObject::connect(m_pFrame.get(), &CMainFrame::CommandRun, pView,
                     &CVellumoToolView::UpdateCommandStates);
    OnDocumentChanged();
}

void CVellumoToolApp::AttachCommands() {
    m_commands.SetAction(ID_FILE_NEW, [this] { OnFileNew(); });
    m_commands.SetAction(ID_FILE_OPEN, [this] { OnFileOpen(); });
    m_commands.SetAction(ID_FILE_SAVE, [this] { m_pDocument->DoFileSave(); });
    m_commands.SetAction(ID_FILE_SAVE_AS, [this] { m_pDocument->DoSave({}); });
    m_commands.SetAction(ID_APP_EXIT, [this] { m_pFrame->close(); });
    m_commands.SetAction(
        ID_FILE_SAVE_AS_TEMPLATE,
        [this] {
            RunSaveAsTemplate(*m_pDocument->Tessera(), m_folders.templatesFolder, m_pFrame.get());
        },
        [this] { return m_pDocument->Tessera() != nullptr; });
    m_commands.SetAction(
        ID_FILE_SUPPORT_FILES,
        [this] {
            CDlgSupportFiles dialog(*m_pDocument->Tessera(), m_pFrame.get());
            dialog.exec();
        },
        [this] { return m_pDocument->HasSupportFiles(); });
    m_commands.SetAction(ID_OPTION_TEMPLATE, [this] {
        CDlgManageTemplates dialog(m_folders.templatesFolder, m_pFrame.get());
        dialog.exec();
    });
    AttachHelpCommands(m_commands, *m_pFrame);
    m_commands.SetAction(
        ID_HELP_VIEW_SAMPLE, [this] { m_pDocument->ViewSample(); },
        [this] { return m_pDocument->CanViewSample(); });
    for (size_t i = 0; i < m_recentFiles.Size(); ++i) {
        m_commands.SetAction(
            ID_FILE_MRU_FILE1 + static_cast<unsigned>(i), [this, i] { OnRecentFile(i); },
            [this, i] { return i < m_recentFiles.Entries().size(); });
    }
}

void CVellumoToolApp::UseWorkbenchDialogs() {
    m_bWorkbenchDialogs = true;
    if (m_pDocument)
        InstallWorkbenchDialogs();
}

void CVellumoToolApp::InstallWorkbenchDialogs() {
    m_pDocument->SetNewDialog([this](CTessera& target) {
        CDlgNew dialog(target, m_workFolder.Path(), m_folders.templatesFolder, m_pFrame.get());
        return dialog.exec() == QDialog::Accepted;
    });
    m_openDialog = [this](const std::string& folder) -> std::optional<std::string> {
        CDlgOpenWidget dialog(m_workFolder.Path(), m_folders.programFolder, folder, m_pFrame.get());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return ToUtf8(dialog.selectedFiles().front());
    };
}

void CVellumoToolApp::OnDocumentChanged() {
    if (!m_pFrame)
        return;
    m_pFrame->UpdateTitle(ToQString(m_pDocument->GetTitle()), m_pDocument->IsModified());
    m_pFrame->UpdateRecentFiles(m_recentFiles);
    m_pFrame->UpdateCommandStates();
    if (CVellumoToolView* pView = View())
        pView->UpdateCommandStates();
}

void CVellumoToolApp::OnFileNew() {
    m_pDocument->NewDocumentFile();
}

void CVellumoToolApp::OnFileOpen() {
    std::optional<std::string> chosen;
    if (m_openDialog) {
        chosen = m_openDialog(m_pDocument->DialogFolder());
    } else {
        FileDialogRequest request;
        request.initialFolder = m_pDocument->DialogFolder();
        request.filter = kWidgetOpenFilter;
        chosen = Ui().GetOpenFileName(request);
    }
    if (!chosen)
        return;
    m_pDocument->SetDialogFolder(FolderWithoutSeparator(*chosen));
    OpenDocumentFile(*chosen);
}

bool CVellumoToolApp::OpenDocumentFile(const std::string& path) {
    return m_pDocument->OpenDocumentFile(path);
}

void CVellumoToolApp::OnRecentFile(size_t nIndex) {
    if (nIndex >= m_recentFiles.Entries().size())
        return;
    // A copy: opening the file reorders the list.
    const std::string path = m_recentFiles.Entries()[nIndex];
    bool bCancelled = false;
    if (!m_pDocument->OpenDocumentFile(path, &bCancelled) && !bCancelled) {
        // A file that no longer opens has no place in the list; one the user only did not
        // open now keeps it.
        m_recentFiles.Remove(nIndex);
        m_recentFiles.WriteList();
        OnDocumentChanged();
    }
}

int CVellumoToolApp::Run(int argc, char** argv) {
    PrepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ambrel Brisko"));
    QApplication::setOrganizationName(QStringLiteral("Tallowby"));
    QtUiServices desktop;
    ScopedUi ui(desktop);

    CWorkbenchFolders folders;
    folders.programFolder = ToUtf8(QCoreApplication::applicationDirPath());
    folders.documentsFolder =
        ToUtf8(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    folders.templatesFolder = UserTemplateFolder();
    CVellumoToolApp workbench(folders);
    std::vector<std::string> arguments;
    const QStringList qtArguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < qtArguments.size(); ++i)
        arguments.push_back(ToUtf8(qtArguments[i]));
    workbench.UseWorkbenchDialogs();
    if (!workbench.InitInstance(arguments)) {
        workbench.ExitInstance();
        return 1;
    }
    QApplication::exec();
    return workbench.ExitInstance();
}

} // namespace tb
