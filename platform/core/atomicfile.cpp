#include "platform/core/atomicfile.h"

#include "platform/core/filedescriptor.h"
#include "platform/core/paths.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
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
    std::string resolved = ResolvedPath(path);
    // A dangling link: the rename replaces the link itself.
    return resolved.empty() ? path : resolved;
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

bool Failed(std::string* pWhy, const std::string& why) {
    if (pWhy)
        *pWhy = why;
    return false;
}

// A fresh temporary next to target, filled by fill (which also sets the permission bits),
// flushed, closed and renamed over target. Nothing is left behind on failure.
template <class Fill>
bool ReplaceThroughTemporary(const std::string& target, Fill fill, std::string* pWhy) {
    std::string tempPath;
    CFileDescriptor fd = CreateTemporary(target, tempPath);
    if (!fd.IsOpen())
        return Failed(pWhy, std::strerror(errno));
    if (!fill(fd.Get()) || ::fsync(fd.Get()) != 0 || !fd.Close() ||
        g_renameFunction.load()(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        fd.Close();
        ::unlink(tempPath.c_str());
        return Failed(pWhy, std::strerror(error));
    }
    SyncFolder(target);
    return true;
}

// A file the user may not write to stays protected, as it would with a plain overwrite,
// although replacing it through its folder would be possible.
bool MayReplace(const std::string& target, std::string* pWhy) {
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return Failed(pWhy, std::strerror(EACCES));
    return true;
}

// Copies what is left to read of from into to.
bool CopyContents(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(to, std::string_view(buffer, static_cast<size_t>(n))))
            return false;
    }
}

} // namespace

RenameFunction SetRenameFunctionForTesting(RenameFunction fn) {
    return g_renameFunction.exchange(fn ? fn : &SystemRename);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* pWhy) {
    return WriteFileAtomicallyFrom(
        path, [bytes](const ByteEmitter& emit) { return emit(bytes); }, pWhy);
}

bool WriteFileAtomicallyFrom(const std::string& path,
                             const std::function<bool(const ByteEmitter& emit)>& produce,
                             std::string* pWhy) {
    if (path.empty())
        return Failed(pWhy, "no file name");
    const std::string target = ResolveTarget(path);
    if (!MayReplace(target, pWhy))
        return false;
    return ReplaceThroughTemporary(
        target,
        [&](int fd) {
            struct stat st;
            if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                ::fchmod(fd, st.st_mode & 07777) != 0)
                return false;
            errno = EIO; // what a producer that gives up leaves as the reason
            return produce([fd](std::string_view piece) { return WriteAll(fd, piece); });
        },
        pWhy);
}

bool CopyFileAtomically(const std::string& from, const std::string& path, std::string* pWhy) {
    if (from.empty() || path.empty())
        return Failed(pWhy, "no file name");
    // Non-blocking, so that a pipe named like a media file is refused instead of waited on.
    CFileDescriptor source(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (!source.IsOpen() || ::fstat(source.Get(), &st) != 0)
        return Failed(pWhy, std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return Failed(pWhy, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : "not a regular file");
    struct stat existing;
    const bool bExists = ::lstat(path.c_str(), &existing) == 0;
    if (bExists && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino)
        return true;
    // A link is replaced whatever it points at; only a file of its own is protected.
    if (bExists && !S_ISLNK(existing.st_mode) && !MayReplace(path, pWhy))
        return false;
    return ReplaceThroughTemporary(
        path,
        [&](int fd) {
            return ::fchmod(fd, st.st_mode & 0777) == 0 && CopyContents(source.Get(), fd);
        },
        pWhy);
}

} // namespace tb
