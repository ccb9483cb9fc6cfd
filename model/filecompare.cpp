#include "model/filecompare.h"

#include "platform/core/filedescriptor.h"

#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tb {

namespace {

// A read-only view of a whole file; empty files map nothing.
class CMappedFile {
public:
    explicit CMappedFile(const std::string& strPath) {
        m_fd = CFileDescriptor(::open(strPath.c_str(), O_RDONLY | O_CLOEXEC));
        struct stat st {};
        if (!m_fd.IsOpen() || ::fstat(m_fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
            return;
        m_nSize = static_cast<size_t>(st.st_size);
        m_bOpen = true;
    }
    ~CMappedFile() {
        if (m_pData)
            ::munmap(m_pData, m_nSize);
    }
    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

    bool IsOpen() const { return m_bOpen; }
    size_t Size() const { return m_nSize; }
    bool Map() {
        if (m_nSize == 0)
            return true;
        void* p = ::mmap(nullptr, m_nSize, PROT_READ, MAP_PRIVATE, m_fd.Get(), 0);
        if (p == MAP_FAILED)
            return false;
        m_pData = p;
        return true;
    }
    const void* Data() const { return m_pData; }

private:
    CFileDescriptor m_fd;
    bool m_bOpen = false;
    size_t m_nSize = 0;
    void* m_pData = nullptr;
};

} // namespace

bool FilesEqual(const std::string& strPathA, const std::string& strPathB) {
    CMappedFile a(strPathA);
    CMappedFile b(strPathB);
    if (!a.IsOpen() || !b.IsOpen())
        return false;
    if (a.Size() != b.Size())
        return false;
    if (a.Size() == 0)
        return true;
    if (!a.Map() || !b.Map())
        return false;
    return std::memcmp(a.Data(), b.Data(), a.Size()) == 0;
}

bool PathEntryExists(const std::string& strPath) {
    struct stat st {};
    return !strPath.empty() && ::lstat(strPath.c_str(), &st) == 0;
}

} // namespace tb
