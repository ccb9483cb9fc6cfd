#include "component/module/moduleresources.h"

#include <memory>
#include <string_view>

#include "component/briskoids.h"
#include "component/componentstate.h"
#include "platform/core/paths.h"
#include "platform/module/modulepath.h"
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
    return ModulePathOf(reinterpret_cast<const void*>(&BriskoModulePath));
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
