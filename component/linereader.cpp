#include "component/linereader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tb {

namespace {

// Where the first CR or LF of the bytes lies, or their size when there is none.
size_t LineEnd(std::string_view bytes) {
    const char* const p = bytes.data();
    const auto* lf = static_cast<const char*>(std::memchr(p, '\n', bytes.size()));
    const size_t nBefore = lf ? size_t(lf - p) : bytes.size();
    const auto* cr = static_cast<const char*>(std::memchr(p, '\r', nBefore));
    return cr ? size_t(cr - p) : nBefore;
}

} // namespace

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

bool CLineReader::ReadLine(std::string_view& line) {
    if (m_nPos == m_window.size() && !Fill())
        return false;
    // The common case: the whole line and its terminator lie in the window.
    std::string_view rest = Rest();
    size_t nEnd = LineEnd(rest);
    if (nEnd < rest.size() &&
        (rest[nEnd] == '\n' || (nEnd + 1 < rest.size() && rest[nEnd + 1] == '\n'))) {
        line = rest.substr(0, nEnd);
        m_nPos += nEnd + (rest[nEnd] == '\n' ? 1 : 2);
        return true;
    }

    // Otherwise the line is gathered in pieces: across windows, or with a lone CR's byte.
    m_strPieces.clear();
    for (;;) {
        m_strPieces.append(rest.substr(0, nEnd));
        m_nPos += nEnd;
        if (nEnd < rest.size()) {
            const char terminator = rest[nEnd];
            ++m_nPos;
            if (terminator == '\r' && (m_nPos < m_window.size() || Fill())) {
                const char next = m_window[m_nPos++];
                if (next != '\n')
                    m_strPieces.push_back(next);
            }
            break;
        }
        if (!Fill())
            break; // the last line, without a terminator
        rest = Rest();
        nEnd = LineEnd(rest);
    }
    line = m_strPieces;
    return true;
}

bool CLineReader::ReadLine(std::string& line) {
    std::string_view view;
    if (!ReadLine(view)) {
        line.clear();
        return false;
    }
    line.assign(view);
    return true;
}

} // namespace tb
