#include "common/cp1252.h"

#include <cstdint>
#include <cstring>

#include "common/largememory.h"

namespace kubato {

namespace {

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the bytes there are
// not a valid, shortest-form sequence.
std::size_t decodeUtf8(std::string_view text, std::size_t i, char32_t &cp)
{
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if ((b & 0xE0) == 0xC0) {
        cp = b & 0x1F;
        len = 2;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        cp = b & 0x0F;
        len = 3;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        cp = b & 0x07;
        len = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b < 0xA0) {
            appendUtf8(out, detail::kCp1252High[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        const std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            out += utf8[i];
            ++i;
            continue;
        }
        const int byte = detail::cp1252Byte(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += len;
    }
    return out;
}

namespace {

// True when the bytes are valid UTF-8 and hold at least one character beyond ASCII.
bool isUtf8BeyondAscii(std::string_view text)
{
    bool beyond = false;
    std::size_t i = 0;
    while (i < text.size()) {
        // Whole words of ASCII are passed at once: a loaded text is mostly ASCII, and may
        // be a hundred megabytes long.
        if (i + 8 <= text.size()) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + i, 8);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t cp = 0;
        const std::size_t len = decodeUtf8(text, i, cp);
        if (len == 0) {
            return false;
        }
        beyond = true;
        i += len;
    }
    return beyond;
}

std::string utf16ToCp1252(std::string_view bytes, bool littleEndian)
{
    std::string out;
    out.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[littleEndian ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(bytes[littleEndian ? i + 1 : i]);
        const char32_t unit = static_cast<char32_t>(hi << 8 | lo);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            // The high half of a pair: its character lies beyond Windows-1252; the low half
            // that follows is skipped with it.
            out += '?';
            i += 2;
            continue;
        }
        const int byte = detail::cp1252Byte(unit);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

} // namespace

std::string loadedTextToCp1252(std::string bytes)
{
    const std::string_view view = bytes;
    if (view.substr(0, 2) == "\xFF\xFE" || view.substr(0, 2) == "\xFE\xFF") {
        return utf16ToCp1252(view.substr(2), view[0] == '\xFF');
    }
    if (view.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.erase(0, 3);
    }
    if (isUtf8BeyondAscii(bytes)) {
        return utf8ToCp1252(bytes);
    }
    return bytes;
}

std::string lowerAsciiLetters(std::string_view text)
{
    std::string out(text);
    for (char &c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace kubato
