#pragma once
// The form's third step: Copy Code, New Page and Insert into, each on the document's
// current widget. Insert into hands the page to the maker's page editor when it is installed
// and the user wants it, and otherwise opens the Insert dialog.

#include <optional>
#include <string>

class QWidget;

namespace tb {

class CCommandTable;
class CVellumoToolDoc;

class CPublishCommands {
public:
    // Attaches the three commands to the table; each is enabled while there is a widget.
    // The page editor is looked for in programFolder first, then on the PATH.
    CPublishCommands(CCommandTable& commands, CVellumoToolDoc& document, std::string programFolder,
                     QWidget* pParent);

    // Looks for the page editor in these folders (a PATH value) instead of the process's PATH.
    void SetEditorSearchPath(std::string pathVariable) { m_searchPath = std::move(pathVariable); }

    void OnCopyCode();
    void OnNewPage();
    void OnInsertInto();

private:
    CCommandTable& m_commands;
    CVellumoToolDoc& m_document;
    std::string m_strProgramFolder;
    QWidget* m_pParent;
    std::optional<std::string> m_searchPath;
};

} // namespace tb
