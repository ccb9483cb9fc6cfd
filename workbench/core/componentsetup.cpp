#include "workbench/core/componentsetup.h"

#include "platform/com/comruntime.h"
#include "platform/core/paths.h"

namespace tb {

namespace {

bool RegisteredModuleIsThere(const std::string& progID) {
    CLSID clsid;
    std::string path;
    return SUCCEEDED(CLSIDFromProgID(progID, &clsid)) &&
           SUCCEEDED(InProcServerPath(clsid, &path)) && FileExists(path);
}

} // namespace

ComponentSetup EnsureComponentRegistered(const std::string& progID,
                                         const std::string& programFolder,
                                         std::string* pModulePath) {
    if (RegisteredModuleIsThere(progID))
        return ComponentSetup::Ready;
    const std::string module = JoinPath(programFolder, kComponentModuleName);
    std::string registered;
    if (programFolder.empty() || !FileExists(module) ||
        FAILED(CallServerRegistration(module, "DllRegisterServer", &registered)) ||
        !RegisteredModuleIsThere(progID))
        return ComponentSetup::NotRegistered;
    if (pModulePath)
        *pModulePath = registered;
    return ComponentSetup::RegisteredNow;
}

} // namespace tb
