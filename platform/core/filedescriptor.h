#pragma once
// An owned POSIX file descriptor, closed when its holder goes, and whole-buffer reads and
// writes that retry after interruptions. Every reader and writer of files below the widgets
// uses these instead of its own loops and close calls.

#include <cstddef>
#include <string>
#include <string_view>

namespace tb {

class CFileDescriptor {
public:
    CFileDescriptor() = default;
    // Takes over fd (a negative value holds nothing).
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor() { Close(); }
    CFileDescriptor(CFileDescriptor&& other) noexcept : m_fd(other.Release()) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept;
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Closes now. False when the close itself failed, which for a written file means the
    // bytes may not have reached it; errno tells why.
    bool Close();
    // Gives the descriptor up without closing it.
    int Release();

private:
    int m_fd = -1;
};

// Writes every byte; false (errno set) on the first error.
bool WriteAll(int fd, std::string_view bytes);

// Appends what fd holds up to its end, but at most nMaxBytes; false (errno set) on an error.
bool ReadAll(int fd, std::string& bytes, size_t nMaxBytes);

} // namespace tb
