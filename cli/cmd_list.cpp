// list: the installed widget components, found as hosts find them (the category).

#include <cstdio>
#include <vector>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"
#include "platform/com/catmgr.h"
#include "platform/com/comruntime.h"

namespace tb::cli {

int RunList(const CliArgs&) {
    const CATID catid = MakeGuid(kWidgetCategory);
    std::vector<CLSID> classes;
    HRESULT hr = EnumClassesOfCategories(std::span<const CATID>(&catid, 1), &classes);
    if (FAILED(hr))
        return Fail("cannot read the registry: " + DescribeFailure(hr, LastComErrorText()));
    for (const CLSID& clsid : classes) {
        std::string progID;
        std::string path;
        ProgIDFromCLSID(clsid, &progID);
        InProcServerPath(clsid, &path);
        std::printf("%s\t%s\t%s\n", GuidToString(clsid).c_str(), progID.c_str(), path.c_str());
    }
    return 0;
}

} // namespace tb::cli
