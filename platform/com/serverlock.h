#pragma once
// The count that keeps a component module loaded: every live object and every
// IClassFactory::LockServer(true) holds one. DllCanUnloadNow answers S_OK at zero.
// Each module links its own hidden copy of the platform libraries, so each module counts
// only its own objects.

namespace tb {

void LockServerModule();
void UnlockServerModule();
bool ServerModuleInUse();

} // namespace tb
