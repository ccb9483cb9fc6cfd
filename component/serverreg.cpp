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

HRESULT RegisterBriskoServer(const std::string& modulePath) {
    const CLSID clsid = MakeGuid(kBriskoClsid);
    const CATID catid = MakeGuid(kTesserasCatid);
    // The outcome of the server entries is not examined: the category steps below still run.
    for (const ServerEntry& entry : ServerEntries(kBriskoProgID, GuidToString(clsid), modulePath))
        WriteEntry(entry);

    const CATEGORYINFO info{catid, kTesserasCategoryLocale, kTesserasCategory};
    RegisterCategories(std::span<const CATEGORYINFO>(&info, 1));
    HRESULT hr = RegisterClassImplCategories(clsid, std::span<const CATID>(&catid, 1));
    if (FAILED(hr))
        return hr;
    return S_OK;
}

HRESULT UnregisterBriskoServer() {
    const CLSID clsid = MakeGuid(kBriskoClsid);
    const CATID catid = MakeGuid(kTesserasCatid);
    const std::string clsidText = GuidToString(clsid);
    UnRegisterClassImplCategories(clsid, std::span<const CATID>(&catid, 1));
    RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + clsidText + "\\Implemented Categories");

    std::string progID;
    HRESULT hr = ProgIDFromCLSID(clsid, &progID);
    if (FAILED(hr))
        return hr;
    if (!RemoveServerEntries(progID, clsidText))
        return E_FAIL;
    return S_OK;
}

} // namespace tb
