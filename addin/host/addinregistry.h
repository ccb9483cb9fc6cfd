#pragma once
// Where add-ins are registered for the page editor: one key per add-in under
// HKEY_CURRENT_USER\Software\Tallowby\Page Editor\Addins, named by its ProgID, with the values
// "FriendlyName", "Description" and "LoadBehavior". The module itself is found the way every
// class is: the ProgID's class identifier and that class's InProcServer32 path.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tb::host {

inline constexpr const char* kAddInsKey = "Software\\Tallowby\\Page Editor\\Addins";

// LoadBehavior bits: 1 connected now, 2 load when the editor starts (3: both).
enum LoadBehaviorBits : uint32_t {
    LoadBehaviorConnected = 1,
    LoadBehaviorStartup = 2,
};

struct AddInRecord {
    std::string progId;
    std::string friendlyName;
    std::string description;
    uint32_t loadBehavior = 0;

    bool LoadsAtStartup() const { return (loadBehavior & LoadBehaviorStartup) != 0; }
};

// Every registered add-in, in registration order. Keys without values read as empty texts
// and load behaviour 0.
std::vector<AddInRecord> ListRegisteredAddIns();
std::optional<AddInRecord> FindRegisteredAddIn(const std::string& progId);

// Writes the add-in's key with its three values.
bool WriteAddInRecord(const AddInRecord& record);
bool WriteAddInLoadBehavior(const std::string& progId, uint32_t loadBehavior);
// Removes the add-in's key (not its class entries).
bool DeleteAddInRecord(const std::string& progId);

// The class entries that lead from the ProgID to the module: HKEY_CLASSES_ROOT\<progId>\CLSID
// and CLSID\{...}\InProcServer32. clsid is the braced form.
bool RegisterAddInClass(const std::string& progId, const std::string& clsid,
                        const std::string& modulePath);
bool UnregisterAddInClass(const std::string& progId);

// The module file registered for the ProgID; nothing, with the reason, when there is none.
std::optional<std::string> AddInModulePath(const std::string& progId, std::string* error);

} // namespace tb::host
