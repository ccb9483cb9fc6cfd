#include "platform/core/numfmt.h"

#include "platform/core/asciitext.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>

namespace tb {

int AtoI(std::string_view text) {
    size_t nEnd;
    return AtoI(text, nEnd);
}

int AtoI(std::string_view text, size_t& nEnd) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && IsCSpace(*p))
        ++p;
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Saturates one past INT_MAX and keeps scanning, so INT_MIN itself still reads.
    constexpr uint64_t kLimit = uint64_t(INT_MAX) + 1;
    uint64_t value = 0;
    for (; p != end; ++p) {
        const unsigned digit = unsigned(static_cast<unsigned char>(*p)) - '0';
        if (digit > 9)
            break;
        value = std::min(value * 10 + digit, kLimit);
    }
    nEnd = size_t(p - text.data());
    if (negative)
        return value == kLimit ? INT_MIN : -static_cast<int>(value);
    return value == kLimit ? INT_MAX : static_cast<int>(value);
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
    std::string text;
    AppendInt(text, value);
    return text;
}

void AppendInt(std::string& out, long long value) {
    char buffer[24];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    out.append(p, end);
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
    std::string text;
    AppendHex2(text, value);
    return text;
}

void AppendHex2(std::string& out, unsigned value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    if (result.ptr - buffer < 2)
        out += '0';
    out.append(buffer, result.ptr);
}

} // namespace tb
