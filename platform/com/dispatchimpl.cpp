#include "platform/com/dispatchimpl.h"

namespace tb {

namespace {

size_t DeclaredArgCount(const DispMemberInfo& m) {
    size_t n = 0;
    while (n < m.args.size() && m.args[n] != VT_EMPTY)
        ++n;
    return n;
}

} // namespace

HRESULT PrepareDispCall(const DispMemberInfo& m, WORD flags, const DISPPARAMS* params, bool* isPut,
                        DispArgs* args, UINT* argErr) {
    static const DISPPARAMS kNoParams;
    const DISPPARAMS& p = params ? *params : kNoParams;
    if (p.cArgs > 0 && !p.rgvarg)
        return E_INVALIDARG;
    if (p.cNamedArgs > p.cArgs || (p.cNamedArgs > 0 && !p.rgdispidNamedArgs))
        return E_INVALIDARG;

    bool canGet = m.kind == DispKind::Property || m.kind == DispKind::PropertyGet;
    bool canPut = m.kind == DispKind::Property || m.kind == DispKind::PropertyPut;
    bool wantsPut = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;

    std::vector<VARTYPE> types;
    if (wantsPut) {
        if (!canPut)
            return DISP_E_MEMBERNOTFOUND;
        // The value travels as the one named argument DISPID_PROPERTYPUT; a caller that
        // leaves the name out is still understood.
        if (p.cNamedArgs > 1 || (p.cNamedArgs == 1 && p.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
            return DISP_E_PARAMNOTFOUND;
        if (p.cArgs != 1)
            return DISP_E_BADPARAMCOUNT;
        types.push_back(m.vtResult);
        *isPut = true;
    } else {
        bool ok = (m.kind == DispKind::Method && (flags & DISPATCH_METHOD)) ||
                  (canGet && (flags & DISPATCH_PROPERTYGET));
        if (!ok)
            return DISP_E_MEMBERNOTFOUND;
        if (p.cNamedArgs > 0)
            return DISP_E_NONAMEDARGS;
        size_t n = m.kind == DispKind::Method ? DeclaredArgCount(m) : 0;
        if (p.cArgs != n)
            return DISP_E_BADPARAMCOUNT;
        types.assign(m.args.begin(), m.args.begin() + static_cast<long>(n));
        *isPut = false;
    }

    args->clear();
    args->resize(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        // rgvarg holds the arguments last first.
        UINT slot = p.cArgs - 1 - static_cast<UINT>(i);
        if (FAILED(VariantChangeType(&(*args)[i], &p.rgvarg[slot], 0, types[i]))) {
            if (argErr)
                *argErr = slot;
            return DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

HRESULT FinishDispCall(const DispMemberInfo& m, VARIANT&& value, VARIANT* result) {
    if (!result)
        return S_OK;
    if (m.vtResult == VT_EMPTY) {
        VariantClear(result);
        return S_OK;
    }
    if (value.vt == m.vtResult) {
        *result = std::move(value);
        return S_OK;
    }
    VARIANT out;
    HRESULT hr = VariantChangeType(&out, &value, 0, m.vtResult);
    if (FAILED(hr))
        return DISP_E_TYPEMISMATCH;
    *result = std::move(out);
    return S_OK;
}

HRESULT ReportDispException(const char* memberName, const char* what, EXCEPINFO* excep) {
    if (excep) {
        *excep = EXCEPINFO{};
        excep->bstrSource = memberName ? memberName : "";
        excep->bstrDescription = what ? what : "";
        excep->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

} // namespace tb
