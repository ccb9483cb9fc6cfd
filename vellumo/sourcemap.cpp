#include "vellumo/sourcemap.h"

namespace tb::vellumo {

CSourceMap::CSourceMap(std::string bytes)
    : m_bytes(std::move(bytes)), m_tokens(host::TokenizeHtml(m_bytes)) {}

std::string_view CSourceMap::TokenBytes(size_t index) const {
    const host::HtmlToken& token = m_tokens.at(index);
    return std::string_view(m_bytes).substr(token.nBegin, token.nEnd - token.nBegin);
}

std::string CSourceMap::Annotated() const {
    std::string annotated;
    annotated.reserve(m_bytes.size() + m_tokens.size() * 24);
    size_t copied = 0;
    for (size_t i = 0; i < m_tokens.size(); ++i) {
        const host::HtmlToken& token = m_tokens[i];
        if (token.kind != host::HtmlTokenKind::StartTag)
            continue;
        annotated.append(m_bytes, copied, token.nNameEnd - copied);
        annotated += " ";
        annotated += kSourceAttribute;
        annotated += "=\"" + std::to_string(i) + "\"";
        copied = token.nNameEnd;
    }
    annotated.append(m_bytes, copied, std::string::npos);
    return annotated;
}

bool CSourceMap::Assemble(const std::vector<PagePiece>& pieces, std::string* page) const {
    std::string result;
    for (const PagePiece& piece : pieces) {
        if (const auto* fresh = std::get_if<std::string>(&piece)) {
            result += *fresh;
            continue;
        }
        const TokenRun& run = std::get<TokenRun>(piece);
        if (run.nFirst > run.nLast || run.nLast >= m_tokens.size())
            return false;
        size_t begin = m_tokens[run.nFirst].nBegin;
        result.append(m_bytes, begin, m_tokens[run.nLast].nEnd - begin);
    }
    *page = std::move(result);
    return true;
}

} // namespace tb::vellumo
