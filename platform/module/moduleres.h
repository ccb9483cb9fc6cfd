#pragma once
// String tables and images of each module under a small integer handle, the stand-in for a
// module instance handle and its resources. A module (the host program or a component
// loaded with dlopen) registers its tables once and gets a handle; anyone in the process
// then loads a string or an icon "from" that handle.
//
// A component module links its own private copy of the platform libraries, yet the host must
// see what the module registered. So all copies share one table: the host program exports
// it under a C name (tb_module_registry_v1, a table of plain C functions), and a module's
// copy finds it with dlsym and forwards every call there. Only when no host table exists
// (a program that does not link this file) does a copy keep its own.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A module handle: small, positive, never reused within a process; 0 is none. It fits the
// 32-bit automation long through which components hand it to hosts.
using HINSTANCE = int32_t;

namespace tb {

enum class ImageFormat : int32_t {
    Png = 1,  // a PNG file
    Rgba = 2, // raw 8-bit RGBA rows, top row first, nWidth * nHeight * 4 bytes
    Ico = 3,  // an icon file holding exactly one image
};

struct ModuleImage {
    int32_t nWidth = 0;
    int32_t nHeight = 0;
    ImageFormat eFormat = ImageFormat::Png;
    std::string bytes;
};

struct ModuleString {
    uint32_t nId;
    const char* pszText; // UTF-8
};

HINSTANCE RegisterModuleResources(const std::string& moduleName);
void UnregisterModuleResources(HINSTANCE module);

bool AddModuleString(HINSTANCE module, uint32_t id, std::string_view text);

// PNG: the size is read from the file's header. RGBA: the byte count must match the size.
// ICO: each image of the icon file becomes one entry (the directory gives its size).
// Malformed data adds nothing and answers false.
bool AddModuleImage(HINSTANCE module, uint32_t id, const ModuleImage& image);

// False (and an empty text) when the module or the string does not exist.
bool LoadStringFromModule(HINSTANCE module, uint32_t id, std::string* text);
std::string LoadStringFromModule(HINSTANCE module, uint32_t id);

// The image of icon id that fits size best: one of that size, else the smallest larger
// one, else the largest.
bool LoadIconFromModule(HINSTANCE module, uint32_t id, int size, ModuleImage* image);

// Registers a module's tables for the lifetime of the object, typically a static object of
// the module, so that unloading the module removes them.
class CModuleResources {
public:
    CModuleResources(const std::string& moduleName, std::span<const ModuleString> strings);
    ~CModuleResources();
    CModuleResources(const CModuleResources&) = delete;
    CModuleResources& operator=(const CModuleResources&) = delete;

    HINSTANCE handle() const { return m_hModule; }
    bool AddImage(uint32_t id, const ModuleImage& image) {
        return AddModuleImage(m_hModule, id, image);
    }

private:
    HINSTANCE m_hModule;
};

} // namespace tb

// The current resource module, from which a program loads its strings by default; hosts
// switch it to a component's handle while they load the component's texts.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);
