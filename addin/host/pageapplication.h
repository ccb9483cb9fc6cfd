#pragma once
// The page editor as an add-in sees it: its command bars, the window of the page being
// edited with its view mode, that page's document, and a place for the add-in's settings.
// The editor owns everything; pointers are borrowed and stay valid while the add-in is
// connected (the page window and document only until the active page changes).

#include <string>

#include "addin/host/commandbars.h"
#include "addin/host/htmldocument.h"

namespace tb::host {

// The three ways a page window shows its page.
enum PageViewMode : int {
    ViewModeNormal = 1,  // the page itself, edited in place
    ViewModeHtml = 2,    // its HTML source as text
    ViewModePreview = 3, // as a browser shows it, not editable
};

// What a page window's address begins with before the page is first saved.
inline constexpr const char* kUnsavedScheme = "unsaved://";
inline constexpr const char* kUnsavedAddress = "unsaved://Untitled";

class IPageWindow {
public:
    // "unsaved://Untitled" until the page is saved, then the page's file address.
    virtual std::string Address() const = 0;
    virtual int ViewMode() const = 0;
    // False (nothing changes) for a mode outside 1..3.
    virtual bool SetViewMode(int mode) = 0;
    virtual IHTMLDocument2* Document() = 0;

protected:
    ~IPageWindow() = default;
};

class IPageEditorApplication {
public:
    virtual ICommandBars& CommandBars() = 0;
    // Null when no page is open.
    virtual IPageWindow* ActivePageWindow() = 0;
    virtual IHTMLDocument2* ActiveDocument() = 0;

    // The add-in's own settings, per user: appName is the add-in's title, section and key
    // name the value. The default comes back when nothing was saved.
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
    virtual bool SaveSetting(const std::string& appName, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // Why the last call that answered false or null failed, in words.
    virtual std::string LastErrorDescription() const = 0;

protected:
    ~IPageEditorApplication() = default;
};

} // namespace tb::host
