#include "model/valuefields.h"

#include "platform/core/numfmt.h"

namespace tb {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kLineBreakEscape = "|_#`";

// Replaces every non-overlapping occurrence of 'from', scanning left to right, in one pass.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t nPos = 0;
    for (;;) {
        const size_t nHit = text.find(from, nPos);
        if (nHit == std::string_view::npos)
            break;
        out.append(text, nPos, nHit - nPos);
        out.append(to);
        nPos = nHit + from.size();
    }
    out.append(text, nPos, std::string_view::npos);
    return out;
}

} // namespace

std::string EscapeLabel(std::string_view label) {
    const std::string noBreaks = ReplaceAll(label, kLineBreak, kLineBreakEscape);
    return ReplaceAll(noBreaks, ",", kCommaEscape);
}

std::string UnescapeField(std::string_view field) {
    // Fields are mostly numbers: skip the two copies when there is no escape at all.
    if (field.find('`') == std::string_view::npos)
        return std::string(field);
    const std::string withCommas = ReplaceAll(field, kCommaEscape, ",");
    return ReplaceAll(withCommas, kLineBreakEscape, kLineBreak);
}

CValueFields::CValueFields(std::string_view value) : m_strValue(value) {
    if (m_strValue.empty())
        return;
    size_t nStart = 0;
    for (;;) {
        const size_t nComma = m_strValue.find(',', nStart);
        if (nComma == std::string::npos) {
            m_fields.emplace_back(nStart, m_strValue.size() - nStart);
            break;
        }
        m_fields.emplace_back(nStart, nComma - nStart);
        nStart = nComma + 1;
    }
}

std::string CValueFields::Text(size_t nPos) const {
    if (nPos >= m_fields.size())
        return {};
    const auto& [nOffset, nLength] = m_fields[nPos];
    return UnescapeField(std::string_view(m_strValue).substr(nOffset, nLength));
}

int CValueFields::Int(size_t nPos) const {
    return AtoI(Text(nPos));
}

void CFieldJoiner::BeginField() {
    if (!m_bTerminated && !m_bFirst)
        m_strOut += ',';
    m_bFirst = false;
}

void CFieldJoiner::EndField() {
    if (m_bTerminated)
        m_strOut += ',';
}

CFieldJoiner& CFieldJoiner::Add(std::string_view field) {
    BeginField();
    m_strOut.append(field);
    EndField();
    return *this;
}

CFieldJoiner& CFieldJoiner::AddInt(long long nValue) {
    BeginField();
    m_strOut += FormatInt(nValue);
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
