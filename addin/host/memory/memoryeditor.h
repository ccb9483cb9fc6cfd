#pragma once
// A page editor without windows, for tests of add-ins: command bars kept as records, one
// page window with its view mode, and the page as a CMemoryDocument. It raises the command
// bars' update event whenever the selection, the view mode or the active page changes, as
// the real editor does.

#include <memory>
#include <string>

#include "addin/host/commandbarset.h"
#include "addin/host/memory/memorydocument.h"
#include "addin/host/pageapplication.h"

namespace tb::host {

class CMemoryPageEditor : public IPageEditorApplication, public IPageWindow {
public:
    CMemoryPageEditor() = default;
    CMemoryPageEditor(const CMemoryPageEditor&) = delete;
    CMemoryPageEditor& operator=(const CMemoryPageEditor&) = delete;

    // IPageEditorApplication
    ICommandBars& CommandBars() override { return m_commandBars; }
    IPageWindow* ActivePageWindow() override { return m_pDocument ? this : nullptr; }
    IHTMLDocument2* ActiveDocument() override { return m_pDocument.get(); }
    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
    bool SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    std::string LastErrorDescription() const override { return m_strLastError; }

    // IPageWindow (of the one page)
    std::string Address() const override;
    int ViewMode() const override { return m_nViewMode; }
    bool SetViewMode(int mode) override;
    IHTMLDocument2* Document() override { return m_pDocument.get(); }

    // A new, unsaved page holding the body, or a saved one at path; each replaces the page
    // before and starts in the normal view.
    CMemoryDocument& NewPage(const std::string& bodyHtml);
    CMemoryDocument& OpenPage(const std::string& path, const std::string& bodyHtml);
    // Saving gives the page the path as its address.
    void SaveAs(const std::string& path);
    void ClosePage();

    CMemoryDocument* Page() { return m_pDocument.get(); }
    CCommandBars& Bars() { return m_commandBars; }

private:
    CMemoryDocument& Show(const std::string& path, const std::string& bodyHtml);

    CCommandBars m_commandBars;
    std::unique_ptr<CMemoryDocument> m_pDocument;
    std::string m_strPath;
    int m_nViewMode = ViewModeNormal;
    std::string m_strLastError;
};

} // namespace tb::host
