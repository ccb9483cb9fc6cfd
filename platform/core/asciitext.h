#pragma once
// ASCII text helpers shared by the file readers and name lookups. Widget files, hives and
// member names compare without regard to ASCII case only, whatever the user's locale says.

#include <string>
#include <string_view>

namespace tb {

// The C library's white space in the "C" locale: blank, tab, CR, LF, vertical tab, form feed.
constexpr bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text without leading and trailing C white space.
std::string_view TrimCSpace(std::string_view text);

// ASCII lower case, the form names are compared in.
std::string FoldCase(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The text for one line of a listing or a message: tab, CR and LF as "\t", "\r" and "\n",
// every other control character (and DEL) as "\xHH"; everything else unchanged.
std::string EscapeControlCharacters(std::string_view text);

} // namespace tb
