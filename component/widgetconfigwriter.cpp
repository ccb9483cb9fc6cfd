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

// The file's bytes appended to out; flush(out) is offered the text after every entry and
// may hand it on and empty it, so the whole file need not lie in memory at once.
template <class Flush> bool WidgetConfig::AppendText(std::string& out, Flush flush) const {
    auto append = [&](const tb::CHashOrderMap& map, std::string_view begin, std::string_view end) {
        AppendLine(out, begin);
        for (const auto& [key, value] : map) {
            AppendOneLine(out, key);
            out += " = ";
            AppendOneLine(out, value);
            out += kCrLf;
            if (!flush(out))
                return false;
        }
        AppendLine(out, end);
        out += kCrLf;
        return true;
    };
    if (!append(m_mapDescription, tb::kMarkerDescriptionBegin, tb::kMarkerDescriptionEnd) ||
        !append(m_mapParameters, tb::kMarkerParameterBegin, tb::kMarkerParameterEnd))
        return false;

    AppendLine(out, tb::kMarkerResourceBegin);
    AppendCountLine(out, "Resource Number", m_arrResources.size());
    for (const ResourceEntry& entry : m_arrResources) {
        AppendOneLine(out, entry.Name);
        out += '=';
        AppendOneLine(out, entry.LocalPath);
        out += '=';
        AppendOneLine(out, entry.WebPath);
        out += kCrLf;
        if (!flush(out))
            return false;
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
        if (!flush(out))
            return false;
    }
    AppendLine(out, tb::kMarkerHtmlEnd);
    out += kCrLf;
    return true;
}

std::string WidgetConfig::WriteText() const {
    std::string out;
    size_t nSize = 512 + MapPartSize(m_mapDescription) + MapPartSize(m_mapParameters);
    for (const ResourceEntry& entry : m_arrResources)
        nSize += entry.Name.size() + entry.LocalPath.size() + entry.WebPath.size() + 4;
    for (const HtmlSegment& segment : m_arrSegments)
        nSize += segment.Position.size() + segment.Body.size() + 48;
    out.reserve(nSize);
    AppendText(out, [](std::string&) { return true; });
    return out;
}

bool WidgetConfig::Write(const std::string& path, std::string* pWhy) const {
    // Written in pieces that stay in the processor's cache: building a large file whole
    // first cost several times the writing itself.
    constexpr size_t kPiece = 256 << 10;
    return tb::WriteFileAtomicallyFrom(
        path,
        [this](const tb::ByteEmitter& emit) {
            std::string piece;
            piece.reserve(kPiece + 1024);
            auto flush = [&emit](std::string& out) {
                if (out.size() < kPiece)
                    return true;
                const bool bWritten = emit(out);
                out.clear();
                return bWritten;
            };
            return AppendText(piece, flush) && emit(piece);
        },
        pWhy);
}
