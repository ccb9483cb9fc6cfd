// html and resources: what a host asks of a widget before it puts it into a page.

#include <cstdio>

#include "cli/clicommand.h"
#include "cli/widgetdispids.h"
#include "cli/widgetsession.h"
#include "platform/core/asciitext.h"

namespace tb::cli {

int RunHtml(const CliArgs& args) {
    short nMode = 0;
    CWidgetSession session;
    if (!OpenOwnWidget(args, &session, &nMode))
        return 1;
    auto it = args.options.find("--preview-path");
    if (it != args.options.end()) {
        HRESULT hr = session.Driver().SetProperty(dispidPreviewPath, VariantString(it->second));
        if (FAILED(hr))
            return Fail("PreviewPath: " + DescribeFailure(hr, session.Driver().LastException()));
    }
    std::string body;
    std::string error;
    if (!session.CallString(dispidGetHTMLBody, &body, &error, 0, nMode, 2))
        return Fail(error);
    std::fwrite(body.data(), 1, body.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the HTML");
}

int RunResources(const CliArgs& args) {
    CWidgetSession session;
    if (!OpenOwnWidget(args, &session))
        return 1;
    tb::DispResult count = session.Driver().CallMethod(dispidGetResourceNumber, VT_I2);
    if (!count.ok())
        return Fail("GetResourceNumber: " +
                    DescribeFailure(count.hr, session.Driver().LastException()));
    // The count is 16-bit on the interface; read it back as unsigned.
    const int n = static_cast<uint16_t>(count.value.iVal);
    std::string error;
    for (int i = 0; i < n; ++i) {
        std::string name;
        std::string local;
        std::string web;
        const short index = static_cast<short>(i);
        if (!session.CallString(dispidGetResourceName, &name, &error, index, 0, 1) ||
            !session.CallString(dispidGetResourceLocalPath, &local, &error, index, 0, 1) ||
            !session.CallString(dispidGetResourceWebPath, &web, &error, index, 0, 1))
            return Fail(error);
        // One line per file, whatever the names hold.
        std::printf("%s\t%s\t%s\n", EscapeControlCharacters(name).c_str(),
                    EscapeControlCharacters(local).c_str(), EscapeControlCharacters(web).c_str());
    }
    return 0;
}

} // namespace tb::cli
