#include "platform/com/dispdriver.h"

#include <algorithm>
#include <utility>

COleDispatchDriver::COleDispatchDriver(IDispatch* dispatch, bool autoRelease)
    : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}

COleDispatchDriver::~COleDispatchDriver() {
    ReleaseDispatch();
}

HRESULT COleDispatchDriver::CreateDispatch(REFCLSID clsid) {
    ReleaseDispatch();
    void* p = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, &p);
    if (FAILED(hr)) {
        m_strLastError = tb::HResultText(hr) + ": " + tb::LastComErrorText();
        return hr;
    }
    AttachDispatch(static_cast<IDispatch*>(p), true);
    m_strLastError.clear();
    return hr;
}

HRESULT COleDispatchDriver::CreateDispatch(const std::string& progID) {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(progID, &clsid);
    if (FAILED(hr)) {
        m_strLastError = tb::HResultText(hr) + ": " + tb::LastComErrorText();
        return hr;
    }
    return CreateDispatch(clsid);
}

void COleDispatchDriver::AttachDispatch(IDispatch* dispatch, bool autoRelease) {
    ReleaseDispatch();
    m_lpDispatch = dispatch;
    m_bAutoRelease = autoRelease;
}

IDispatch* COleDispatchDriver::DetachDispatch() {
    IDispatch* p = m_lpDispatch;
    m_lpDispatch = nullptr;
    return p;
}

void COleDispatchDriver::ReleaseDispatch() {
    if (m_lpDispatch && m_bAutoRelease)
        m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

HRESULT COleDispatchDriver::InvokeHelperV(DISPID dispid, WORD flags, VARTYPE vtRet, VARIANT* result,
                                          std::vector<VARIANT> args) {
    if (result)
        VariantClear(result);
    if (!m_lpDispatch) {
        m_strLastError = "No object";
        return E_POINTER;
    }
    std::reverse(args.begin(), args.end());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params;
    params.rgvarg = args.empty() ? nullptr : args.data();
    params.cArgs = static_cast<UINT>(args.size());
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    VARIANT raw;
    EXCEPINFO excep;
    UINT argErr = 0;
    HRESULT hr = m_lpDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                      vtRet == VT_EMPTY ? nullptr : &raw, &excep, &argErr);
    if (FAILED(hr)) {
        m_strLastError = hr == DISP_E_EXCEPTION && !excep.bstrDescription.empty()
                             ? excep.bstrDescription
                             : tb::HResultText(hr);
        return hr;
    }
    if (vtRet != VT_EMPTY && result && raw.vt == vtRet) {
        *result = std::move(raw); // long texts are not copied on the way
    } else if (vtRet != VT_EMPTY && result) {
        HRESULT hrConv = VariantChangeType(result, &raw, 0, vtRet);
        if (FAILED(hrConv)) {
            m_strLastError = tb::HResultText(DISP_E_TYPEMISMATCH);
            return DISP_E_TYPEMISMATCH;
        }
    }
    m_strLastError.clear();
    return hr;
}

HRESULT COleDispatchDriver::GetIDOfName(const std::string& name, DISPID* dispid) {
    *dispid = DISPID_UNKNOWN;
    if (!m_lpDispatch) {
        m_strLastError = "No object";
        return E_POINTER;
    }
    const char* names[] = {name.c_str()};
    HRESULT hr = m_lpDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, dispid);
    if (FAILED(hr))
        m_strLastError = tb::HResultText(hr) + ": " + name;
    return hr;
}

HRESULT COleDispatchDriver::GetProperty(DISPID dispid, VARTYPE vtProp, VARIANT* value) {
    return InvokeHelperV(dispid, DISPATCH_PROPERTYGET, vtProp, value, {});
}

HRESULT COleDispatchDriver::SetProperty(DISPID dispid, const VARIANT& value) {
    return InvokeHelperV(dispid, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, {value});
}

HRESULT COleDispatchDriver::GetProperty(const std::string& name, VARTYPE vtProp, VARIANT* value) {
    DISPID dispid = DISPID_UNKNOWN;
    HRESULT hr = GetIDOfName(name, &dispid);
    return FAILED(hr) ? hr : GetProperty(dispid, vtProp, value);
}

HRESULT COleDispatchDriver::SetProperty(const std::string& name, const VARIANT& value) {
    DISPID dispid = DISPID_UNKNOWN;
    HRESULT hr = GetIDOfName(name, &dispid);
    return FAILED(hr) ? hr : SetProperty(dispid, value);
}
