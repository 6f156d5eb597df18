#pragma once

// A point number as the tables hold it: the characters of its field with every blank left
// out. No number field is wider than eight columns, so the characters are kept in place; a
// table of millions of points or triangles then needs no text of its own per entry, and two
// numbers compare in a few instructions.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kubato {

class PointNumber {
public:
    // The widest number field.
    static constexpr std::size_t Capacity = 8;

    PointNumber() = default;
    // Keeps the first eight characters; a number field never gives more.
    PointNumber(std::string_view text) // NOLINT(google-explicit-constructor): a text is a number
        : mSize(static_cast<std::uint8_t>(text.size() < Capacity ? text.size() : Capacity))
    {
        std::memcpy(mText.data(), text.data(), mSize);
    }
    // A number from its places as one word (the first character in the lowest byte) and its
    // size; the bytes beyond the size must be zero.
    static PointNumber fromWord(std::uint64_t word, std::size_t size)
    {
        PointNumber number;
        std::memcpy(number.mText.data(), &word, sizeof word);
        number.mSize = static_cast<std::uint8_t>(size);
        return number;
    }
    PointNumber(const char *text) : PointNumber(std::string_view(text)) {}        // NOLINT
    PointNumber(const std::string &text) : PointNumber(std::string_view(text)) {} // NOLINT

    std::string_view view() const { return {mText.data(), mSize}; }
    operator std::string_view() const { return view(); } // NOLINT
    std::string str() const { return std::string(view()); }
    // The characters followed by a NUL, for "%s" (printable().data()): like any C text, it
    // ends at its first NUL. The number itself keeps no NUL, so that a table entry of three
    // numbers stays small.
    std::array<char, Capacity + 1> printable() const
    {
        std::array<char, Capacity + 1> text{};
        std::memcpy(text.data(), mText.data(), Capacity);
        return text;
    }
    std::size_t size() const { return mSize; }
    bool empty() const { return mSize == 0; }

    // The eight character places as one word, the first character in the lowest byte. The
    // places behind the characters are always zero, so equal numbers have equal words; the
    // size tells "1" from "1" followed by a NUL character.
    std::uint64_t word() const
    {
        std::uint64_t w = 0;
        std::memcpy(&w, mText.data(), sizeof w);
        return w;
    }

    friend bool operator==(const PointNumber &a, const PointNumber &b)
    {
        return a.word() == b.word() && a.mSize == b.mSize;
    }
    friend bool operator==(const PointNumber &a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const PointNumber &a, const char *b) { return a.view() == b; }
    friend bool operator==(const PointNumber &a, const std::string &b) { return a.view() == b; }

    // Byte by byte as unsigned codes, a prefix first: the word with its first character made
    // the highest byte orders like the text up to the zeros behind a prefix, and the size
    // decides between a prefix and the same text followed by NUL characters.
    friend bool sortsBefore(const PointNumber &a, const PointNumber &b)
    {
        const std::uint64_t wa = __builtin_bswap64(a.word());
        const std::uint64_t wb = __builtin_bswap64(b.word());
        return wa < wb || (wa == wb && a.mSize < b.mSize);
    }

private:
    static_assert(Capacity == sizeof(std::uint64_t), "a number's places make one word");
    static_assert(std::endian::native == std::endian::little,
                  "the first character is the low byte");
    std::array<char, Capacity> mText{};
    std::uint8_t mSize = 0;
};

} // namespace kubato
