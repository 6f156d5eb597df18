#include "common/numbers.h"

#include "common/clocale.h"

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
    // strtod_l needs a terminated text; the accepted part holds only sign, digits, point and
    // exponent, so strtod_l reads exactly it.
    const std::string number(text.substr(start, end - start));
    return strtod_l(number.c_str(), nullptr, cLocale());
}

} // namespace kubato
