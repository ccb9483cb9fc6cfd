#pragma once
// The integer validation of property pages and dialogs: what a box's text is worth, or the
// message that says why it is no integer of the allowed range. The messages are the same
// wherever a number is typed, so they live here, next to the message boxes that show them.

#include <optional>
#include <string>
#include <string_view>

namespace tb {

// Signed boxes take an optional sign; unsigned ones refuse a minus sign with their own message.
enum class IntegerKind { Signed, Unsigned };

struct IntegerCheck {
    std::optional<int> value; // set when the text is an integer within the range
    std::string message;      // why not, otherwise

    bool Passed() const { return value.has_value(); }
};

// Blanks may surround the number; anything else besides one sign and the digits makes the
// text no integer. A number beyond the 32-bit range counts as out of range.
IntegerCheck CheckInteger(std::string_view text, int nMin, int nMax,
                          IntegerKind kind = IntegerKind::Signed);

// "Please enter an integer between 0 and 1200."
std::string IntegerRangeMessage(int nMin, int nMax);

// Text a user is still in the middle of typing: nothing, or a sign alone (blanks aside).
bool IsUnfinishedInteger(std::string_view text);

} // namespace tb
