#include "workbench/core/pagereader.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/core/filedescriptor.h"

namespace tb {

namespace {

constexpr size_t kPieceSize = 4096;
constexpr char kLineBreak[] = "\r\n";

} // namespace

void CPageLineCollector::Add(std::string_view piece) {
    while (!piece.empty()) {
        const size_t nBreak = piece.find('\n');
        if (nBreak == std::string_view::npos) {
            m_line.append(piece);
            return;
        }
        m_line.append(piece.substr(0, nBreak));
        // A text-mode reader takes "\r\n" as the break; a lone "\r" is part of the line.
        if (!m_line.empty() && m_line.back() == '\r')
            m_line.pop_back();
        m_text += m_line;
        m_text += kLineBreak;
        m_line.clear();
        piece.remove_prefix(nBreak + 1);
    }
}

std::string CPageLineCollector::Finish() {
    if (!m_line.empty()) {
        m_text += m_line;
        m_text += kLineBreak;
        m_line.clear();
    }
    return std::move(m_text);
}

std::string PageTextFromBytes(std::string_view bytes) {
    CPageLineCollector collector;
    collector.Add(bytes);
    return collector.Finish();
}

CPageReading ReadPageFrom(const PageByteSource& source) {
    CPageReading reading;
    CPageLineCollector collector;
    char buffer[kPieceSize];
    for (;;) {
        const long nRead = source(buffer, sizeof buffer);
        if (nRead == 0) {
            reading.status = CPageReading::Status::Read;
            break;
        }
        if (nRead < 0 || static_cast<size_t>(nRead) > sizeof buffer) {
            reading.status = CPageReading::Status::CannotRead;
            break;
        }
        collector.Add(std::string_view(buffer, static_cast<size_t>(nRead)));
    }
    reading.text = collector.Finish();
    return reading;
}

CPageReading ReadPageFile(const std::string& path) {
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen())
        return {};
    return ReadPageFrom([&file](char* buffer, size_t nSize) -> long {
        for (;;) {
            const ssize_t nRead = ::read(file.Get(), buffer, nSize);
            if (nRead < 0 && errno == EINTR)
                continue;
            return static_cast<long>(nRead);
        }
    });
}

} // namespace tb
