#include "designer/core/resourcecopies.h"

#include <algorithm>
#include <cstdio>

#include "model/filecompare.h"
#include "platform/core/atomicfile.h"
#include "platform/core/paths.h"

namespace tb {

CResourceCopies::CResourceCopies(std::string strDestFolder)
    : m_strDestFolder(std::move(strDestFolder)) {}

void CResourceCopies::AddReference(std::string* pReference) {
    if (!pReference)
        return;
    ++m_nReferences;
    m_references[*pReference].push_back(pReference);
    m_bRowsCurrent = false;
}

const std::vector<CResourceCopies::CRow>& CResourceCopies::Rows() {
    UpdateRows();
    return m_rows;
}

void CResourceCopies::UpdateRows() {
    if (m_bRowsCurrent)
        return;
    std::map<std::string, std::string> given;
    for (CRow& row : m_rows)
        given.emplace(row.strSource, std::move(row.strDestName));
    m_rows.clear();
    m_rows.reserve(m_references.size());
    for (const auto& [strSource, references] : m_references) {
        auto it = given.find(strSource);
        m_rows.push_back(
            {it != given.end() ? it->second : FileNamePart(strSource), strSource, references});
    }
    m_bRowsCurrent = true;
}

bool CResourceCopies::NameTaken(const std::string& strName) const {
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [&](const CRow& row) { return row.strDestName == strName; });
}

CResourceCopies::RenameResult CResourceCopies::Rename(size_t nRow, const std::string& strName) {
    UpdateRows();
    if (nRow >= m_rows.size() || !IsPlainFileName(strName) || NameTaken(strName))
        return RenameResult::NameUsed;
    if (PathEntryExists(m_strDestFolder + strName))
        return RenameResult::FileExists;
    m_rows[nRow].strDestName = strName;
    return RenameResult::Renamed;
}

void CResourceCopies::RenameAll(std::time_t nSeconds) {
    UpdateRows();
    for (CRow& row : m_rows) {
        const std::string strBase(FileTitleView(row.strSource));
        const std::string strExtension(ExtensionView(row.strSource));
        CNameGenerator generator{static_cast<uint32_t>(nSeconds)};
        // 32768 numbers and four digits: a folder cannot hold enough names to end the search,
        // but a bound keeps a pathological one from hanging the dialog.
        for (int nTry = 0; nTry < 0x10000; ++nTry) {
            char digits[8];
            std::snprintf(digits, sizeof digits, "%04x", generator.Next() % 65536);
            std::string strCandidate = strBase + digits + strExtension;
            if (!NameTaken(strCandidate) && !PathEntryExists(m_strDestFolder + strCandidate)) {
                row.strDestName = std::move(strCandidate);
                break;
            }
        }
    }
}

std::vector<CResourceCopies::CFailure> CResourceCopies::CopyAll() {
    UpdateRows();
    std::vector<CFailure> failures;
    for (CRow& row : m_rows) {
        const std::string strTarget = m_strDestFolder + row.strDestName;
        std::string strWhy;
        // A reference pointed at a copy that is not there would be lost at the next save.
        if (!CopyFileAtomically(row.strSource, strTarget, &strWhy)) {
            failures.push_back({row.strSource, strWhy});
            continue;
        }
        for (std::string* pReference : row.references)
            *pReference = strTarget;
    }
    return failures;
}

bool IsPlainFileName(const std::string& strName) {
    return !strName.empty() && strName != "." && strName != ".." &&
           strName.find_first_of("/\\") == std::string::npos;
}

} // namespace tb
