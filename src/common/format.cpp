#include "common/format.h"

#include "common/clocale.h"

#include <clocale>
#include <cstdio>

namespace kubato {

namespace {

// Switches this thread to the C locale while it exists, so "%.3f" always writes a point.
class CLocaleScope {
public:
    CLocaleScope() : mPrevious(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(mPrevious); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    locale_t mPrevious;
};

} // namespace

void appendFormatV(std::string &out, const char *fmt, va_list args)
{
    const CLocaleScope scope;
    char buffer[256];
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(buffer, sizeof buffer, fmt, copy);
    va_end(copy);
    if (n < 0) {
        return;
    }
    if (static_cast<std::size_t>(n) < sizeof buffer) {
        out.append(buffer, static_cast<std::size_t>(n));
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data() + start, static_cast<std::size_t>(n) + 1, fmt, args);
    out.resize(start + static_cast<std::size_t>(n));
}

std::string format(const char *fmt, ...)
{
    std::string out;
    va_list args;
    va_start(args, fmt);
    appendFormatV(out, fmt, args);
    va_end(args);
    return out;
}

void appendFormat(std::string &out, const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    appendFormatV(out, fmt, args);
    va_end(args);
}

} // namespace kubato
