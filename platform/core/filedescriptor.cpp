#include "platform/core/filedescriptor.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace tb {

CFileDescriptor& CFileDescriptor::operator=(CFileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        m_fd = other.Release();
    }
    return *this;
}

bool CFileDescriptor::Close() {
    if (m_fd < 0)
        return true;
    // The descriptor is gone after close() whatever it answers, even after an interruption.
    const int fd = Release();
    return ::close(fd) == 0;
}

int CFileDescriptor::Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes, size_t nMaxBytes) {
    char buffer[65536];
    size_t nLeft = nMaxBytes;
    while (nLeft > 0) {
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, nLeft));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<size_t>(n));
        nLeft -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace tb
