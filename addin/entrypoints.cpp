// AmbrelWidgetFP.so as the page editor and installers see it: the connection object the
// editor asks for, and the registration that lists the add-in with the editor.

#include "addin/addinwindows.h"
#include "addin/core/connect.h"
#include "addin/host/addinregistry.h"
#include "platform/com/interfaces.h"
#include "platform/core/paths.h"
#include "platform/module/modulepath.h"
#include "platform/ui/qt/qtuiservices.h"

namespace {

using namespace tb::addin;

// Where this module was loaded from, as an absolute path.
std::string ModulePath() {
    return tb::ModulePathOf(reinterpret_cast<const void*>(&ModulePath));
}

} // namespace

TB_ADDIN_EXPORT tb::host::IAddInConnect* CreateAddInConnect() {
    tb::UseDesktopDialogsIfGui();
    return new CConnect(tb::FolderWithoutSeparator(ModulePath()),
                        std::make_unique<CAddInWindows>());
}

TB_COM_EXPORT HRESULT DllRegisterServer() {
    const std::string path = ModulePath();
    if (path.empty() || !tb::host::RegisterAddInClass(kAddInProgId, kAddInClsid, path) ||
        !tb::host::WriteAddInRecord(
            {kAddInProgId, kAddInFriendlyName, kAddInDescription,
             tb::host::LoadBehaviorConnected | tb::host::LoadBehaviorStartup}))
        return SELFREG_E_CLASS;
    return S_OK;
}

TB_COM_EXPORT HRESULT DllUnregisterServer() {
    const bool bRecord = tb::host::DeleteAddInRecord(kAddInProgId);
    const bool bClass = tb::host::UnregisterAddInClass(kAddInProgId);
    return bRecord && bClass ? S_OK : SELFREG_E_CLASS;
}
