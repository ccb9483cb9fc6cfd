#pragma once
// The automation interfaces. Objects cross the dlopen boundary as pointers to these classes:
// they are pure virtual, without data, so their only binary contract is the virtual-table
// order below, which both sides compile identically. Exceptions never cross them; every
// call answers with an HRESULT. Lifetime is by AddRef/Release; the destructor is protected
// because only the object's own Release may delete it.

#include <cstdint>

#include "platform/com/guid.h"
#include "platform/com/hresult.h"
#include "platform/com/variant.h"

using ULONG = uint32_t;
using UINT = uint32_t;
using WORD = uint16_t;
using LCID = uint32_t;
using DISPID = int32_t;

constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;

constexpr WORD DISPATCH_METHOD = 0x1;
constexpr WORD DISPATCH_PROPERTYGET = 0x2;
constexpr WORD DISPATCH_PROPERTYPUT = 0x4;
constexpr WORD DISPATCH_PROPERTYPUTREF = 0x8;

constexpr LCID LOCALE_USER_DEFAULT = 0x400;

// Arguments of one Invoke. As in COM, rgvarg holds them in reverse order: the last argument
// first. A property put passes its value with the named argument DISPID_PROPERTYPUT.
struct DISPPARAMS {
    VARIANTARG* rgvarg = nullptr;
    DISPID* rgdispidNamedArgs = nullptr;
    UINT cArgs = 0;
    UINT cNamedArgs = 0;
};

// What a member that failed with DISP_E_EXCEPTION reports.
struct EXCEPINFO {
    WORD wCode = 0;
    std::string bstrSource;
    std::string bstrDescription;
    HRESULT scode = S_OK;
};

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

class IDispatch : public IUnknown {
public:
    // No type information is offered: always 0 here.
    virtual HRESULT GetTypeInfoCount(UINT* pctinfo) = 0;
    // Names are UTF-8. The first name is the member, any further ones its parameters.
    virtual HRESULT GetIDsOfNames(REFIID riid, const char* const* rgszNames, UINT cNames, LCID lcid,
                                  DISPID* rgDispId) = 0;
    virtual HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags,
                           DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                           UINT* puArgErr) = 0;

protected:
    ~IDispatch() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) = 0;
    virtual HRESULT LockServer(bool fLock) = 0;

protected:
    ~IClassFactory() = default;
};

// The entry points a component module exports, looked up by name with dlsym.
using PFN_DllGetClassObject = HRESULT (*)(REFCLSID rclsid, REFIID riid, void** ppv);
using PFN_DllCanUnloadNow = HRESULT (*)();
using PFN_DllRegisterServer = HRESULT (*)();
using PFN_DllUnregisterServer = HRESULT (*)();

// Marks a module's exported entry point; everything else in a module stays hidden.
#define TB_COM_EXPORT extern "C" __attribute__((visibility("default")))
