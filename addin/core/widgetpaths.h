#pragma once
// How a page and its widgets refer to each other. A page's widget files lie in the folder
// "_tsqres" beside it; an inserted widget carries the file's path relative to the page in the
// id of its first applet or object element, after "Ambrel Widgets:".

#include <string>

namespace tb::addin {

inline constexpr const char* kWidgetFolderName = "_tsqres";
inline constexpr const char* kWidgetIdPrefix = "Ambrel Widgets";
// What a widget's HTML refers to its media through, relative to the page.
inline constexpr const char* kPagePreviewPath = "_tsqres/";

// The page's folder from its location's pathname: up to and including the last '/', or the
// whole pathname when it has none.
std::string PageFolderFromPathname(const std::string& pathname);

// The widget file named by an element id: the text after "Ambrel Widgets" (any case) and the
// one character after it; "" for any other id. A relative path written with '\' comes back
// with '/', so widgets inserted elsewhere still find their files.
std::string WidgetFileFromId(const std::string& id);

// "_tsqres/<time>_<ProgID>.tsq".
std::string NewWidgetFileName(const std::string& timeText, const std::string& progId);

// An automation date as the desktop shows a number: at most 15 significant digits, no
// trailing zeros, '.' as the point ("37000.7523148148").
std::string AutomationDateText(double date);

// The widget's HTML with id="Ambrel Widgets:<relative>" placed on its first "<applet" and its
// first "<object" (found without regard to case).
std::string PlaceWidgetId(const std::string& html, const std::string& relativeFile);

} // namespace tb::addin
