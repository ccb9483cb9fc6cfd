#pragma once
// What the "Copy Resources" dialog decides about colliding media files, without the dialog:
// the references grouped by the exact text of their source path, one row per distinct
// source with the name its copy gets in the destination folder, the rules for renaming one
// row or all of them, and the copying with the rewriting of the references.

#include <cstdint>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace tb {

// The C library's classic generator (0 ... 32767), so that a seed always gives the same
// names whatever the platform's rand() does.
class CNameGenerator {
public:
    explicit CNameGenerator(uint32_t nSeed) : m_nState(nSeed) {}
    int Next() {
        m_nState = m_nState * 214013u + 2531011u;
        return int((m_nState >> 16) & 0x7fff);
    }

private:
    uint32_t m_nState;
};

class CResourceCopies {
public:
    enum class RenameResult { Renamed, NameUsed, FileExists };

    struct CRow {
        std::string strDestName;
        std::string strSource;
        std::vector<std::string*> references; // not owned
    };

    // A source that could not be copied, and why.
    struct CFailure {
        std::string strSource;
        std::string strWhy;
    };

    // strDestFolder ends with '/'; names are appended to it directly.
    explicit CResourceCopies(std::string strDestFolder);

    // Adds the reference under its current text; the first reference of a text makes a row.
    void AddReference(std::string* pReference);
    int ReferenceCount() const { return m_nReferences; }
    const std::string& DestFolder() const { return m_strDestFolder; }

    // One row per distinct source, in the order of their texts.
    const std::vector<CRow>& Rows();

    // Gives row nRow the destination name, unless a row has it already (the row itself
    // included), it is no plain file name (so nothing is written outside the destination
    // folder), or a file of that name is in the destination folder.
    RenameResult Rename(size_t nRow, const std::string& strName);
    // Gives every row a fresh name: base + four hexadecimal digits + extension, the digits
    // drawn from a generator seeded with nSeconds for each row, taken when no row has the
    // name and no file of the destination folder does.
    void RenameAll(std::time_t nSeconds);

    // Copies every row's source to its destination name, replacing a file of that name, and
    // points the row's references at the copy. A row whose copy failed keeps its references
    // on the source; the failures are returned in row order.
    std::vector<CFailure> CopyAll();

private:
    bool NameTaken(const std::string& strName) const;
    // Makes the rows of the references added since, keeping the names rows were given.
    void UpdateRows();

    std::string m_strDestFolder;
    std::map<std::string, std::vector<std::string*>> m_references;
    std::vector<CRow> m_rows;
    bool m_bRowsCurrent = true;
    int m_nReferences = 0;
};

// Whether a name typed for a copy names a file directly inside a folder: not empty, no
// separator, and neither "." nor "..".
bool IsPlainFileName(const std::string& strName);

} // namespace tb
