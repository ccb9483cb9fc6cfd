#pragma once
// What the form "New Widget" decides, without its window: how a new widget starts (blank, a
// template of the component's or the user's template folder, or an existing widget file),
// the preview of that choice, and the checks of OK. The window shows this state and passes
// every click here; tests drive it directly.

#include <string>
#include <vector>

#include "addin/core/widgetobject.h"
#include "platform/ui/browserpane.h"

namespace tb::addin {

enum NewWidgetOption : int {
    OptionBlank = 0,
    OptionTemplate = 1,
    OptionExistingFile = 2,
};

inline constexpr const char* kWidgetFileFilter = "Widget Files(*.tsq)|*.tsq|All Files(*.*)|*.*";
inline constexpr const char* kPreviewErrorPage = "previewerr.htm";

class CNewWidgetChooser {
public:
    CNewWidgetChooser() = default;
    // Removes the preview's scratch folder.
    ~CNewWidgetChooser();
    CNewWidgetChooser(const CNewWidgetChooser&) = delete;
    CNewWidgetChooser& operator=(const CNewWidgetChooser&) = delete;

    // Set by the caller before InitForm.
    std::string sProgID;
    std::string sTesseraPath;  // the component's folder, with its trailing '/'
    std::string sHTMLFilePath; // the page's folder, with its trailing '/'
    // The results.
    std::string sTemplateTsqFile; // the chosen widget file, "" for a blank widget
    bool bOk = false;

    // The pane the preview goes to; null shows none.
    void SetPreviewPane(CBrowserPane* pane) { m_pPane = pane; }
    // For another ProgID than last time: lists its templates anew, selects the first and
    // clears the file box and the preview. False when no object of sProgID can be made.
    bool InitForm();
    // The user's template folder listed after the component's ("" lists only those).
    void SetUserTemplateFolder(const std::string& folder) { m_strUserTemplates = folder; }

    int Option() const { return m_nOption; }
    void SetOption(int option);
    const std::vector<std::string>& TemplateTitles() const { return m_templateTitles; }
    const std::vector<std::string>& TemplateFiles() const { return m_templateFiles; }
    int SelectedTemplate() const { return m_nSelectedTemplate; }
    void SelectTemplate(int index);
    bool Preview() const { return m_bPreview; }
    void SetPreview(bool preview);
    const std::string& WidgetFile() const { return m_strWidgetFile; }
    void SetWidgetFile(const std::string& path) { m_strWidgetFile = path; }
    // "...": a widget file chosen in the page's "_tsqres" folder goes into the file box.
    void Browse();

    // OK: true when the form may close with bOk set; false after a message, the form stays.
    bool Ok();
    void Cancel();

    // Where the preview pane was last sent.
    const std::string& PreviewAddress() const { return m_strPreviewAddress; }

private:
    void RefreshPreview();
    std::string PreviewOf(const std::string& file, bool blank);
    std::string TemplatePath(int index) const;

    CWidgetObject m_component;
    std::string m_strLastProgID;
    std::string m_strUserTemplates;
    std::vector<std::string> m_templateFiles; // full paths
    std::vector<std::string> m_templateTitles;
    int m_nOption = OptionBlank;
    int m_nSelectedTemplate = -1;
    std::string m_strWidgetFile;
    bool m_bPreview = true;
    CBrowserPane* m_pPane = nullptr;
    std::string m_strScratchFolder;
    std::string m_strPreviewAddress;
};

} // namespace tb::addin
