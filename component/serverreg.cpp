#include "component/serverreg.h"

#include "component/briskoids.h"
#include "platform/com/catmgr.h"
#include "platform/com/comruntime.h"
#include "platform/registry/regkey.h"

namespace tb {

namespace {

// One server entry: a key under HKEY_CLASSES_ROOT and its default value. Entries that name
// the class for people are left alone when present, so that a renamed class keeps its name.
struct ServerEntry {
    std::string key;
    std::string value;
    bool bOnlyIfAbsent;
};

std::vector<ServerEntry> ServerEntries(const std::string& progID, const std::string& clsid,
                                       const std::string& modulePath) {
    const std::string clsidKey = "CLSID\\" + clsid;
    return {
        {progID, progID, true},
        {clsidKey, progID, true},
        {progID + "\\CLSID", clsid, false},
        {clsidKey + "\\ProgID", progID, false},
        {clsidKey + "\\InProcServer32", modulePath, false},
    };
}

bool WriteEntry(const ServerEntry& entry) {
    CRegKey key;
    std::string existing;
    if (entry.bOnlyIfAbsent && key.Open(HKEY_CLASSES_ROOT, entry.key) == ERROR_SUCCESS &&
        RegQueryString(key.Get(), "", &existing) == ERROR_SUCCESS)
        return true;
    return key.Create(HKEY_CLASSES_ROOT, entry.key) == ERROR_SUCCESS &&
           RegSetString(key.Get(), "", entry.value) == ERROR_SUCCESS;
}

// The ProgID key and the class key go with everything below them.
bool RemoveServerEntries(const std::string& progID, const std::string& clsid) {
    bool bOk = true;
    for (const std::string& key : {progID, "CLSID\\" + clsid}) {
        // Only a key that is there is deleted: a missing one is no failure.
        if (CRegKey().Open(HKEY_CLASSES_ROOT, key) == ERROR_SUCCESS)
            bOk = RegDeleteTree(HKEY_CLASSES_ROOT, key) == ERROR_SUCCESS && bOk;
    }
    return bOk;
}

} // namespace

// Both run as one registry transaction: another process sees the class registered with all
// its entries or not at all, and the hive is written once.

HRESULT RegisterBriskoServer(const std::string& modulePath) {
    const CLSID clsid = MakeGuid(kBriskoClsid);
    const CATID catid = MakeGuid(kTesserasCatid);
    HRESULT hr = S_OK;
    const LONG rc = RunRegistryTransaction([&]() -> LONG {
        for (const ServerEntry& entry :
             ServerEntries(kBriskoProgID, GuidToString(clsid), modulePath)) {
            if (!WriteEntry(entry))
                return ERROR_CANTWRITE;
        }
        // A category that cannot be registered still leaves a usable class.
        const CATEGORYINFO info{catid, kTesserasCategoryLocale, kTesserasCategory};
        RegisterCategories(std::span<const CATEGORYINFO>(&info, 1));
        hr = RegisterClassImplCategories(clsid, std::span<const CATID>(&catid, 1));
        return ERROR_SUCCESS;
    });
    // Without its server entries on disk the class cannot be created: that is no success.
    if (rc != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    return FAILED(hr) ? hr : S_OK;
}

HRESULT UnregisterBriskoServer() {
    const CLSID clsid = MakeGuid(kBriskoClsid);
    const CATID catid = MakeGuid(kTesserasCatid);
    const std::string clsidText = GuidToString(clsid);
    HRESULT hr = S_OK;
    const LONG rc = RunRegistryTransaction([&]() -> LONG {
        UnRegisterClassImplCategories(clsid, std::span<const CATID>(&catid, 1));
        RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + clsidText + "\\Implemented Categories");
        std::string progID;
        hr = ProgIDFromCLSID(clsid, &progID);
        if (SUCCEEDED(hr) && !RemoveServerEntries(progID, clsidText))
            hr = E_FAIL;
        return ERROR_SUCCESS;
    });
    if (FAILED(hr))
        return hr;
    return rc == ERROR_SUCCESS ? S_OK : E_FAIL;
}

} // namespace tb
