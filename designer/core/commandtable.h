#pragma once
// The design window's commands as data: identifier, status prompt and tooltip, context-menu
// text, key, enabling rule. The tool bar, the context menu and the keys are all built from
// this one table, in the orders given by ToolBarLayout and ContextMenuLayout.
//
// Actions are attached per design view: the view attaches its own (the two tools, "&New
// Button"), the design window the preview, the editing commands theirs. A command without an
// action is listed and shown, but disabled.

#include <functional>
#include <map>
#include <span>
#include <string_view>

#include "designer/core/commandids.h"

namespace tb {

class CDrawViewCore;

// Stands for a separator in the tool bar's and the context menu's order.
constexpr unsigned kSeparator = 0;

enum KeyModifiers : unsigned { KEY_CTRL = 1, KEY_SHIFT = 2, KEY_ALT = 4 };

// Key codes: letters and digits are their upper-case characters; the others are these.
enum VirtualKey : int {
    VK_NONE = 0,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_DELETE = 0x2E,
    VK_F9 = 0x78,
};

struct CKeyChord {
    unsigned modifiers = 0;
    int nKey = VK_NONE;
    bool IsEmpty() const { return nKey == VK_NONE; }
    friend bool operator==(const CKeyChord&, const CKeyChord&) = default;
};

// When a command may run.
enum class CommandRule {
    Always,
    HasObjects,             // the design has buttons
    HasSelection,           // at least one button selected
    OneSelected,            // exactly one
    TwoSelected,            // two or more
    ThreeSelected,          // three or more
    ClipboardOffersButtons, // copied buttons are on the clipboard
    CanUndo,                // the undo list holds more than the current state
    CanRedo,                // the redo list is not empty
};

struct CDesignCommand {
    unsigned nId;
    // Status prompt and tooltip separated by '\n', as the tool bar shows them; may be empty.
    std::string_view text;
    // The context menu's text with its '&' mnemonic, for the commands the menu lists.
    std::string_view menuText;
    CKeyChord key;
    CommandRule rule;
    // Shown pressed while this tool is current; -1 for commands that are not tools.
    int nTool = -1;

    std::string_view Prompt() const;
    // The text after '\n'; the menu text (without '&') when there is no tooltip.
    std::string_view Tooltip() const;
};

class CCommandTable {
public:
    using Action = std::function<void()>;

    explicit CCommandTable(const CDrawViewCore& view);

    static std::span<const CDesignCommand> Commands();
    static const CDesignCommand* Find(unsigned nId);
    // Command identifiers in order, kSeparator standing for a separator.
    static std::span<const unsigned> ToolBarLayout();
    static std::span<const unsigned> ContextMenuLayout();

    // Attaches (or, with an empty action, detaches) what the command does.
    void SetAction(unsigned nId, Action action);
    bool HasAction(unsigned nId) const;
    // Whether the clipboard holds copied buttons; without a query it never does.
    void SetClipboardQuery(std::function<bool()> query) { m_clipboardOffersButtons = query; }

    // A command is enabled when it has an action and its rule holds.
    bool IsEnabled(unsigned nId) const;
    bool IsChecked(unsigned nId) const;
    // Runs an enabled command; false (and nothing done) otherwise.
    bool Execute(unsigned nId);

private:
    bool RuleHolds(CommandRule rule) const;

    const CDrawViewCore& m_view;
    std::map<unsigned, Action> m_actions;
    std::function<bool()> m_clipboardOffersButtons;
};

} // namespace tb
