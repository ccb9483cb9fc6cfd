#include "component/scratchfolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/core/paths.h"

namespace tb {

namespace {

// mkdtemp on "parent/<prefix>XXXXXX"; "" on failure.
std::string MakeUniqueFolder(const std::string& parent, const std::string& prefix) {
    if (parent.empty())
        return {};
    std::string pattern = JoinPath(parent, prefix + "XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data()))
        return {};
    return buffer.data();
}

std::string TemporaryFolder() {
    const char* pszTmp = std::getenv("TMPDIR");
    return pszTmp && *pszTmp == '/' ? pszTmp : "/tmp";
}

} // namespace

std::string ScratchParentFolder() {
    const char* pszCache = std::getenv("XDG_CACHE_HOME");
    if (pszCache && *pszCache == '/')
        return JoinPath(pszCache, "ambrel-brisko");
    const char* pszHome = std::getenv("HOME");
    if (pszHome && *pszHome == '/')
        return JoinPath(JoinPath(pszHome, ".cache"), "ambrel-brisko");
    return {};
}

CScratchFolder::CScratchFolder() {
    const std::string parent = ScratchParentFolder();
    std::error_code ec;
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, ec);
        m_strPath = MakeUniqueFolder(parent, "preview-");
    }
    if (m_strPath.empty())
        m_strPath = MakeUniqueFolder(TemporaryFolder(), "ambrel-brisko-preview-");
}

CScratchFolder::~CScratchFolder() {
    if (m_strPath.empty())
        return;
    // remove_all removes links, never what they point at.
    std::error_code ec;
    std::filesystem::remove_all(m_strPath, ec);
}

} // namespace tb
