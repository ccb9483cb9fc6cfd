#include "platform/com/comruntime.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <vector>

#include "platform/com/interfaceptr.h"
#include "platform/core/paths.h"
#include "platform/registry/regkey.h"

namespace {

// Process-wide rather than thread_local: a thread_local with a destructor would pin a
// module that links this file in memory until its thread ends, so it could never unload.
std::mutex g_errorMutex;
std::string& LastError() {
    static std::string* text = new std::string;
    return *text;
}

HRESULT Fail(HRESULT hr, std::string text) {
    std::lock_guard<std::mutex> lock(g_errorMutex);
    LastError() = std::move(text);
    return hr;
}

HRESULT Succeed(HRESULT hr = S_OK) {
    std::lock_guard<std::mutex> lock(g_errorMutex);
    LastError().clear();
    return hr;
}

struct LoadedModule {
    void* pHandle = nullptr;
    PFN_DllGetClassObject pfnGetClassObject = nullptr;
    PFN_DllCanUnloadNow pfnCanUnloadNow = nullptr;
};

// One dlopen per module path for the whole process.
std::mutex g_mutex;
std::map<std::string, LoadedModule>& Modules() {
    static std::map<std::string, LoadedModule> modules;
    return modules;
}

// Class objects this process registered itself; under g_mutex.
struct RegisteredClassObject {
    CLSID clsid;
    IUnknown* pUnk = nullptr; // one reference held
    uint32_t nCookie = 0;
};
std::vector<RegisteredClassObject>& ClassObjects() {
    static std::vector<RegisteredClassObject> objects;
    return objects;
}

// Reads the default value of HKEY_CLASSES_ROOT\key.
HRESULT ReadClassesRootDefault(const std::string& key, std::string* value, HRESULT missing) {
    tb::CRegKey hKey;
    LONG rc = hKey.Open(HKEY_CLASSES_ROOT, key);
    if (rc == ERROR_SUCCESS)
        rc = RegQueryString(hKey.Get(), "", value);
    if (rc == ERROR_SUCCESS)
        return S_OK;
    if (rc == ERROR_FILE_NOT_FOUND)
        return Fail(missing, "No registry entry HKEY_CLASSES_ROOT\\" + key);
    return Fail(REGDB_E_READREGDB,
                "Cannot read HKEY_CLASSES_ROOT\\" + key + ": " + RegLastErrorText());
}

// Loads (or finds) the module at path; under g_mutex.
HRESULT LoadModule(const std::string& path, LoadedModule** module) {
    auto it = Modules().find(path);
    if (it != Modules().end()) {
        *module = &it->second;
        return S_OK;
    }
    if (!tb::FileExists(path))
        return Fail(CO_E_DLLNOTFOUND, "Module file not found: " + path);
    dlerror();
    // A bare file name would make dlopen search the library path instead of the named file.
    std::string openPath = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(openPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* err = dlerror();
        return Fail(CO_E_ERRORINDLL, err ? err : "Cannot load " + path);
    }
    LoadedModule loaded;
    loaded.pHandle = handle;
    loaded.pfnGetClassObject =
        reinterpret_cast<PFN_DllGetClassObject>(dlsym(handle, "DllGetClassObject"));
    loaded.pfnCanUnloadNow =
        reinterpret_cast<PFN_DllCanUnloadNow>(dlsym(handle, "DllCanUnloadNow"));
    if (!loaded.pfnGetClassObject) {
        dlclose(handle);
        return Fail(CO_E_ERRORINDLL, "The module " + path + " has no DllGetClassObject");
    }
    *module = &Modules().emplace(path, loaded).first->second;
    return S_OK;
}

} // namespace

HRESULT CoInitialize(void*) {
    return S_OK;
}

void CoUninitialize() {}

HRESULT OleInitialize(void*) {
    return S_OK;
}

void OleUninitialize() {}

namespace tb {

std::string LastComErrorText() {
    std::lock_guard<std::mutex> lock(g_errorMutex);
    return LastError();
}

HRESULT InProcServerPath(REFCLSID clsid, std::string* path) {
    path->clear();
    HRESULT hr = ReadClassesRootDefault("CLSID\\" + GuidToString(clsid) + "\\InProcServer32", path,
                                        REGDB_E_CLASSNOTREG);
    if (FAILED(hr))
        return hr;
    if (path->empty())
        return Fail(REGDB_E_CLASSNOTREG, "Empty module path for class " + GuidToString(clsid));
    return Succeed();
}

size_t LoadedComModuleCount() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return Modules().size();
}

} // namespace tb

HRESULT CoGetClassObject(REFCLSID rclsid, DWORD_CLSCTX dwClsContext, void*, REFIID riid,
                         void** ppv) {
    if (!ppv)
        return Fail(E_POINTER, "No place for the result");
    *ppv = nullptr;
    if (!(dwClsContext & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)))
        return Fail(REGDB_E_CLASSNOTREG, "Only in-process servers are supported");
    IUnknown* pRegistered = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        for (const RegisteredClassObject& object : ClassObjects()) {
            if (object.clsid == rclsid) {
                pRegistered = object.pUnk;
                pRegistered->AddRef();
            }
        }
    }
    if (pRegistered) {
        const auto holder = tb::CInterfacePtr<IUnknown>::Adopt(pRegistered);
        const HRESULT hrQuery = pRegistered->QueryInterface(riid, ppv);
        return FAILED(hrQuery) ? Fail(hrQuery, tb::HResultText(hrQuery)) : Succeed(hrQuery);
    }
    std::string path;
    HRESULT hr = tb::InProcServerPath(rclsid, &path);
    if (FAILED(hr))
        return hr;
    PFN_DllGetClassObject getClassObject = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        LoadedModule* module = nullptr;
        hr = LoadModule(path, &module);
        if (FAILED(hr))
            return hr;
        getClassObject = module->pfnGetClassObject;
    }
    hr = getClassObject(rclsid, riid, ppv);
    if (FAILED(hr)) {
        *ppv = nullptr;
        return Fail(hr, tb::HResultText(hr) + " (" + path + ")");
    }
    return Succeed(hr);
}

HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD_CLSCTX dwClsContext,
                         REFIID riid, void** ppv) {
    if (!ppv)
        return Fail(E_POINTER, "No place for the result");
    *ppv = nullptr;
    void* factoryPtr = nullptr;
    HRESULT hr = CoGetClassObject(rclsid, dwClsContext, nullptr, IID_IClassFactory, &factoryPtr);
    if (FAILED(hr))
        return hr;
    const auto factory =
        tb::CInterfacePtr<IClassFactory>::Adopt(static_cast<IClassFactory*>(factoryPtr));
    hr = factory->CreateInstance(pUnkOuter, riid, ppv);
    if (FAILED(hr)) {
        *ppv = nullptr;
        return Fail(hr, tb::HResultText(hr));
    }
    return Succeed(hr);
}

void CoFreeUnusedLibraries() {
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto it = Modules().begin(); it != Modules().end();) {
        // A module without DllCanUnloadNow cannot say it is unused, so it stays loaded.
        PFN_DllCanUnloadNow canUnload = it->second.pfnCanUnloadNow;
        if (canUnload && canUnload() == S_OK) {
            dlclose(it->second.pHandle);
            it = Modules().erase(it);
        } else {
            ++it;
        }
    }
}

HRESULT CoRegisterClassObject(REFCLSID rclsid, IUnknown* pUnk, DWORD_CLSCTX dwClsContext, uint32_t,
                              uint32_t* lpdwRegister) {
    if (!pUnk || !lpdwRegister)
        return Fail(E_POINTER, "No class object or no place for the cookie");
    *lpdwRegister = 0;
    if (!(dwClsContext & (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)))
        return Fail(E_INVALIDARG, "Only in-process class objects are supported");
    std::lock_guard<std::mutex> lock(g_mutex);
    static uint32_t s_nLastCookie = 0;
    for (const RegisteredClassObject& object : ClassObjects()) {
        if (object.clsid == rclsid)
            return Fail(E_INVALIDARG, "The class " + tb::GuidToString(rclsid) +
                                          " already has a class object in this process");
    }
    pUnk->AddRef();
    ClassObjects().push_back({rclsid, pUnk, ++s_nLastCookie});
    *lpdwRegister = s_nLastCookie;
    return Succeed();
}

HRESULT CoRevokeClassObject(uint32_t dwRegister) {
    IUnknown* pUnk = nullptr;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        auto& objects = ClassObjects();
        for (auto it = objects.begin(); it != objects.end(); ++it) {
            if (it->nCookie == dwRegister) {
                pUnk = it->pUnk;
                objects.erase(it);
                break;
            }
        }
    }
    if (!pUnk)
        return Fail(E_INVALIDARG, "No class object registered under that cookie");
    // Released outside the lock: the object's Release may call back into this runtime.
    pUnk->Release();
    return Succeed();
}

namespace tb {

HRESULT CallServerRegistration(const std::string& modulePath, const char* entryPoint,
                               std::string* absolutePath) {
    if (!FileExists(modulePath))
        return Fail(CO_E_DLLNOTFOUND, "no such module: " + modulePath);
    // The module records where it was loaded from; that must not depend on our folder.
    const std::string absolute = ResolvedPath(modulePath);
    if (absolute.empty())
        return Fail(CO_E_DLLNOTFOUND, "cannot resolve the path " + modulePath);
    if (absolutePath)
        *absolutePath = absolute;
    dlerror();
    void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        return Fail(CO_E_ERRORINDLL,
                    "cannot load " + modulePath + ": " + (reason ? reason : "unknown reason"));
    }
    auto pfn = reinterpret_cast<PFN_DllRegisterServer>(dlsym(handle, entryPoint));
    if (!pfn) {
        dlclose(handle);
        return Fail(CO_E_ERRORINDLL, modulePath + " has no entry point " + entryPoint);
    }
    const HRESULT hr = pfn();
    if (FAILED(hr))
        return Fail(hr, std::string(entryPoint) + " failed: " + HResultText(hr));
    return Succeed(hr);
}

} // namespace tb

HRESULT CLSIDFromProgID(const std::string& progID, CLSID* clsid) {
    if (!clsid)
        return Fail(E_POINTER, "No place for the result");
    if (progID.empty())
        return Fail(CO_E_CLASSSTRING, "Empty ProgID");
    std::string text;
    HRESULT hr = ReadClassesRootDefault(progID + "\\CLSID", &text, CO_E_CLASSSTRING);
    if (FAILED(hr))
        return hr == REGDB_E_READREGDB ? hr : Fail(CO_E_CLASSSTRING, "Unknown ProgID " + progID);
    if (!tb::GuidFromString(text, clsid))
        return Fail(CO_E_CLASSSTRING, "ProgID " + progID + " names no class identifier: " + text);
    return Succeed();
}

HRESULT ProgIDFromCLSID(REFCLSID clsid, std::string* progID) {
    if (!progID)
        return Fail(E_POINTER, "No place for the result");
    progID->clear();
    std::string text;
    HRESULT hr = ReadClassesRootDefault("CLSID\\" + tb::GuidToString(clsid) + "\\ProgID", &text,
                                        REGDB_E_CLASSNOTREG);
    if (FAILED(hr))
        return hr;
    if (text.empty())
        return Fail(REGDB_E_CLASSNOTREG, "Empty ProgID for " + tb::GuidToString(clsid));
    *progID = text;
    return Succeed();
}

HRESULT StringFromCLSID(REFCLSID clsid, std::string* text) {
    if (!text)
        return E_POINTER;
    *text = tb::GuidToString(clsid);
    return S_OK;
}

HRESULT CLSIDFromString(const std::string& text, CLSID* clsid) {
    if (!clsid)
        return E_POINTER;
    return tb::GuidFromString(text, clsid) ? S_OK : CO_E_CLASSSTRING;
}
