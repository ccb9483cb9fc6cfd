#include "component/componentstate.h"

namespace tb {

namespace {
// Built on first use: the module sets it from a load-time constructor, which may run before
// this file's own static initialisers.
std::string& FolderValue() {
    static std::string folder;
    return folder;
}
HINSTANCE g_hResources = 0;
PFN_RunDesigner g_pfnRunDesigner = nullptr;
ICopyResourcesHandler* g_pCopyResources = nullptr;
} // namespace

const std::string& ComponentFolder() {
    return FolderValue();
}

void SetComponentFolder(const std::string& folder) {
    FolderValue() = folder;
}

HINSTANCE ComponentResourceHandle() {
    return g_hResources;
}

void SetComponentResourceHandle(HINSTANCE module) {
    g_hResources = module;
}

PFN_RunDesigner RunDesigner() {
    return g_pfnRunDesigner;
}

void SetRunDesigner(PFN_RunDesigner pfn) {
    g_pfnRunDesigner = pfn;
}

ICopyResourcesHandler* CopyResourcesHandler() {
    return g_pCopyResources;
}

void SetCopyResourcesHandler(ICopyResourcesHandler* handler) {
    g_pCopyResources = handler;
}

} // namespace tb
