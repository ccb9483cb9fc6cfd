#pragma once
// The most recently used widget files, newest first, kept in the profile section
// "Recent File List" as "File1", "File2", ... so that the list survives the program.

#include <string>
#include <vector>

namespace tb {

class CRecentFileList {
public:
    explicit CRecentFileList(size_t nSize = 4) : m_nSize(nSize) {}

    // Puts path first, taking it out of where it stood; the oldest entry beyond the size goes.
    void Add(const std::string& path);
    void Remove(size_t nIndex);
    const std::vector<std::string>& Entries() const { return m_entries; }
    size_t Size() const { return m_nSize; }

    // From and to the profile; an empty entry ends nothing, it is only skipped.
    void ReadList();
    void WriteList() const;

private:
    size_t m_nSize;
    std::vector<std::string> m_entries;
};

} // namespace tb
