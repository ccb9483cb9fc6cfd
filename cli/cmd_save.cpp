// save: read a widget file and write it again through its component.

#include <cstdio>
#include <optional>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"

namespace tb::cli {

namespace {

// --player on|off: absent leaves the design's own choice. False after a message.
bool PlayerOption(const CliArgs& args, std::optional<bool>* pbPlayer) {
    const auto it = args.options.find("--player");
    if (it == args.options.end())
        return true;
    if (it->second != "on" && it->second != "off") {
        Fail("--player must be on or off, not \"" + it->second + "\"");
        return false;
    }
    *pbPlayer = it->second == "on";
    return true;
}

} // namespace

int RunSave(const CliArgs& args) {
    short nMode = 0;
    std::optional<bool> bPlayer;
    if (!PlayerOption(args, &bPlayer))
        return 1;
    CWidgetSession session;
    if (!OpenOwnWidget(args, &session, &nMode))
        return 1;
    if (bPlayer) {
        const HRESULT hr = session.Driver().SetProperty(dispidPlayer, VariantBool(*bPlayer));
        if (FAILED(hr))
            return Fail("Player: " + DescribeFailure(hr, session.Driver().LastException()));
    }
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
