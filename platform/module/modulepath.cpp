#include "platform/module/modulepath.h"

#include <dlfcn.h>

#include "platform/core/paths.h"

namespace tb {

std::string ModulePathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    // Registration records this path, so it must not depend on the host's current folder.
    const std::string absolute = ResolvedPath(info.dli_fname);
    return absolute.empty() ? info.dli_fname : absolute;
}

} // namespace tb
