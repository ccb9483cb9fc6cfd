#include "platform/registry/hivefile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/numfmt.h"

namespace tb {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";

const char kHexDigits[] = "0123456789abcdef";

bool NeedsBinaryForm(std::string_view text) {
    for (unsigned char c : text)
        if (c < 0x20 && c != '\t')
            return true;
    return false;
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// UTF-8 to UTF-16 code units. Bytes that are not valid UTF-8 become the lone low surrogates
// U+DC80..U+DCFF, so any byte string survives the trip through hex(1) unchanged.
std::vector<uint16_t> ToUtf16(std::string_view text) {
    std::vector<uint16_t> units;
    size_t i = 0;
    while (i < text.size()) {
        auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
        unsigned char lead = byte(i);
        size_t length = lead < 0x80         ? 1
                        : (lead >> 5) == 6  ? 2
                        : (lead >> 4) == 14 ? 3
                        : (lead >> 3) == 30 ? 4
                                            : 0;
        uint32_t cp = 0;
        bool valid = length != 0 && i + length <= text.size();
        if (valid) {
            cp = length == 1 ? lead : lead & (0xFF >> (length + 1));
            for (size_t k = 1; k < length && valid; ++k) {
                valid = (byte(i + k) & 0xC0) == 0x80;
                cp = (cp << 6) | (byte(i + k) & 0x3F);
            }
            static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
            valid = valid && cp >= kMin[length] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp < 0xE000);
        }
        if (!valid) {
            units.push_back(static_cast<uint16_t>(0xDC00 + lead));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 + (cp >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(cp));
        }
        i += length;
    }
    return units;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Up to the first zero unit, the reverse of ToUtf16.
std::string FromUtf16(const std::vector<uint16_t>& units) {
    std::string text;
    for (size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        uint32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            AppendUtf8(text, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xDC80 && u < 0xDD00) {
            text += static_cast<char>(u - 0xDC00);
        } else {
            AppendUtf8(text, u);
        }
    }
    return text;
}

void AppendValue(std::string& out, const RegValue& value) {
    if (value.strName.empty())
        out += '@';
    else
        AppendQuoted(out, value.strName);
    out += '=';
    if (value.dwType == REG_DWORD) {
        out += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4)
            out += kHexDigits[(value.dwNumber >> shift) & 0xF];
    } else if (NeedsBinaryForm(value.strText)) {
        out += "hex(1):";
        std::vector<uint16_t> units = ToUtf16(value.strText);
        units.push_back(0);
        for (size_t i = 0; i < units.size(); ++i) {
            for (int b = 0; b < 2; ++b) {
                unsigned byte = (units[i] >> (8 * b)) & 0xFF;
                if (i != 0 || b != 0)
                    out += ',';
                out += kHexDigits[byte >> 4];
                out += kHexDigits[byte & 0xF];
            }
        }
    } else {
        AppendQuoted(out, value.strText);
    }
    out += '\n';
}

void AppendSection(std::string& out, const CRegNode& node, std::string_view path) {
    out += '[';
    out += path;
    out += "]\n";
    for (size_t i = 0; i < node.valueCount(); ++i)
        AppendValue(out, node.valueAt(i));
    out += '\n';
}

// Reads one line at a time; accepts LF and CR LF line ends.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}
    bool next(std::string_view* line) {
        if (m_pos >= m_text.size())
            return false;
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_text.size();
        *line = m_text.substr(m_pos, end - m_pos);
        if (!line->empty() && line->back() == '\r')
            line->remove_suffix(1);
        m_pos = end + 1;
        ++m_nLine;
        return true;
    }
    int lineNumber() const { return m_nLine; }

private:
    std::string_view m_text;
    size_t m_pos = 0;
    int m_nLine = 0;
};

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// A quoted text at the start of *s; advances past the closing quote. A backslash escapes
// '\' and '"'; before any other character it stands for itself, as hand-written paths expect.
bool ReadQuoted(std::string_view* s, std::string* out) {
    if (s->empty() || s->front() != '"')
        return false;
    out->clear();
    for (size_t i = 1; i < s->size(); ++i) {
        char c = (*s)[i];
        if (c == '"') {
            s->remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < s->size() && ((*s)[i + 1] == '\\' || (*s)[i + 1] == '"'))
            c = (*s)[++i];
        *out += c;
    }
    return false;
}

// "61,00,62,00" possibly continued on following lines after a trailing '\'.
bool ReadHexBytes(std::string_view s, LineReader& reader, std::vector<uint8_t>* bytes,
                  std::string* message) {
    for (;;) {
        s = Trim(s);
        bool continued = !s.empty() && s.back() == '\\';
        if (continued)
            s = Trim(s.substr(0, s.size() - 1));
        while (!s.empty()) {
            std::string_view item = Trim(s.substr(0, s.find(',')));
            s = s.find(',') == std::string_view::npos ? std::string_view()
                                                      : s.substr(s.find(',') + 1);
            if (item.empty() && s.empty() && continued)
                break;
            if (item.size() != 2 || HexDigit(item[0]) < 0 || HexDigit(item[1]) < 0) {
                *message = "bad hexadecimal byte";
                return false;
            }
            bytes->push_back(static_cast<uint8_t>(HexDigit(item[0]) * 16 + HexDigit(item[1])));
        }
        if (!continued)
            return true;
        if (!reader.next(&s)) {
            *message = "binary value continues past the end of the file";
            return false;
        }
    }
}

// The data after '=': "text".
bool ParseStringData(std::string_view data, RegValue& value, std::string* message) {
    value.dwType = REG_SZ;
    if (!ReadQuoted(&data, &value.strText)) {
        *message = "unterminated string";
        return false;
    }
    if (!Trim(data).empty()) {
        *message = "unexpected text after the string";
        return false;
    }
    // A string ends at its first zero byte, as one stored through the calls does; kept whole,
    // the rest would vanish only when the hive is next written.
    value.strText.resize(std::min(value.strText.size(), value.strText.find('\0')));
    return true;
}

// The data after "dword:": one to eight hexadecimal digits.
bool ParseDwordData(std::string_view digits, RegValue& value, std::string* message) {
    digits = Trim(digits);
    if (digits.empty() || digits.size() > 8) {
        *message = "a dword needs 1 to 8 hexadecimal digits";
        return false;
    }
    value.dwType = REG_DWORD;
    for (char c : digits) {
        if (HexDigit(c) < 0) {
            *message = "bad hexadecimal digit in a dword";
            return false;
        }
        value.dwNumber = value.dwNumber * 16 + static_cast<DWORD>(HexDigit(c));
    }
    return true;
}

// The data after "hex(1):": a string as UTF-16 bytes, possibly over several lines.
bool ParseUtf16Data(std::string_view bytesText, LineReader& reader, RegValue& value,
                    std::string* message) {
    std::vector<uint8_t> bytes;
    if (!ReadHexBytes(bytesText, reader, &bytes, message))
        return false;
    if (bytes.size() % 2 != 0) {
        *message = "a hex(1) string needs an even number of bytes";
        return false;
    }
    std::vector<uint16_t> units;
    for (size_t i = 0; i < bytes.size(); i += 2)
        units.push_back(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
    value.dwType = REG_SZ;
    value.strText = FromUtf16(units);
    return true;
}

// One value line: "name"= or @= (the default value), then the data in one of the forms above.
bool ParseValueLine(std::string_view line, LineReader& reader, CRegNode& node,
                    std::string* message) {
    RegValue value;
    if (line.front() == '@') {
        line.remove_prefix(1);
    } else if (!ReadQuoted(&line, &value.strName)) {
        *message = "unterminated value name";
        return false;
    }
    line = Trim(line);
    if (line.empty() || line.front() != '=') {
        *message = "expected '=' after the value name";
        return false;
    }
    line = Trim(line.substr(1));
    bool ok;
    if (!line.empty() && line.front() == '"') {
        ok = ParseStringData(line, value, message);
    } else if (StartsWithNoCase(line, "dword:")) {
        ok = ParseDwordData(line.substr(6), value, message);
    } else if (StartsWithNoCase(line, "hex(1):")) {
        ok = ParseUtf16Data(line.substr(7), reader, value, message);
    } else {
        *message = "unsupported value type (only strings, dword and hex(1) are kept)";
        ok = false;
    }
    if (ok)
        node.setValue(std::move(value));
    return ok;
}

bool ParseSection(std::string_view line, const std::string& rootName, CRegNode& root,
                  CRegNode** current, std::string* message) {
    size_t close = line.rfind(']');
    if (close == std::string_view::npos || !Trim(line.substr(close + 1)).empty()) {
        *message = "a key line must end with ']'";
        return false;
    }
    std::string_view path = line.substr(1, close - 1);
    if (!path.empty() && path.front() == '-') {
        *message = "key deletions are not kept in a hive file";
        return false;
    }
    if (!StartsWithNoCase(path, rootName) ||
        (path.size() > rootName.size() && path[rootName.size()] != '\\')) {
        *message = "key outside " + rootName;
        return false;
    }
    path.remove_prefix(rootName.size());
    CRegNode* node = &root;
    size_t depth = 0;
    while (!path.empty()) {
        path.remove_prefix(1); // the '\' before each part
        std::string_view part = path.substr(0, path.find('\\'));
        path.remove_prefix(part.size());
        if (part.empty() || !IsValidKeyName(part)) {
            *message = "empty or invalid key name";
            return false;
        }
        if (++depth > kMaxKeyDepth) {
            *message = "a key deeper than " + std::to_string(kMaxKeyDepth) + " levels";
            return false;
        }
        node = node->addChild(part);
    }
    *current = node;
    return true;
}

} // namespace

bool IsValidKeyName(std::string_view name) {
    if (name.empty() || name.size() > 255)
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '\\')
            return false;
    return true;
}

bool IsValidValueName(std::string_view name) {
    if (name.size() > 16383)
        return false;
    for (char c : name)
        if (c == '\n' || c == '\r' || c == '\0')
            return false;
    return true;
}

std::string FormatHive(const CRegNode& root, const std::string& rootName) {
    std::string out;
    FormatHiveWithin(root, rootName, std::string::npos, &out);
    return out;
}

bool FormatHiveWithin(const CRegNode& root, const std::string& rootName, size_t nMaxBytes,
                      std::string* out) {
    *out = kHeader;
    *out += "\n\n";
    if (root.valueCount() > 0)
        AppendSection(*out, root, rootName);
    // Depth first without recursion: each entry is a key whose children are still to be
    // written, the index of the next one, and the length of the key's path in `path`.
    struct Pending {
        const CRegNode* pNode;
        size_t nNextChild;
        size_t nPathLength;
    };
    std::string path = rootName;
    std::vector<Pending> stack{{&root, 0, path.size()}};
    while (!stack.empty()) {
        Pending& top = stack.back();
        if (top.nNextChild == top.pNode->childCount()) {
            stack.pop_back();
            continue;
        }
        const CRegNode& child = top.pNode->childAt(top.nNextChild++);
        path.resize(top.nPathLength);
        path += '\\';
        path += child.name();
        AppendSection(*out, child, path);
        if (out->size() > nMaxBytes)
            return false;
        stack.push_back({&child, 0, path.size()});
    }
    return true;
}

bool ParseHive(std::string_view text, const std::string& rootName, CRegNode& root, int* errorLine,
               std::string* message) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    LineReader reader(text);
    std::string_view line;
    bool sawHeader = false;
    CRegNode* current = nullptr;
    auto fail = [&](const std::string& why) {
        *errorLine = reader.lineNumber();
        *message = why;
        return false;
    };
    while (reader.next(&line)) {
        std::string_view trimmed = Trim(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (!sawHeader) {
            if (trimmed != kHeader && trimmed != kOldHeader)
                return fail("not a registry file (the first line must be \"" +
                            std::string(kHeader) + "\")");
            sawHeader = true;
            continue;
        }
        std::string why;
        if (trimmed.front() == '[') {
            if (!ParseSection(trimmed, rootName, root, &current, &why))
                return fail(why);
        } else if (trimmed.front() == '"' || trimmed.front() == '@') {
            if (!current)
                return fail("a value before the first key");
            if (!ParseValueLine(trimmed, reader, *current, &why))
                return fail(why);
        } else {
            return fail("a line that is neither a key, a value nor a comment");
        }
    }
    return true; // an empty file is an empty hive
}

} // namespace tb
