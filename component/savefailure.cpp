#include "component/savefailure.h"

#include "platform/core/asciitext.h"
#include "platform/ui/uiservices.h"

namespace tb {

namespace {

// The caption of the component's own messages: its name in the catalogue.
constexpr const char* kCaption = "Brisko 2.0";

} // namespace

std::string SaveFailureText(const std::string& strWidgetPath,
                            const std::vector<CopyFailure>& failures,
                            const std::string& strWriteWhy) {
    // Names may hold line breaks; each entry must stay one line.
    const std::string widget = EscapeControlCharacters(strWidgetPath);
    if (failures.empty())
        return "Cannot save the widget file " + widget + ": " + strWriteWhy;
    std::string text = "The widget file " + widget +
                       " was not saved, because these files could not be copied next to it:";
    for (const CopyFailure& f : failures) {
        text += '\n';
        text += EscapeControlCharacters(f.strSource) + " to " +
                EscapeControlCharacters(f.strTarget) + ": " + f.strWhy;
    }
    return text;
}

void ReportSaveFailure(const std::string& strWidgetPath, const std::vector<CopyFailure>& failures,
                       const std::string& strWriteWhy) {
    Ui().MessageBox(SaveFailureText(strWidgetPath, failures, strWriteWhy), kCaption, MbButtons::OK,
                    MbIcon::Warning);
}

} // namespace tb
