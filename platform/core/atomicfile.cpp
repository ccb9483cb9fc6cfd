#include "platform/core/atomicfile.h"

#include "platform/core/filedescriptor.h"
#include "platform/core/paths.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {

namespace {

int SystemRename(const char* from, const char* to) {
    return ::rename(from, to);
}

std::atomic<RenameFunction> g_renameFunction{&SystemRename};

// The file a path finally names: saving through a link replaces the file, not the link.
std::string ResolveTarget(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path; // a dangling link: the rename replaces the link itself
    std::string result(resolved);
    std::free(resolved);
    return result;
}

// Creates a fresh hidden file next to target, readable and writable as a new file would be.
CFileDescriptor CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix =
        FolderPart(target) + "." + FileNamePart(target) + ".save-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + "-" + std::to_string(counter.fetch_add(1));
        CFileDescriptor fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.IsOpen() || errno != EEXIST)
            return fd;
    }
    return CFileDescriptor();
}

void SyncFolder(const std::string& target) {
    std::string folder = FolderWithoutSeparator(target);
    if (folder.empty())
        folder = LastSeparator(target) == 0 ? "/" : ".";
    CFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get()); // best effort: the rename itself has already succeeded
}

// The bytes into the open temporary, with the target's permission bits, flushed and closed.
bool FillTemporary(CFileDescriptor& fd, const std::string& target, std::string_view bytes) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::fchmod(fd.Get(), st.st_mode & 07777) != 0)
        return false;
    if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0)
        return false;
    return fd.Close();
}

bool Failed(std::string* pWhy, const std::string& why) {
    if (pWhy)
        *pWhy = why;
    return false;
}

} // namespace

RenameFunction SetRenameFunctionForTesting(RenameFunction fn) {
    return g_renameFunction.exchange(fn ? fn : &SystemRename);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pWhy) {
    if (path.empty())
        return Failed(pWhy, "no file name");
    const std::string target = ResolveTarget(path);
    // A file the user may not write to stays protected, as it would with a plain overwrite,
    // although replacing it through its folder would be possible.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return Failed(pWhy, std::strerror(EACCES));
    std::string tempPath;
    CFileDescriptor fd = CreateTemporary(target, tempPath);
    if (!fd.IsOpen())
        return Failed(pWhy, std::strerror(errno));
    if (!FillTemporary(fd, target, bytes) ||
        g_renameFunction.load()(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        fd.Close();
        ::unlink(tempPath.c_str());
        return Failed(pWhy, std::strerror(error));
    }
    SyncFolder(target);
    return true;
}

} // namespace tb
