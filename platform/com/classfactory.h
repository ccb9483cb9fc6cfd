#pragma once
// The class factory every component module hands out: it makes objects of one class T,
// which starts with one reference and answers QueryInterface. A module keeps one static
// instance; its references keep nothing alive, only LockServer and the objects do.

#include <new>

#include "platform/com/interfaceptr.h"
#include "platform/com/interfaces.h"
#include "platform/com/serverlock.h"

namespace tb {

template <class T> class CClassFactory : public IClassFactory {
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
    // The factory lives as long as the module, so counting its references would gain nothing.
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (pUnkOuter)
            return CLASS_E_NOAGGREGATION;
        // The creation reference goes when this returns; the caller keeps the one it asked for.
        const auto pObject = CInterfacePtr<T>::Adopt(new (std::nothrow) T);
        if (!pObject)
            return E_OUTOFMEMORY;
        return pObject->QueryInterface(riid, ppv);
    }
    HRESULT LockServer(bool fLock) override {
        if (fLock)
            LockServerModule();
        else
            UnlockServerModule();
        return S_OK;
    }
};

} // namespace tb
