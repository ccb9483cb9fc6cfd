// register / unregister: load a module and call its registration entry point, as an
// installer would.

#include <dlfcn.h>
#include <stdlib.h>

#include <cstdio>
#include <memory>

#include "cli/clicommand.h"
#include "cli/widgetsession.h"
#include "platform/com/interfaces.h"
#include "platform/core/paths.h"

namespace tb::cli {

namespace {

int CallEntryPoint(const std::string& module, const char* entryPoint, const char* done) {
    if (!FileExists(module))
        return Fail("no such module: " + module);
    // The module records where it was loaded from; that must not depend on our folder.
    std::unique_ptr<char, decltype(&free)> absolute(realpath(module.c_str(), nullptr), &free);
    if (!absolute)
        return Fail("cannot resolve the path " + module);
    void* handle = dlopen(absolute.get(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        return Fail("cannot load " + module + ": " + (reason ? reason : "unknown reason"));
    }
    auto pfn = reinterpret_cast<HRESULT (*)()>(dlsym(handle, entryPoint));
    if (!pfn) {
        dlclose(handle);
        return Fail(module + " has no entry point " + entryPoint);
    }
    const HRESULT hr = pfn();
    // Left loaded: the module may have registered process-wide tables that outlive the call.
    if (FAILED(hr))
        return Fail(std::string(entryPoint) + " failed: " + DescribeFailure(hr, {}));
    std::printf("%s %s (%s)\n", done, absolute.get(), HResultText(hr).c_str());
    return 0;
}

} // namespace

int RunRegister(const CliArgs& args) {
    return CallEntryPoint(args.positional[0], "DllRegisterServer", "registered");
}

int RunUnregister(const CliArgs& args) {
    return CallEntryPoint(args.positional[0], "DllUnregisterServer", "unregistered");
}

} // namespace tb::cli
