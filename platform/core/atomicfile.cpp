#include "platform/core/atomicfile.h"

#include "platform/core/paths.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
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
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    std::string folder = FolderPart(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned serial = counter.fetch_add(1);
        tempPath =
            folder + ".tsq-save-" + std::to_string(::getpid()) + "-" + std::to_string(serial);
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

void SyncFolder(const std::string& target) {
    std::string folder = FolderWithoutSeparator(target);
    if (folder.empty())
        folder = LastSeparator(target) == 0 ? "/" : ".";
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself has already succeeded
        ::close(fd);
    }
}

} // namespace

RenameFunction SetRenameFunctionForTesting(RenameFunction fn) {
    return g_renameFunction.exchange(fn ? fn : &SystemRename);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return false;
    std::string target = ResolveTarget(path);
    // A file the user may not write to stays protected, as it would with a plain overwrite,
    // although replacing it through its folder would be possible.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return false;
    std::string tempPath;
    int fd = CreateTemporary(target, tempPath);
    if (fd < 0)
        return false;

    struct stat st;
    bool ok = true;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ok = ::fchmod(fd, st.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && g_renameFunction.load()(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(target);
    return true;
}

} // namespace tb
