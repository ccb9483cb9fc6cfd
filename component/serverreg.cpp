#include "component/serverreg.h"

#include "component/briskoids.h"
#include "platform/com/catmgr.h"
#include "platform/com/comruntime.h"
#include "platform/registry/registry.h"

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
    HKEY hKey = nullptr;
    if (entry.bOnlyIfAbsent && RegOpenKeyEx(HKEY_CLASSES_ROOT, entry.key, &hKey) == ERROR_SUCCESS) {
        std::string existing;
        const bool bPresent = RegQueryString(hKey, "", &existing) == ERROR_SUCCESS;
        RegCloseKey(hKey);
        if (bPresent)
            return true;
    }
    if (RegCreateKeyEx(HKEY_CLASSES_ROOT, entry.key, &hKey) != ERROR_SUCCESS)
        return false;
    const bool bOk = RegSetString(hKey, "", entry.value) == ERROR_SUCCESS;
    RegCloseKey(hKey);
    return bOk;
}

// The ProgID key and the class key go with everything below them.
bool RemoveServerEntries(const std::string& progID, const std::string& clsid) {
    bool bOk = true;
    HKEY hKey = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, progID, &hKey) == ERROR_SUCCESS) {
        RegCloseKey(hKey);
        bOk = RegDeleteTree(HKEY_CLASSES_ROOT, progID) == ERROR_SUCCESS && bOk;
    }
    const std::string clsidKey = "CLSID\\" + clsid;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, clsidKey, &hKey) == ERROR_SUCCESS) {
        RegCloseKey(hKey);
        bOk = RegDeleteTree(HKEY_CLASSES_ROOT, clsidKey) == ERROR_SUCCESS && bOk;
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
