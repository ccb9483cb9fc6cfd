#include "addin/core/widgetpaths.h"

#include <charconv>
#include <utility>

#include "platform/core/asciitext.h"
#include "platform/core/paths.h"

namespace tb::addin {

std::string PageFolderFromPathname(const std::string& pathname) {
    const size_t slash = pathname.rfind('/');
    return slash == std::string::npos ? pathname : pathname.substr(0, slash + 1);
}

std::string WidgetFileFromId(const std::string& id) {
    const std::string prefix = kWidgetIdPrefix;
    if (!StartsWithNoCase(id, prefix) || id.size() <= prefix.size())
        return {};
    return ToNativeSeparators(id.substr(prefix.size() + 1));
}

std::string NewWidgetFileName(const std::string& timeText, const std::string& progId) {
    return std::string(kWidgetFolderName) + "/" + timeText + "_" + progId + ".tsq";
}

std::string AutomationDateText(double date) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, date, std::chars_format::general, 15);
    return std::string(text, result.ptr);
}

std::string PlaceWidgetId(const std::string& html, const std::string& relativeFile) {
    const std::string folded = FoldCase(html);
    const std::string id = std::string(" id=\"") + kWidgetIdPrefix + ":" + relativeFile + "\"";
    struct CTag {
        size_t at;
        const char* text;
    };
    CTag tags[] = {{folded.find("<applet"), "<applet"}, {folded.find("<object"), "<object"}};
    // The later tag first, so that the earlier one's position stays valid.
    if (tags[0].at != std::string::npos && tags[1].at != std::string::npos &&
        tags[0].at < tags[1].at)
        std::swap(tags[0], tags[1]);
    std::string placed = html;
    for (const CTag& tag : tags)
        if (tag.at != std::string::npos)
            placed.replace(tag.at, 7, tag.text + id);
    return placed;
}

} // namespace tb::addin
