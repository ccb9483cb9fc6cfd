// Config: the designer run with the undo history reset before it and the preview scratch
// folder removed after it.

#include <filesystem>
#include <system_error>

#include "component/brisko.h"
#include "component/componentstate.h"
#include "model/archive.h"

namespace {

// Removes the preview scratch folder; a folder in use or already gone is no concern here.
void RemoveScratchFolder() {
    const std::string& folder = tb::ComponentFolder();
    if (folder.empty())
        return;
    namespace fs = std::filesystem;
    const fs::path scratch = fs::path(folder) / "tmp";
    std::error_code ec;
    if (!fs::is_directory(scratch, ec))
        return;
    for (fs::directory_iterator it(scratch, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code removeEc;
        if (it->is_regular_file(removeEc) || it->is_symlink(removeEc))
            fs::remove(it->path(), removeEc);
    }
    fs::remove(scratch, ec);
}

} // namespace

HRESULT CBrisko::Config() {
    // Without a designer nothing would be configured: say so instead of pretending, and
    // leave the object exactly as it was.
    tb::PFN_RunDesigner pfnRun = tb::RunDesigner();
    if (!pfnRun)
        return E_NOTIMPL;

    CUndoHistory& history = applet.m_history;
    history.undoList.clear();
    history.redoList.clear();
    if (history.lockCount <= 0)
        history.undoList.push_front(
            tb::StoreArchive([this](CArchive& ar) { applet.Serialize(ar); }));

    pfnRun(*this, applet);

    resourcesCurrent = 0;
    RemoveScratchFolder();
    return S_OK;
}
