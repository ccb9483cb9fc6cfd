#include "platform/module/modulepath.h"

#include <dlfcn.h>
#include <stdlib.h>

namespace tb {

std::string ModulePathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    // Registration records this path, so it must not depend on the host's current folder.
    char* absolute = realpath(info.dli_fname, nullptr);
    if (!absolute)
        return info.dli_fname;
    std::string path = absolute;
    free(absolute);
    return path;
}

} // namespace tb
