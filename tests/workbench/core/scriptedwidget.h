#pragma once
// A widget component of the test's own, registered under a ProgID of its own with a module
// path in a folder of the test's: it answers the HTML segments and resources a test gives
// it, keeps the catalogue properties, and remembers what it was asked, so that a test can
// see the host's calls and what PreviewPath held while the HTML was made.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/comruntime.h"
#include "platform/com/variant.h"
#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"
#include "tests/workbench/core/testdispatch.h"
#include "workbench/core/supportfiles.h"
#include "workbench/core/tesseradispids.h"

namespace tb::test {

inline const char kScriptedClsid[] = "{3E0A61B4-5D7C-4C1E-9A02-6B7F8E9D0A15}";
inline const char kScriptedProgID[] = "TbTest.ScriptedWidget";

struct CScriptedWidgetScript {
    std::vector<std::pair<std::string, std::string>> segments; // position, body
    std::vector<CSupportFile> resources;
    // What each GetHTMLBody asked: segment, mode, and PreviewPath at the time.
    struct BodyCall {
        int nSegment;
        int nMode;
        std::string previewPath;
        friend bool operator==(const BodyCall&, const BodyCall&) = default;
    };
    std::vector<BodyCall> bodyCalls;
    std::vector<std::pair<std::string, int>> writesEx; // path, flag
    std::vector<std::string> writes;                   // WriteConfigFile's paths
    // With this, each write also leaves a file at its path, as the component's does.
    bool bWriteFiles = false;
    std::map<DISPID, std::string> properties;
};

class CScriptedWidget : public CTestDispatch {
public:
    explicit CScriptedWidget(CScriptedWidgetScript& script) : m_script(script) {}

    HRESULT Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO*, UINT*) override {
        // Arguments arrive last first.
        auto arg = [params](UINT i) -> VARIANT& { return params->rgvarg[params->cArgs - 1 - i]; };
        if (flags == DISPATCH_PROPERTYPUT) {
            m_script.properties[dispid] = arg(0).bstrVal;
            return S_OK;
        }
        if (!result)
            return S_OK;
        switch (dispid) {
        case DISPID_TESSERA_PROGID:
        case DISPID_TESSERA_TITLE:
        case DISPID_TESSERA_DESCRIPTION:
        case DISPID_TESSERA_PREVIEWPATH:
            *result = VariantString(m_script.properties[dispid]);
            return S_OK;
        case DISPID_TESSERA_GETHTMLSEGMENTNUMBER:
            *result = VariantI2(static_cast<int16_t>(m_script.segments.size()));
            return S_OK;
        case DISPID_TESSERA_GETHTMLPOSITION:
            *result = VariantString(m_script.segments.at(size_t(arg(0).iVal)).first);
            return S_OK;
        case DISPID_TESSERA_GETHTMLBODY:
            m_script.bodyCalls.push_back(
                {arg(0).iVal, arg(1).iVal, m_script.properties[DISPID_TESSERA_PREVIEWPATH]});
            *result = VariantString(m_script.segments.at(size_t(arg(0).iVal)).second);
            return S_OK;
        case DISPID_TESSERA_GETRESOURCENUMBER:
            *result = VariantI2(static_cast<int16_t>(m_script.resources.size()));
            return S_OK;
        case DISPID_TESSERA_GETRESOURCENAME:
            *result = VariantString(m_script.resources.at(size_t(arg(0).iVal)).name);
            return S_OK;
        case DISPID_TESSERA_GETRESOURCELOCALPATH:
            *result = VariantString(m_script.resources.at(size_t(arg(0).iVal)).localPath);
            return S_OK;
        case DISPID_TESSERA_GETRESOURCEWEBPATH:
            *result = VariantString(m_script.resources.at(size_t(arg(0).iVal)).webPath);
            return S_OK;
        case DISPID_TESSERA_WRITECONFIGFILEEX:
            m_script.writesEx.emplace_back(arg(0).bstrVal, arg(1).iVal);
            LeaveFile(arg(0).bstrVal);
            *result = VariantBool(true);
            return S_OK;
        case DISPID_TESSERA_WRITECONFIGFILE:
            m_script.writes.emplace_back(arg(0).bstrVal);
            LeaveFile(arg(0).bstrVal);
            *result = VariantBool(true);
            return S_OK;
        case DISPID_TESSERA_GETTESSERATYPEID:
        case DISPID_TESSERA_GETTESSERANAMEID:
        case DISPID_TESSERA_GETMENUTEXTID:
        case DISPID_TESSERA_GETMESSAGETEXTID:
        case DISPID_TESSERA_GETRESOURCEINSTANCE:
            *result = VariantI4(0);
            return S_OK;
        default:
            *result = VariantBool(true);
            return S_OK;
        }
    }

private:
    void LeaveFile(const std::string& path) {
        if (m_script.bWriteFiles)
            WriteFileBytes(path, "WIDGET");
    }

    CScriptedWidgetScript& m_script;
};

// Registers the scripted widget for one test; its module "lies" in Folder().
class CScriptedWidgetScope : public IClassFactory {
public:
    CScriptedWidgetScope() {
        SetDefault(std::string(kScriptedProgID) + "\\CLSID", kScriptedClsid);
        SetDefault(std::string("CLSID\\") + kScriptedClsid + "\\ProgID", kScriptedProgID);
        SetDefault(std::string("CLSID\\") + kScriptedClsid + "\\InprocServer32",
                   m_folder.file("scripted.so"));
        WriteFileBytes(m_folder.file("scripted.so"), "");
        EXPECT_EQ(CoRegisterClassObject(MakeGuid(kScriptedClsid), this, CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &m_nCookie),
                  S_OK);
    }
    ~CScriptedWidgetScope() { CoRevokeClassObject(m_nCookie); }

    const TempDir& Folder() const { return m_folder; }
    CScriptedWidgetScript script;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        *ppv = static_cast<IClassFactory*>(this);
        return riid == IID_IUnknown || riid == IID_IClassFactory ? S_OK : E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown*, REFIID riid, void** ppv) override {
        auto* pObject = new CScriptedWidget(script);
        const HRESULT hr = pObject->QueryInterface(riid, ppv);
        pObject->Release();
        return hr;
    }
    HRESULT LockServer(bool) override { return S_OK; }

private:
    static void SetDefault(const std::string& key, const std::string& value) {
        HKEY h = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, key, &h), ERROR_SUCCESS);
        RegSetString(h, "", value);
        RegCloseKey(h);
    }

    TempDir m_folder;
    uint32_t m_nCookie = 0;
};

} // namespace tb::test
