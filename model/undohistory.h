#pragma once
// The designer's undo history, held by the applet model so that it lives as long as the
// design. Only data here; the editing commands take and restore the snapshots.

#include <list>
#include <string>

struct CUndoHistory {
    // Archived button and selection lists, newest first; the head is the current state.
    std::list<std::string> undoList;
    // Undone snapshots, most recently undone first.
    std::list<std::string> redoList;
    // Growth step in bytes of a snapshot's buffer.
    int snapshotGrowth = 0x8000;
    int maxUndo = 4;
    // While above 0 no snapshots are taken.
    int lockCount = 0;
};
