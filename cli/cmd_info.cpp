// info: a widget file's catalogue data, read through any installed component.

#include <cstdio>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"
#include "platform/core/numfmt.h"

namespace tb::cli {

int RunInfo(const CliArgs& args) {
    CWidgetSession session;
    std::string error;
    if (!session.Open(args.positional[0], false, &error))
        return Fail(error);
    struct Field {
        const char* pszName;
        DISPID dispid;
    };
    const Field kFields[] = {{"ProgID", dispidProgID},
                             {"Title", dispidTitle},
                             {"Description", dispidDescription},
                             {"PreviewPath", dispidPreviewPath}};
    for (const Field& f : kFields) {
        std::string value;
        if (!session.GetString(f.dispid, &value, &error))
            return Fail(error);
        std::printf("%s: %s\n", f.pszName, value.c_str());
    }
    VARIANT date;
    HRESULT hr = session.Driver().GetProperty(dispidLastUpdateTime, VT_DATE, &date);
    if (FAILED(hr))
        return Fail("LastUpdateTime: " + DescribeFailure(hr, session.Driver().LastException()));
    std::printf("LastUpdateTime: %s\n", FormatFixed9(date.date).c_str());
    // Only a design of the reading component has the switch; a component without the member
    // simply has no such line.
    VARIANT player;
    if (session.ReadByOwner() &&
        SUCCEEDED(session.Driver().GetProperty(dispidPlayer, VT_BOOL, &player)))
        std::printf("Player: %s\n", player.boolVal != VARIANT_FALSE ? "on" : "off");
    return 0;
}

} // namespace tb::cli
