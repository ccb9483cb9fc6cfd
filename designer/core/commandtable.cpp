#include "designer/core/commandtable.h"

#include <algorithm>

#include "designer/core/drawviewcore.h"
#include "model/appletparameters.h"

namespace tb {

namespace {

constexpr CKeyChord Ctrl(int nKey) {
    return {KEY_CTRL, nKey};
}

// The texts are the design window's own, typing slips included: users and help pages know
// the buttons by them.
constexpr CDesignCommand kCommands[] = {
    {ID_TOOL_SELECT, "Select buttons\nSelect buttons", "", Ctrl('S'), CommandRule::Always,
     kSelectTool},
    {ID_TOOL_BUTTON, "Hold and drag to draw a button \nHold and drag to draw a button", "",
     Ctrl('R'), CommandRule::Always, kButtonTool},
    {ID_EDIT_SELECT_ALL, "", "", Ctrl('A'), CommandRule::HasObjects},
    {ID_EDIT_CLEAR, "", "D&elete", {0, VK_DELETE}, CommandRule::HasSelection},
    {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard\nCopy", "&Copy", Ctrl('C'),
     CommandRule::HasSelection},
    {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard\nCut", "Cu&t", Ctrl('X'),
     CommandRule::HasSelection},
    {ID_EDIT_PASTE, "Insert Clipboard contents\nPaste", "&Paste", Ctrl('V'),
     CommandRule::ClipboardOffersButtons},
    {ID_DUPLICATE, "Duplicate the selection\nDuplicate", "", Ctrl('D'), CommandRule::HasSelection},
    {ID_MOVE_BACKWARD, "Move Backward\nMove Backward", "", {}, CommandRule::OneSelected},
    {ID_MOVE_FORWARD, "Move Foreward\nMove Foreward", "", {}, CommandRule::OneSelected},
    {ID_MOVE_TO_FRONT, "Move to Front\nMove to Front", "", {}, CommandRule::OneSelected},
    {ID_MOVE_TO_BACK, "Move to Back\nMove to Back", "", {}, CommandRule::OneSelected},
    {ID_ALIGN_LEFT,
     "Aligns left edges of the selected buttons with the first button\nAlign Left(Ctrl+Left "
     "Arrow))",
     "", Ctrl(VK_LEFT), CommandRule::TwoSelected},
    {ID_ALIGN_RIGHT,
     "Aligns right edges of the selected buttons with the first button\nAlign Right(Ctrl+Right "
     "Arrow)",
     "", Ctrl(VK_RIGHT), CommandRule::TwoSelected},
    {ID_ALIGN_TOP,
     "Aligns top edges of the selected buttons with the first button\nAlign Top(Ctrl+Up Arrow)", "",
     Ctrl(VK_UP), CommandRule::TwoSelected},
    {ID_ALIGN_BOTTOM,
     "Aligns bottom edges of the selected buttons with the first button\nAlign Bottom(Ctrl+Down "
     "Arrow)",
     "", Ctrl(VK_DOWN), CommandRule::TwoSelected},
    {ID_SAME_WIDTH,
     "Resizes the seleceted buttons to have the same width as the first button\nMake Same Width",
     "",
     {},
     CommandRule::TwoSelected},
    {ID_SAME_HEIGHT,
     "Resizes the seleceted buttons to have the same height as the first button\nMake Same "
     "Height",
     "",
     {},
     CommandRule::TwoSelected},
    {ID_SAME_SIZE,
     "Resizes the seleceted buttons to have the same size as the first button\nMake Same Size",
     "",
     {},
     CommandRule::TwoSelected},
    {ID_SPACE_ACROSS,
     "Evenly spaces the selected buttons horizontally\nSpace Across(Alt+Right Arrow)",
     "",
     {KEY_ALT, VK_RIGHT},
     CommandRule::ThreeSelected},
    {ID_SPACE_DOWN,
     "Evenly spaces the selected buttons vertical\nSpace Down(Alt+Up Arrow)",
     "",
     {KEY_ALT, VK_UP},
     CommandRule::ThreeSelected},
    {ID_CENTER_VERTICAL, "Centers the selected buttons vertically\nCenter Vertical(Ctrl+F9)",
     "Center &Vertical", Ctrl(VK_F9), CommandRule::HasSelection},
    {ID_CENTER_HORIZONTAL,
     "Centers the selected buttons horizontally\nCenter Horizontal(Ctrl+Shift+F9)",
     "Center &Horizontal",
     {KEY_CTRL | KEY_SHIFT, VK_F9},
     CommandRule::HasSelection},
    {ID_UNDO, "Undo\nUndo", "", Ctrl('Z'), CommandRule::CanUndo},
    {ID_REDO, "Redo\nRedo", "", Ctrl('Y'), CommandRule::CanRedo},
    {ID_EDIT_LABEL, "", "Edit L&able", {}, CommandRule::OneSelected},
    {ID_EDIT_URL, "", "Edit &URL", {}, CommandRule::OneSelected},
    {ID_NEW_BUTTON, "", "&New Button", {}, CommandRule::Always},
    // The two the frame adds to the editing commands.
    {ID_PREVIEW,
     "Preview the buttons in a web browser\nPreview in Browser",
     "&Preview in Browser",
     {},
     CommandRule::Always},
    {ID_HELP_FINDER, "List Help topics\nHelp Topics", "", {}, CommandRule::Always},
};

// One group of buttons or menu entries per line.
// clang-format off
constexpr unsigned kToolBar[] = {
    ID_PREVIEW, kSeparator,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_DUPLICATE, kSeparator,
    ID_TOOL_SELECT, ID_TOOL_BUTTON, kSeparator,
    ID_UNDO, ID_REDO, kSeparator,
    ID_MOVE_BACKWARD, ID_MOVE_FORWARD, ID_MOVE_TO_BACK, ID_MOVE_TO_FRONT, kSeparator,
    ID_ALIGN_LEFT, ID_ALIGN_RIGHT, ID_ALIGN_TOP, ID_ALIGN_BOTTOM, kSeparator,
    ID_SAME_WIDTH, ID_SAME_HEIGHT, ID_SAME_SIZE, kSeparator,
    ID_SPACE_ACROSS, ID_SPACE_DOWN, ID_CENTER_VERTICAL, ID_CENTER_HORIZONTAL, kSeparator,
    ID_HELP_FINDER,
};

constexpr unsigned kContextMenu[] = {
    ID_EDIT_LABEL, ID_EDIT_URL, kSeparator,
    ID_NEW_BUTTON, ID_EDIT_CLEAR, kSeparator,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, kSeparator,
    ID_CENTER_HORIZONTAL, ID_CENTER_VERTICAL, kSeparator,
    ID_PREVIEW,
};
// clang-format on

} // namespace

std::string_view CDesignCommand::Prompt() const {
    return text.substr(0, text.find('\n'));
}

std::string_view CDesignCommand::Tooltip() const {
    const size_t nl = text.find('\n');
    if (nl != std::string_view::npos)
        return text.substr(nl + 1);
    return menuText;
}

CCommandTable::CCommandTable(const CDrawViewCore& view) : m_view(view) {}

std::span<const CDesignCommand> CCommandTable::Commands() {
    return kCommands;
}

const CDesignCommand* CCommandTable::Find(unsigned nId) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [nId](const CDesignCommand& c) { return c.nId == nId; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

std::span<const unsigned> CCommandTable::ToolBarLayout() {
    return kToolBar;
}

std::span<const unsigned> CCommandTable::ContextMenuLayout() {
    return kContextMenu;
}

void CCommandTable::SetAction(unsigned nId, Action action) {
    if (!Find(nId))
        return;
    if (action)
        m_actions[nId] = std::move(action);
    else
        m_actions.erase(nId);
}

bool CCommandTable::HasAction(unsigned nId) const {
    return m_actions.count(nId) != 0;
}

bool CCommandTable::IsEnabled(unsigned nId) const {
    const CDesignCommand* pCommand = Find(nId);
    return pCommand && HasAction(nId) && RuleHolds(pCommand->rule);
}

bool CCommandTable::IsChecked(unsigned nId) const {
    const CDesignCommand* pCommand = Find(nId);
    return pCommand && pCommand->nTool >= 0 && m_view.ToolState().currentTool == pCommand->nTool;
}

bool CCommandTable::Execute(unsigned nId) {
    if (!IsEnabled(nId))
        return false;
    // A copy: the action may replace itself (or the table's map) while it runs.
    const Action action = m_actions.at(nId);
    action();
    return true;
}

bool CCommandTable::RuleHolds(CommandRule rule) const {
    const CAppletParameters& params = m_view.Params();
    const size_t nSelected = m_view.Selection().size();
    switch (rule) {
    case CommandRule::Always:
        return true;
    case CommandRule::HasObjects:
        return !params.m_buttons.empty();
    case CommandRule::HasSelection:
        return nSelected > 0;
    case CommandRule::OneSelected:
        return nSelected == 1;
    case CommandRule::TwoSelected:
        return nSelected >= 2;
    case CommandRule::ThreeSelected:
        return nSelected >= 3;
    case CommandRule::ClipboardOffersButtons:
        return m_clipboardOffersButtons && m_clipboardOffersButtons();
    case CommandRule::CanUndo:
        return params.m_history.undoList.size() > 1;
    case CommandRule::CanRedo:
        return !params.m_history.redoList.empty();
    }
    return false;
}

} // namespace tb
