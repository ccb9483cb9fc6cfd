#pragma once
// Reads a widget file line by line, from memory or from an open file descriptor, with the
// line rules widget files have always been read with: a line ends at LF or CR LF (the
// terminator is dropped); after a CR the next byte is taken in any case, and when it is not
// an LF it becomes the line's last character; the last line needs no terminator.

#include <string>
#include <string_view>
#include <vector>

namespace tb {

class CLineReader {
public:
    // Reads the given bytes, which must outlive the reader. A chunk size below the text's
    // length feeds it in pieces, as a file would arrive (tests use it for the boundaries).
    explicit CLineReader(std::string_view text, size_t nChunkSize = 0);
    // Reads from fd (not closed here) in chunks of nChunkSize bytes.
    explicit CLineReader(int fd, size_t nChunkSize = 65536);

    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // The next line without its terminator; false when the stream has ended.
    bool ReadLine(std::string& line);
    // True when reading the file failed (as opposed to reaching its end).
    bool Failed() const { return m_bFailed; }

private:
    int Get() {
        if (m_nPos == m_window.size() && !Fill())
            return -1;
        return static_cast<unsigned char>(m_window[m_nPos++]);
    }
    bool Fill();

    std::string_view m_text; // memory source
    size_t m_nTextPos = 0;
    int m_fd = -1; // file source when >= 0
    std::vector<char> m_buffer;
    size_t m_nChunkSize;
    std::string_view m_window; // bytes available now
    size_t m_nPos = 0;
    bool m_bEnded = false;
    bool m_bFailed = false;
};

} // namespace tb
