#include "workbench/core/vellumotooldoc.h"

#include "platform/core/autodate.h"
#include "platform/ui/uiservices.h"
#include "workbench/core/commandids.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

CVellumoToolDoc::CVellumoToolDoc()
    : CDocument(CDocTemplateText::Parse(LoadHostString(IDR_MAINFRAME))) {}

std::unique_ptr<CTessera> CVellumoToolDoc::CreateWidget() {
    auto pTessera = std::make_unique<CTessera>();
    const std::string progID = LoadHostString(IDS_WIDGET_PROGID);
    if (pTessera->CreateFromProgID(progID))
        return pTessera;
    AfxMessageBox(FormatHostString(IDS_CREATE_DISPATCH_ERROR, {progID}));
    return nullptr;
}

void CVellumoToolDoc::SendCommand(unsigned nId) {
    if (m_sendCommand)
        m_sendCommand(nId);
}

bool CVellumoToolDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    m_pTessera.reset();
    m_pTessera = CreateWidget();
    NotifyChanged();
    if (!m_pTessera)
        return false;
    if (m_bFirstNew) {
        m_bFirstNew = false;
        SetModifiedFlag(false);
        return true;
    }
    if (!m_newDialog || m_newDialog(*m_pTessera)) {
        SendCommand(ID_EDIT_CONFIGURE);
        SetModifiedFlag(true);
    } else {
        SetModifiedFlag(false);
    }
    return true;
}

bool CVellumoToolDoc::OnOpenDocument(const std::string& path) {
    if (!CDocument::OnOpenDocument(path))
        return false;
    // The file is read into a widget of its own: until it proves to be ours, the document
    // keeps the widget it has, so that a refused file cannot cost the user their design.
    std::unique_ptr<CTessera> pTessera = CreateWidget();
    if (!pTessera)
        return false;
    if (!pTessera->ReadConfigFile(path)) {
        AfxMessageBox(FormatHostString(IDS_OPEN_ERROR, {path}));
        return false;
    }
    if (pTessera->GetProgID() != LoadHostString(IDS_WIDGET_PROGID)) {
        AfxMessageBox(FormatHostString(IDS_NOT_SAVED_BY, {LoadHostString(AFX_IDS_APP_TITLE)}));
        return false;
    }
    DeleteContents();
    SetModifiedFlag(false);
    m_pTessera = std::move(pTessera);
    NotifyChanged();
    SendCommand(ID_EDIT_CONFIGURE);
    return true;
}

bool CVellumoToolDoc::OnSaveDocument(const std::string& path) {
    if (!m_pTessera)
        return true;
    m_pTessera->SetProgID(LoadHostString(IDS_WIDGET_PROGID));
    m_pTessera->SetLastUpdateTime(CurrentAutomationDate());
    if (!m_pTessera->WriteConfigFile(path)) {
        AfxMessageBox(FormatHostString(IDS_SAVE_ERROR, {path}));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CVellumoToolDoc::ConfigureWidget() {
    if (!m_pTessera || !m_pTessera->Config())
        return false;
    SetModifiedFlag(true);
    return true;
}

void CVellumoToolDoc::RenameWidget(const std::string& name, const std::string& description) {
    if (!m_pTessera)
        return;
    m_pTessera->SetTitle(name);
    m_pTessera->SetDescription(description);
    SetModifiedFlag(true);
}

bool CVellumoToolDoc::CanViewSample() const {
    return m_pTessera && !m_pTessera->m_strSamplePage.empty();
}

void CVellumoToolDoc::ViewSample() {
    if (CanViewSample())
        Ui().OpenDocument(m_pTessera->m_strSamplePage);
}

bool CVellumoToolDoc::HasSupportFiles() const {
    return m_pTessera && m_pTessera->GetResourceNumber() != 0;
}

} // namespace tb
