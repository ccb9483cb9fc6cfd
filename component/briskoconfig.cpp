// Config: the designer run with the undo history reset before it and its scratch folder
// removed after it.

#include "component/brisko.h"
#include "component/componentstate.h"
#include "component/scratchfolder.h"
#include "designer/core/undosnapshot.h"

HRESULT CBrisko::Config() {
    // Without a designer nothing would be configured: say so instead of pretending, and
    // leave the object exactly as it was.
    tb::PFN_RunDesigner pfnRun = tb::RunDesigner();
    if (!pfnRun)
        return E_NOTIMPL;

    tb::ResetUndoHistory(applet);
    {
        const tb::CScratchFolder scratch;
        pfnRun(*this, applet, scratch.Path());
    }
    resourcesCurrent = 0;
    return S_OK;
}
