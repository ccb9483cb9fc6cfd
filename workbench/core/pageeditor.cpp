#include "workbench/core/pageeditor.h"

#include <unistd.h>

#include <cstdlib>

#include "component/browserlist.h"
#include "platform/core/paths.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/document.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

bool IsExecutableFile(const std::string& path) {
    return FileExists(path) && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string FindPageEditor(const std::string& programFolder, const std::string& pathVariable) {
    if (!programFolder.empty()) {
        const std::string beside = JoinPath(programFolder, kPageEditorProgram);
        if (IsExecutableFile(beside))
            return beside;
    }
    return FindOnSearchPath(kPageEditorProgram, pathVariable);
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
