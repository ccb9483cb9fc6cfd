#include "platform/ui/integercheck.h"

#include <algorithm>

#include "platform/core/asciitext.h"
#include "platform/core/numfmt.h"

namespace tb {

namespace {

constexpr char kNotAnInteger[] = "Please enter an integer.";
constexpr char kNotAPositiveInteger[] = "Please enter a positive integer.";
constexpr long long kBeyondInt = 1LL << 40;

} // namespace

std::string IntegerRangeMessage(int nMin, int nMax) {
    return "Please enter an integer between " + FormatInt(nMin) + " and " + FormatInt(nMax) + ".";
}

IntegerCheck CheckInteger(std::string_view text, int nMin, int nMax, IntegerKind kind) {
    const std::string_view number = TrimCSpace(text);
    IntegerCheck check;
    size_t i = 0;
    bool bNegative = false;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        bNegative = number[i] == '-';
        ++i;
    }
    const bool bDigitsOnly =
        i < number.size() && number.find_first_not_of("0123456789", i) == std::string_view::npos;
    if (!bDigitsOnly || (bNegative && kind == IntegerKind::Unsigned)) {
        check.message = kind == IntegerKind::Unsigned ? kNotAPositiveInteger : kNotAnInteger;
        return check;
    }
    // Digits beyond what 32 bits hold only push the value further out of every range.
    long long value = 0;
    for (; i < number.size(); ++i)
        value = std::min(value * 10 + (number[i] - '0'), kBeyondInt);
    if (bNegative)
        value = -value;
    if (value < nMin || value > nMax) {
        check.message = IntegerRangeMessage(nMin, nMax);
        return check;
    }
    check.value = static_cast<int>(value);
    return check;
}

bool IsUnfinishedInteger(std::string_view text) {
    const std::string_view number = TrimCSpace(text);
    return number.empty() || number == "+" || number == "-";
}

} // namespace tb
