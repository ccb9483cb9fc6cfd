// register / unregister: load a module and call its registration entry point, as an
// installer would.

#include <cstdio>

#include "cli/clicommand.h"
#include "platform/com/comruntime.h"

namespace tb::cli {

namespace {

int CallEntryPoint(const std::string& module, const char* entryPoint, const char* done) {
    std::string absolute;
    const HRESULT hr = CallServerRegistration(module, entryPoint, &absolute);
    if (FAILED(hr))
        return Fail(LastComErrorText());
    std::printf("%s %s (%s)\n", done, absolute.c_str(), HResultText(hr).c_str());
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
