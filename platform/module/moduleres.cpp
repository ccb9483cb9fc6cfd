#include "platform/module/moduleres.h"

#include <dlfcn.h>

#include <algorithm>
#include <map>
#include <mutex>

namespace {

// The one binary contract between copies of this file: plain C types only, so that a
// module compiled from another revision still talks to the host correctly.
struct TbModuleRegistryApi {
    uint32_t cbSize;
    int32_t (*pfnRegister)(const char* name);
    void (*pfnUnregister)(int32_t module);
    int (*pfnAddString)(int32_t module, uint32_t id, const char* text, size_t len);
    int (*pfnAddImage)(int32_t module, uint32_t id, int32_t width, int32_t height, int32_t format,
                       const char* bytes, size_t len);
    int (*pfnFindString)(int32_t module, uint32_t id, void* ctx,
                         void (*sink)(void* ctx, const char* text, size_t len));
    int (*pfnFindImage)(int32_t module, uint32_t id, int32_t size, void* ctx,
                        void (*sink)(void* ctx, int32_t width, int32_t height, int32_t format,
                                     const char* bytes, size_t len));
    int32_t (*pfnGetCurrent)();
    void (*pfnSetCurrent)(int32_t module);
};

struct ModuleTables {
    std::string strName;
    std::map<uint32_t, std::string> strings;
    std::map<uint32_t, std::vector<tb::ModuleImage>> images;
};

struct Registry {
    std::mutex mutex;
    std::map<int32_t, ModuleTables> modules;
    int32_t nNext = 1;
    int32_t nCurrent = 0;
};

// Never destroyed: modules may unregister from their own static destructors at exit,
// after this file's statics would otherwise be gone.
Registry& Local() {
    static Registry* registry = new Registry;
    return *registry;
}

int32_t LocalRegister(const char* name) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    int32_t h = r.nNext++;
    r.modules[h].strName = name ? name : "";
    return h;
}

void LocalUnregister(int32_t module) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.modules.erase(module);
    if (r.nCurrent == module)
        r.nCurrent = 0;
}

int LocalAddString(int32_t module, uint32_t id, const char* text, size_t len) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.modules.find(module);
    if (it == r.modules.end())
        return 0;
    it->second.strings[id] = std::string(text, len);
    return 1;
}

int LocalAddImage(int32_t module, uint32_t id, int32_t width, int32_t height, int32_t format,
                  const char* bytes, size_t len) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.modules.find(module);
    if (it == r.modules.end())
        return 0;
    tb::ModuleImage image;
    image.nWidth = width;
    image.nHeight = height;
    image.eFormat = static_cast<tb::ImageFormat>(format);
    image.bytes.assign(bytes, len);
    it->second.images[id].push_back(std::move(image));
    return 1;
}

int LocalFindString(int32_t module, uint32_t id, void* ctx,
                    void (*sink)(void*, const char*, size_t)) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.modules.find(module);
    if (it == r.modules.end())
        return 0;
    auto s = it->second.strings.find(id);
    if (s == it->second.strings.end())
        return 0;
    sink(ctx, s->second.data(), s->second.size());
    return 1;
}

int LocalFindImage(int32_t module, uint32_t id, int32_t size, void* ctx,
                   void (*sink)(void*, int32_t, int32_t, int32_t, const char*, size_t)) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    auto it = r.modules.find(module);
    if (it == r.modules.end())
        return 0;
    auto list = it->second.images.find(id);
    if (list == it->second.images.end() || list->second.empty())
        return 0;
    const tb::ModuleImage* best = nullptr;
    auto extent = [](const tb::ModuleImage& i) { return std::max(i.nWidth, i.nHeight); };
    for (const tb::ModuleImage& image : list->second) {
        int e = extent(image);
        if (!best) {
            best = &image;
            continue;
        }
        int b = extent(*best);
        bool better = b < size ? e > b : (e >= size && e < b);
        if (better)
            best = &image;
    }
    sink(ctx, best->nWidth, best->nHeight, static_cast<int32_t>(best->eFormat), best->bytes.data(),
         best->bytes.size());
    return 1;
}

int32_t LocalGetCurrent() {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    return r.nCurrent;
}

void LocalSetCurrent(int32_t module) {
    Registry& r = Local();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.nCurrent = module;
}

} // namespace

// The host's table, exported from programs by tb_module's link options.
extern "C" __attribute__((visibility("default")))
const TbModuleRegistryApi tb_module_registry_v1 = {
    sizeof(TbModuleRegistryApi),
    LocalRegister,
    LocalUnregister,
    LocalAddString,
    LocalAddImage,
    LocalFindString,
    LocalFindImage,
    LocalGetCurrent,
    LocalSetCurrent,
};

namespace {

const TbModuleRegistryApi& Api() {
    static const TbModuleRegistryApi* api = [] {
        auto* shared =
            static_cast<const TbModuleRegistryApi*>(dlsym(RTLD_DEFAULT, "tb_module_registry_v1"));
        if (shared && shared->cbSize >= sizeof(TbModuleRegistryApi))
            return shared;
        return &tb_module_registry_v1;
    }();
    return *api;
}

uint32_t ReadBE32(const std::string& b, size_t at) {
    return (uint32_t(uint8_t(b[at])) << 24) | (uint32_t(uint8_t(b[at + 1])) << 16) |
           (uint32_t(uint8_t(b[at + 2])) << 8) | uint32_t(uint8_t(b[at + 3]));
}

uint32_t ReadLE(const std::string& b, size_t at, int count) {
    uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i)
        v = (v << 8) | uint8_t(b[at + static_cast<size_t>(i)]);
    return v;
}

const char kPngSignature[] = "\x89PNG\r\n\x1a\n";

bool IsPng(const std::string& bytes) {
    return bytes.size() >= 8 && bytes.compare(0, 8, kPngSignature, 8) == 0;
}

bool AddOne(HINSTANCE module, uint32_t id, const tb::ModuleImage& image) {
    return Api().pfnAddImage(module, id, image.nWidth, image.nHeight,
                             static_cast<int32_t>(image.eFormat), image.bytes.data(),
                             image.bytes.size()) != 0;
}

// Splits an icon file into one single-image icon file (or PNG) per directory entry.
bool AddIco(HINSTANCE module, uint32_t id, const std::string& b) {
    if (b.size() < 6 || ReadLE(b, 0, 2) != 0 || ReadLE(b, 2, 2) != 1)
        return false;
    size_t count = ReadLE(b, 4, 2);
    if (count == 0 || b.size() < 6 + 16 * count)
        return false;
    std::vector<tb::ModuleImage> images;
    for (size_t i = 0; i < count; ++i) {
        size_t entry = 6 + 16 * i;
        size_t size = ReadLE(b, entry + 8, 4);
        size_t offset = ReadLE(b, entry + 12, 4);
        if (size == 0 || offset > b.size() || size > b.size() - offset)
            return false;
        tb::ModuleImage image;
        image.nWidth = uint8_t(b[entry]) ? uint8_t(b[entry]) : 256;
        image.nHeight = uint8_t(b[entry + 1]) ? uint8_t(b[entry + 1]) : 256;
        std::string data = b.substr(offset, size);
        if (IsPng(data)) {
            image.eFormat = tb::ImageFormat::Png;
            image.bytes = std::move(data);
        } else {
            image.eFormat = tb::ImageFormat::Ico;
            std::string header = b.substr(0, 4) + std::string("\x01\x00", 2) + b.substr(entry, 12) +
                                 std::string("\x16\x00\x00\x00", 4);
            image.bytes = header + data;
        }
        images.push_back(std::move(image));
    }
    for (const tb::ModuleImage& image : images)
        if (!AddOne(module, id, image))
            return false;
    return true;
}

} // namespace

namespace tb {

HINSTANCE RegisterModuleResources(const std::string& moduleName) {
    return Api().pfnRegister(moduleName.c_str());
}

void UnregisterModuleResources(HINSTANCE module) {
    Api().pfnUnregister(module);
}

bool AddModuleString(HINSTANCE module, uint32_t id, std::string_view text) {
    return Api().pfnAddString(module, id, text.data(), text.size()) != 0;
}

bool AddModuleImage(HINSTANCE module, uint32_t id, const ModuleImage& image) {
    switch (image.eFormat) {
    case ImageFormat::Png: {
        // Signature, then the IHDR chunk: length 13, "IHDR", width, height.
        const std::string& b = image.bytes;
        if (!IsPng(b) || b.size() < 24 || b.compare(12, 4, "IHDR") != 0)
            return false;
        ModuleImage png = image;
        uint32_t w = ReadBE32(b, 16), h = ReadBE32(b, 20);
        if (w == 0 || h == 0 || w > 65535 || h > 65535)
            return false;
        png.nWidth = static_cast<int32_t>(w);
        png.nHeight = static_cast<int32_t>(h);
        return AddOne(module, id, png);
    }
    case ImageFormat::Rgba:
        if (image.nWidth <= 0 || image.nHeight <= 0 || image.nWidth > 65535 ||
            image.nHeight > 65535 ||
            image.bytes.size() != size_t(image.nWidth) * size_t(image.nHeight) * 4)
            return false;
        return AddOne(module, id, image);
    case ImageFormat::Ico:
        return AddIco(module, id, image.bytes);
    }
    return false;
}

bool LoadStringFromModule(HINSTANCE module, uint32_t id, std::string* text) {
    text->clear();
    return Api().pfnFindString(module, id, text, [](void* ctx, const char* s, size_t len) {
        static_cast<std::string*>(ctx)->assign(s, len);
    }) != 0;
}

std::string LoadStringFromModule(HINSTANCE module, uint32_t id) {
    std::string text;
    LoadStringFromModule(module, id, &text);
    return text;
}

bool LoadIconFromModule(HINSTANCE module, uint32_t id, int size, ModuleImage* image) {
    *image = ModuleImage{};
    return Api().pfnFindImage(
               module, id, size, image,
               [](void* ctx, int32_t w, int32_t h, int32_t format, const char* bytes, size_t len) {
                   auto* out = static_cast<ModuleImage*>(ctx);
                   out->nWidth = w;
                   out->nHeight = h;
                   out->eFormat = static_cast<ImageFormat>(format);
                   out->bytes.assign(bytes, len);
               }) != 0;
}

CModuleResources::CModuleResources(const std::string& moduleName,
                                   std::span<const ModuleString> strings)
    : m_hModule(RegisterModuleResources(moduleName)) {
    for (const ModuleString& s : strings)
        AddModuleString(m_hModule, s.nId, s.pszText ? s.pszText : "");
}

CModuleResources::~CModuleResources() {
    UnregisterModuleResources(m_hModule);
}

} // namespace tb

HINSTANCE AfxGetResourceHandle() {
    return Api().pfnGetCurrent();
}

void AfxSetResourceHandle(HINSTANCE module) {
    Api().pfnSetCurrent(module);
}
