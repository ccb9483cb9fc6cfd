#include "addin/core/newwidgetchooser.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "addin/core/addinmessages.h"
#include "addin/core/widgetpaths.h"
#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "platform/core/userfolders.h"
#include "workbench/core/previewpage.h"
#include "workbench/core/templates.h"

namespace tb::addin {

CNewWidgetChooser::~CNewWidgetChooser() {
    if (!m_strScratchFolder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_strScratchFolder, ec);
    }
}

bool CNewWidgetChooser::InitForm() {
    if (sProgID == m_strLastProgID && m_component.IsCreated())
        return true;
    const bool bFirstUse = m_strLastProgID.empty();
    m_templateFiles.clear();
    m_templateTitles.clear();
    m_nSelectedTemplate = -1;
    m_strWidgetFile.clear();
    m_strPreviewAddress = kAboutBlank;
    if (m_pPane)
        m_pPane->Navigate(kAboutBlank);
    if (!m_component.Create(sProgID))
        return false;

    for (const std::string& file : tb::TemplateFiles(sTesseraPath, m_strUserTemplates, ".tsq")) {
        // A file without a ProgID must not pass for the previous file's kind, nor one
        // without a Title under the previous file's title.
        m_component.SetProgID("");
        m_component.SetTitle("");
        if (m_component.ReadConfigFile(file) && m_component.GetProgID() == sProgID) {
            m_templateTitles.push_back(m_component.GetTitle());
            m_templateFiles.push_back(file);
        }
    }
    if (!m_templateFiles.empty())
        m_nSelectedTemplate = 0;
    m_strLastProgID = sProgID;
    // A kind with templates opens on them; otherwise on the blank widget.
    if (bFirstUse || (m_nOption == OptionTemplate && m_templateFiles.empty()))
        m_nOption = m_templateFiles.empty() ? OptionBlank : OptionTemplate;
    RefreshPreview();
    return true;
}

void CNewWidgetChooser::SetOption(int option) {
    m_nOption = std::clamp(option, int{OptionBlank}, int{OptionExistingFile});
    RefreshPreview();
}

void CNewWidgetChooser::SelectTemplate(int index) {
    m_nSelectedTemplate =
        index >= 0 && index < static_cast<int>(m_templateFiles.size()) ? index : -1;
    if (m_bPreview && m_nSelectedTemplate >= 0 && m_nOption == OptionTemplate)
        RefreshPreview();
}

void CNewWidgetChooser::SetPreview(bool preview) {
    m_bPreview = preview;
    RefreshPreview();
}

void CNewWidgetChooser::Browse() {
    FileDialogRequest request;
    request.initialFolder = sHTMLFilePath + kWidgetFolderName + "/";
    request.filter = kWidgetFileFilter;
    const std::optional<std::string> chosen = Ui().GetOpenFileName(request);
    if (!chosen)
        return;
    m_strWidgetFile = *chosen;
    if (m_bPreview && m_nOption == OptionExistingFile)
        RefreshPreview();
}

bool CNewWidgetChooser::Ok() {
    switch (m_nOption) {
    case OptionTemplate:
        if (m_nSelectedTemplate < 0) {
            ShowMessage(kMsgSelectTemplate);
            return false;
        }
        sTemplateTsqFile = TemplatePath(m_nSelectedTemplate);
        break;
    case OptionExistingFile:
        sTemplateTsqFile = m_strWidgetFile;
        if (sTemplateTsqFile.empty()) {
            ShowMessage(kMsgSelectFile);
            return false;
        }
        break;
    default:
        sTemplateTsqFile.clear();
        break;
    }
    if (!sTemplateTsqFile.empty()) {
        m_component.SetProgID("");
        if (!m_component.ReadConfigFile(sTemplateTsqFile)) {
            ShowMessage(kMsgCannotCreate);
            return false;
        }
        if (m_component.GetProgID() != sProgID &&
            ShowMessage(kMsgAnotherType, MbButtons::YesNo, MbIcon::Question) != IDYES)
            return false;
    }
    bOk = true;
    return true;
}

void CNewWidgetChooser::Cancel() {
    bOk = false;
    sTemplateTsqFile.clear();
}

std::string CNewWidgetChooser::TemplatePath(int index) const {
    return index >= 0 && index < static_cast<int>(m_templateFiles.size()) ? m_templateFiles[index]
                                                                          : std::string();
}

void CNewWidgetChooser::RefreshPreview() {
    std::string address = kAboutBlank;
    if (m_bPreview) {
        if (m_nOption == OptionBlank)
            address = PreviewOf("", true);
        else if (m_nOption == OptionTemplate)
            address = m_nSelectedTemplate < 0 ? std::string(kAboutBlank)
                                              : PreviewOf(TemplatePath(m_nSelectedTemplate), false);
        else
            address = PreviewOf(m_strWidgetFile, false);
    }
    m_strPreviewAddress = address;
    if (m_pPane)
        m_pPane->Navigate(address);
}

std::string CNewWidgetChooser::PreviewOf(const std::string& file, bool blank) {
    if (file.empty() && !blank)
        return kAboutBlank;
    CWidgetObject widget;
    if (!widget.Create(sProgID))
        return kAboutBlank;
    if (!file.empty())
        widget.ReadConfigFile(file);
    if (!blank && widget.GetProgID() != sProgID)
        return sTesseraPath + kPreviewErrorPage;

    // Previews go to a private folder of the user's, never into the component's folder.
    if (m_strScratchFolder.empty())
        m_strScratchFolder = MakePrivateFolder("addin-preview-");
    if (m_strScratchFolder.empty())
        return kAboutBlank;
    widget.SetPreviewPath("");
    const std::string page = JoinPath(m_strScratchFolder, "preview.htm");
    if (!WriteFileAtomically(page, PreviewPageText("", "", widget.GetHTMLBody(0, 0))))
        return kAboutBlank;
    CopyFileAtomically(sTesseraPath + kPreviewPlayerFile,
                       JoinPath(m_strScratchFolder, kPreviewPlayerFile));
    widget.WriteConfigFileEx(JoinPath(m_strScratchFolder, "Preview.tsq"), 1);
    return page;
}

} // namespace tb::addin
