#include "addin/host/memory/memoryeditor.h"

#include "addin/host/addinsettings.h"
#include "addin/host/pageaddress.h"

namespace tb::host {

std::string CMemoryPageEditor::GetSetting(const std::string& appName, const std::string& section,
                                          const std::string& key, const std::string& defaultValue) {
    return GetAddInSetting(appName, section, key, defaultValue);
}

bool CMemoryPageEditor::SaveSetting(const std::string& appName, const std::string& section,
                                    const std::string& key, const std::string& value) {
    if (SaveAddInSetting(appName, section, key, value))
        return true;
    m_strLastError = "The setting " + key + " could not be saved.";
    return false;
}

std::string CMemoryPageEditor::Address() const {
    return LocationOfPage(m_strPath).href;
}

bool CMemoryPageEditor::SetViewMode(int mode) {
    if (mode < ViewModeNormal || mode > ViewModePreview) {
        m_strLastError = "There is no view mode " + std::to_string(mode) + ".";
        return false;
    }
    if (mode != m_nViewMode) {
        m_nViewMode = mode;
        m_commandBars.RaiseUpdate();
    }
    return true;
}

CMemoryDocument& CMemoryPageEditor::NewPage(const std::string& bodyHtml) {
    return Show({}, bodyHtml);
}

CMemoryDocument& CMemoryPageEditor::OpenPage(const std::string& path, const std::string& bodyHtml) {
    return Show(path, bodyHtml);
}

void CMemoryPageEditor::SaveAs(const std::string& path) {
    m_strPath = path;
    if (m_pDocument)
        m_pDocument->SetLocation(LocationOfPage(path));
    m_commandBars.RaiseUpdate();
}

void CMemoryPageEditor::ClosePage() {
    m_pDocument.reset();
    m_strPath.clear();
    m_commandBars.RaiseUpdate();
}

CMemoryDocument& CMemoryPageEditor::Show(const std::string& path, const std::string& bodyHtml) {
    m_strPath = path;
    m_nViewMode = ViewModeNormal;
    m_pDocument = std::make_unique<CMemoryDocument>(LocationOfPage(path), bodyHtml, m_strLastError);
    m_pDocument->SetSelectionListener([this] { m_commandBars.RaiseUpdate(); });
    m_commandBars.RaiseUpdate();
    return *m_pDocument;
}

} // namespace tb::host
