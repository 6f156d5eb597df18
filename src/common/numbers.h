#pragma once

// Reading numbers from text without error reports: leading white space is skipped, reading
// stops at the first character that cannot continue the number, and a text without a number
// gives 0. Both are independent of the desktop's locale (the decimal separator is a point).

#include <cstdint>
#include <string_view>

namespace kubato {

// Optional sign and decimal digits. A value beyond the 32-bit range is held at the nearest
// limit.
std::int32_t toInteger(std::string_view text);

// Optional sign, digits with an optional decimal point, and an optional exponent (e or E,
// optional sign, digits). Infinity, NaN and hexadecimal forms are not numbers here. A value
// too large for a double gives plus or minus infinity, as the C library does.
double toDecimal(std::string_view text);

} // namespace kubato
