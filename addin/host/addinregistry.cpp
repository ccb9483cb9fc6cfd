#include "addin/host/addinregistry.h"

#include <utility>

#include "platform/com/comruntime.h"
#include "platform/core/asciitext.h"
#include "platform/registry/registry.h"
#include "platform/registry/regkey.h"

namespace tb::host {

namespace {

std::string AddInKey(const std::string& progId) {
    return std::string(kAddInsKey) + "\\" + progId;
}

std::string ReadString(HKEY key, const std::string& name) {
    std::string value;
    RegQueryString(key, name, &value);
    return value;
}

AddInRecord ReadRecord(HKEY key, const std::string& progId) {
    AddInRecord record;
    record.progId = progId;
    record.friendlyName = ReadString(key, "FriendlyName");
    record.description = ReadString(key, "Description");
    DWORD behavior = 0;
    if (RegQueryDword(key, "LoadBehavior", &behavior) == ERROR_SUCCESS)
        record.loadBehavior = behavior;
    return record;
}

} // namespace

std::vector<AddInRecord> ListRegisteredAddIns() {
    std::vector<AddInRecord> records;
    CRegKey root;
    if (root.Open(HKEY_CURRENT_USER, kAddInsKey) != ERROR_SUCCESS)
        return records;
    std::string name;
    for (DWORD i = 0; RegEnumKeyEx(root.Get(), i, &name) == ERROR_SUCCESS; ++i) {
        CRegKey key;
        if (key.Open(root.Get(), name) == ERROR_SUCCESS)
            records.push_back(ReadRecord(key.Get(), name));
    }
    return records;
}

std::optional<AddInRecord> FindRegisteredAddIn(const std::string& progId) {
    // Key names ignore case; the record keeps the spelling it was registered with.
    for (AddInRecord& record : ListRegisteredAddIns())
        if (EqualsNoCase(record.progId, progId))
            return std::move(record);
    return std::nullopt;
}

bool WriteAddInRecord(const AddInRecord& record) {
    CRegKey key;
    if (record.progId.empty() ||
        key.Create(HKEY_CURRENT_USER, AddInKey(record.progId)) != ERROR_SUCCESS)
        return false;
    return RegSetString(key.Get(), "FriendlyName", record.friendlyName) == ERROR_SUCCESS &&
           RegSetString(key.Get(), "Description", record.description) == ERROR_SUCCESS &&
           RegSetDword(key.Get(), "LoadBehavior", record.loadBehavior) == ERROR_SUCCESS;
}

bool WriteAddInLoadBehavior(const std::string& progId, uint32_t loadBehavior) {
    CRegKey key;
    if (progId.empty() || key.Open(HKEY_CURRENT_USER, AddInKey(progId)) != ERROR_SUCCESS)
        return false;
    return RegSetDword(key.Get(), "LoadBehavior", loadBehavior) == ERROR_SUCCESS;
}

bool DeleteAddInRecord(const std::string& progId) {
    return !progId.empty() && RegDeleteTree(HKEY_CURRENT_USER, AddInKey(progId)) == ERROR_SUCCESS;
}

bool RegisterAddInClass(const std::string& progId, const std::string& clsid,
                        const std::string& modulePath) {
    CLSID parsed;
    if (progId.empty() || FAILED(CLSIDFromString(clsid, &parsed)))
        return false;
    CRegKey progIdKey;
    CRegKey serverKey;
    return progIdKey.Create(HKEY_CLASSES_ROOT, progId + "\\CLSID") == ERROR_SUCCESS &&
           RegSetString(progIdKey.Get(), "", clsid) == ERROR_SUCCESS &&
           serverKey.Create(HKEY_CLASSES_ROOT, "CLSID\\" + clsid + "\\InProcServer32") ==
               ERROR_SUCCESS &&
           RegSetString(serverKey.Get(), "", modulePath) == ERROR_SUCCESS;
}

bool UnregisterAddInClass(const std::string& progId) {
    CLSID clsid;
    std::string text;
    if (SUCCEEDED(CLSIDFromProgID(progId, &clsid)) && SUCCEEDED(StringFromCLSID(clsid, &text)))
        RegDeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + text);
    return !progId.empty() && RegDeleteTree(HKEY_CLASSES_ROOT, progId) == ERROR_SUCCESS;
}

std::optional<std::string> AddInModulePath(const std::string& progId, std::string* error) {
    CLSID clsid;
    std::string path;
    if (FAILED(CLSIDFromProgID(progId, &clsid))) {
        if (error)
            *error = "No class is registered for " + progId + ".";
        return std::nullopt;
    }
    if (FAILED(tb::InProcServerPath(clsid, &path)) || path.empty()) {
        if (error)
            *error = "No module is registered for " + progId + ".";
        return std::nullopt;
    }
    return path;
}

} // namespace tb::host
