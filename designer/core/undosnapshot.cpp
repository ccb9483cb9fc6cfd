#include "designer/core/undosnapshot.h"

#include <algorithm>
#include <exception>

#include "model/appletparameters.h"
#include "model/archive.h"
#include "model/drawrect.h"

namespace tb {

namespace {

std::string Archived(CAppletParameters& params) {
    std::string bytes = StoreArchive([&params](CArchive& ar) { params.Serialize(ar); });
    // Five of these live as long as the design: give back what the buffer grew beyond them.
    bytes.shrink_to_fit();
    return bytes;
}

// Replaces the buttons and the selection with the snapshot's. The snapshot is read aside
// first, so that one that cannot be read (memory ran out) leaves the design as it is.
bool Restore(CAppletParameters& params, const std::string& snapshot) {
    CAppletParameters restored;
    if (!LoadArchive(snapshot, [&restored](CArchive& ar) { restored.Serialize(ar); }))
        return false;
    params.DeleteContents();
    for (auto& pButton : restored.m_buttons)
        params.AddButton(std::move(pButton));
    params.m_selection = std::move(restored.m_selection);
    restored.m_buttons.clear();
    restored.m_selection.clear();
    return true;
}

void DropOldestBeyondLimit(CUndoHistory& history) {
    while (history.undoList.size() > size_t(std::max(history.maxUndo, 0)))
        history.undoList.pop_back();
}

} // namespace

void TakeSnapshot(CAppletParameters& params) {
    CUndoHistory& history = params.m_history;
    if (history.lockCount > 0)
        return;
    std::string snapshot;
    try {
        snapshot = Archived(params);
    } catch (const std::exception&) {
        // Out of memory (or a design too large for the archive): the history stays as it was
        // rather than the change failing.
        return;
    }
    DropOldestBeyondLimit(history);
    history.undoList.push_front(std::move(snapshot));
    history.redoList.clear();
}

void ResetUndoHistory(CAppletParameters& params) {
    params.m_history.undoList.clear();
    params.m_history.redoList.clear();
    TakeSnapshot(params);
}

bool Undo(CAppletParameters& params) {
    CUndoHistory& history = params.m_history;
    if (history.undoList.size() < 2 || !Restore(params, *std::next(history.undoList.begin())))
        return false;
    history.redoList.splice(history.redoList.begin(), history.undoList, history.undoList.begin());
    return true;
}

bool Redo(CAppletParameters& params) {
    CUndoHistory& history = params.m_history;
    if (history.redoList.empty() || !Restore(params, history.redoList.front()))
        return false;
    DropOldestBeyondLimit(history);
    history.undoList.splice(history.undoList.begin(), history.redoList, history.redoList.begin());
    return true;
}

CSnapshotLock::CSnapshotLock(CAppletParameters& params) : m_params(params) {
    ++m_params.m_history.lockCount;
}

CSnapshotLock::~CSnapshotLock() {
    --m_params.m_history.lockCount;
}

} // namespace tb
