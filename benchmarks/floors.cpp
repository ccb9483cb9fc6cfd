#include "benchmarks/floors.h"

#include "platform/core/atomicfile.h"
#include "platform/core/filedescriptor.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb::bench {

size_t ReadAndSplitLines(const std::string& strPath) {
    CFileDescriptor fd(::open(strPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.IsOpen())
        return 0;
    // Reading in pieces that stay in the cache is faster than reading the file whole.
    static char buffer[65536];
    size_t nLines = 0;
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n <= 0)
            break;
        const char* p = buffer;
        const char* const end = buffer + n;
        while (const void* nl = std::memchr(p, '\n', size_t(end - p))) {
            ++nLines;
            p = static_cast<const char*>(nl) + 1;
        }
    }
    return nLines;
}

size_t CopyBytes(std::string_view bytes) {
    std::string copy(bytes);
    return copy.size();
}

bool WriteBytes(const std::string& strPath, std::string_view bytes) {
    return WriteFileAtomically(strPath, bytes);
}

std::string FileBytes(const std::string& strPath) {
    CFileDescriptor fd(::open(strPath.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    std::string bytes;
    if (!fd.IsOpen() || ::fstat(fd.Get(), &st) != 0)
        return bytes;
    bytes.reserve(size_t(st.st_size));
    if (!ReadAll(fd.Get(), bytes, size_t(st.st_size)))
        bytes.clear();
    return bytes;
}

} // namespace tb::bench
