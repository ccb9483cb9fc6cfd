#include "designer/core/editcommands.h"

#include <exception>
#include <string>

#include "designer/core/buttonclipboard.h"
#include "designer/core/drawviewcore.h"
#include "designer/core/undosnapshot.h"
#include "model/appletparameters.h"
#include "model/drawrect.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

constexpr char kCaption[] = "Button Properties";

// Every command this class runs, for taking them off the table again.
constexpr unsigned kOwnCommands[] = {
    ID_ALIGN_LEFT,        ID_ALIGN_RIGHT,   ID_ALIGN_TOP,    ID_ALIGN_BOTTOM, ID_SAME_WIDTH,
    ID_SAME_HEIGHT,       ID_SAME_SIZE,     ID_SPACE_ACROSS, ID_SPACE_DOWN,   ID_CENTER_VERTICAL,
    ID_CENTER_HORIZONTAL, ID_MOVE_BACKWARD, ID_MOVE_FORWARD, ID_MOVE_TO_BACK, ID_MOVE_TO_FRONT,
    ID_EDIT_CLEAR,        ID_EDIT_COPY,     ID_EDIT_CUT,     ID_EDIT_PASTE,   ID_DUPLICATE,
    ID_EDIT_SELECT_ALL,   ID_UNDO,          ID_REDO,         ID_EDIT_LABEL,   ID_EDIT_URL,
};

} // namespace

CEditCommands::CEditCommands(CDrawViewCore& view, IButtonClipboard& clipboard)
    : m_view(view), m_clipboard(clipboard) {
    Install();
}

CEditCommands::~CEditCommands() {
    CCommandTable& table = m_view.Commands();
    for (unsigned nId : kOwnCommands)
        table.SetAction(nId, nullptr);
    table.SetClipboardQuery(nullptr);
}

void CEditCommands::Install() {
    CCommandTable& table = m_view.Commands();
    const auto set = [&table](unsigned nId, CCommandTable::Action action) {
        table.SetAction(nId, std::move(action));
    };
    set(ID_ALIGN_LEFT, [this] { Align(Edge::Left); });
    set(ID_ALIGN_RIGHT, [this] { Align(Edge::Right); });
    set(ID_ALIGN_TOP, [this] { Align(Edge::Top); });
    set(ID_ALIGN_BOTTOM, [this] { Align(Edge::Bottom); });
    set(ID_SAME_WIDTH, [this] { MatchSize(Extent::Width); });
    set(ID_SAME_HEIGHT, [this] { MatchSize(Extent::Height); });
    set(ID_SAME_SIZE, [this] { MatchSize(Extent::Both); });
    set(ID_SPACE_ACROSS, [this] { Space(Axis::Horizontal); });
    set(ID_SPACE_DOWN, [this] { Space(Axis::Vertical); });
    set(ID_CENTER_HORIZONTAL, [this] { Center(Axis::Horizontal); });
    set(ID_CENTER_VERTICAL, [this] { Center(Axis::Vertical); });
    set(ID_MOVE_BACKWARD, [this] { Stack(StackMove::Backward); });
    set(ID_MOVE_FORWARD, [this] { Stack(StackMove::Forward); });
    set(ID_MOVE_TO_BACK, [this] { Stack(StackMove::ToBack); });
    set(ID_MOVE_TO_FRONT, [this] { Stack(StackMove::ToFront); });
    set(ID_EDIT_CLEAR, [this] { DeleteSelection(); });
    set(ID_EDIT_COPY, [this] { Copy(); });
    set(ID_EDIT_CUT, [this] { Cut(); });
    set(ID_EDIT_PASTE, [this] { Paste(); });
    set(ID_DUPLICATE, [this] { Duplicate(); });
    set(ID_EDIT_SELECT_ALL, [this] { SelectAll(); });
    set(ID_UNDO, [this] { Undo(); });
    set(ID_REDO, [this] { Redo(); });
    set(ID_EDIT_LABEL, [this] { EditLabel(LabelBox::Label); });
    set(ID_EDIT_URL, [this] { EditLabel(LabelBox::Link); });
    table.SetClipboardQuery([this] { return m_clipboard.OffersButtons(); });
}

// --- Layout

void CEditCommands::FinishLayout(bool bRefreshPage) {
    m_view.Update(UpdateHint::All);
    if (bRefreshPage)
        m_view.RefreshActivePage();
    TakeSnapshot(m_view.Params());
}

void CEditCommands::Align(Edge edge) {
    if (AlignToFirst(m_view.Params().m_selection, edge))
        FinishLayout(false);
}

void CEditCommands::MatchSize(Extent extent) {
    if (MatchFirstSize(m_view.Params().m_selection, extent))
        FinishLayout(false);
}

void CEditCommands::Space(Axis axis) {
    if (SpaceEvenly(m_view.Params().m_selection, axis))
        FinishLayout(false);
}

void CEditCommands::Center(Axis axis) {
    const CAppletParameters& params = m_view.Params();
    const int nExtent = axis == Axis::Horizontal ? params.m_nWidth : params.m_nHeight;
    if (CenterInApplet(m_view.Params().m_selection, axis, nExtent))
        FinishLayout(true);
}

void CEditCommands::Stack(StackMove move) {
    if (m_view.Selection().size() != 1)
        return;
    CDrawRect* pButton = m_view.Selection().front();
    MoveInStack(m_view.Params(), pButton, move);
    m_view.InvalidateObject(pButton);
    TakeSnapshot(m_view.Params());
}

// --- Delete and the clipboard

void CEditCommands::DeleteSelection() {
    CAppletParameters& params = m_view.Params();
    if (params.m_selection.empty())
        return;
    m_view.Update(UpdateHint::List);
    // A copy: each Destroy takes its button out of the selection too.
    const std::vector<CDrawRect*> doomed = params.m_selection;
    for (CDrawRect* pButton : doomed)
        pButton->Destroy();
    params.m_selection.clear();
    m_view.RefreshActivePage();
    TakeSnapshot(params);
}

bool CEditCommands::Copy() {
    const std::vector<CDrawRect*>& selection = m_view.Selection();
    if (selection.empty())
        return false;
    bool bCopied = false;
    try {
        bCopied = m_clipboard.SetButtons(ArchiveButtonList(selection), ButtonLabelsText(selection));
    } catch (const std::exception&) {
        bCopied = false; // out of memory: said below like any other refusal
    }
    if (!bCopied)
        Ui().MessageBox("The selected buttons could not be put on the Clipboard.", kCaption,
                        MbButtons::OK, MbIcon::Error);
    return bCopied;
}

void CEditCommands::Cut() {
    // What is not safely on the clipboard is not deleted.
    if (Copy())
        DeleteSelection();
}

bool CEditCommands::PasteButtons() {
    const std::optional<std::string> bytes = m_clipboard.GetButtons();
    if (!bytes)
        return false;
    std::vector<std::unique_ptr<CDrawRect>> pasted;
    const ArchiveStatus status = LoadButtonList(*bytes, pasted);
    if (!status) {
        Ui().MessageBox("The buttons on the Clipboard cannot be pasted. " + status.message,
                        kCaption, MbButtons::OK, MbIcon::Warning);
        return false;
    }
    m_view.Select(nullptr);
    for (auto& pButton : pasted)
        m_view.Select(m_view.Params().AddButton(std::move(pButton)), true);
    m_view.RefreshActivePage();
    return true;
}

void CEditCommands::Paste() {
    if (PasteButtons())
        TakeSnapshot(m_view.Params());
}

void CEditCommands::Duplicate() {
    if (Copy() && PasteButtons())
        TakeSnapshot(m_view.Params());
}

// --- Selection, history and the label page

void CEditCommands::SelectAll() {
    CAppletParameters& params = m_view.Params();
    if (params.m_buttons.empty())
        return;
    for (const auto& pButton : params.m_buttons)
        m_view.Select(pButton.get(), true);
    m_view.RefreshActivePage();
    TakeSnapshot(params);
}

void CEditCommands::FinishHistoryStep() {
    m_view.Update(UpdateHint::All);
    m_view.RefreshActivePage();
}

void CEditCommands::Undo() {
    if (tb::Undo(m_view.Params()))
        FinishHistoryStep();
}

void CEditCommands::Redo() {
    if (tb::Redo(m_view.Params()))
        FinishHistoryStep();
}

void CEditCommands::EditLabel(LabelBox box) {
    if (m_view.Selection().size() == 1)
        m_view.EditLabelBox(box);
}

} // namespace tb
