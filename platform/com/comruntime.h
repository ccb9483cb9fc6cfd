#pragma once
// Object creation through the registry, as hosts do it: a class identifier names a module
// file under HKEY_CLASSES_ROOT\CLSID\{...}\InProcServer32; the module is loaded with dlopen
// (one handle per path, kept until CoFreeUnusedLibraries finds it unused), its exported
// DllGetClassObject gives the class factory, and the factory creates the object.
// Failures come back as HRESULTs; tb::LastComErrorText() then holds the reason in words
// (for a module that failed to load, the dynamic loader's own message).

#include <string>

#include "platform/com/interfaces.h"

using DWORD_CLSCTX = uint32_t;
constexpr DWORD_CLSCTX CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD_CLSCTX CLSCTX_INPROC_HANDLER = 0x2;
constexpr DWORD_CLSCTX CLSCTX_LOCAL_SERVER = 0x4;
constexpr DWORD_CLSCTX CLSCTX_ALL = 0x17;

// Nothing to set up here; kept so that hosts read as they would elsewhere.
HRESULT CoInitialize(void* reserved = nullptr);
void CoUninitialize();
HRESULT OleInitialize(void* reserved = nullptr);
void OleUninitialize();

// REGDB_E_CLASSNOTREG: no InProcServer32 for the class (or clsctx has no in-process
// server); REGDB_E_READREGDB: the registry could not be read; CO_E_DLLNOTFOUND: the module
// file does not exist; CO_E_ERRORINDLL: it exists but does not load or lacks
// DllGetClassObject; anything else is the factory's own answer.
HRESULT CoCreateInstance(REFCLSID rclsid, IUnknown* pUnkOuter, DWORD_CLSCTX dwClsContext,
                         REFIID riid, void** ppv);

// The class factory (or another interface of the module's class object) alone.
HRESULT CoGetClassObject(REFCLSID rclsid, DWORD_CLSCTX dwClsContext, void* reserved, REFIID riid,
                         void** ppv);

// Asks each loaded module's DllCanUnloadNow and unloads those that answer S_OK.
void CoFreeUnusedLibraries();

// A class object offered by this process itself: until it is revoked, CoGetClassObject and
// CoCreateInstance for that class take it (asking it for the interface they need) instead of
// loading the registered module. The registry entries of the class are still what the ProgID
// and path lookups read. One registration per class; *lpdwRegister receives the cookie.
constexpr uint32_t REGCLS_MULTIPLEUSE = 1;
HRESULT CoRegisterClassObject(REFCLSID rclsid, IUnknown* pUnk, DWORD_CLSCTX dwClsContext,
                              uint32_t flags, uint32_t* lpdwRegister);
HRESULT CoRevokeClassObject(uint32_t dwRegister);

// HKEY_CLASSES_ROOT\<progID>\CLSID default value; CO_E_CLASSSTRING when absent or not a
// class identifier.
HRESULT CLSIDFromProgID(const std::string& progID, CLSID* clsid);
// HKEY_CLASSES_ROOT\CLSID\{...}\ProgID default value; REGDB_E_CLASSNOTREG when absent.
HRESULT ProgIDFromCLSID(REFCLSID clsid, std::string* progID);
// The braced upper-case form.
HRESULT StringFromCLSID(REFCLSID clsid, std::string* text);
// The braced form back; CO_E_CLASSSTRING when malformed.
HRESULT CLSIDFromString(const std::string& text, CLSID* clsid);

namespace tb {

// Why the last failing call failed, in words; empty after a success. Hosts call from one
// thread; the text is shared by all threads.
std::string LastComErrorText();

// The module path registered for a class (InProcServer32 default value), or "" with
// REGDB_E_CLASSNOTREG.
HRESULT InProcServerPath(REFCLSID clsid, std::string* path);

// How many modules are loaded right now (for tests and diagnostics).
size_t LoadedComModuleCount();

// Loads a module file and calls its DllRegisterServer or DllUnregisterServer (entryPoint),
// as an installer does. The module is loaded by its absolute path, which is what it records,
// and stays loaded: it may have put process-wide tables in place. Failures: CO_E_DLLNOTFOUND
// (no such file), CO_E_ERRORINDLL (it does not load or lacks the entry point), or the entry
// point's own answer; LastComErrorText() says which in words.
HRESULT CallServerRegistration(const std::string& modulePath, const char* entryPoint,
                               std::string* absolutePath = nullptr);

} // namespace tb
