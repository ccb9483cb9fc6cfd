#pragma once
// Keeping a page's own bytes while it is edited in the engine. The page is split into tokens
// and every start tag is marked with its token's number before the engine reads it, so that
// each element the engine builds can be traced back to the bytes it came from. When the page
// is saved, the editing script names, piece by piece, either a run of original tokens (for
// everything that was not edited) or new HTML (for what was), and the pieces are put
// together here.

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "addin/host/htmltokenizer.h"

namespace tb::vellumo {

inline constexpr const char* kSourceAttribute = "data-vellumo-src";

// Original tokens nFirst..nLast (inclusive), or new bytes.
struct TokenRun {
    size_t nFirst = 0;
    size_t nLast = 0;
};
using PagePiece = std::variant<TokenRun, std::string>;

class CSourceMap {
public:
    explicit CSourceMap(std::string bytes);

    const std::string& bytes() const { return m_bytes; }
    const std::vector<host::HtmlToken>& tokens() const { return m_tokens; }
    std::string_view TokenBytes(size_t index) const;

    // The page with data-vellumo-src="N" added after the name of every start tag.
    std::string Annotated() const;

    // The pieces put together; false when a run lies outside the tokens or runs backwards.
    bool Assemble(const std::vector<PagePiece>& pieces, std::string* page) const;

private:
    std::string m_bytes;
    std::vector<host::HtmlToken> m_tokens;
};

} // namespace tb::vellumo
