#include "component/widgetconfig.h"

#include "platform/core/numfmt.h"

namespace {

template <class T, class Field>
std::string FieldAt(const std::vector<T>& items, int nIndex, Field field) {
    if (nIndex < 0 || static_cast<size_t>(nIndex) >= items.size())
        return std::string();
    return items[static_cast<size_t>(nIndex)].*field;
}

} // namespace

std::string WidgetConfig::GetDescription(std::string_view key) {
    if (const std::string* value = m_mapDescription.Find(key))
        return *value;
    m_mapDescription.Set(key, std::string());
    return std::string();
}

std::string WidgetConfig::PeekDescription(std::string_view key) const {
    return m_mapDescription.Get(key);
}

bool WidgetConfig::HasDescription(std::string_view key) const {
    return m_mapDescription.Contains(key);
}

void WidgetConfig::SetDescription(std::string_view key, std::string_view value) {
    m_mapDescription.Set(key, std::string(value));
}

double WidgetConfig::GetLastUpdateTime() {
    return tb::AtoF(GetDescription(tb::kDescLastUpdateTime));
}

void WidgetConfig::SetLastUpdateTime(double date) {
    SetDescription(tb::kDescLastUpdateTime, tb::FormatFixed9(date));
}

std::string WidgetConfig::GetResourceName(int nIndex) const {
    return FieldAt(m_arrResources, nIndex, &ResourceEntry::Name);
}

std::string WidgetConfig::GetResourceLocalPath(int nIndex) const {
    return FieldAt(m_arrResources, nIndex, &ResourceEntry::LocalPath);
}

std::string WidgetConfig::GetResourceWebPath(int nIndex) const {
    return FieldAt(m_arrResources, nIndex, &ResourceEntry::WebPath);
}

std::string WidgetConfig::GetResourceLocalPathByName(std::string_view name) const {
    for (const ResourceEntry& entry : m_arrResources)
        if (entry.Name == name)
            return entry.LocalPath;
    return std::string();
}

void WidgetConfig::SetResourceLocalPath(std::string_view localPath) {
    for (ResourceEntry& entry : m_arrResources)
        entry.LocalPath = localPath;
}

std::string WidgetConfig::GetSegmentPosition(int nIndex) const {
    return FieldAt(m_arrSegments, nIndex, &HtmlSegment::Position);
}

std::string WidgetConfig::GetSegmentBody(int nIndex) const {
    return FieldAt(m_arrSegments, nIndex, &HtmlSegment::Body);
}

bool WidgetConfig::SameContent(const WidgetConfig& other) const {
    return m_mapDescription.SameEntries(other.m_mapDescription) &&
           m_mapParameters.SameEntries(other.m_mapParameters) &&
           m_arrResources == other.m_arrResources && m_arrSegments == other.m_arrSegments;
}
