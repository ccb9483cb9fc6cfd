// Writing a widget file: the four parts in their fixed layout, every line ending in CR LF.

#include "component/widgetconfig.h"
#include "component/widgetmarkers.h"
#include "platform/core/atomicfile.h"

#include "platform/core/numfmt.h"

#include <cstring>

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Keys, values, file entries and positions are one line each in the file. A line break inside
// one would end the entry early and let the rest pass for other entries or even for a part's
// end marker, so each break (CR LF, CR or LF) is written as a single blank instead.
void AppendOneLine(std::string& out, std::string_view text) {
    // Texts almost never hold a break: two quick scans find that out.
    if (!std::memchr(text.data(), '\r', text.size()) &&
        !std::memchr(text.data(), '\n', text.size())) {
        out += text;
        return;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
}

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kCrLf;
}

void AppendMapPart(std::string& out, const tb::CHashOrderMap& map, std::string_view begin,
                   std::string_view end) {
    AppendLine(out, begin);
    for (const auto& [key, value] : map) {
        AppendOneLine(out, key);
        out += " = ";
        AppendOneLine(out, value);
        out += kCrLf;
    }
    AppendLine(out, end);
    out += kCrLf;
}

// "<name> = <count>": counts are 16-bit in the file.
void AppendCountLine(std::string& out, std::string_view name, size_t count) {
    out += name;
    out += " = ";
    tb::AppendInt(out, static_cast<long long>(count % 65536));
    out += kCrLf;
}

// The bytes the map's lines take (more when a text holds a line break, which is rare).
size_t MapPartSize(const tb::CHashOrderMap& map) {
    size_t nBytes = 0;
    for (const auto& [key, value] : map)
        nBytes += key.size() + value.size() + 5;
    return nBytes;
}

} // namespace

std::string WidgetConfig::WriteText() const {
    std::string out;
    size_t nSize = 512 + MapPartSize(m_mapDescription) + MapPartSize(m_mapParameters);
    for (const ResourceEntry& entry : m_arrResources)
        nSize += entry.Name.size() + entry.LocalPath.size() + entry.WebPath.size() + 4;
    for (const HtmlSegment& segment : m_arrSegments)
        nSize += segment.Position.size() + segment.Body.size() + 48;
    out.reserve(nSize);
    AppendMapPart(out, m_mapDescription, tb::kMarkerDescriptionBegin, tb::kMarkerDescriptionEnd);
    AppendMapPart(out, m_mapParameters, tb::kMarkerParameterBegin, tb::kMarkerParameterEnd);

    AppendLine(out, tb::kMarkerResourceBegin);
    AppendCountLine(out, "Resource Number", m_arrResources.size());
    for (const ResourceEntry& entry : m_arrResources) {
        AppendOneLine(out, entry.Name);
        out += '=';
        AppendOneLine(out, entry.LocalPath);
        out += '=';
        AppendOneLine(out, entry.WebPath);
        out += kCrLf;
    }
    AppendLine(out, tb::kMarkerResourceEnd);
    out += kCrLf;

    AppendLine(out, tb::kMarkerHtmlBegin);
    AppendCountLine(out, "Segment Number", m_arrSegments.size());
    for (const HtmlSegment& segment : m_arrSegments) {
        out += "Segment Position = ";
        AppendOneLine(out, segment.Position);
        out += kCrLf;
        out += segment.Body;
        AppendLine(out, tb::kMarkerSegmentEnd);
    }
    AppendLine(out, tb::kMarkerHtmlEnd);
    out += kCrLf;
    return out;
}

bool WidgetConfig::Write(const std::string& path, std::string* pWhy) const {
    return tb::WriteFileAtomically(path, WriteText(), pWhy);
}
