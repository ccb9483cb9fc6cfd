#include "workbench/core/tessera.h"

#include "platform/com/comruntime.h"
#include "platform/com/variant.h"
#include "platform/core/paths.h"
#include "platform/registry/regkey.h"
#include "workbench/core/tesseradispids.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

// The module path as the registry records it, read through a buffer of 520 bytes; "" when
// it cannot be read.
std::string RegisteredModulePath(const CLSID& clsid) {
    std::string path;
    if (FAILED(InProcServerPath(clsid, &path)) || path.size() >= 520)
        return {};
    return path;
}

std::string IfFileExists(const std::string& path) {
    return FileExists(path) ? path : std::string();
}

} // namespace

bool CTessera::CreateFromProgID(const std::string& progID) {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(progID, &clsid)))
        return false;
    return CreateFromCLSID(clsid);
}

bool CTessera::CreateFromCLSID(const CLSID& clsid) {
    std::string progID;
    if (FAILED(ProgIDFromCLSID(clsid, &progID)))
        return false;
    m_strProgID = progID;
    m_clsid = clsid;

    std::string clsidText;
    StringFromCLSID(clsid, &clsidText);
    const std::string clsidKey = "CLSID\\" + clsidText;
    {
        CRegKey key;
        if (key.Open(HKEY_CLASSES_ROOT, clsidKey) != ERROR_SUCCESS)
            return false;
    }
    const std::string modulePath = RegisteredModulePath(clsid);
    m_strFolder = FolderWithoutSeparator(modulePath);
    m_strHelpFile.clear();
    m_strSamplePage.clear();
    if (!modulePath.empty() && FileExists(modulePath)) {
        m_strHelpFile =
            IfFileExists(m_strFolder + "/" + std::string(FileTitleView(modulePath)) + ".hlp");
        m_strSamplePage = IfFileExists(m_strFolder + "/Sample/sample.htm");
    }

    if (!m_dispatch.GetDispatch())
        m_dispatch.CreateDispatch(m_clsid);
    if (!m_dispatch.GetDispatch()) {
        AfxMessageBox(FormatHostString(IDS_CREATE_DISPATCH_ERROR, {m_strProgID}));
        return false;
    }

    LoadWidgetTexts();
    SetTitle("Normal");
    SetDescription("");
    return true;
}

void CTessera::LoadWidgetTexts() {
    const HINSTANCE hHost = AfxGetResourceHandle();
    AfxSetResourceHandle(GetResourceInstance());
    m_strType = LoadHostString(static_cast<uint32_t>(GetTesseraTypeID()));
    m_strName = LoadHostString(static_cast<uint32_t>(GetTesseraNameID()));
    m_strMessage = LoadHostString(static_cast<uint32_t>(GetMessageTextID()));
    m_strMenu = LoadHostString(static_cast<uint32_t>(GetMenuTextID()));
    AfxSetResourceHandle(hHost);
}

std::string CTessera::GetString(DISPID dispid) {
    VARIANT value;
    if (!IsCreated() || FAILED(m_dispatch.GetProperty(dispid, VT_BSTR, &value)))
        return {};
    return value.bstrVal;
}

void CTessera::PutString(DISPID dispid, const std::string& value) {
    if (IsCreated())
        m_dispatch.SetProperty(dispid, VariantString(value));
}

template <class... Args> bool CTessera::CallBool(DISPID dispid, const Args&... args) {
    if (!IsCreated())
        return false;
    const DispResult r = m_dispatch.CallMethod(dispid, VT_BOOL, args...);
    return r.ok() && r.value.boolVal != VARIANT_FALSE;
}

int32_t CTessera::CallLong(DISPID dispid) {
    if (!IsCreated())
        return 0;
    const DispResult r = m_dispatch.CallMethod(dispid, VT_I4);
    return r.ok() ? r.value.lVal : 0;
}

int16_t CTessera::CallShort(DISPID dispid) {
    if (!IsCreated())
        return 0;
    const DispResult r = m_dispatch.CallMethod(dispid, VT_I2);
    return r.ok() ? r.value.iVal : 0;
}

template <class... Args> std::string CTessera::CallString(DISPID dispid, const Args&... args) {
    if (!IsCreated())
        return {};
    const DispResult r = m_dispatch.CallMethod(dispid, VT_BSTR, args...);
    return r.ok() ? r.value.bstrVal : std::string();
}

std::string CTessera::GetProgID() {
    return GetString(DISPID_TESSERA_PROGID);
}
void CTessera::SetProgID(const std::string& value) {
    PutString(DISPID_TESSERA_PROGID, value);
}
std::string CTessera::GetTitle() {
    return GetString(DISPID_TESSERA_TITLE);
}
void CTessera::SetTitle(const std::string& value) {
    PutString(DISPID_TESSERA_TITLE, value);
}
std::string CTessera::GetDescription() {
    return GetString(DISPID_TESSERA_DESCRIPTION);
}
void CTessera::SetDescription(const std::string& value) {
    PutString(DISPID_TESSERA_DESCRIPTION, value);
}
std::string CTessera::GetPreviewPath() {
    return GetString(DISPID_TESSERA_PREVIEWPATH);
}
void CTessera::SetPreviewPath(const std::string& value) {
    PutString(DISPID_TESSERA_PREVIEWPATH, value);
}

void CTessera::SetLastUpdateTime(double date) {
    if (IsCreated())
        m_dispatch.SetProperty(DISPID_TESSERA_LASTUPDATETIME, VariantDate(date));
}

bool CTessera::ReadConfigFile(const std::string& path) {
    return CallBool(DISPID_TESSERA_READCONFIGFILE, path);
}

bool CTessera::WriteConfigFile(const std::string& path) {
    return CallBool(DISPID_TESSERA_WRITECONFIGFILE, path);
}

bool CTessera::WriteConfigFileEx(const std::string& path, int16_t nFlag) {
    return CallBool(DISPID_TESSERA_WRITECONFIGFILEEX, path, nFlag);
}

bool CTessera::Config() {
    return CallBool(DISPID_TESSERA_CONFIG);
}

int32_t CTessera::GetTesseraTypeID() {
    return CallLong(DISPID_TESSERA_GETTESSERATYPEID);
}
int32_t CTessera::GetTesseraNameID() {
    return CallLong(DISPID_TESSERA_GETTESSERANAMEID);
}
int32_t CTessera::GetMenuTextID() {
    return CallLong(DISPID_TESSERA_GETMENUTEXTID);
}
int32_t CTessera::GetMessageTextID() {
    return CallLong(DISPID_TESSERA_GETMESSAGETEXTID);
}
HINSTANCE CTessera::GetResourceInstance() {
    return CallLong(DISPID_TESSERA_GETRESOURCEINSTANCE);
}

int16_t CTessera::GetHTMLSegmentNumber() {
    return CallShort(DISPID_TESSERA_GETHTMLSEGMENTNUMBER);
}
std::string CTessera::GetHTMLPosition(int16_t nSegment) {
    return CallString(DISPID_TESSERA_GETHTMLPOSITION, nSegment);
}

std::string CTessera::GetHTMLBody(int16_t nSegment, int16_t nMode) {
    return CallString(DISPID_TESSERA_GETHTMLBODY, nSegment, nMode);
}

int16_t CTessera::GetResourceNumber() {
    return CallShort(DISPID_TESSERA_GETRESOURCENUMBER);
}
std::string CTessera::GetResourceName(int16_t nIndex) {
    return CallString(DISPID_TESSERA_GETRESOURCENAME, nIndex);
}
std::string CTessera::GetResourceLocalPath(int16_t nIndex) {
    return CallString(DISPID_TESSERA_GETRESOURCELOCALPATH, nIndex);
}
std::string CTessera::GetResourceWebPath(int16_t nIndex) {
    return CallString(DISPID_TESSERA_GETRESOURCEWEBPATH, nIndex);
}

} // namespace tb
