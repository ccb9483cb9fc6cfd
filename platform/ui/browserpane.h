#pragma once
// A pane that shows one page: the preview panes of the windows that preview widgets. They
// only ever navigate, to a page file or to the empty page, so that is all a pane offers;
// the windows put a web view behind it, the tests a pane that records where it was sent.

#include <string>

namespace tb {

// The empty page every pane starts on and falls back to.
inline constexpr const char* kAboutBlank = "about:blank";

class CBrowserPane {
public:
    virtual ~CBrowserPane() = default;
    // pathOrBlank: the full path of a page file, or kAboutBlank.
    virtual void Navigate(const std::string& pathOrBlank) = 0;
};

} // namespace tb
