#include "component/preview.h"

#include <filesystem>
#include <system_error>

#include "component/brisko.h"
#include "component/briskoids.h"
#include "component/browserlist.h"
#include "component/componentstate.h"
#include "designer/core/commandids.h"
#include "model/filecompare.h"
#include "model/gatherfiles.h"
#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

// Specified browsers are numbered after the known ones and the separator between them.
unsigned FirstSpecifiedId(const BrowserList& browsers) {
    return ID_BROWSER_FIRST + unsigned(browsers.knownCount()) + 1;
}

bool CopyScriptPlayer(const std::string& strFolder) {
    const std::string source = JoinPath(ComponentFolder(), kScriptPlayerFile);
    return !ComponentFolder().empty() && FileExists(source) &&
           CopyFileAtomically(source, JoinPath(strFolder, kScriptPlayerFile));
}

} // namespace

std::vector<CBrowserMenuItem> BrowserMenuItems(const BrowserList& browsers) {
    std::vector<CBrowserMenuItem> items;
    for (int i = 0; i < browsers.knownCount(); ++i)
        items.push_back({ID_BROWSER_FIRST + unsigned(i), browsers.knownName(i)});
    if (browsers.specifiedCount() > 0) {
        items.push_back({});
        const unsigned first = FirstSpecifiedId(browsers);
        for (int j = 0; j < browsers.specifiedCount(); ++j)
            items.push_back({first + unsigned(j), browsers.specifiedName(j)});
    }
    return items;
}

std::string BrowserProgram(const BrowserList& browsers, unsigned nId) {
    if (nId < ID_BROWSER_FIRST)
        return {};
    const unsigned i = nId - ID_BROWSER_FIRST;
    if (i < unsigned(browsers.knownCount()))
        return browsers.knownPath(int(i));
    const unsigned first = FirstSpecifiedId(browsers);
    if (nId < first)
        return {};
    return browsers.specifiedPath(int(nId - first));
}

std::string PreviewPageText(CBrisko& widget, bool bWithPlayer) {
    // The preview reads its files from its own folder, so the applet gets no codebase.
    const std::string previewPath = widget.GetDescriptionEntry(kDescPreviewPath);
    widget.SetDescriptionEntry(kDescPreviewPath, "");
    const std::string html = widget.GetHTMLBody(HtmlMode::Preview);
    widget.SetDescriptionEntry(kDescPreviewPath, previewPath);

    std::string page = "<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n";
    if (bWithPlayer)
        page += std::string("<script src=\"") + kScriptPlayerFile + "\"></script>\r\n";
    page += "<BODY>\r\n";
    page += html;
    page += "\r\n</BODY>\r\n</HTML>";
    return page;
}

std::string WritePreviewPage(CBrisko& widget, const std::string& strFolder) {
    std::error_code ec;
    if (!strFolder.empty())
        std::filesystem::create_directories(strFolder, ec);
    const std::string page = JoinPath(strFolder, kPreviewPageName);
    bool bWritten = false;
    if (!strFolder.empty() && DirectoryExists(strFolder)) {
        widget.applet.GatherFiles(strFolder + "/", GatherMode::CopyOnly, ComponentFolder(),
                                  nullptr);
        // A design that plays in current browsers loads the player itself, and gathering has
        // copied it.
        const bool bPlayer = widget.applet.m_bPlayer == 0 && CopyScriptPlayer(strFolder);
        bWritten = WriteFileAtomically(page, PreviewPageText(widget, bPlayer));
    }
    if (!bWritten) {
        Ui().MessageBox("Preview Failure!", kDesignerCaption, MbButtons::OK, MbIcon::Error);
        return {};
    }
    return page;
}

bool PreviewInBrowser(CBrisko& widget, const std::string& strFolder, unsigned nCommand,
                      const BrowserList& browsers) {
    std::string program;
    if (nCommand != ID_PREVIEW) {
        program = BrowserProgram(browsers, nCommand);
        if (program.empty())
            return false;
    }
    const std::string page = WritePreviewPage(widget, strFolder);
    if (page.empty())
        return false;
    if (program.empty())
        Ui().OpenDocument(page);
    else
        Ui().StartProgram(program, {page});
    return true;
}

} // namespace tb
