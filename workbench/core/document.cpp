#include "workbench/core/document.h"

#include <utility>
#include <vector>

#include "platform/core/paths.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/recentfilelist.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

// "%1" replaced by the argument, as the framework's prompts are written.
std::string FormatPercentOne(const std::string& format, const std::string& arg) {
    std::string text = format;
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, arg);
    return text;
}

} // namespace

CDocTemplateText CDocTemplateText::Parse(const std::string& text) {
    std::vector<std::string> fields(7);
    size_t nField = 0;
    for (char c : text) {
        if (c == '\n') {
            if (++nField == fields.size())
                break;
        } else {
            fields[nField] += c;
        }
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

std::string CDocTemplateText::SaveFilter(const std::string& allFilesName) const {
    std::string filter;
    if (!filterName.empty() && !filterExt.empty())
        filter += filterName + "|*" + filterExt + "|";
    return filter + allFilesName + "|*.*||";
}

CDocument::CDocument(CDocTemplateText templateText)
    : m_template(std::move(templateText)), m_strTitle(m_template.docName) {}

void CDocument::SetTitle(const std::string& title) {
    if (title == m_strTitle)
        return;
    m_strTitle = title;
    NotifyChanged();
}

void CDocument::SetPathName(const std::string& path, bool bAddToRecentFiles) {
    m_strPathName = path;
    m_strTitle = path.empty() ? m_template.docName : FileNamePart(path);
    if (!path.empty())
        m_strDialogFolder = FolderWithoutSeparator(path);
    if (bAddToRecentFiles && m_pRecentFiles && !path.empty()) {
        m_pRecentFiles->Add(path);
        m_pRecentFiles->WriteList();
    }
    NotifyChanged();
}

void CDocument::SetModifiedFlag(bool bModified) {
    if (bModified == m_bModified)
        return;
    m_bModified = bModified;
    NotifyChanged();
}

void CDocument::NotifyChanged() {
    if (m_onChanged)
        m_onChanged();
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    // Only a regular file counts: a folder opens for reading on this system too.
    if (!WhyNotAFile(path).empty()) {
        AfxMessageBox(FormatHostString(IDS_OPEN_ERROR, {path}));
        return false;
    }
    return true;
}

bool CDocument::OnSaveDocument(const std::string&) {
    return true;
}

bool CDocument::NewDocumentFile() {
    if (!SaveModified())
        return false;
    m_strPathName.clear();
    m_strTitle = m_template.docName;
    NotifyChanged();
    return OnNewDocument();
}

bool CDocument::OpenDocumentFile(const std::string& path, bool* pbCancelled) {
    const bool bGoOn = SaveModified();
    if (pbCancelled)
        *pbCancelled = !bGoOn;
    if (!bGoOn)
        return false;
    const bool bWasModified = m_bModified;
    if (!OnOpenDocument(path)) {
        // The document still holds what it held, so it keeps its state too.
        SetModifiedFlag(bWasModified);
        return false;
    }
    SetPathName(path);
    return true;
}

bool CDocument::SaveModified() {
    if (!m_bModified)
        return true;
    const std::string prompt = FormatPercentOne(LoadHostString(IDS_ASK_TO_SAVE), m_strTitle);
    switch (AfxMessageBox(prompt, MbButtons::YesNoCancel)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CDocument::DoFileSave() {
    return DoSave(m_strPathName);
}

bool CDocument::DoSave(const std::string& path, bool bReplace) {
    std::string target = path;
    if (target.empty()) {
        FileDialogRequest request;
        request.initialFolder = m_strDialogFolder;
        request.initialFile =
            m_strPathName.empty() ? m_strTitle + m_template.filterExt : FileNamePart(m_strPathName);
        request.filter = m_template.SaveFilter(LoadHostString(IDS_ALL_FILES_FILTER));
        request.defaultExtension = m_template.filterExt;
        request.overwritePrompt = true;
        const std::optional<std::string> chosen = Ui().GetSaveFileName(request);
        if (!chosen)
            return false;
        target = *chosen;
        m_strDialogFolder = FolderWithoutSeparator(target);
    }
    // A failed save leaves whatever lies at the path alone: it may be the user's only copy.
    if (!OnSaveDocument(target))
        return false;
    if (bReplace)
        SetPathName(target);
    return true;
}

} // namespace tb
