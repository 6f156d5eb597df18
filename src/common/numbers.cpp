#include "common/numbers.h"

#include "common/clocale.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

namespace kubato {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipSpace(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i)
{
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::int32_t toInteger(std::string_view text)
{
    std::size_t i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        if (value < limit) {
            value = value * 10 + (text[i] - '0');
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-(value < limit ? value : limit));
    }
    return static_cast<std::int32_t>(value < limit ? value : limit - 1);
}

double toDecimal(std::string_view text)
{
    // Nearly every value field holds whole millimetres right-aligned: blanks, perhaps a minus
    // sign, and digits up to the field's end. They are read in one pass, as the general reading
    // below reads them too.
    {
        std::size_t i = 0;
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
        const bool negative = i < text.size() && text[i] == '-';
        const std::size_t from = negative ? i + 1 : i;
        std::int64_t whole = 0;
        for (i = from; i < text.size() && isDigit(text[i]) && i - from < 15; ++i) {
            whole = whole * 10 + (text[i] - '0');
        }
        if (i == text.size() && i > from) {
            const double magnitude = static_cast<double>(whole);
            return negative ? -magnitude : magnitude;
        }
    }
    const std::size_t start = skipSpace(text);
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t intEnd = skipDigits(text, i);
    std::size_t end = intEnd;
    bool digits = intEnd > i;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fracEnd = skipDigits(text, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits) {
        return 0.0;
    }
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
            ++e;
        }
        const std::size_t expEnd = skipDigits(text, e);
        if (expEnd > e) {
            end = expEnd;
        }
    }
    // The value fields of the REB texts hold whole millimetres: an integer of up to 15 digits
    // is exactly a double, so it is read directly, as the general reading below would give it.
    if (end == intEnd && end - i <= 15) {
        std::int64_t whole = 0;
        for (std::size_t k = i; k < end; ++k) {
            whole = whole * 10 + (text[k] - '0');
        }
        const double magnitude = static_cast<double>(whole);
        return text[start] == '-' ? -magnitude : magnitude;
    }
    // The accepted part holds only sign, digits, point and exponent. from_chars rounds as
    // strtod does and needs no copy, but takes no plus sign and leaves a value out of the
    // double's range to the caller; strtod_l gives that one as the C library does.
    const std::size_t digitsFrom = text[start] == '+' ? start + 1 : start;
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data() + digitsFrom, text.data() + end, value);
    if (error == std::errc() && ptr == text.data() + end) {
        return value;
    }
    const std::string number(text.substr(start, end - start));
    return strtod_l(number.c_str(), nullptr, cLocale());
}

} // namespace kubato
