#include "platform/core/numfmt.h"

#include "platform/core/asciitext.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

namespace tb {

int AtoI(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturate, keep scanning
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : -static_cast<int>(value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

double AtoF(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    // from_chars takes no sign of its own after ours and no leading '+': both are handled above.
    if (first < last && (*first == '+' || *first == '-'))
        return 0.0;
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // strtod gives HUGE_VAL or 0 here; from_chars leaves value untouched.
        value = 0.0;
        for (const char* p = first; p < result.ptr; ++p)
            if (*p >= '1' && *p <= '9') {
                value = HUGE_VAL;
                break;
            }
        // A large negative exponent underflows to 0, not to HUGE_VAL.
        for (const char* p = first; p < result.ptr; ++p)
            if ((*p == 'e' || *p == 'E') && p + 1 < result.ptr && p[1] == '-')
                value = 0.0;
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

std::string FormatInt(long long value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatFixed9(double value) {
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 9);
    if (result.ec != std::errc())
        return "0.000000000";
    return std::string(buffer, result.ptr);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string FormatHex2(unsigned value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string text(buffer, result.ptr);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

} // namespace tb
