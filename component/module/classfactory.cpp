#include "component/module/classfactory.h"

#include <new>

#include "component/brisko.h"
#include "platform/com/serverlock.h"

namespace tb {

namespace {

class CBriskoFactory : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // The factory lives as long as the module; its references keep nothing alive, only
    // LockServer and the objects do.
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (pUnkOuter)
            return CLASS_E_NOAGGREGATION;
        auto* pBrisko = new (std::nothrow) CBrisko;
        if (!pBrisko)
            return E_OUTOFMEMORY;
        HRESULT hr = pBrisko->QueryInterface(riid, ppv);
        pBrisko->Release();
        return hr;
    }
    HRESULT LockServer(bool fLock) override {
        if (fLock)
            LockServerModule();
        else
            UnlockServerModule();
        return S_OK;
    }
};

} // namespace

IClassFactory& BriskoClassFactory() {
    static CBriskoFactory factory;
    return factory;
}

} // namespace tb
