#include "vellumo/pagefile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "addin/host/htmltokenizer.h"
#include "platform/core/asciitext.h"

namespace tb::vellumo {

namespace {

// "text/html; charset=iso-8859-1" gives "iso-8859-1".
std::string CharsetOfContentType(std::string_view content) {
    std::string lower = FoldCase(content);
    size_t at = lower.find("charset");
    if (at == std::string::npos)
        return {};
    at = lower.find('=', at);
    if (at == std::string::npos)
        return {};
    size_t begin = content.find_first_not_of(" \t\"'", at + 1);
    if (begin == std::string_view::npos)
        return {};
    size_t end = content.find_first_of(" \t\"';", begin);
    return std::string(content.substr(begin, end == std::string_view::npos ? end : end - begin));
}

std::string DeclaredCharset(std::string_view bytes) {
    // Browsers look at the first 1024 bytes.
    std::string_view head = bytes.substr(0, 1024);
    for (const host::HtmlToken& token : host::TokenizeHtml(head)) {
        if (token.kind != host::HtmlTokenKind::StartTag || token.name != "meta")
            continue;
        if (const host::HtmlAttribute* charset = host::FindAttribute(token, "charset"))
            return charset->value;
        const host::HtmlAttribute* equiv = host::FindAttribute(token, "http-equiv");
        const host::HtmlAttribute* content = host::FindAttribute(token, "content");
        if (equiv && content && EqualsNoCase(equiv->value, "content-type"))
            if (std::string charset = CharsetOfContentType(content->value); !charset.empty())
                return charset;
    }
    return {};
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        auto c = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        if (c < 0x80)
            extra = 0;
        else if ((c & 0xE0) == 0xC0 && c >= 0xC2)
            extra = 1;
        else if ((c & 0xF0) == 0xE0)
            extra = 2;
        else if ((c & 0xF8) == 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (bytes.size() - i <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string DetectCharset(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return "UTF-8";
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return "UTF-16LE";
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return "UTF-16BE";
    std::string declared = DeclaredCharset(bytes);
    if (!declared.empty())
        return declared;
    return IsValidUtf8(bytes) ? "UTF-8" : "windows-1252";
}

std::optional<std::string> ReadPageFile(const std::string& path, std::string* error) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (error)
            *error = std::strerror(errno ? errno : ENOENT);
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in.good() && !in.eof()) {
        if (error)
            *error = "The file could not be read to its end.";
        return std::nullopt;
    }
    return bytes.str();
}

} // namespace tb::vellumo
