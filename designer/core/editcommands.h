#pragma once
// The design window's editing commands: layout against the first selected button, centring,
// stacking, delete, the clipboard (cut, copy, paste, duplicate), undo and redo, select all and
// the label boxes. They work on the view's selection and the applet's buttons, repaint through
// the view and take their snapshots; the window only maps its actions to them.
//
// Constructing attaches every command's action, and Paste's clipboard query, to the view's
// command table, so the table's enabling rules decide when they run; the destructor takes
// them off again. Called directly, a command whose rule does not hold does nothing.

#include "designer/core/layoutcommands.h"
#include "designer/core/stacking.h"
#include "designer/core/viewhost.h"

namespace tb {

class CDrawViewCore;
class IButtonClipboard;

class CEditCommands {
public:
    CEditCommands(CDrawViewCore& view, IButtonClipboard& clipboard);
    ~CEditCommands();
    CEditCommands(const CEditCommands&) = delete;
    CEditCommands& operator=(const CEditCommands&) = delete;

    // Layout (two or more selected; spacing three or more), then a repaint and a snapshot,
    // also when nothing moved.
    void Align(Edge edge);
    void MatchSize(Extent extent);
    void Space(Axis axis);
    // One or more selected.
    void Center(Axis axis);
    // Exactly one selected; a snapshot also when the button is already at that end.
    void Stack(StackMove move);

    void DeleteSelection();
    // Puts the selection on the clipboard; false (and said why) when it could not.
    bool Copy();
    // Copy, and only once the copy is on the clipboard, delete.
    void Cut();
    // The clipboard's buttons on top of all others, as the new selection, where they were
    // copied from. Damaged content inserts nothing and says why.
    void Paste();
    // Copy and paste in one step: copies exactly over the originals, selected.
    void Duplicate();
    void SelectAll();
    void Undo();
    void Redo();
    // Exactly one selected.
    void EditLabel(LabelBox box);

private:
    void Install();
    // Paste without its snapshot; false when nothing was pasted.
    bool PasteButtons();
    // What every change of the layout ends with.
    void FinishLayout(bool bRefreshPage);
    void FinishHistoryStep();

    CDrawViewCore& m_view;
    IButtonClipboard& m_clipboard;
};

} // namespace tb
