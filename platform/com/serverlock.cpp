#include "platform/com/serverlock.h"

#include <atomic>

namespace tb {

namespace {
std::atomic<long> g_nLocks{0};
}

void LockServerModule() {
    ++g_nLocks;
}

void UnlockServerModule() {
    --g_nLocks;
}

bool ServerModuleInUse() {
    return g_nLocks.load() > 0;
}

} // namespace tb
