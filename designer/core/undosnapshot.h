#pragma once
// Whole-design snapshots for the undo history: the button list and the selection in their
// archive form. The tools and commands take them; undo and redo restore them, replacing every
// button (the selection comes back as references to the restored ones).

class CAppletParameters;

namespace tb {

// Stores the current buttons and selection at the head of the undo list (dropping the oldest
// beyond the history's limit) and empties the redo list; nothing while the history is locked.
void TakeSnapshot(CAppletParameters& params);

// What every opening of the designer starts with: both lists emptied, then one snapshot of the
// design as it is (unless the history is locked), so that the first change can be undone.
void ResetUndoHistory(CAppletParameters& params);

// Goes back to the state before the current one, which moves to the redo list. False, and
// nothing changed, when the history holds no earlier state.
bool Undo(CAppletParameters& params);
// Goes forward to the most recently undone state. False, and nothing changed, when nothing
// was undone.
bool Redo(CAppletParameters& params);

// Locks the history for its lifetime, for changes that are part of a step that snapshots on
// its own (a drag that starts by duplicating the selection).
class CSnapshotLock {
public:
    explicit CSnapshotLock(CAppletParameters& params);
    ~CSnapshotLock();
    CSnapshotLock(const CSnapshotLock&) = delete;
    CSnapshotLock& operator=(const CSnapshotLock&) = delete;

private:
    CAppletParameters& m_params;
};

} // namespace tb
