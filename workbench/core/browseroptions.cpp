#include "workbench/core/browseroptions.h"

#include <map>

#include "component/browserlist.h"
#include "platform/core/numfmt.h"
#include "platform/profile/profile.h"
#include "platform/registry/regkey.h"
#include "workbench/core/workbenchstrings.h"

namespace tb {

namespace {

const char kSection[] = "Specify Browser";
const char kCount[] = "BrowserNum";

std::string NameEntry(int nSlot) {
    return "Name" + FormatInt(nSlot);
}

std::string PathEntry(int nSlot) {
    return "Path" + FormatInt(nSlot);
}

int SlotCount() {
    // Missing or not a number counts as none.
    return AtoI(GetProfileString(kSection, kCount));
}

// The names held by slots 1 to nCount, by slot. Found by listing the section's entries
// rather than by reading every slot up to the count: a damaged count in the billions must
// not stall the dialog.
std::map<int, std::string> NamedSlots(int nCount) {
    std::map<int, std::string> slots;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, ProfileKeyPath() + "\\" + kSection) != ERROR_SUCCESS)
        return slots;
    std::string entry;
    for (DWORD i = 0; RegEnumValue(key.Get(), i, &entry) == ERROR_SUCCESS; ++i) {
        const int nSlot = BrowserSlotOfEntry(entry, "Name");
        if (nSlot < 1 || nSlot > nCount)
            continue;
        std::string name = GetProfileString(kSection, NameEntry(nSlot));
        if (!name.empty())
            slots[nSlot] = std::move(name);
    }
    return slots;
}

} // namespace

bool AddSpecifiedBrowser(BrowserList& browsers, const std::string& path, const std::string& name) {
    if (name.empty()) {
        AfxMessageBox(LoadHostString(IDS_BROWSER_NAME_AND_PATH));
        return false;
    }
    const int nCount = SlotCount();
    const std::map<int, std::string> named = NamedSlots(nCount);
    for (const auto& [nSlot, slotName] : named) {
        if (slotName == name) {
            AfxMessageBox(LoadHostString(IDS_BROWSER_NAME_USED));
            return false;
        }
    }
    // The last free slot is taken: the highest one up to the count that holds no name.
    int nFreeSlot = nCount;
    while (nFreeSlot >= 1 && named.count(nFreeSlot))
        --nFreeSlot;
    int nSlot = 1;
    int nNewCount = 1;
    if (nCount >= 1) {
        nSlot = nFreeSlot >= 1 ? nFreeSlot : nCount + 1;
        nNewCount = nFreeSlot >= 1 ? nCount : nCount + 1;
    }
    if (!WriteProfileString(kSection, kCount, FormatInt(nNewCount)) ||
        !WriteProfileString(kSection, PathEntry(nSlot), path) ||
        !WriteProfileString(kSection, NameEntry(nSlot), name))
        return false;
    browsers.rereadSpecified();
    return true;
}

bool DeleteSpecifiedBrowser(BrowserList& browsers, const std::string& name) {
    for (const auto& [nSlot, slotName] : NamedSlots(SlotCount())) {
        if (slotName != name)
            continue;
        if (!WriteProfileString(kSection, PathEntry(nSlot), "") ||
            !WriteProfileString(kSection, NameEntry(nSlot), ""))
            return false;
        browsers.rereadSpecified();
        return true;
    }
    return false;
}

} // namespace tb
