#pragma once
// The workbench as a program: start-up (profile, folders, the widget component, the
// document with its window and form, the file named on the command line), the commands the
// application itself handles (New, Open, the recent files, Exit), and shutdown, which
// removes the work folder. Run() is all main() does; tests make the object themselves in a
// process that already has its QApplication.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "workbench/core/commandtable.h"
#include "workbench/core/recentfilelist.h"
#include "workbench/core/workfolder.h"

namespace tb {

class CMainFrame;
class CModuleResources;
class CPublishCommands;
class CVellumoToolDoc;
class CVellumoToolView;

// Where the program lives and where the user's files go.
struct CWorkbenchFolders {
    std::string programFolder;   // the running program's folder, where the component lies
    std::string documentsFolder; // the user's documents folder; "My Widget" is made in it
    std::string templatesFolder; // the user's own templates; "" for none
};

class CVellumoToolApp {
public:
    // The Open dialog: the chosen file, or nothing on Cancel. Without one, the desktop's
    // file chooser with the widget file filter.
    using OpenDialog = std::function<std::optional<std::string>(const std::string& folder)>;

    explicit CVellumoToolApp(CWorkbenchFolders folders);
    ~CVellumoToolApp();
    CVellumoToolApp(const CVellumoToolApp&) = delete;
    CVellumoToolApp& operator=(const CVellumoToolApp&) = delete;

    // The start-up steps; the arguments are the command line's, without the program's name.
    // False when the program is to end (a message has said why).
    bool InitInstance(const std::vector<std::string>& arguments);
    // Shutdown: the work folder's files, then the folder. Returns the program's exit code.
    int ExitInstance();

    // File New, File Open (through the Open dialog) and opening one file as the document.
    void OnFileNew();
    void OnFileOpen();
    bool OpenDocumentFile(const std::string& path);

    CMainFrame* MainFrame() const { return m_pFrame.get(); }
    CVellumoToolDoc* Document() const { return m_pDocument.get(); }
    CVellumoToolView* View() const;
    CCommandTable& Commands() { return m_commands; }
    CPublishCommands* Publishing() const { return m_pPublishing.get(); }
    CWorkFolder& WorkFolder() { return m_workFolder; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    const std::string& MyWidgetFolder() const { return m_strMyWidgetFolder; }
    void SetOpenDialog(OpenDialog dialog) { m_openDialog = std::move(dialog); }
    // The New and Open dialogs with their previews, as the program shows them; without this
    // call New makes a blank widget and Open asks through the desktop's file chooser.
    void UseWorkbenchDialogs();

    // main(): the application object, the desktop's dialogs, start-up, the event loop and
    // shutdown.
    static int Run(int argc, char** argv);

private:
    void CreateDocumentWindow();
    void AttachCommands();
    void OnRecentFile(size_t nIndex);
    void OnDocumentChanged();
    void InstallWorkbenchDialogs();

    CWorkbenchFolders m_folders;
    std::unique_ptr<CModuleResources> m_pStrings;
    std::string m_strMyWidgetFolder;
    std::string m_strStartupNotice;
    CCommandTable m_commands;
    CRecentFileList m_recentFiles;
    CWorkFolder m_workFolder;
    std::unique_ptr<CVellumoToolDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CPublishCommands> m_pPublishing;
    OpenDialog m_openDialog;
    bool m_bWorkbenchDialogs = false;
};

} // namespace tb
