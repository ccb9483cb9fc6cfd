#pragma once
// What an add-in module offers its page editor. A module exports one C entry point,
// CreateAddInConnect, returning a new connection object; the editor calls OnConnection with
// itself when it loads the add-in and OnDisconnection before it lets go, then destroys the
// object. Add-in and editor are built by the same compiler from these headers, so C++
// interfaces and standard types may cross between them; exceptions may not.

#include <string>

#include "addin/host/pageapplication.h"

namespace tb::host {

// Why an add-in is being connected.
enum ConnectMode : int {
    ConnectModeAfterStartup = 0, // loaded later, from the Add-ins dialog
    ConnectModeStartup = 1,      // loaded as the editor starts
    ConnectModeExternal = 2,     // started from outside the editor
    ConnectModeCommandLine = 3,
};

// Why it is being disconnected.
enum DisconnectMode : int {
    DisconnectModeHostShutdown = 0,
    DisconnectModeUserClosed = 1,
};

// The editor's record of one registered add-in, handed to it at connection.
class IAddIn {
public:
    virtual std::string ProgId() const = 0;
    virtual std::string FriendlyName() const = 0;
    virtual std::string Description() const = 0;

protected:
    ~IAddIn() = default;
};

class IAddInConnect {
public:
    virtual ~IAddInConnect() = default;
    virtual void OnConnection(IPageEditorApplication& application, int connectMode,
                              IAddIn& addInInstance) = 0;
    virtual void OnDisconnection(int removeMode) = 0;
};

// The entry point: a new object the editor owns.
using PFN_CreateAddInConnect = IAddInConnect* (*)();
inline constexpr const char* kAddInEntryName = "CreateAddInConnect";

} // namespace tb::host

// Marks the module's entry point; an add-in module exports nothing else.
#define TB_ADDIN_EXPORT extern "C" __attribute__((visibility("default")))
