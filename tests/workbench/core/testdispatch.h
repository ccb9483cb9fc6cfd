#pragma once
// The IUnknown part of the automation objects tests make for CTessera to call: reference
// counting and the one interface; a test writes only its Invoke.

#include <atomic>

#include "platform/com/interfaces.h"

namespace tb::test {

class CTestDispatch : public IDispatch {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
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
        const ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }
    HRESULT GetTypeInfoCount(UINT* pctinfo) override {
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT GetIDsOfNames(REFIID, const char* const*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }

protected:
    virtual ~CTestDispatch() = default;

private:
    std::atomic<ULONG> m_nRefs{1};
};

} // namespace tb::test
