#include "component/linereader.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace tb {

CLineReader::CLineReader(std::string_view text, size_t nChunkSize)
    : m_text(text), m_nChunkSize(nChunkSize == 0 ? text.size() : nChunkSize) {}

CLineReader::CLineReader(int fd, size_t nChunkSize)
    : m_fd(fd), m_nChunkSize(nChunkSize == 0 ? 65536 : nChunkSize) {
    m_buffer.resize(m_nChunkSize);
}

bool CLineReader::Fill() {
    m_window = {};
    m_nPos = 0;
    if (m_bEnded)
        return false;
    if (m_fd < 0) {
        size_t n = std::min(m_nChunkSize, m_text.size() - m_nTextPos);
        m_window = m_text.substr(m_nTextPos, n);
        m_nTextPos += n;
    } else {
        ssize_t n;
        do {
            n = ::read(m_fd, m_buffer.data(), m_buffer.size());
        } while (n < 0 && errno == EINTR);
        if (n < 0)
            m_bFailed = true;
        else
            m_window = std::string_view(m_buffer.data(), static_cast<size_t>(n));
    }
    if (m_window.empty()) {
        m_bEnded = true;
        return false;
    }
    return true;
}

bool CLineReader::ReadLine(std::string& line) {
    line.clear();
    int c = Get();
    if (c < 0)
        return false;
    for (;;) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            int next = Get();
            if (next >= 0 && next != '\n')
                line.push_back(static_cast<char>(next));
            return true;
        }
        line.push_back(static_cast<char>(c));
        c = Get();
        if (c < 0)
            return true;
    }
}

} // namespace tb
