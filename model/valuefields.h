#pragma once
// Comma-separated value lists, as the applet HTML and the stored parameters use them.
// A label must stay one field, so its CR LF pairs and commas travel as escape sequences;
// every field read back is unescaped, whatever it holds.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tb {

// What a comma inside a field travels as.
inline constexpr std::string_view kCommaEscape = "~@^`";

// CR LF pairs become "|_#`", then commas become kCommaEscape.
std::string EscapeLabel(std::string_view label);

// The inverse, in the reverse order: "~@^`" becomes a comma, then "|_#`" becomes CR LF.
std::string UnescapeField(std::string_view field);

// A value split once at its commas and then read by position (0-based). A position beyond
// the last field reads as an empty text, or 0 as a number.
class CValueFields {
public:
    explicit CValueFields(std::string_view value);

    // Number of fields: the commas plus one, or 0 for an empty value.
    size_t Count() const { return m_fields.size(); }
    // The unescaped field.
    std::string Text(size_t nPos) const;
    // The unescaped field read with the C atoi rules.
    int Int(size_t nPos) const;

private:
    std::string m_strValue;
    std::vector<std::pair<size_t, size_t>> m_fields; // offset and length in m_strValue
};

// Appends fields to a text the caller owns, so long values are built in one buffer. Fields
// are separated by commas, or, in the terminated form, each followed by a comma.
class CFieldJoiner {
public:
    explicit CFieldJoiner(std::string& strOut, bool bTerminated = false)
        : m_strOut(strOut), m_bTerminated(bTerminated) {}

    // The text as it stands (no escaping here: only labels are escaped, by the caller).
    CFieldJoiner& Add(std::string_view field);
    // "%d"
    CFieldJoiner& AddInt(long long nValue);

private:
    void BeginField();
    void EndField();

    std::string& m_strOut;
    bool m_bTerminated;
    bool m_bFirst = true;
};

// "%d,%d,...": the numbers joined by commas.
std::string JoinInts(std::initializer_list<long long> values);

} // namespace tb
