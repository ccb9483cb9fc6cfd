#pragma once
// The one message a failed save of a widget file shows: every file that could not be copied
// next to it or written, each on a line of its own with the system's reason.

#include <string>
#include <vector>

#include "model/gatherfiles.h"

namespace tb {

// The message text. failures are the copies that failed (the widget file was then not
// written); strWriteWhy, when not empty, why writing the widget file itself failed.
std::string SaveFailureText(const std::string& strWidgetPath,
                            const std::vector<CopyFailure>& failures,
                            const std::string& strWriteWhy);

// Shows SaveFailureText through the UiServices.
void ReportSaveFailure(const std::string& strWidgetPath, const std::vector<CopyFailure>& failures,
                       const std::string& strWriteWhy);

} // namespace tb
