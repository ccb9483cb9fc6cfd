#pragma once
// Reading a web page for the Insert dialog: line by line, every line followed by CR LF, the
// last one included, so the page comes back with one kind of line break whatever it had. A
// line's own bytes stay as they are; only its break ("\n" or "\r\n") is replaced.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tb {

// Gathers the lines of a page from pieces of any size, in order.
class CPageLineCollector {
public:
    void Add(std::string_view piece);
    // The text so far with the unfinished last line ended too.
    std::string Finish();

private:
    std::string m_text;
    std::string m_line; // the line still waiting for its break
};

// The whole text of pieces as the reader gives it.
std::string PageTextFromBytes(std::string_view bytes);

struct CPageReading {
    enum class Status {
        Read,       // the whole page
        CannotOpen, // nothing read
        CannotRead, // the text holds only what came before the failure
    };
    Status status = Status::CannotOpen;
    std::string text;
};

// Hands the next piece of the page to the reader: the number of bytes put into buffer, 0 at
// the end, negative for a failure.
using PageByteSource = std::function<long(char* buffer, size_t nSize)>;

// Reads pieces of at most 4096 bytes from source until its end or its failure.
CPageReading ReadPageFrom(const PageByteSource& source);
// The page file at path.
CPageReading ReadPageFile(const std::string& path);

} // namespace tb
