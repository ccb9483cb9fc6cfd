#pragma once
// The in-memory widget file (*.tsq): a Description map (identity and catalogue data), a
// Parameter map (the design's stored state), the resource files the widget's HTML needs and
// the pieces of HTML with their placement. Reading merges into what the record holds;
// writing replaces the file only when the whole new content is on disk.

#include "component/hashorder.h"

#include <string>
#include <string_view>
#include <vector>

namespace tb {
class CLineReader;

// Description keys the widget object and its hosts use.
inline constexpr std::string_view kDescProgID = "ProgID";
inline constexpr std::string_view kDescTitle = "Title";
inline constexpr std::string_view kDescDescription = "Description";
inline constexpr std::string_view kDescBitmapFileName = "BitmapFileName";
inline constexpr std::string_view kDescPreviewPath = "PreviewPath";
inline constexpr std::string_view kDescLastUpdateTime = "LastUpdateTime";
} // namespace tb

struct ResourceEntry {
    std::string Name;      // file name without folder
    std::string LocalPath; // folder the file lies in now, with a trailing separator
    std::string WebPath;   // path the page uses for it

    bool operator==(const ResourceEntry&) const = default;
};

struct HtmlSegment {
    std::string Position; // placement tag: "cursor", "style" or "script"
    std::string Body;     // HTML, lines ending in CR LF

    bool operator==(const HtmlSegment&) const = default;
};

class WidgetConfig {
public:
    // Counts are 16-bit in the file: at most this many resources or segments are read.
    static constexpr size_t kMaxFileCount = 65535;

    // --- Description part
    // The entry's value; a missing entry is created empty, so the next write lists it.
    std::string GetDescription(std::string_view key);
    // The entry's value or the empty string, without creating anything.
    std::string PeekDescription(std::string_view key) const;
    bool HasDescription(std::string_view key) const;
    void SetDescription(std::string_view key, std::string_view value);
    // "LastUpdateTime" as an automation date; empty or missing gives 0.0 (and creates it).
    double GetLastUpdateTime();
    // Stores the date with nine decimals ("%.9f").
    void SetLastUpdateTime(double date);
    void ClearDescription() { m_mapDescription.Clear(); }
    const tb::CHashOrderMap& Description() const { return m_mapDescription; }

    // --- Parameter part
    tb::CHashOrderMap& Parameters() { return m_mapParameters; }
    const tb::CHashOrderMap& Parameters() const { return m_mapParameters; }
    void ClearParameters() { m_mapParameters.Clear(); }

    // --- Resource part
    void ClearResources() { m_arrResources.clear(); }
    void AddResource(ResourceEntry entry) { m_arrResources.push_back(std::move(entry)); }
    int GetResourceCount() const { return static_cast<int>(m_arrResources.size()); }
    // Fields by index; an index outside the list gives the empty string.
    std::string GetResourceName(int nIndex) const;
    std::string GetResourceLocalPath(int nIndex) const;
    std::string GetResourceWebPath(int nIndex) const;
    // LocalPath of the first entry whose Name matches exactly (case-sensitive), or "".
    std::string GetResourceLocalPathByName(std::string_view name) const;
    // Sets the LocalPath of every entry.
    void SetResourceLocalPath(std::string_view localPath);
    const std::vector<ResourceEntry>& Resources() const { return m_arrResources; }

    // --- HTML part
    void ClearSegments() { m_arrSegments.clear(); }
    void AddSegment(HtmlSegment segment) { m_arrSegments.push_back(std::move(segment)); }
    int GetSegmentCount() const { return static_cast<int>(m_arrSegments.size()); }
    // Fields by index; an index outside the list gives the empty string.
    std::string GetSegmentPosition(int nIndex) const;
    std::string GetSegmentBody(int nIndex) const;
    const std::vector<HtmlSegment>& Segments() const { return m_arrSegments; }

    // --- File
    // Merges the file into the record: map entries are added or replaced, list elements
    // overwritten in place. False when the file cannot be opened (record unchanged) or
    // reading it failed part-way.
    bool Read(const std::string& path);
    // The same from bytes in memory.
    void ReadText(std::string_view text);
    void ReadFrom(tb::CLineReader& reader);

    // The file's bytes for the current record.
    std::string WriteText() const;
    // Replaces the file at path with WriteText(); on any failure the previous file stays
    // as it was, the result is false and *pWhy, when given, says why.
    bool Write(const std::string& path, std::string* pWhy = nullptr) const;

    // Every field equal; map order is not compared.
    bool SameContent(const WidgetConfig& other) const;

private:
    template <class Flush> bool AppendText(std::string& out, Flush flush) const;

    tb::CHashOrderMap m_mapDescription;
    tb::CHashOrderMap m_mapParameters;
    std::vector<ResourceEntry> m_arrResources;
    std::vector<HtmlSegment> m_arrSegments;
};
