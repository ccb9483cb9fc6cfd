#pragma once
// Loads, connects and disconnects the add-ins registered for the page editor. A failure is
// shown through UiServices and never stops the editor: an add-in that cannot be loaded is
// simply not connected.
//
// Modules stay loaded until the process ends even after their add-in is disconnected: an
// add-in may have left a handler behind on a bar it did not delete, and unloading its code
// would turn the next event into a jump into nothing.

#include <memory>
#include <string>
#include <vector>

#include "addin/host/addinconnect.h"
#include "addin/host/addinregistry.h"

namespace tb::host {

class CAddInManager {
public:
    explicit CAddInManager(IPageEditorApplication& application);
    // Disconnects whatever is still connected, as the editor does when it closes.
    ~CAddInManager();
    CAddInManager(const CAddInManager&) = delete;
    CAddInManager& operator=(const CAddInManager&) = delete;

    // Every add-in whose load behaviour asks for start-up, in registration order.
    void ConnectStartupAddIns();

    // Loads the module and calls OnConnection; false (after a message) when the add-in is not
    // registered, its module cannot be loaded or lacks the entry point. Connecting a
    // connected add-in does nothing and answers true.
    bool Connect(const std::string& progId, int connectMode);
    // Calls OnDisconnection and destroys the connection object; false when not connected.
    bool Disconnect(const std::string& progId, int removeMode);
    void DisconnectAll(int removeMode);

    bool IsConnected(const std::string& progId) const;
    std::vector<std::string> ConnectedProgIds() const;

    // The last failure in words (also shown through UiServices).
    const std::string& LastError() const { return m_strLastError; }

private:
    struct Connection;

    bool Fail(const std::string& progId, const std::string& reason);
    Connection* Find(const std::string& progId) const;

    IPageEditorApplication& m_application;
    std::vector<std::unique_ptr<Connection>> m_connections;
    std::string m_strLastError;
};

} // namespace tb::host
