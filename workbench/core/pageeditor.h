#pragma once
// The maker's page editor, `vellumo`: where it is installed, and handing a page to it. The
// workbench starts it with the page and relies on whether it could be started; without it,
// it offers the order page, or the built-in Insert dialog.

#include <functional>
#include <string>

namespace tb {

class CDocument;

inline constexpr char kPageEditorProgram[] = "vellumo";

// The editor's full path: in programFolder first, then in the absolute folders of
// pathVariable (a PATH value, ':' between folders); "" when neither has an executable file
// of that name.
std::string FindPageEditor(const std::string& programFolder, const std::string& pathVariable);
// The same with the process's PATH.
std::string FindPageEditor(const std::string& programFolder);

enum class EditorHandoff {
    Started,         // the editor has the page
    Cancelled,       // the widget was not to be saved first: nothing more happens
    OrderPageOpened, // the editor was missing and the order page is open instead
    InsertDialog,    // go on with the built-in Insert dialog
};

// Asks to save a modified document first (save runs File Save), starts editor with page
// (an empty editor is one that is not installed), and when that fails asks whether to open
// the order page.
EditorHandoff HandPageToEditor(const CDocument& document, const std::function<void()>& save,
                               const std::string& editor, const std::string& page);

} // namespace tb
