#pragma once
// Reads a widget file line by line, from memory or from an open file descriptor, with the
// line rules widget files have always been read with: a line ends at LF or CR LF (the
// terminator is dropped); after a CR the next byte is taken in any case, and when it is not
// an LF it becomes the line's last character; the last line needs no terminator.
// Line ends are found with memchr, and a line is handed out where it lies whenever it lies in
// one piece, so reading costs little more than finding the line ends.

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

    // The next line without its terminator, valid until the next call; false when the stream
    // has ended.
    bool ReadLine(std::string_view& line);
    // The same, copied.
    bool ReadLine(std::string& line);
    // True when reading the file failed (as opposed to reaching its end).
    bool Failed() const { return m_bFailed; }

private:
    bool Fill();
    // Bytes left in the current window.
    std::string_view Rest() const { return m_window.substr(m_nPos); }

    std::string_view m_text; // memory source
    size_t m_nTextPos = 0;
    int m_fd = -1; // file source when >= 0
    std::vector<char> m_buffer;
    size_t m_nChunkSize;
    std::string_view m_window; // bytes available now
    size_t m_nPos = 0;
    std::string m_strPieces; // a line that does not lie in one piece
    bool m_bEnded = false;
    bool m_bFailed = false;
};

} // namespace tb
