// Feeds arbitrary bytes to the object archive loader, as a paste from the clipboard would.
// Besides crashes, leaks and undefined behaviour it checks what must hold for any input: a
// failed load leaves the applet as it was; a design that loaded stores, loads again and stores
// to the same bytes. The same bytes are also read as a lone menu in its inline form, the way a
// button carries its menu, with the same round trip.
//
// With TB_ARCHIVE_SEEDS set to a folder, the program writes its seed archives there (a fresh
// design, one new button, two buttons with a selection, a lone menu) and exits.

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"
#include "model/marquel.h"
#include "platform/core/rect.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

std::string StoreApplet(CAppletParameters& applet) {
    return tb::StoreArchive([&](CArchive& ar) { applet.Serialize(ar); });
}

std::string StoreMenu(CMarquel& menu) {
    return tb::StoreArchive([&](CArchive& ar) { menu.Serialize(ar); });
}

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "archive_fuzzer: %s\n", what);
    std::abort();
}

void CheckApplet(std::string_view bytes) {
    CAppletParameters applet;
    const tb::ArchiveStatus status =
        tb::LoadArchive(bytes, [&](CArchive& ar) { applet.Serialize(ar); });
    if (!status) {
        if (!applet.m_buttons.empty() || !applet.m_selection.empty())
            Fault("a failed load changed the applet");
        if (status.message.empty())
            Fault("a failed load gave no message");
        return;
    }
    for (CDrawRect* p : applet.m_selection) {
        if (!p || p->owner != &applet)
            Fault("a loaded selection names something the applet does not own");
    }

    const std::string stored = StoreApplet(applet);
    CAppletParameters again;
    if (!tb::LoadArchive(stored, [&](CArchive& ar) { again.Serialize(ar); }))
        Fault("the stored form of a loaded applet does not load");
    if (again.m_buttons.size() != applet.m_buttons.size() ||
        again.m_selection.size() != applet.m_selection.size())
        Fault("the reloaded applet has other buttons or another selection");
    if (StoreApplet(again) != stored)
        Fault("the reloaded applet stores to other bytes");
}

void CheckMenu(std::string_view bytes) {
    CMarquel menu;
    if (!tb::LoadArchive(bytes, [&](CArchive& ar) { menu.Serialize(ar); }))
        return;
    const std::string stored = StoreMenu(menu);
    CMarquel again;
    if (!tb::LoadArchive(stored, [&](CArchive& ar) { again.Serialize(ar); }))
        Fault("the stored form of a loaded menu does not load");
    if (StoreMenu(again) != stored)
        Fault("the reloaded menu stores to other bytes");
}

void WriteSeed(const std::string& folder, const char* name, const std::string& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        Fault("cannot write a seed archive");
}

void WriteSeeds(const std::string& folder) {
    CAppletParameters fresh;
    WriteSeed(folder, "fresh-design", StoreApplet(fresh));

    CAppletParameters one;
    one.AddButton(std::make_unique<CDrawRect>(CRect{10, 15, 90, 45}));
    WriteSeed(folder, "one-button", StoreApplet(one));

    CAppletParameters two;
    CDrawRect* pFirst = two.AddButton(std::make_unique<CDrawRect>(CRect{10, 15, 90, 45}));
    CDrawRect* pSecond = two.AddButton(std::make_unique<CDrawRect>(CRect{10, 60, 90, 90}));
    pSecond->menu->m_items.front()->m_strLabel = "Second";
    two.m_selection.push_back(pSecond);
    two.m_selection.push_back(pFirst);
    WriteSeed(folder, "two-buttons-selected", StoreApplet(two));

    CDrawRect button(CRect{0, 0, 80, 30});
    WriteSeed(folder, "button-menu", StoreMenu(*button.menu));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (const char* folder = std::getenv("TB_ARCHIVE_SEEDS")) {
        WriteSeeds(folder);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckApplet(bytes);
    CheckMenu(bytes);
    return 0;
}
