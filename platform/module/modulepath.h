#pragma once
// Where a loaded module lies, as modules need it to register themselves and to find the
// files installed beside them.

#include <string>

namespace tb {

// The absolute path of the module (program or dlopen'ed library) holding the address; the
// path the loader was given when it cannot be resolved; "" for an address in no module.
std::string ModulePathOf(const void* address);

} // namespace tb
