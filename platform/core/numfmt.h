#pragma once
// Number formatting and parsing that never depends on the C library locale: widget files,
// stored parameters and HTML must read the same whatever LC_NUMERIC a Qt program inherited.

#include <cstdint>
#include <string>
#include <string_view>

namespace tb {

// C atoi rules: leading white space, an optional sign, then decimal digits up to the first
// non-digit; no digits gives 0. Values beyond the 32-bit range saturate.
int AtoI(std::string_view text);
// The same, also telling where reading stopped: the index of the first character that is not
// part of the number, its sign or the white space before it.
int AtoI(std::string_view text, size_t& nEnd);

// C strtod rules for the decimal forms (white space, sign, digits, point, exponent); text
// that does not start with a number gives 0.0. The point is always '.'.
double AtoF(std::string_view text);

// "%d"
std::string FormatInt(long long value);
// "%d", appended without a text of its own.
void AppendInt(std::string& out, long long value);

// "%.9f" with a '.' point.
std::string FormatFixed9(double value);

// The value of one hexadecimal digit in either case; -1 for any other character.
int HexDigit(char c);

// "%02x": at least two lower-case hexadecimal digits of the unsigned value.
std::string FormatHex2(unsigned value);
// "%02x", appended without a text of its own.
void AppendHex2(std::string& out, unsigned value);

} // namespace tb
