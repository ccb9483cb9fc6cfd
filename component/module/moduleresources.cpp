#include "component/module/moduleresources.h"

#include <dlfcn.h>
#include <stdlib.h>

#include <memory>
#include <string_view>

#include "component/briskoids.h"
#include "component/componentstate.h"
#include "platform/core/paths.h"
#include "platform/module/moduleres.h"
#include "platform/profile/profile.h"

extern const std::string_view kBriskoIcon16;
extern const std::string_view kBriskoIcon32;

namespace tb {

namespace {

const ModuleString kStrings[] = {
    {kIdsTesseraType, "Java Applet"}, {kIdsTesseraName, "Brisko 2.0"},
    {kIdsMenuText, "Brisko 2.0"},     {kIdsMessageText, "Generate cool effect Java Applet buttons"},
    {kIdsTipsText, "Brisko"},
};

// Lives until the module is unloaded, which takes its tables out of the process again.
std::unique_ptr<CModuleResources> g_pResources;

} // namespace

std::string BriskoModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&BriskoModulePath), &info) == 0 || !info.dli_fname)
        return {};
    // Registration records this path, so it must not depend on the host's current folder.
    char* absolute = realpath(info.dli_fname, nullptr);
    if (!absolute)
        return info.dli_fname;
    std::string path = absolute;
    free(absolute);
    return path;
}

void InitBriskoModule() {
    if (g_pResources)
        return;
    SetComponentFolder(FolderWithoutSeparator(BriskoModulePath()));
    g_pResources = std::make_unique<CModuleResources>("TesseraBrisko", kStrings);
    for (std::string_view png : {kBriskoIcon16, kBriskoIcon32}) {
        ModuleImage image;
        image.eFormat = ImageFormat::Png;
        image.bytes.assign(png);
        g_pResources->AddImage(kIdiBrisko, image);
    }
    SetComponentResourceHandle(g_pResources->handle());
    SetProfileKey("Tallowby", "Ambrel Brisko");
}

} // namespace tb
