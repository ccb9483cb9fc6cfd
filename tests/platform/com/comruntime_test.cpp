// Object creation through the registry and a real dlopen of the test component, as a host
// does it.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include "platform/com/comruntime.h"
#include "platform/com/dispdriver.h"
#include "platform/core/paths.h"
#include "platform/module/moduleres.h"
#include "platform/registry/registry.h"
#include "tests/support/tempdir.h"

namespace {

const char kClsidText[] = "{5D3A0C11-7B1E-4F2A-9C44-0A1B2C3D4E5F}";
const char kProgID[] = "TbTest.Widget";

void SetDefault(const std::string& key, const std::string& value) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, key, &h), ERROR_SUCCESS) << key;
    ASSERT_EQ(RegSetString(h, "", value), ERROR_SUCCESS);
    RegCloseKey(h);
}

// The entries the component's registration writes, pointing at modulePath.
void RegisterClass(const std::string& clsid, const std::string& progID,
                   const std::string& modulePath) {
    SetDefault(progID + "\\CLSID", clsid);
    SetDefault("CLSID\\" + clsid + "\\ProgID", progID);
    SetDefault("CLSID\\" + clsid + "\\InProcServer32", modulePath);
}

class ComRuntime : public ::testing::Test {
protected:
    void SetUp() override { RegisterClass(kClsidText, kProgID, TB_TEST_COMPONENT); }
    void TearDown() override { CoFreeUnusedLibraries(); }
};

TEST_F(ComRuntime, ProgIDAndClassIdentifierLookUpEachOther) {
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(kProgID, &clsid), S_OK);
    EXPECT_EQ(tb::GuidToString(clsid), kClsidText);
    std::string progID;
    ASSERT_EQ(ProgIDFromCLSID(clsid, &progID), S_OK);
    EXPECT_EQ(progID, kProgID);
    std::string text;
    EXPECT_EQ(StringFromCLSID(clsid, &text), S_OK);
    EXPECT_EQ(text, kClsidText);

    EXPECT_EQ(CLSIDFromProgID("TbTest.Nobody", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromProgID("", &clsid), CO_E_CLASSSTRING);
    SetDefault("TbTest.Broken\\CLSID", "not a guid");
    EXPECT_EQ(CLSIDFromProgID("TbTest.Broken", &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(ProgIDFromCLSID(tb::MakeGuid("{00000000-1111-2222-3333-444444444444}"), &progID),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(progID, "");
}

TEST_F(ComRuntime, CreatesByProgIDAndCallsByDispidAndByName) {
    COleDispatchDriver driver;
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK) << driver.LastException();
    VARIANT v;
    ASSERT_EQ(driver.GetProperty(1, VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "Normal");
    ASSERT_EQ(driver.SetProperty("title", tb::VariantString("Renamed")), S_OK);
    ASSERT_EQ(driver.GetProperty("TITLE", VT_BSTR, &v), S_OK);
    EXPECT_EQ(v.bstrVal, "Renamed");

    tb::DispResult r = driver.CallMethod(3, VT_I4, int32_t(40), int32_t(2));
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.lVal, 42);
    // The add-in's habit: a boolean true where a short is declared arrives non-zero.
    r = driver.CallMethod("describe", VT_BSTR, "p", true, int16_t(1));
    ASSERT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.bstrVal, "p|-1|T");
    EXPECT_EQ(driver.LastException(), "");
}

TEST_F(ComRuntime, WrongCallsOnALoadedComponentGiveTheirCodes) {
    COleDispatchDriver driver;
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK);
    EXPECT_EQ(driver.CallMethod(29, VT_BOOL).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(driver.CallMethod(3, VT_I4, int32_t(1)).hr, DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(driver.CallMethod("Subtract", VT_I4, int32_t(1), int32_t(2)).hr, DISP_E_UNKNOWNNAME);
    EXPECT_EQ(driver.CallMethod(6, VT_BOOL).hr, DISP_E_EXCEPTION);
    EXPECT_EQ(driver.LastException(), "kaboom");
}

TEST_F(ComRuntime, UnknownClassMissingFileAndMissingEntryPoint) {
    void* p = reinterpret_cast<void*>(1);
    GUID unknown = tb::MakeGuid("{00000000-1111-2222-3333-444444444444}");
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &p),
              REGDB_E_CLASSNOTREG);
    EXPECT_EQ(p, nullptr);

    tb::test::TempDir dir;
    const char missingClsid[] = "{11111111-2222-3333-4444-555555555555}";
    RegisterClass(missingClsid, "TbTest.Missing", dir.file("gone.so"));
    EXPECT_EQ(CoCreateInstance(tb::MakeGuid(missingClsid), nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, &p),
              CO_E_DLLNOTFOUND);
    EXPECT_NE(tb::LastComErrorText().find("gone.so"), std::string::npos);

    const char noEntryClsid[] = "{22222222-2222-3333-4444-555555555555}";
    RegisterClass(noEntryClsid, "TbTest.NoEntry", TB_TEST_NOENTRY);
    EXPECT_EQ(CoCreateInstance(tb::MakeGuid(noEntryClsid), nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, &p),
              CO_E_ERRORINDLL);
    EXPECT_NE(tb::LastComErrorText().find("DllGetClassObject"), std::string::npos);

    // A file that is no module at all: the loader's message is kept.
    const char junkClsid[] = "{33333333-2222-3333-4444-555555555555}";
    tb::test::WriteFileBytes(dir.file("junk.so"), "not an ELF file");
    RegisterClass(junkClsid, "TbTest.Junk", dir.file("junk.so"));
    EXPECT_EQ(
        CoCreateInstance(tb::MakeGuid(junkClsid), nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &p),
        CO_E_ERRORINDLL);
    EXPECT_NE(tb::LastComErrorText().find("junk.so"), std::string::npos);

    // A registered class the module does not serve.
    const char otherClsid[] = "{44444444-2222-3333-4444-555555555555}";
    RegisterClass(otherClsid, "TbTest.Other", TB_TEST_COMPONENT);
    EXPECT_EQ(CoCreateInstance(tb::MakeGuid(otherClsid), nullptr, CLSCTX_INPROC_SERVER,
                               IID_IDispatch, &p),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(p, nullptr);
}

TEST_F(ComRuntime, FactoryRefusesAggregationAndUnknownInterfaces) {
    CLSID clsid = tb::MakeGuid(kClsidText);
    void* p = nullptr;
    IUnknown* outer = reinterpret_cast<IUnknown*>(&p); // never called
    EXPECT_EQ(CoCreateInstance(clsid, outer, CLSCTX_INPROC_SERVER, IID_IDispatch, &p),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IClassFactory, &p),
              E_NOINTERFACE);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, nullptr),
              E_POINTER);
}

TEST_F(ComRuntime, ModuleStaysLoadedWhileAnObjectLives) {
    COleDispatchDriver driver;
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK);
    EXPECT_EQ(tb::LoadedComModuleCount(), 1u);
    void* self = dlopen(TB_TEST_COMPONENT, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(self, nullptr);
    auto canUnload = reinterpret_cast<PFN_DllCanUnloadNow>(dlsym(self, "DllCanUnloadNow"));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_FALSE);
    CoFreeUnusedLibraries();
    EXPECT_EQ(tb::LoadedComModuleCount(), 1u);

    // A second object shares the one loaded module.
    COleDispatchDriver second;
    ASSERT_EQ(second.CreateDispatch(kProgID), S_OK);
    EXPECT_EQ(tb::LoadedComModuleCount(), 1u);
    second.ReleaseDispatch();
    EXPECT_EQ(canUnload(), S_FALSE);

    driver.ReleaseDispatch();
    EXPECT_EQ(canUnload(), S_OK);
    dlclose(self);
    CoFreeUnusedLibraries();
    EXPECT_EQ(tb::LoadedComModuleCount(), 0u);
    EXPECT_EQ(dlopen(TB_TEST_COMPONENT, RTLD_NOW | RTLD_NOLOAD), nullptr);

    // And it loads again on the next request.
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK);
    EXPECT_EQ(tb::LoadedComModuleCount(), 1u);
}

TEST_F(ComRuntime, ModuleExportsOnlyItsEntryPoints) {
    void* handle = dlopen(TB_TEST_COMPONENT, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    EXPECT_NE(dlsym(handle, "DllGetClassObject"), nullptr);
    EXPECT_NE(dlsym(handle, "DllRegisterServer"), nullptr);
    // Its private copy of the platform libraries stays private.
    EXPECT_EQ(dlsym(handle, "tb_module_registry_v1"), nullptr);
    EXPECT_EQ(dlsym(handle, "_ZN2tb17LockServerModuleEv"), nullptr);
    dlclose(handle);
}

TEST_F(ComRuntime, HostLoadsTheComponentsStringsThroughItsHandle) {
    COleDispatchDriver driver;
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK);
    tb::DispResult r = driver.CallMethod("GetResourceInstance", VT_I4);
    ASSERT_EQ(r.hr, S_OK);
    HINSTANCE module = r.value.lVal;
    ASSERT_GT(module, 0);
    EXPECT_EQ(tb::LoadStringFromModule(module, 1), "Test Widget");
    EXPECT_EQ(tb::LoadStringFromModule(module, 2), "Zweite Zeile mit Umlaut \xC3\xA4");
    EXPECT_EQ(tb::LoadStringFromModule(module, 3), "");
    tb::ModuleImage icon;
    ASSERT_TRUE(tb::LoadIconFromModule(module, 4000, 32, &icon));
    EXPECT_EQ(icon.nWidth, 32);
    EXPECT_EQ(icon.bytes.size(), 32u * 32u * 4u);

    // The host's own table lives beside it under another handle.
    const tb::ModuleString own[] = {{1, "Host string"}};
    tb::CModuleResources host("host", own);
    EXPECT_NE(host.handle(), module);
    EXPECT_EQ(tb::LoadStringFromModule(host.handle(), 1), "Host string");
    EXPECT_EQ(tb::LoadStringFromModule(module, 1), "Test Widget");

    // Unloading the module takes its tables with it.
    driver.ReleaseDispatch();
    CoFreeUnusedLibraries();
    EXPECT_EQ(tb::LoadStringFromModule(module, 1), "");
}

TEST_F(ComRuntime, ModuleRegistersItselfThroughItsEntryPoint) {
    // The module writes with its own copy of the registry code; the host reads the result.
    void* handle = dlopen(TB_TEST_COMPONENT, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr);
    RegDeleteTree(HKEY_CLASSES_ROOT, kProgID);
    RegDeleteTree(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kClsidText);
    auto reg = reinterpret_cast<PFN_DllRegisterServer>(dlsym(handle, "DllRegisterServer"));
    ASSERT_NE(reg, nullptr);
    ASSERT_EQ(reg(), S_OK);
    std::string path;
    ASSERT_EQ(tb::InProcServerPath(tb::MakeGuid(kClsidText), &path), S_OK);
    EXPECT_EQ(tb::FileNamePart(path), tb::FileNamePart(TB_TEST_COMPONENT));
    COleDispatchDriver driver;
    EXPECT_EQ(driver.CreateDispatch(kProgID), S_OK);
    dlclose(handle);
}

// A class object of the test's own: counts what is made of it and what holds it.
class CCountingFactory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_nRefs; }
    ULONG Release() override { return --m_nRefs; }
    HRESULT CreateInstance(IUnknown*, REFIID, void** ppv) override {
        ++m_nCreated;
        *ppv = nullptr;
        return E_NOTIMPL; // the answer tells the test whose object was asked for
    }
    HRESULT LockServer(bool) override { return S_OK; }

    int m_nRefs = 0;
    int m_nCreated = 0;
};

TEST_F(ComRuntime, AClassObjectOfTheProcessServesItsClassUntilRevoked) {
    const CLSID clsid = tb::MakeGuid(kClsidText);
    CCountingFactory factory;
    uint32_t nCookie = 0;
    ASSERT_EQ(
        CoRegisterClassObject(clsid, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &nCookie),
        S_OK);
    EXPECT_NE(nCookie, 0u);
    EXPECT_EQ(factory.m_nRefs, 1); // the runtime holds it

    // Created through the registered ProgID, but by the process's own class object: the
    // registered module is not even loaded.
    COleDispatchDriver driver;
    EXPECT_EQ(driver.CreateDispatch(kProgID), E_NOTIMPL);
    EXPECT_EQ(factory.m_nCreated, 1);
    EXPECT_EQ(tb::LoadedComModuleCount(), 0u);
    EXPECT_EQ(factory.m_nRefs, 1);

    // One class object per class; a second registration is refused and changes nothing.
    CCountingFactory second;
    uint32_t nSecondCookie = 7;
    EXPECT_EQ(CoRegisterClassObject(clsid, &second, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                    &nSecondCookie),
              E_INVALIDARG);
    EXPECT_EQ(nSecondCookie, 0u);
    EXPECT_EQ(second.m_nRefs, 0);
    EXPECT_EQ(CoRegisterClassObject(clsid, nullptr, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                    &nSecondCookie),
              E_POINTER);

    // Revoked, the class is the registered module's again, and the object is let go.
    EXPECT_EQ(CoRevokeClassObject(nCookie), S_OK);
    EXPECT_EQ(factory.m_nRefs, 0);
    EXPECT_EQ(CoRevokeClassObject(nCookie), E_INVALIDARG);
    ASSERT_EQ(driver.CreateDispatch(kProgID), S_OK);
    EXPECT_EQ(factory.m_nCreated, 1);
    EXPECT_EQ(tb::LoadedComModuleCount(), 1u);
}

TEST_F(ComRuntime, InstallerRegistrationLoadsTheModuleByItsAbsolutePath) {
    RegDeleteTree(HKEY_CLASSES_ROOT, kProgID);
    RegDeleteTree(HKEY_CLASSES_ROOT, std::string("CLSID\\") + kClsidText);
    std::string absolute;
    ASSERT_EQ(tb::CallServerRegistration(TB_TEST_COMPONENT, "DllRegisterServer", &absolute), S_OK)
        << tb::LastComErrorText();
    EXPECT_EQ(absolute.front(), '/');
    std::string path;
    ASSERT_EQ(tb::InProcServerPath(tb::MakeGuid(kClsidText), &path), S_OK);
    EXPECT_EQ(path, absolute);

    tb::test::TempDir dir;
    EXPECT_EQ(tb::CallServerRegistration(dir.file("gone.so"), "DllRegisterServer"),
              CO_E_DLLNOTFOUND);
    EXPECT_NE(tb::LastComErrorText().find("gone.so"), std::string::npos);
    tb::test::WriteFileBytes(dir.file("junk.so"), "not an ELF file");
    EXPECT_EQ(tb::CallServerRegistration(dir.file("junk.so"), "DllRegisterServer"),
              CO_E_ERRORINDLL);
    EXPECT_EQ(tb::CallServerRegistration(TB_TEST_NOENTRY, "DllRegisterServer"), CO_E_ERRORINDLL);
    EXPECT_NE(tb::LastComErrorText().find("DllRegisterServer"), std::string::npos);
}

} // namespace
