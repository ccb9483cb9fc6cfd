#pragma once
// The design window's Preview command without its window: the preview page with the applet
// HTML, the files it needs next to it, and the browser it is opened in. Messages and the
// opening go through UiServices.

#include <string>
#include <vector>

class BrowserList;
class CBrisko;

namespace tb {

// The page the browser is pointed at, in the scratch folder.
inline constexpr char kPreviewPageName[] = "preview.htm";
// The caption of the designer's messages.
inline constexpr char kDesignerCaption[] = "Button Properties";

// One entry of the Preview button's drop-down: a browser with its command number, or a
// separator (number 0).
struct CBrowserMenuItem {
    unsigned nId = 0;
    std::string strName;
    bool IsSeparator() const { return nId == 0; }
    friend bool operator==(const CBrowserMenuItem&, const CBrowserMenuItem&) = default;
};

// The known browsers from ID_BROWSER_FIRST on; then, only when there are any, a separator
// and the browsers the user specified, numbered from one past the separator's place.
std::vector<CBrowserMenuItem> BrowserMenuItems(const BrowserList& browsers);

// The program of a browser command number, or "" when the number names no browser.
std::string BrowserProgram(const BrowserList& browsers, unsigned nId);

// The preview page for the design as it is now: the applet element in preview mode without a
// codebase (with the script player's line after it when the design plays in current
// browsers), and the player's line in the head when bWithPlayer.
std::string PreviewPageText(CBrisko& widget, bool bWithPlayer);

// Writes the preview page into strFolder (created as needed) with the applet class file, the
// design's media and, when the program folder has it, the script player next to it; the page
// loads the player once, from the design's own line or else from its head. The page's path,
// or "" after "Preview Failure!" has been shown.
std::string WritePreviewPage(CBrisko& widget, const std::string& strFolder);

// Preview(command): writes the page and opens it, with ID_PREVIEW in the default browser,
// with a browser command number in that browser. False when no page could be written or the
// number names no browser; a browser that does not start gives no message.
bool PreviewInBrowser(CBrisko& widget, const std::string& strFolder, unsigned nCommand,
                      const BrowserList& browsers);

} // namespace tb
