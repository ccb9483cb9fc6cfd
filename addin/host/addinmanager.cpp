#include "addin/host/addinmanager.h"

#include <dlfcn.h>

#include "platform/core/asciitext.h"
#include "platform/ui/uiservices.h"

namespace tb::host {

namespace {

class CAddInInstance : public IAddIn {
public:
    explicit CAddInInstance(AddInRecord record) : m_record(std::move(record)) {}
    std::string ProgId() const override { return m_record.progId; }
    std::string FriendlyName() const override { return m_record.friendlyName; }
    std::string Description() const override { return m_record.description; }

private:
    AddInRecord m_record;
};

} // namespace

struct CAddInManager::Connection {
    std::unique_ptr<CAddInInstance> instance;
    std::unique_ptr<IAddInConnect> connect;
};

CAddInManager::CAddInManager(IPageEditorApplication& application) : m_application(application) {}

CAddInManager::~CAddInManager() {
    DisconnectAll(DisconnectModeHostShutdown);
}

void CAddInManager::ConnectStartupAddIns() {
    for (const AddInRecord& record : ListRegisteredAddIns())
        if (record.LoadsAtStartup())
            Connect(record.progId, ConnectModeStartup);
}

bool CAddInManager::Connect(const std::string& progId, int connectMode) {
    if (IsConnected(progId))
        return true;
    std::optional<AddInRecord> record = FindRegisteredAddIn(progId);
    if (!record)
        return Fail(progId, "It is not registered.");
    std::string error;
    std::optional<std::string> path = AddInModulePath(record->progId, &error);
    if (!path)
        return Fail(progId, error);
    void* handle = ::dlopen(path->c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = ::dlerror();
        return Fail(progId, reason ? reason : "The module " + *path + " could not be loaded.");
    }
    auto entry = reinterpret_cast<PFN_CreateAddInConnect>(::dlsym(handle, kAddInEntryName));
    if (!entry)
        return Fail(progId, "The module " + *path + " has no entry point " + kAddInEntryName + ".");
    auto connection = std::make_unique<Connection>();
    connection->connect.reset(entry());
    if (!connection->connect)
        return Fail(progId, "The module " + *path + " did not create its connection object.");
    connection->instance = std::make_unique<CAddInInstance>(*record);
    Connection& added = *m_connections.emplace_back(std::move(connection));
    added.connect->OnConnection(m_application, connectMode, *added.instance);
    WriteAddInLoadBehavior(record->progId, record->loadBehavior | LoadBehaviorConnected);
    return true;
}

bool CAddInManager::Disconnect(const std::string& progId, int removeMode) {
    for (auto it = m_connections.begin(); it != m_connections.end(); ++it) {
        if (!EqualsNoCase((*it)->instance->ProgId(), progId))
            continue;
        std::unique_ptr<Connection> connection = std::move(*it);
        m_connections.erase(it);
        connection->connect->OnDisconnection(removeMode);
        // At shutdown the add-in stays marked as connected, so it is what the user left.
        if (removeMode == DisconnectModeUserClosed) {
            if (std::optional<AddInRecord> record = FindRegisteredAddIn(progId))
                WriteAddInLoadBehavior(record->progId,
                                       record->loadBehavior & ~uint32_t{LoadBehaviorConnected});
        }
        return true;
    }
    return false;
}

void CAddInManager::DisconnectAll(int removeMode) {
    // Last connected, first disconnected, as a stack of add-ins expects.
    while (!m_connections.empty())
        Disconnect(m_connections.back()->instance->ProgId(), removeMode);
}

bool CAddInManager::IsConnected(const std::string& progId) const {
    return Find(progId) != nullptr;
}

std::vector<std::string> CAddInManager::ConnectedProgIds() const {
    std::vector<std::string> ids;
    for (const auto& connection : m_connections)
        ids.push_back(connection->instance->ProgId());
    return ids;
}

bool CAddInManager::Fail(const std::string& progId, const std::string& reason) {
    m_strLastError = "The add-in " + progId + " could not be loaded.\n" + reason;
    tb::Ui().MessageBox(m_strLastError, "Add-ins", tb::MbButtons::OK, tb::MbIcon::Warning);
    return false;
}

CAddInManager::Connection* CAddInManager::Find(const std::string& progId) const {
    for (const auto& connection : m_connections)
        if (EqualsNoCase(connection->instance->ProgId(), progId))
            return connection.get();
    return nullptr;
}

} // namespace tb::host
