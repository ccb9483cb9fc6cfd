#include "platform/core/folderlistings.h"

#include "platform/core/paths.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {

namespace {

// Paths into one folder looked up one by one before the folder is listed: small designs and
// single references into large folders never pay for a listing.
constexpr int kLookupsBeforeListing = 16;

} // namespace

void CFolderListings::NeverList(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) == 0)
        m_neverListed.emplace_back(info.st_dev, info.st_ino);
}

void CFolderListings::List(const std::string& folder, CFolder& listing) const {
    DIR* pDir = ::opendir(folder.c_str());
    if (!pDir) {
        // A folder that is not there holds no files; any other failure leaves each path to
        // its own lookup, which knows best.
        listing.state = errno == ENOENT || errno == ENOTDIR ? CFolder::State::Missing
                                                            : CFolder::State::Unlistable;
        return;
    }
    // A folder that can be read but not searched lists names that no lookup could reach.
    if (::faccessat(AT_FDCWD, folder.c_str(), X_OK, AT_EACCESS) != 0) {
        ::closedir(pDir);
        listing.state = CFolder::State::Unlistable;
        return;
    }
    struct stat info {};
    if (::fstat(::dirfd(pDir), &info) != 0 ||
        std::find(m_neverListed.begin(), m_neverListed.end(),
                  std::make_pair(info.st_dev, info.st_ino)) != m_neverListed.end()) {
        ::closedir(pDir);
        listing.state = CFolder::State::Unlistable;
        return;
    }
    errno = 0;
    while (const dirent* pEntry = ::readdir(pDir))
        listing.names.emplace(pEntry->d_name, pEntry->d_type);
    listing.state = errno == 0 ? CFolder::State::Listed : CFolder::State::Unlistable;
    ::closedir(pDir);
}

bool CFolderListings::FileExists(const std::string& path) {
    // Only '/' separates for the system; a name that needs the lookup's own rules (empty,
    // "." or "..") is looked up.
    const size_t nSlash = path.rfind('/');
    const std::string_view name = nSlash == std::string::npos
                                      ? std::string_view(path)
                                      : std::string_view(path).substr(nSlash + 1);
    if (name.empty() || name == "." || name == "..")
        return tb::FileExists(path);
    const std::string folder = nSlash == std::string::npos ? std::string(".")
                               : nSlash == 0               ? std::string("/")
                                                           : path.substr(0, nSlash);
    CFolder& listing = m_folders[folder];
    if (listing.state == CFolder::State::Unlisted && ++listing.nLookups > kLookupsBeforeListing)
        List(folder, listing);
    switch (listing.state) {
    case CFolder::State::Missing:
        return false;
    case CFolder::State::Listed: {
        const auto found = listing.names.find(name);
        if (found == listing.names.end())
            return false;
        if (found->second == DT_REG)
            return true;
        if (found->second != DT_LNK && found->second != DT_UNKNOWN)
            return false;
        return tb::FileExists(path);
    }
    default:
        return tb::FileExists(path);
    }
}

} // namespace tb
