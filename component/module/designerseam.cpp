#include "component/module/designerseam.h"

#include <QApplication>

#include "component/componentstate.h"
#include "designer/ui/designerdialog.h"
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
    } else {
        SetRunDesigner(nullptr);
    }
}

} // namespace tb
