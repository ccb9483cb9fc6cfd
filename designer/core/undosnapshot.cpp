#include "designer/core/undosnapshot.h"

#include <algorithm>

#include "model/appletparameters.h"
#include "model/archive.h"

namespace tb {

namespace {

std::string Archived(CAppletParameters& params) {
    return StoreArchive([&params](CArchive& ar) { params.Serialize(ar); });
}

} // namespace

void TakeSnapshot(CAppletParameters& params) {
    CUndoHistory& history = params.m_history;
    if (history.lockCount > 0)
        return;
    std::string snapshot = Archived(params);
    while (history.undoList.size() > size_t(std::max(history.maxUndo, 0)))
        history.undoList.pop_back();
    history.undoList.push_front(std::move(snapshot));
    history.redoList.clear();
}

void ResetUndoHistory(CAppletParameters& params) {
    params.m_history.undoList.clear();
    params.m_history.redoList.clear();
    TakeSnapshot(params);
}

CSnapshotLock::CSnapshotLock(CAppletParameters& params) : m_params(params) {
    ++m_params.m_history.lockCount;
}

CSnapshotLock::~CSnapshotLock() {
    --m_params.m_history.lockCount;
}

} // namespace tb
