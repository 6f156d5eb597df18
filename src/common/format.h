#pragma once

// printf-style formatting for list lines, messages and status texts. Every format of the
// program is a C printf format ("%10.3lf", "%2i", "%li"), so they all go through snprintf
// here, always with the C locale's decimal point whatever locale the desktop has set.

#include <cstdarg>
#include <string>

namespace kubato {

#if defined(__GNUC__)
#define KUBATO_PRINTF(fmtIndex, firstArg) __attribute__((format(printf, fmtIndex, firstArg)))
#else
#define KUBATO_PRINTF(fmtIndex, firstArg)
#endif

// Returns the formatted text.
std::string format(const char *fmt, ...) KUBATO_PRINTF(1, 2);

// Appends the formatted text to out.
void appendFormat(std::string &out, const char *fmt, ...) KUBATO_PRINTF(2, 3);

// The va_list form behind both.
void appendFormatV(std::string &out, const char *fmt, va_list args) KUBATO_PRINTF(2, 0);

} // namespace kubato
