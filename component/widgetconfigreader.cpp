// Reading a widget file. The readers are deliberately forgiving in the ways widget files have
// always been read (any letter case in markers, missing lines, odd line ends), and merge into
// the record instead of replacing it.

#include "component/linereader.h"
#include "component/widgetconfig.h"
#include "component/widgetmarkers.h"

#include "platform/core/asciitext.h"
#include "platform/core/filedescriptor.h"
#include "platform/core/numfmt.h"

#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using tb::CLineReader;

// A line split at its first '=' into a trimmed key and value; false when there is no '='.
bool SplitKey(std::string_view line, std::string_view& key, std::string_view& value) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = tb::TrimCSpace(line.substr(0, equals));
    value = tb::TrimCSpace(line.substr(equals + 1));
    return true;
}

// The 16-bit count a "... Number = n" line carries: C atoi, truncated as the file's counts are.
size_t ReadCount(std::string_view value) {
    return static_cast<uint16_t>(static_cast<uint32_t>(tb::AtoI(value)));
}

// One stream of lines shared by the four part readers.
class CPartStream {
public:
    explicit CPartStream(CLineReader& reader) : m_reader(reader) {}

    std::string_view Line() const { return m_line; }
    bool Next() { return m_reader.ReadLine(m_line); }
    bool LineIs(std::string_view marker) const { return tb::EqualsNoCase(m_line, marker); }

    // Reads lines until one matches the marker; false when the stream ends first.
    bool SkipTo(std::string_view marker) {
        while (Next())
            if (LineIs(marker))
                return true;
        return false;
    }
    // The same, starting with the current line.
    bool SkipFromCurrentTo(std::string_view marker) { return LineIs(marker) || SkipTo(marker); }

    // Reads lines until one whose key matches name in any case; false when the stream ends.
    bool SkipToKey(std::string_view name, std::string_view& value) {
        while (Next())
            if (CurrentKeyIs(name, value))
                return true;
        return false;
    }
    bool CurrentKeyIs(std::string_view name, std::string_view& value) const {
        std::string_view key;
        return SplitKey(m_line, key, value) && tb::EqualsNoCase(key, name);
    }

private:
    CLineReader& m_reader;
    std::string_view m_line; // valid until the next line is read
};

void ReadMapPart(CPartStream& in, tb::CHashOrderMap& map, std::string_view begin,
                 std::string_view end) {
    if (!in.SkipTo(begin) || !in.Next())
        return;
    while (!in.LineIs(end)) {
        std::string_view key, value;
        if (SplitKey(in.Line(), key, value))
            map.Set(key, std::string(value));
        if (!in.Next())
            return;
    }
}

// Name=LocalPath=WebPath: the first '=' ends the Name, the last begins the WebPath, so only
// the LocalPath can hold an '='.
void ParseResourceLine(std::string_view line, ResourceEntry& entry) {
    size_t first = line.find('=');
    size_t last = line.rfind('=');
    entry.Name = tb::TrimCSpace(line.substr(0, first));
    if (first == last) {
        entry.LocalPath = tb::TrimCSpace(line.substr(first + 1));
        entry.WebPath.clear();
    } else {
        entry.LocalPath = tb::TrimCSpace(line.substr(first + 1, last - first - 1));
        entry.WebPath = tb::TrimCSpace(line.substr(last + 1));
    }
}

void ReadResourcePart(CPartStream& in, std::vector<ResourceEntry>& resources) {
    std::string_view value;
    if (!in.SkipTo(tb::kMarkerResourceBegin) || !in.SkipToKey("Resource Number", value))
        return;
    size_t count = ReadCount(value);
    if (count > 0)
        resources.resize(count);
    if (!in.Next())
        return;
    for (size_t i = 0;; ++i) {
        if (i >= count) {
            in.SkipFromCurrentTo(tb::kMarkerResourceEnd);
            return;
        }
        while (in.Line().find('=') == std::string_view::npos)
            if (!in.Next())
                return;
        ParseResourceLine(in.Line(), resources[i]);
        if (!in.Next())
            return;
    }
}

void ReadHtmlPart(CPartStream& in, std::vector<HtmlSegment>& segments) {
    std::string_view value;
    if (!in.SkipTo(tb::kMarkerHtmlBegin) || !in.SkipToKey("Segment Number", value))
        return;
    size_t count = ReadCount(value);
    if (count > 0)
        segments.resize(count);
    if (!in.Next())
        return;
    for (size_t i = 0; i < count; ++i) {
        while (!in.CurrentKeyIs("Segment Position", value))
            if (!in.Next())
                return;
        HtmlSegment& segment = segments[i];
        segment.Position = value;
        segment.Body.clear();
        for (;;) {
            if (!in.Next())
                return;
            if (in.LineIs(tb::kMarkerSegmentEnd))
                break;
            segment.Body += in.Line();
            segment.Body += "\r\n";
        }
        if (!in.Next())
            return;
    }
    in.SkipFromCurrentTo(tb::kMarkerHtmlEnd);
}

} // namespace

void WidgetConfig::ReadFrom(tb::CLineReader& reader) {
    CPartStream in(reader);
    ReadMapPart(in, m_mapDescription, tb::kMarkerDescriptionBegin, tb::kMarkerDescriptionEnd);
    ReadMapPart(in, m_mapParameters, tb::kMarkerParameterBegin, tb::kMarkerParameterEnd);
    ReadResourcePart(in, m_arrResources);
    ReadHtmlPart(in, m_arrSegments);
}

void WidgetConfig::ReadText(std::string_view text) {
    tb::CLineReader reader(text);
    ReadFrom(reader);
}

bool WidgetConfig::Read(const std::string& path) {
    // Non-blocking open and a type check, so a folder, a pipe or a device named like a
    // widget file is refused at once instead of hanging or reading forever.
    tb::CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (!fd.IsOpen() || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    tb::CLineReader reader(fd.Get());
    ReadFrom(reader);
    return !reader.Failed();
}
