#pragma once
// A table-driven IDispatch for component authors. The object lists its members once, as
// data, and writes one handler per member (two for a property):
//
//   class CWidget : public CDispatchImpl<CWidget> {
//   public:
//       static std::span<const DispEntry<CWidget>> DispTable() { return kTable; }
//       HRESULT GetTitle(const DispArgs&, VARIANT* result);
//       HRESULT PutTitle(const DispArgs& args, VARIANT*);   // args[0] is the new value
//       HRESULT ReadFile(const DispArgs& args, VARIANT* result);
//   };
//   const DispEntry<CWidget> kTable[] = {
//       {"Title", 1, DispKind::Property, {}, VT_BSTR, &CWidget::GetTitle, &CWidget::PutTitle},
//       {"ReadFile", 2, DispKind::Method, {VT_BSTR}, VT_BOOL, &CWidget::ReadFile},
//   };
//
// The base resolves names case-insensitively, checks the call's kind and argument count,
// coerces every argument to its declared type (handlers receive them in call order, not
// COM's reverse order) and the handler's result to the declared result type, and turns an
// exception escaping a handler into DISP_E_EXCEPTION.

#include <array>
#include <atomic>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/com/interfaces.h"
#include "platform/com/serverlock.h"
#include "platform/core/asciitext.h"

enum class DispKind : uint8_t {
    Method,      // DISPATCH_METHOD
    Property,    // get and put
    PropertyGet, // get only
    PropertyPut, // put only
};

using DispArgs = std::vector<VARIANT>;

// The part of a member that is pure data; at most four arguments, the list ends at the
// first VT_EMPTY.
struct DispMemberInfo {
    const char* pszName = "";
    DISPID dispid = DISPID_UNKNOWN;
    DispKind kind = DispKind::Method;
    std::array<VARTYPE, 4> args = {};
    VARTYPE vtResult = VT_EMPTY;
};

template <class T> struct DispEntry : DispMemberInfo {
    using Handler = HRESULT (T::*)(const DispArgs& args, VARIANT* result);
    Handler pfnGet = nullptr; // the method, or the property's get
    Handler pfnPut = nullptr; // the property's put
};

namespace tb {

// Checks a call against its member and collects the coerced arguments in call order.
// *isPut tells which handler to run. Errors: DISP_E_MEMBERNOTFOUND (a kind the member does
// not have), DISP_E_BADPARAMCOUNT, DISP_E_NONAMEDARGS, DISP_E_PARAMNOTFOUND,
// DISP_E_TYPEMISMATCH (with *argErr = the argument's index in rgvarg).
HRESULT PrepareDispCall(const DispMemberInfo& member, WORD flags, const DISPPARAMS* params,
                        bool* isPut, DispArgs* args, UINT* argErr);

// Coerces a handler's value to the member's result type into *result (when given); a value
// of that type already is moved there, so long texts are not copied on the way out.
HRESULT FinishDispCall(const DispMemberInfo& member, VARIANT&& value, VARIANT* result);

// Fills *excep for an exception that escaped a handler.
HRESULT ReportDispException(const char* memberName, const char* what, EXCEPINFO* excep);

} // namespace tb

template <class T> class CDispatchImpl : public IDispatch {
public:
    CDispatchImpl() { tb::LockServerModule(); }
    CDispatchImpl(const CDispatchImpl&) = delete;
    CDispatchImpl& operator=(const CDispatchImpl&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_nRefs; }
    ULONG Release() override {
        ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }

    HRESULT GetTypeInfoCount(UINT* pctinfo) override {
        if (!pctinfo)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }

    HRESULT GetIDsOfNames(REFIID, const char* const* names, UINT cNames, LCID,
                          DISPID* ids) override {
        if (!names || !ids || cNames == 0)
            return E_INVALIDARG;
        for (UINT i = 0; i < cNames; ++i)
            ids[i] = DISPID_UNKNOWN;
        const DispEntry<T>* entry = FindByName(names[0]);
        if (!entry)
            return DISP_E_UNKNOWNNAME;
        ids[0] = entry->dispid;
        // Members take positional arguments only; parameter names are not known.
        return cNames > 1 ? DISP_E_UNKNOWNNAME : S_OK;
    }

    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* excep, UINT* argErr) override {
        const DispEntry<T>* entry = FindById(id);
        if (!entry)
            return DISP_E_MEMBERNOTFOUND;
        bool isPut = false;
        DispArgs args;
        HRESULT hr = tb::PrepareDispCall(*entry, flags, params, &isPut, &args, argErr);
        if (FAILED(hr))
            return hr;
        typename DispEntry<T>::Handler handler = isPut ? entry->pfnPut : entry->pfnGet;
        if (!handler)
            return DISP_E_MEMBERNOTFOUND;
        try {
            VARIANT value;
            hr = (static_cast<T*>(this)->*handler)(args, &value);
            if (FAILED(hr))
                return hr;
            if (isPut)
                return S_OK;
            return tb::FinishDispCall(*entry, std::move(value), result);
        } catch (const std::exception& e) {
            return tb::ReportDispException(entry->pszName, e.what(), excep);
        } catch (...) {
            return tb::ReportDispException(entry->pszName, "unknown failure", excep);
        }
    }

protected:
    virtual ~CDispatchImpl() { tb::UnlockServerModule(); }

private:
    static const DispEntry<T>* FindById(DISPID id) {
        for (const DispEntry<T>& e : T::DispTable())
            if (e.dispid == id)
                return &e;
        return nullptr;
    }
    static const DispEntry<T>* FindByName(const char* name) {
        if (!name)
            return nullptr;
        for (const DispEntry<T>& e : T::DispTable())
            if (tb::EqualsNoCase(e.pszName, name))
                return &e;
        return nullptr;
    }

    std::atomic<ULONG> m_nRefs{1};
};
