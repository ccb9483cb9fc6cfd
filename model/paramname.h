#pragma once
// The name of a menu's or an item's parameter ("MStyle-%d", "IStyle-%d", "I%d-%d"), built in
// place: the stored form and the HTML write one for every menu and item of a design, and
// reading a design looks up as many.

#include <charconv>
#include <iterator>
#include <string_view>

namespace tb {

class CParamName {
public:
    // prefix + the menu number, for a prefix of at most 16 characters.
    CParamName(std::string_view prefix, int nMenu) : m_nLength(prefix.substr(0, 16).size()) {
        prefix.copy(m_buffer, m_nLength);
        Append(nMenu);
    }
    // "I" + the menu number + "-" + the item's position.
    CParamName(int nMenu, int nPosition) : CParamName("I", nMenu) {
        if (m_nLength < sizeof m_buffer) // always: the numbers are short
            m_buffer[m_nLength++] = '-';
        Append(nPosition);
    }
    std::string_view View() const { return {m_buffer, m_nLength}; }

private:
    void Append(int n) {
        m_nLength =
            size_t(std::to_chars(m_buffer + m_nLength, std::end(m_buffer), n).ptr - m_buffer);
    }

    char m_buffer[48]; // the longest prefix and two numbers of eleven characters
    size_t m_nLength;
};

} // namespace tb
