#include "component/module/designerseam.h"

#include <QApplication>

#include "component/componentstate.h"
#include "designer/ui/designerdialog.h"
#include "designer/ui/dlgcopyresources.h"
#include "platform/ui/qt/qtuiservices.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

// The module has its own copy of the platform's UiServices; with a display its messages are
// shown as the desktop's message boxes rather than written to stderr.
void UseDesktopDialogs() {
    static QtUiServices desktop;
    static bool bInstalled = false;
    if (!bInstalled) {
        SetUi(&desktop);
        bInstalled = true;
    }
}

} // namespace

void InstallDesignerIfGui() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        UseDesktopDialogs();
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
