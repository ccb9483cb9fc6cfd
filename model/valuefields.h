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
// The same, appended in one pass.
void AppendEscapedLabel(std::string& out, std::string_view label);
// As a label, but a lone LF (what a text edit here produces) is a line break too and becomes
// "|_#`" like a CR LF pair.
void AppendEscapedText(std::string& out, std::string_view text);

// The inverse, in the reverse order: "~@^`" becomes a comma, then "|_#`" becomes CR LF.
std::string UnescapeField(std::string_view field);

// A value of comma-separated fields read by position (0-based). A position beyond the last
// field reads as an empty text, or 0 as a number. Fields are found as they are asked for, and
// asking in order (as every reader of a stored value does) reads the value once from start to
// end; numbers are read where they lie, without a text of their own. The value must outlive
// this object.
class CValueFields {
public:
    explicit CValueFields(std::string_view value) : m_value(value) {}
    explicit CValueFields(const char* value) : CValueFields(std::string_view(value)) {}
    explicit CValueFields(std::string&&) = delete; // would leave the fields dangling

    // Number of fields: the commas plus one, or 0 for an empty value.
    size_t Count() const;
    // The unescaped field.
    std::string Text(size_t nPos) const;
    // The unescaped field read with the C atoi rules.
    int Int(size_t nPos) const;
    // The field as stored, escapes and all.
    std::string_view Escaped(size_t nPos) const;

private:
    // Moves the cursor to field nPos; false when there is no such field.
    bool SeekField(size_t nPos) const;
    // Moves the cursor past the field it is in, from index nFrom of the value on.
    void FinishField(size_t nFrom) const;

    std::string_view m_value;
    // The cursor: the field that starts at m_nStart (m_nStart beyond the value's end when
    // the fields have run out).
    mutable size_t m_nField = 0;
    mutable size_t m_nStart = 0;
};

// Appends fields to a text the caller owns, so long values are built in one buffer. Fields
// are separated by commas, or, in the terminated form, each followed by a comma.
class CFieldJoiner {
public:
    explicit CFieldJoiner(std::string& strOut, bool bTerminated = false)
        : m_strOut(strOut), m_bTerminated(bTerminated) {}

    // The text as it stands (no escaping here: only labels are escaped, by the caller).
    CFieldJoiner& Add(std::string_view field);
    // The text escaped as AppendEscapedText does.
    CFieldJoiner& AddEscaped(std::string_view text);
    // "%d"
    CFieldJoiner& AddInt(long long nValue);

private:
    void BeginField() {
        if (!m_bTerminated && !m_bFirst)
            m_strOut += ',';
        m_bFirst = false;
    }
    void EndField() {
        if (m_bTerminated)
            m_strOut += ',';
    }

    std::string& m_strOut;
    bool m_bTerminated;
    bool m_bFirst = true;
};

// "%d,%d,...": the numbers joined by commas.
std::string JoinInts(std::initializer_list<long long> values);

} // namespace tb
