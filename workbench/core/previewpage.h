#pragma once
// The page a preview pane shows for a widget: the widget's current state written into the
// work folder ("preview.tsq", with the files its HTML needs beside it), and "preview.htm"
// around the widget's preview HTML, loading the script player copied from the component's
// folder so that current browsers play the buttons.

#include <string>

namespace tb {

class CTessera;

// The script player the component ships in its folder, copied beside every preview page.
inline constexpr char kPreviewPlayerFile[] = "tlwbtn.js";

// Writes the page into workFolder (made when missing) and returns its path; "" without a
// widget, without a work folder, or when the page cannot be written. The widget's
// PreviewPath is empty while its HTML is made, and as before afterwards.
std::string BuildPreviewPage(CTessera* pTessera, const std::string& workFolder);

// The page's bytes for the three segments, the player line after the title unless the
// cursor segment loads the player itself.
std::string PreviewPageText(const std::string& style, const std::string& script,
                            const std::string& cursor);

} // namespace tb
