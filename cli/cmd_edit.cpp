// edit: the designer on a widget file, with the file saved when the designer closes, as the
// workbench's Configure and Save do. It makes the application the designer's windows need.

#include <QApplication>

#include <cstdlib>
#include <memory>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"
#include "platform/com/variant.h"
#include "platform/core/autodate.h"
#include "platform/core/paths.h"

namespace tb::cli {

namespace {

bool HaveDisplay() {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// Opens the file in our component, or a new design when the file does not exist yet.
bool OpenForEditing(const std::string& path, CWidgetSession* session) {
    std::string error;
    const bool bOpened =
        FileExists(path) ? session->Open(path, false, &error) : session->OpenNew(&error);
    if (!bOpened) {
        Fail(error);
        return false;
    }
    if (FileExists(path) && session->FileProgID() != kDefaultWidgetProgID) {
        Fail("the widget file " + path + " belongs to another component (" + session->FileProgID() +
             ")");
        return false;
    }
    return true;
}

// The workbench's Save: our ProgID, the time of saving, then the file.
int Save(CWidgetSession& session, const std::string& path) {
    COleDispatchDriver& widget = session.Driver();
    widget.SetProperty(dispidProgID, VariantString(kDefaultWidgetProgID));
    widget.SetProperty(dispidLastUpdateTime, VariantDate(CurrentAutomationDate()));
    const DispResult r = widget.CallMethod(dispidWriteConfigFile, VT_BOOL, path);
    if (!r.ok())
        return Fail("WriteConfigFile: " + DescribeFailure(r.hr, widget.LastException()));
    if (r.value.boolVal == VARIANT_FALSE)
        return Fail("cannot write the widget file " + path);
    return 0;
}

} // namespace

int RunEdit(const CliArgs& args) {
    const std::string& path = args.positional[0];
    const bool bSave = args.options.count("--no-save") == 0;

    // Windows need a display; without one Qt would end the program on the spot.
    static int argc = 1;
    static char name[] = "tessera";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QApplication> pApp;
    if (!QCoreApplication::instance()) {
        if (!HaveDisplay())
            return Fail("edit shows the designer and needs a display (DISPLAY or "
                        "WAYLAND_DISPLAY)");
        pApp = std::make_unique<QApplication>(argc, argv);
    }
    // The component is made after the application, so that it brings its designer.
    CWidgetSession session;
    if (!OpenForEditing(path, &session))
        return 1;
    const DispResult r = session.Driver().CallMethod(dispidConfig, VT_BOOL);
    if (!r.ok())
        return Fail("Config: " + DescribeFailure(r.hr, session.Driver().LastException()));
    return bSave ? Save(session, path) : 0;
}

} // namespace tb::cli
