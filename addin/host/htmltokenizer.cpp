#include "addin/host/htmltokenizer.h"

#include <algorithm>
#include <array>

#include "platform/core/asciitext.h"

namespace tb::host {

namespace {

bool IsAsciiAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool StartsWithNoCase(std::string_view text, size_t pos, std::string_view prefix) {
    return pos <= text.size() && tb::StartsWithNoCase(text.substr(pos), prefix);
}

// Elements whose content is text up to their own end tag.
bool IsRawTextElement(std::string_view name) {
    static constexpr std::array<std::string_view, 8> kNames = {
        "script", "style", "xmp", "iframe", "noembed", "noframes", "title", "textarea"};
    return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

bool IsRcdataElement(std::string_view name) {
    return name == "title" || name == "textarea";
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view html) : m_html(html) {}

    std::vector<HtmlToken> Run() {
        size_t textStart = 0;
        while (m_pos < m_html.size()) {
            size_t lt = m_html.find('<', m_pos);
            if (lt == std::string_view::npos)
                break;
            m_pos = lt;
            HtmlToken token;
            if (!ReadMarkup(token)) {
                ++m_pos; // a '<' that opens nothing is text
                continue;
            }
            FlushText(textStart, lt, false);
            m_tokens.push_back(std::move(token));
            textStart = m_pos;
            const HtmlToken& tag = m_tokens.back();
            if (tag.kind == HtmlTokenKind::StartTag && tag.name == "plaintext") {
                FlushText(m_pos, m_html.size(), true);
                return std::move(m_tokens);
            }
            if (tag.kind == HtmlTokenKind::StartTag && IsRawTextElement(tag.name)) {
                size_t end = FindRawTextEnd(tag.name);
                FlushText(m_pos, end, !IsRcdataElement(tag.name));
                m_pos = textStart = end;
            }
        }
        FlushText(textStart, m_html.size(), false);
        return std::move(m_tokens);
    }

private:
    void FlushText(size_t begin, size_t end, bool raw) {
        if (begin >= end)
            return;
        HtmlToken token;
        token.kind = HtmlTokenKind::Text;
        token.nBegin = begin;
        token.nEnd = end;
        token.bRawText = raw;
        m_tokens.push_back(std::move(token));
    }

    // Where the raw text after a start tag ends: at "</name" followed by a blank, '/' or '>'.
    size_t FindRawTextEnd(const std::string& name) const {
        size_t pos = m_pos;
        while ((pos = m_html.find("</", pos)) != std::string_view::npos) {
            size_t after = pos + 2 + name.size();
            if (StartsWithNoCase(m_html, pos + 2, name) &&
                (after >= m_html.size() || IsSpace(m_html[after]) || m_html[after] == '/' ||
                 m_html[after] == '>'))
                return pos;
            pos += 2;
        }
        return m_html.size();
    }

    // Reads the construct at m_pos ('<'); false when the '<' is plain text.
    bool ReadMarkup(HtmlToken& token) {
        size_t begin = m_pos;
        token.nBegin = begin;
        char next = begin + 1 < m_html.size() ? m_html[begin + 1] : '\0';
        if (IsAsciiAlpha(next))
            ReadTag(token, begin + 1, HtmlTokenKind::StartTag);
        else if (next == '/') {
            char after = begin + 2 < m_html.size() ? m_html[begin + 2] : '\0';
            if (IsAsciiAlpha(after))
                ReadTag(token, begin + 2, HtmlTokenKind::EndTag);
            else if (after == '>')
                EndAt(token, HtmlTokenKind::Bogus, begin + 3);
            else if (begin + 2 >= m_html.size())
                return false; // "</" at the very end is text
            else
                ReadUntilGreater(token, HtmlTokenKind::Bogus, begin + 2);
        } else if (next == '!') {
            if (StartsWithNoCase(m_html, begin + 2, "--"))
                ReadComment(token, begin + 4);
            else if (StartsWithNoCase(m_html, begin + 2, "doctype"))
                ReadUntilGreater(token, HtmlTokenKind::Doctype, begin + 2);
            else
                ReadUntilGreater(token, HtmlTokenKind::Bogus, begin + 2);
        } else if (next == '?') {
            ReadUntilGreater(token, HtmlTokenKind::Bogus, begin + 2);
        } else {
            return false;
        }
        return true;
    }

    void EndAt(HtmlToken& token, HtmlTokenKind kind, size_t end) {
        token.kind = kind;
        token.nEnd = std::min(end, m_html.size());
        m_pos = token.nEnd;
    }

    void ReadUntilGreater(HtmlToken& token, HtmlTokenKind kind, size_t from) {
        size_t gt = m_html.find('>', from);
        EndAt(token, kind, gt == std::string_view::npos ? m_html.size() : gt + 1);
    }

    // "<!-->" and "<!--->" are empty comments; "--!>" also closes one.
    void ReadComment(HtmlToken& token, size_t from) {
        size_t dataEnd = m_html.size();
        size_t end = m_html.size();
        if (StartsWithNoCase(m_html, from, ">")) {
            dataEnd = from;
            end = from + 1;
        } else if (StartsWithNoCase(m_html, from, "->")) {
            dataEnd = from;
            end = from + 2;
        } else {
            for (size_t pos = from; pos < m_html.size(); ++pos) {
                if (StartsWithNoCase(m_html, pos, "-->")) {
                    dataEnd = pos;
                    end = pos + 3;
                    break;
                }
                if (StartsWithNoCase(m_html, pos, "--!>")) {
                    dataEnd = pos;
                    end = pos + 4;
                    break;
                }
            }
        }
        token.data = std::string(m_html.substr(from, dataEnd - from));
        EndAt(token, HtmlTokenKind::Comment, end);
    }

    void ReadTag(HtmlToken& token, size_t nameStart, HtmlTokenKind kind) {
        size_t pos = nameStart;
        while (pos < m_html.size() && !IsSpace(m_html[pos]) && m_html[pos] != '/' &&
               m_html[pos] != '>')
            token.name += LowerAscii(m_html[pos++]);
        token.nNameEnd = pos;
        while (pos < m_html.size()) {
            char c = m_html[pos];
            if (IsSpace(c)) {
                ++pos;
            } else if (c == '>') {
                EndAt(token, kind, pos + 1);
                return;
            } else if (c == '/') {
                token.bSelfClosing = pos + 1 < m_html.size() && m_html[pos + 1] == '>';
                ++pos;
            } else {
                pos = ReadAttribute(token, pos);
            }
        }
        // A tag cut off by the end of the text is dropped by browsers.
        token.name.clear();
        token.attributes.clear();
        EndAt(token, HtmlTokenKind::Bogus, m_html.size());
    }

    size_t ReadAttribute(HtmlToken& token, size_t pos) {
        HtmlAttribute attribute;
        // The first character may be '=' (it then belongs to the name).
        do {
            attribute.name += LowerAscii(m_html[pos++]);
        } while (pos < m_html.size() && !IsSpace(m_html[pos]) && m_html[pos] != '/' &&
                 m_html[pos] != '>' && m_html[pos] != '=');
        size_t afterName = pos;
        while (pos < m_html.size() && IsSpace(m_html[pos]))
            ++pos;
        if (pos >= m_html.size() || m_html[pos] != '=') {
            token.attributes.push_back(std::move(attribute));
            return afterName;
        }
        ++pos;
        while (pos < m_html.size() && IsSpace(m_html[pos]))
            ++pos;
        attribute.bHasValue = true;
        if (pos < m_html.size() && (m_html[pos] == '"' || m_html[pos] == '\'')) {
            char quote = m_html[pos];
            size_t close = m_html.find(quote, pos + 1);
            size_t end = close == std::string_view::npos ? m_html.size() : close;
            attribute.value = std::string(m_html.substr(pos + 1, end - pos - 1));
            pos = close == std::string_view::npos ? m_html.size() : close + 1;
        } else {
            size_t start = pos;
            while (pos < m_html.size() && !IsSpace(m_html[pos]) && m_html[pos] != '>')
                ++pos;
            attribute.value = std::string(m_html.substr(start, pos - start));
        }
        token.attributes.push_back(std::move(attribute));
        return pos;
    }

    std::string_view m_html;
    size_t m_pos = 0;
    std::vector<HtmlToken> m_tokens;
};

} // namespace

std::vector<HtmlToken> TokenizeHtml(std::string_view html) {
    return Tokenizer(html).Run();
}

bool IsVoidElement(std::string_view name) {
    static constexpr std::array<std::string_view, 17> kNames = {
        "area", "base",  "basefont", "bgsound", "br",   "col",   "embed",  "frame", "hr",
        "img",  "input", "keygen",   "link",    "meta", "param", "source", "track"};
    return name == "wbr" || std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

const HtmlAttribute* FindAttribute(const HtmlToken& token, std::string_view name) {
    for (const HtmlAttribute& attribute : token.attributes)
        if (attribute.name == name)
            return &attribute;
    return nullptr;
}

} // namespace tb::host
