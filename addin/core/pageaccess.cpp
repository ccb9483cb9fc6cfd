#include "addin/core/pageaccess.h"

#include "addin/core/addinmessages.h"
#include "addin/core/widgetpaths.h"
#include "platform/core/asciitext.h"

namespace tb::addin {

using namespace tb::host;

namespace {

constexpr const char* kNoPage = "No page is open.";

} // namespace

IHTMLDocument2* ActiveDocument(IPageEditorApplication& application, bool showErrors) {
    IHTMLDocument2* document = application.ActiveDocument();
    if (!document && showErrors)
        ShowError(kNoPage);
    return document;
}

bool IsInsertable(IPageEditorApplication& application) {
    IPageWindow* window = application.ActivePageWindow();
    if (!window) {
        ShowError(kNoPage);
        return false;
    }
    if (window->Address().starts_with(kUnsavedScheme)) {
        ShowMessage(kMsgSaveFirst, MbButtons::OK, MbIcon::Information);
        return false;
    }
    if (window->ViewMode() == ViewModeNormal)
        return true;
    if (ShowMessage(std::string(kMsgSwitchToDesign) + "\r\n" + kMsgSwitchNow, MbButtons::YesNo,
                    MbIcon::Question) != IDYES)
        return false;
    if (!window->SetViewMode(ViewModeNormal)) {
        ShowError(application.LastErrorDescription());
        return false;
    }
    return true;
}

std::string GetTsqFile(IPageEditorApplication& application, bool showErrors) {
    IHTMLDocument2* document = ActiveDocument(application, showErrors);
    if (!document || EqualsNoCase(document->selection().type(), kSelectionNone))
        return {};
    const std::unique_ptr<IHTMLElement> element = document->activeElement();
    return element ? WidgetFileFromId(element->id()) : std::string();
}

std::string GetCurrentFilePath(IPageEditorApplication& application, bool showErrors) {
    IHTMLDocument2* document = ActiveDocument(application, showErrors);
    return document ? PageFolderFromPathname(document->location().pathname) : std::string();
}

} // namespace tb::addin
