// save: read a widget file and write it again through its component.

#include <cstdio>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"

namespace tb::cli {

int RunSave(const CliArgs& args) {
    short nMode = 0;
    CWidgetSession session;
    if (!OpenOwnWidget(args, &session, &nMode))
        return 1;
    const std::string& out = args.positional[1];
    tb::DispResult r = session.Driver().CallMethod(dispidWriteConfigFileEx, VT_BOOL, out, nMode);
    if (!r.ok())
        return Fail("WriteConfigFileEx: " +
                    DescribeFailure(r.hr, session.Driver().LastException()));
    if (r.value.boolVal == VARIANT_FALSE)
        return Fail("cannot write the widget file " + out);
    return 0;
}

} // namespace tb::cli
