#include "model/valuefields.h"

#include "platform/core/numfmt.h"

#include <algorithm>

namespace tb {

namespace {

constexpr std::string_view kLineBreakEscape = "|_#`";

// Line breaks and commas escaped in one pass; a lone LF counts as a break when asked.
void AppendEscaped(std::string& out, std::string_view text, bool bLoneLfBreaks) {
    size_t nStart = 0; // first byte not yet appended
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        std::string_view escape;
        size_t nLength = 1;
        if (c == ',') {
            escape = kCommaEscape;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            escape = kLineBreakEscape;
            nLength = 2;
        } else if (c == '\n' && bLoneLfBreaks) {
            escape = kLineBreakEscape;
        } else {
            continue;
        }
        out.append(text, nStart, i - nStart);
        out += escape;
        i += nLength - 1;
        nStart = i + 1;
    }
    out.append(text, nStart, std::string_view::npos);
}

} // namespace

std::string EscapeLabel(std::string_view label) {
    std::string out;
    out.reserve(label.size());
    AppendEscapedLabel(out, label);
    return out;
}

void AppendEscapedLabel(std::string& out, std::string_view label) {
    AppendEscaped(out, label, false);
}

void AppendEscapedText(std::string& out, std::string_view text) {
    AppendEscaped(out, text, true);
}

std::string UnescapeField(std::string_view field) {
    // Fields are mostly numbers: no escape at all is the common case. The two escapes cannot
    // overlap or make each other, so one pass replaces both as two passes would.
    size_t nTick = field.find('`');
    if (nTick == std::string_view::npos)
        return std::string(field);
    std::string out;
    out.reserve(field.size());
    size_t nStart = 0; // first byte not yet appended
    for (; nTick != std::string_view::npos; nTick = field.find('`', nTick + 1)) {
        if (nTick < nStart + 3)
            continue;
        const std::string_view candidate = field.substr(nTick - 3, 4);
        const bool bComma = candidate == kCommaEscape;
        if (!bComma && candidate != kLineBreakEscape)
            continue;
        out.append(field, nStart, nTick - 3 - nStart);
        out += bComma ? "," : "\r\n";
        nStart = nTick + 1;
    }
    out.append(field, nStart, std::string_view::npos);
    return out;
}

size_t CValueFields::Count() const {
    return m_value.empty() ? 0 : size_t(std::count(m_value.begin(), m_value.end(), ',')) + 1;
}

bool CValueFields::SeekField(size_t nPos) const {
    if (m_value.empty())
        return false;
    if (nPos < m_nField) {
        m_nField = 0;
        m_nStart = 0;
    }
    while (m_nField < nPos && m_nStart <= m_value.size())
        FinishField(m_nStart);
    return m_nStart <= m_value.size();
}

void CValueFields::FinishField(size_t nFrom) const {
    const size_t nComma = m_value.find(',', nFrom);
    m_nStart = nComma == std::string_view::npos ? m_value.size() + 1 : nComma + 1;
    ++m_nField;
}

std::string_view CValueFields::Escaped(size_t nPos) const {
    if (!SeekField(nPos))
        return {};
    const size_t nStart = m_nStart;
    FinishField(nStart);
    return m_value.substr(nStart, m_nStart - 1 - nStart);
}

std::string CValueFields::Text(size_t nPos) const {
    return UnescapeField(Escaped(nPos));
}

int CValueFields::Int(size_t nPos) const {
    if ((nPos != m_nField || m_nStart > m_value.size()) && !SeekField(nPos))
        return 0;
    // Most fields are a plain number of a few digits, read here in one go.
    const char* const first = m_value.data() + m_nStart;
    const char* const end = m_value.data() + m_value.size();
    const char* p = first;
    const bool bNegative = p != end && *p == '-';
    p += bNegative ? 1 : 0;
    const char* const digits = p;
    int nValue = 0;
    while (p != end && p - digits < 9 && unsigned(*p - '0') < 10)
        nValue = nValue * 10 + (*p++ - '0');
    if (p != digits && (p == end || *p == ',')) {
        m_nStart += size_t(p - first) + 1;
        ++m_nField;
        return bNegative ? -nValue : nValue;
    }
    // Read where the field lies: an escape only changes the number when a line break stands
    // where atoi skips white space, and there a '|' is the first character after the blanks.
    const std::string_view rest = m_value.substr(m_nStart);
    size_t nEnd = 0;
    const int n = AtoI(rest, nEnd);
    if (nEnd < rest.size() && rest[nEnd] == '|')
        return AtoI(UnescapeField(Escaped(nPos)));
    // A field that is only a number ends right after it.
    if (nEnd < rest.size() && rest[nEnd] == ',') {
        m_nStart += nEnd + 1;
        ++m_nField;
    } else {
        FinishField(m_nStart + nEnd);
    }
    return n;
}

CFieldJoiner& CFieldJoiner::Add(std::string_view field) {
    BeginField();
    m_strOut.append(field);
    EndField();
    return *this;
}

CFieldJoiner& CFieldJoiner::AddEscaped(std::string_view text) {
    BeginField();
    AppendEscapedText(m_strOut, text);
    EndField();
    return *this;
}

CFieldJoiner& CFieldJoiner::AddInt(long long nValue) {
    BeginField();
    AppendInt(m_strOut, nValue);
    EndField();
    return *this;
}

std::string JoinInts(std::initializer_list<long long> values) {
    std::string out;
    CFieldJoiner joiner(out);
    for (long long nValue : values)
        joiner.AddInt(nValue);
    return out;
}

} // namespace tb
