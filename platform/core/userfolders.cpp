#include "platform/core/userfolders.h"

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

std::string UserCacheFolder() {
    const char* pszCache = std::getenv("XDG_CACHE_HOME");
    if (pszCache && *pszCache == '/')
        return JoinPath(pszCache, "ambrel-brisko");
    const char* pszHome = std::getenv("HOME");
    if (pszHome && *pszHome == '/')
        return JoinPath(JoinPath(pszHome, ".cache"), "ambrel-brisko");
    return {};
}

std::string UserDataFolder() {
    const char* pszData = std::getenv("XDG_DATA_HOME");
    if (pszData && *pszData == '/')
        return JoinPath(pszData, "ambrel-brisko");
    const char* pszHome = std::getenv("HOME");
    if (pszHome && *pszHome == '/')
        return JoinPath(JoinPath(JoinPath(pszHome, ".local"), "share"), "ambrel-brisko");
    return {};
}

std::string MakePrivateFolder(const std::string& prefix) {
    const std::string parent = UserCacheFolder();
    std::string path;
    if (!parent.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(parent, ec);
        path = MakeUniqueFolder(parent, prefix);
    }
    if (path.empty())
        path = MakeUniqueFolder(TemporaryFolder(), "ambrel-brisko-" + prefix);
    return path;
}

} // namespace tb
