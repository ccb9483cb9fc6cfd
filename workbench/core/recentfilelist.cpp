#include "workbench/core/recentfilelist.h"

#include <algorithm>

#include "platform/profile/profile.h"

namespace tb {

namespace {

const char kSection[] = "Recent File List";

std::string EntryName(size_t nIndex) {
    return "File" + std::to_string(nIndex + 1);
}

} // namespace

void CRecentFileList::Add(const std::string& path) {
    if (path.empty())
        return;
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), path), m_entries.end());
    m_entries.insert(m_entries.begin(), path);
    if (m_entries.size() > m_nSize)
        m_entries.resize(m_nSize);
}

void CRecentFileList::Remove(size_t nIndex) {
    if (nIndex < m_entries.size())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(nIndex));
}

void CRecentFileList::ReadList() {
    m_entries.clear();
    for (size_t i = 0; i < m_nSize; ++i) {
        const std::string path = GetProfileString(kSection, EntryName(i));
        if (!path.empty() && std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end())
            m_entries.push_back(path);
    }
}

void CRecentFileList::WriteList() const {
    for (size_t i = 0; i < m_nSize; ++i)
        WriteProfileString(kSection, EntryName(i), i < m_entries.size() ? m_entries[i] : "");
}

} // namespace tb
