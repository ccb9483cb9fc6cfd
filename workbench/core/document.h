#pragma once
// The single-document framework the workbench stands on: a document with a path, a title
// and a modified flag; New and Open through the one document (asking first whether to save
// a modified one); Save, and Save As through the save dialog with the template's filter.
// What a document holds and how it reads and writes it is the derived class's.

#include <functional>
#include <string>

namespace tb {

class CRecentFileList;

// The seven fields of the document template's string, separated by '\n'.
struct CDocTemplateText {
    std::string windowTitle; // "Ambrel Brisko"
    std::string docName;     // the title of a new document
    std::string fileNewName;
    std::string filterName; // "Ambrel Widgets File(*.tsq) "
    std::string filterExt;  // ".tsq"
    std::string regFileTypeId;
    std::string regFileTypeName;

    static CDocTemplateText Parse(const std::string& text);
    // The save dialog's filter: the template's entry, then every file.
    std::string SaveFilter(const std::string& allFilesName) const;
};

class CDocument {
public:
    explicit CDocument(CDocTemplateText templateText);
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CDocTemplateText& TemplateText() const { return m_template; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& title);
    // "" for a document that was never saved.
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path and, from it, the title; adds the path to the recent files.
    void SetPathName(const std::string& path, bool bAddToRecentFiles = true);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);

    // The framework's steps. OnNewDocument empties the document; OnOpenDocument checks that
    // the file can be read (showing "Open %s Error!" when not) and empties it; OnSaveDocument
    // writes nothing. Derived documents add what they hold.
    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    virtual void DeleteContents() {}

    // File New and opening a file through the one document. Both first ask whether to save a
    // modified document; a failed open leaves the document as it was. *pbCancelled tells
    // whether the user cancelled that question (rather than the file failing).
    bool NewDocumentFile();
    bool OpenDocumentFile(const std::string& path, bool* pbCancelled = nullptr);

    // "Save changes to %1?" when the document is modified: Yes saves (false if that fails),
    // No goes on, Cancel answers false.
    bool SaveModified();
    // File Save: to the document's path, or through Save As when it has none.
    bool DoFileSave();
    // Save As when path is "": asks for a path in the save dialog. With bReplace the document
    // takes the new path.
    bool DoSave(const std::string& path, bool bReplace = true);

    // Told whenever the title, the path, the modified flag or the content changes.
    void SetChangeListener(std::function<void()> listener) { m_onChanged = std::move(listener); }
    void SetRecentFileList(CRecentFileList* pList) { m_pRecentFiles = pList; }
    // Where the file dialogs start; follows the folder of each file chosen in them.
    const std::string& DialogFolder() const { return m_strDialogFolder; }
    void SetDialogFolder(const std::string& folder) { m_strDialogFolder = folder; }

protected:
    void NotifyChanged();

private:
    CDocTemplateText m_template;
    std::string m_strTitle;
    std::string m_strPathName;
    bool m_bModified = false;
    std::function<void()> m_onChanged;
    CRecentFileList* m_pRecentFiles = nullptr;
    std::string m_strDialogFolder;
};

} // namespace tb
