#pragma once
// Makes every write past a file size fail for one scope, as a full disk would fail it part-way
// (with EFBIG, "File too large", instead of ENOSPC): the process's file size limit is lowered
// and the signal that would otherwise end the process is ignored.

#include <csignal>
#include <sys/resource.h>

namespace tb::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t nBytes) {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = nBytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace tb::test
