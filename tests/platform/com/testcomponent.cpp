// A tiny component module for the COM tests: one class, "TbTest.Widget", with a few
// properties and methods at fixed DISPIDs, its own string table and icon, and the four
// exported entry points. Loaded only through the registry, as a host would.

#include <dlfcn.h>

#include <stdexcept>

#include "platform/com/classfactory.h"
#include "platform/com/dispatchimpl.h"
#include "platform/module/moduleres.h"
#include "platform/registry/registry.h"

namespace {

const CLSID kClsid = tb::MakeGuid("{5D3A0C11-7B1E-4F2A-9C44-0A1B2C3D4E5F}");
const char kProgID[] = "TbTest.Widget";

const tb::ModuleString kStrings[] = {
    {1, "Test Widget"},
    {2, "Zweite Zeile mit Umlaut \xC3\xA4"},
};

tb::CModuleResources& Resources() {
    static tb::CModuleResources resources("tb_test_component", kStrings);
    static bool imagesAdded = [] {
        for (int size : {16, 32}) {
            tb::ModuleImage image;
            image.nWidth = size;
            image.nHeight = size;
            image.eFormat = tb::ImageFormat::Rgba;
            image.bytes.assign(size_t(size) * size * 4, static_cast<char>(size));
            resources.AddImage(4000, image);
        }
        return true;
    }();
    (void)imagesAdded;
    return resources;
}

class CTestWidget : public CDispatchImpl<CTestWidget> {
public:
    static std::span<const DispEntry<CTestWidget>> DispTable();

    HRESULT GetTitle(const DispArgs&, VARIANT* result) {
        *result = tb::VariantString(m_strTitle);
        return S_OK;
    }
    HRESULT PutTitle(const DispArgs& args, VARIANT*) {
        m_strTitle = args[0].bstrVal;
        return S_OK;
    }
    HRESULT GetCount(const DispArgs&, VARIANT* result) {
        *result = tb::VariantI2(m_nCount);
        return S_OK;
    }
    HRESULT PutCount(const DispArgs& args, VARIANT*) {
        m_nCount = args[0].iVal;
        return S_OK;
    }
    HRESULT Add(const DispArgs& args, VARIANT* result) {
        *result = tb::VariantI4(args[0].lVal + args[1].lVal);
        return S_OK;
    }
    HRESULT Describe(const DispArgs& args, VARIANT* result) {
        // Echoes what arrived, so that tests see the coerced argument types.
        *result = tb::VariantString(args[0].bstrVal + "|" + std::to_string(args[1].iVal) + "|" +
                                    (args[2].boolVal == VARIANT_TRUE ? "T" : "F"));
        return S_OK;
    }
    HRESULT GetResourceInstance(const DispArgs&, VARIANT* result) {
        *result = tb::VariantI4(Resources().handle());
        return S_OK;
    }
    HRESULT Explode(const DispArgs&, VARIANT*) { throw std::runtime_error("kaboom"); }

private:
    std::string m_strTitle = "Normal";
    int16_t m_nCount = 0;
};

const DispEntry<CTestWidget> kTable[] = {
    {"Title", 1, DispKind::Property, {}, VT_BSTR, &CTestWidget::GetTitle, &CTestWidget::PutTitle},
    {"Count", 2, DispKind::Property, {}, VT_I2, &CTestWidget::GetCount, &CTestWidget::PutCount},
    {"Add", 3, DispKind::Method, {VT_I4, VT_I4}, VT_I4, &CTestWidget::Add},
    {"Describe", 4, DispKind::Method, {VT_BSTR, VT_I2, VT_BOOL}, VT_BSTR, &CTestWidget::Describe},
    {"GetResourceInstance", 5, DispKind::Method, {}, VT_I4, &CTestWidget::GetResourceInstance},
    {"Explode", 6, DispKind::Method, {}, VT_BOOL, &CTestWidget::Explode},
};

std::span<const DispEntry<CTestWidget>> CTestWidget::DispTable() {
    return kTable;
}

tb::CClassFactory<CTestWidget> g_factory;

std::string OwnPath() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&OwnPath), &info);
    return info.dli_fname ? info.dli_fname : "";
}

} // namespace

TB_COM_EXPORT HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    Resources(); // the string table exists from the first contact on
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (rclsid != kClsid)
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, ppv);
}

TB_COM_EXPORT HRESULT DllCanUnloadNow() {
    return tb::ServerModuleInUse() ? S_FALSE : S_OK;
}

TB_COM_EXPORT HRESULT DllRegisterServer() {
    std::string clsid = tb::GuidToString(kClsid);
    HKEY h = nullptr;
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, std::string(kProgID) + "\\CLSID", &h) != ERROR_SUCCESS)
        return E_FAIL;
    RegSetString(h, "", clsid);
    RegCloseKey(h);
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\ProgID", &h) != ERROR_SUCCESS)
        return E_FAIL;
    RegSetString(h, "", kProgID);
    RegCloseKey(h);
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\InProcServer32", &h) !=
        ERROR_SUCCESS)
        return E_FAIL;
    RegSetString(h, "", OwnPath());
    RegCloseKey(h);
    return S_OK;
}

TB_COM_EXPORT HRESULT DllUnregisterServer() {
    RegDeleteTree(HKEY_CLASSES_ROOT, kProgID);
    RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + tb::GuidToString(kClsid));
    return S_OK;
}
