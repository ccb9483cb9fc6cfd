// The four entry points hosts look up in the module, and its start-up on load.

#include "component/briskoids.h"
#include "component/module/classfactory.h"
#include "component/module/designerseam.h"
#include "component/module/moduleresources.h"
#include "component/serverreg.h"
#include "platform/com/serverlock.h"

namespace {

// Runs when the module is loaded, before any host call, so that the component folder and
// the string table are there from the first contact on.
__attribute__((constructor)) void OnModuleLoad() {
    tb::InitBriskoModule();
    tb::InstallDesignerIfGui();
}

} // namespace

TB_COM_EXPORT HRESULT DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    tb::InitBriskoModule();
    // A host may have made its QApplication after loading the module.
    tb::InstallDesignerIfGui();
    if (rclsid != tb::MakeGuid(tb::kBriskoClsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    HRESULT hr = tb::BriskoClassFactory().QueryInterface(riid, ppv);
    return FAILED(hr) ? CLASS_E_CLASSNOTAVAILABLE : hr;
}

TB_COM_EXPORT HRESULT DllCanUnloadNow() {
    return tb::ServerModuleInUse() ? S_FALSE : S_OK;
}

TB_COM_EXPORT HRESULT DllRegisterServer() {
    tb::InitBriskoModule();
    return tb::RegisterBriskoServer(tb::BriskoModulePath());
}

TB_COM_EXPORT HRESULT DllUnregisterServer() {
    return tb::UnregisterBriskoServer();
}
