#pragma once
// The host's side of a dispatch connection: holds one IDispatch and makes typed calls on it
// by DISPID or by member name. Arguments are given in call order; the driver lays them out
// in reverse as Invoke expects. Every call answers with an HRESULT (and the value); nothing
// throws. After a DISP_E_EXCEPTION the member's own description is in LastException().

#include <string>
#include <utility>
#include <vector>

#include "platform/com/comruntime.h"
#include "platform/com/interfaces.h"

namespace tb {

struct DispResult {
    HRESULT hr = E_FAIL;
    VARIANT value;
    bool ok() const { return SUCCEEDED(hr); }
};

// Argument conversions for the variadic calls.
inline VARIANT ToVariant(const VARIANT& v) {
    return v;
}
inline VARIANT ToVariant(int16_t v) {
    return VariantI2(v);
}
inline VARIANT ToVariant(int32_t v) {
    return VariantI4(v);
}
inline VARIANT ToVariant(bool v) {
    return VariantBool(v);
}
inline VARIANT ToVariant(double v) {
    return VariantR8(v);
}
inline VARIANT ToVariant(const std::string& v) {
    return VariantString(v);
}
inline VARIANT ToVariant(const char* v) {
    return VariantString(v ? v : "");
}

} // namespace tb

class COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    // Takes over one reference of dispatch: with autoRelease the driver releases it.
    explicit COleDispatchDriver(IDispatch* dispatch, bool autoRelease = true);
    ~COleDispatchDriver();
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    // Creates the object through the registry and keeps its IDispatch.
    HRESULT CreateDispatch(REFCLSID clsid);
    HRESULT CreateDispatch(const std::string& progID);

    void AttachDispatch(IDispatch* dispatch, bool autoRelease = true);
    IDispatch* DetachDispatch();
    void ReleaseDispatch();
    IDispatch* GetDispatch() const { return m_lpDispatch; }

    // One Invoke. vtRet VT_EMPTY asks for no result; otherwise *result receives the value
    // coerced to vtRet (DISP_E_TYPEMISMATCH when it cannot be).
    HRESULT InvokeHelperV(DISPID dispid, WORD flags, VARTYPE vtRet, VARIANT* result,
                          std::vector<VARIANT> args);

    template <class... Args>
    tb::DispResult InvokeHelper(DISPID dispid, WORD flags, VARTYPE vtRet, const Args&... args) {
        tb::DispResult r;
        r.hr = InvokeHelperV(dispid, flags, vtRet, &r.value, {tb::ToVariant(args)...});
        return r;
    }

    // Name to DISPID through GetIDsOfNames (the object decides about case; ours ignore it).
    HRESULT GetIDOfName(const std::string& name, DISPID* dispid);

    template <class... Args>
    tb::DispResult InvokeByName(const std::string& name, WORD flags, VARTYPE vtRet,
                                const Args&... args) {
        DISPID dispid = DISPID_UNKNOWN;
        tb::DispResult r;
        r.hr = GetIDOfName(name, &dispid);
        if (SUCCEEDED(r.hr))
            r.hr = InvokeHelperV(dispid, flags, vtRet, &r.value, {tb::ToVariant(args)...});
        return r;
    }

    // A method call: DISPATCH_METHOD with the result type.
    template <class... Args>
    tb::DispResult CallMethod(DISPID dispid, VARTYPE vtRet, const Args&... args) {
        return InvokeHelper(dispid, DISPATCH_METHOD, vtRet, args...);
    }
    template <class... Args>
    tb::DispResult CallMethod(const std::string& name, VARTYPE vtRet, const Args&... args) {
        return InvokeByName(name, DISPATCH_METHOD, vtRet, args...);
    }

    HRESULT GetProperty(DISPID dispid, VARTYPE vtProp, VARIANT* value);
    HRESULT SetProperty(DISPID dispid, const VARIANT& value);
    HRESULT GetProperty(const std::string& name, VARTYPE vtProp, VARIANT* value);
    HRESULT SetProperty(const std::string& name, const VARIANT& value);

    // The description of the last DISP_E_EXCEPTION, or the HRESULT's words for any other
    // failure; empty after a success.
    const std::string& LastException() const { return m_strLastError; }

    IDispatch* m_lpDispatch = nullptr;
    bool m_bAutoRelease = true;

private:
    std::string m_strLastError;
};
