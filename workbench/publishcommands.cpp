#include "workbench/publishcommands.h"

#include <QClipboard>
#include <QGuiApplication>

#include <optional>

#include "platform/ui/qt/qtstring.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/commandids.h"
#include "workbench/core/commandtable.h"
#include "workbench/core/pageeditor.h"
#include "workbench/core/publishing.h"
#include "workbench/core/vellumotooldoc.h"
#include "workbench/insertdialog.h"
#include "workbench/publishdialogs.h"

namespace tb {

namespace {

// The filters as the program has always written them.
const char kNewPageFilter[] = "HTML Files(*.htm;*.html) | *.htm;*.html | All Files(*.*) | *.* ||";
const char kInsertFilter[] = "HTML Files(*.htm,*.html) | *.htm;*.html|All Files(*.*)|*.*||";

} // namespace

CPublishCommands::CPublishCommands(CCommandTable& commands, CVellumoToolDoc& document,
                                   std::string programFolder, QWidget* pParent)
    : m_commands(commands), m_document(document), m_strProgramFolder(std::move(programFolder)),
      m_pParent(pParent) {
    auto hasWidget = [this] { return m_document.Tessera() != nullptr; };
    m_commands.SetAction(
        IDC_COPY_CODE, [this] { OnCopyCode(); }, hasWidget);
    m_commands.SetAction(
        IDC_NEW_PAGE, [this] { OnNewPage(); }, hasWidget);
    m_commands.SetAction(
        IDC_INSERT_INTO, [this] { OnInsertInto(); }, hasWidget);
}

void CPublishCommands::OnCopyCode() {
    CTessera* pWidget = m_document.Tessera();
    if (!pWidget)
        return;
    const QString code = ToQString(CollectPageSegments(*pWidget, 1).cursor);
    QGuiApplication::clipboard()->setText(code);
    CDlgHtmlCode dialog(code, m_pParent);
    dialog.exec();
}

void CPublishCommands::OnNewPage() {
    CTessera* pWidget = m_document.Tessera();
    if (!pWidget)
        return;
    FileDialogRequest request;
    request.initialFolder = m_document.DialogFolder();
    request.filter = kNewPageFilter;
    request.defaultExtension = ".htm";
    request.overwritePrompt = true;
    const std::optional<std::string> page = Ui().GetSaveFileName(request);
    if (!page)
        return;
    CreateWidgetPage(*pWidget, *page);
}

void CPublishCommands::OnInsertInto() {
    CTessera* pWidget = m_document.Tessera();
    if (!pWidget)
        return;
    FileDialogRequest request;
    request.initialFolder = m_document.DialogFolder();
    request.filter = kInsertFilter;
    const std::optional<std::string> page = Ui().GetOpenFileName(request);
    if (!page)
        return;

    const std::string editor = m_searchPath ? FindPageEditor(m_strProgramFolder, *m_searchPath)
                                            : FindPageEditor(m_strProgramFolder);
    CDlgEditorChoice choice(!editor.empty(), m_pParent);
    if (choice.exec() == QDialog::Accepted && choice.UseEditor()) {
        const EditorHandoff handoff = HandPageToEditor(
            m_document, [this] { m_commands.Execute(ID_FILE_SAVE); }, editor, *page);
        if (handoff != EditorHandoff::InsertDialog)
            return;
    }
    CDlgInsert dialog(*page, *pWidget, m_pParent);
    dialog.exec();
}

} // namespace tb
