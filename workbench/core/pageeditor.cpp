#include "workbench/core/pageeditor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "platform/core/paths.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/document.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string FindPageEditor(const std::string& programFolder, const std::string& pathVariable) {
    if (!programFolder.empty()) {
        const std::string beside = JoinPath(programFolder, kPageEditorProgram);
        if (IsExecutableFile(beside))
            return beside;
    }
    std::string_view folders = pathVariable;
    while (!folders.empty()) {
        const size_t nColon = folders.find(':');
        const std::string_view folder = folders.substr(0, nColon);
        folders =
            nColon == std::string_view::npos ? std::string_view{} : folders.substr(nColon + 1);
        // An empty entry would mean the current folder, which is nobody's install.
        if (folder.empty())
            continue;
        const std::string candidate = JoinPath(folder, kPageEditorProgram);
        if (IsExecutableFile(candidate))
            return candidate;
    }
    return {};
}

std::string FindPageEditor(const std::string& programFolder) {
    const char* pPath = std::getenv("PATH");
    return FindPageEditor(programFolder, pPath ? pPath : "");
}

EditorHandoff HandPageToEditor(const CDocument& document, const std::function<void()>& save,
                               const std::string& editor, const std::string& page) {
    if (document.IsModified()) {
        if (AfxMessageBox(LoadHostString(IDS_SAVE_BEFORE_EDITOR), MbButtons::OKCancel) != IDOK)
            return EditorHandoff::Cancelled;
        if (save)
            save();
    }
    if (!editor.empty() && Ui().StartProgram(editor, {page}))
        return EditorHandoff::Started;
    if (AfxMessageBox(LoadHostString(IDS_EDITOR_NOT_FOUND), MbButtons::OKCancel) == IDOK) {
        Ui().OpenDocument(LoadHostString(IDS_ORDER_PAGE));
        return EditorHandoff::OrderPageOpened;
    }
    return EditorHandoff::InsertDialog;
}

} // namespace tb
