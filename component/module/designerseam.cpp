#include "component/module/designerseam.h"

#include "component/componentstate.h"
#include "designer/ui/designerdialog.h"
#include "designer/ui/dlgcopyresources.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/uiservices.h"

namespace tb {

void InstallDesignerIfGui() {
    if (UseDesktopDialogsIfGui()) {
        SetRunDesigner(&RunDesignerDialog);
        // Colliding media files are the user's to rename; without a display they keep
        // their references.
        static CCopyResourcesDialogHandler copyResources;
        SetCopyResourcesHandler(&copyResources);
    } else {
        SetRunDesigner(nullptr);
        SetCopyResourcesHandler(nullptr);
    }
}

} // namespace tb
