#pragma once

// Windows-1252 is the character set of the REB files and of every list and message of the
// program: one byte is one column. German literals are written readably in UTF-8 and turned
// into Windows-1252 bytes at compile time with the _cp suffix:
//     " DA57 : Bezugshorizont für Volumenberechnung"_cp
// Texts cross to UTF-8 only at the edges (windows, clipboard, command line).

#include <cstddef>
#include <string>
#include <string_view>

namespace kubato {

namespace detail {

// Unicode code points of the bytes 0x80 to 0x9F; the five unassigned bytes keep their C1
// control code point so that every byte survives a round trip.
inline constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Returns the Windows-1252 byte of a code point, or -1 when the set has none.
constexpr int cp1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<int>(cp);
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

template <std::size_t N> struct Cp1252Literal {
    char data[N]{};
    std::size_t size = 0;

    consteval Cp1252Literal(const char (&utf8)[N])
    {
        std::size_t i = 0;
        while (i + 1 < N) {
            const auto b = static_cast<unsigned char>(utf8[i]);
            char32_t cp = 0;
            std::size_t len = 1;
            if (b < 0x80) {
                cp = b;
            } else if ((b & 0xE0) == 0xC0) {
                cp = b & 0x1F;
                len = 2;
            } else if ((b & 0xF0) == 0xE0) {
                cp = b & 0x0F;
                len = 3;
            } else {
                throw "literal holds a character outside Windows-1252";
            }
            for (std::size_t k = 1; k < len; ++k) {
                cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
            const int byte = cp1252Byte(cp);
            if (byte < 0) {
                throw "literal holds a character outside Windows-1252";
            }
            data[size++] = static_cast<char>(byte);
            i += len;
        }
        data[size] = '\0';
    }
};

} // namespace detail

// A UTF-8 literal as Windows-1252 bytes; the view is NUL-terminated and lives for the program.
template <detail::Cp1252Literal L> constexpr std::string_view operator""_cp()
{
    return {L.data, L.size};
}

// Turns Windows-1252 bytes into UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// Turns UTF-8 into Windows-1252. A character the set lacks becomes '?'; a byte that is not
// part of valid UTF-8 is taken as a Windows-1252 byte as it stands (a file name written in
// an 8-bit code page keeps its letters).
std::string utf8ToCp1252(std::string_view utf8);

// The text of a loaded file as Windows-1252. REB files are Windows-1252, but files saved by
// today's editors often are not: a UTF-8 byte-order mark is dropped, a UTF-8 text with
// characters beyond ASCII is converted (so "ä" takes one column, not two), and a UTF-16 text
// with its byte-order mark is converted too. Anything else is taken as Windows-1252 as it
// stands. Such a text, the usual case, is handed back without a copy.
std::string loadedTextToCp1252(std::string bytes);

// Lower-cases the letters A to Z and nothing else, as file paths are shown.
std::string lowerAsciiLetters(std::string_view text);

} // namespace kubato
