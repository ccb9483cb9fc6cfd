#pragma once
// The workbench's commands as data (identifier, menu text, key, status prompt, tool bar
// label), the menu and tool bar layouts, and what each command does. The menu, the tool bar
// and the main form's buttons are all built from this one table; whoever handles a command
// attaches its action (and, where it may not always run, its rule). A command without an
// action is shown, but disabled.

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string_view>

namespace tb {

struct CWorkbenchCommand {
    unsigned nId;
    std::string_view menuText; // with its '&' mnemonic
    std::string_view key;      // as "Ctrl+N", "Alt+Return"; "" for none
    std::string_view prompt;   // the status bar's text while the command is pointed at
    uint32_t nToolBarLabel;    // string id of the tool bar's label; 0 when not on the tool bar
};

// Stand for a separator and for the recent files in the menu and tool bar layouts.
constexpr unsigned kSeparator = 0;
constexpr unsigned kRecentFiles = 1;

struct CMenuDefinition {
    std::string_view title;
    std::span<const unsigned> items;
};

class CCommandTable {
public:
    using Action = std::function<void()>;
    using Rule = std::function<bool()>;

    static std::span<const CWorkbenchCommand> Commands();
    static const CWorkbenchCommand* Find(unsigned nId);
    static std::span<const CMenuDefinition> MenuLayout();
    static std::span<const unsigned> ToolBarLayout();

    // Attaches what the command does and, optionally, when it may run; an empty action
    // detaches both.
    void SetAction(unsigned nId, Action action, Rule rule = {});
    bool HasAction(unsigned nId) const;
    // A command is enabled when it has an action and its rule (if any) holds.
    bool IsEnabled(unsigned nId) const;
    // Runs an enabled command; false (and nothing done) otherwise.
    bool Execute(unsigned nId);

private:
    struct Handler {
        Action action;
        Rule rule;
    };
    std::map<unsigned, Handler> m_handlers;
};

} // namespace tb
