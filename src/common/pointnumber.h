#pragma once

// A point number as the tables hold it: the characters of its field with every blank left
// out. No number field is wider than eight columns, so the characters are kept in place; a
// table of millions of points or triangles then needs no text of its own per entry, and two
// numbers compare in a few instructions.

#include <array>
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
    PointNumber(const char *text) : PointNumber(std::string_view(text)) {}        // NOLINT
    PointNumber(const std::string &text) : PointNumber(std::string_view(text)) {} // NOLINT

    std::string_view view() const { return {mText.data(), mSize}; }
    operator std::string_view() const { return view(); } // NOLINT
    std::string str() const { return std::string(view()); }
    // The characters followed by a NUL, for "%s": like any C text, it ends at its first NUL.
    const char *c_str() const { return mText.data(); }
    std::size_t size() const { return mSize; }
    bool empty() const { return mSize == 0; }

    // The bytes behind the characters are always zero, so equal numbers are equal in every
    // byte; the size tells "1" from "1" followed by a NUL character.
    friend bool operator==(const PointNumber &a, const PointNumber &b)
    {
        return a.mText == b.mText && a.mSize == b.mSize;
    }
    friend bool operator==(const PointNumber &a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const PointNumber &a, const char *b) { return a.view() == b; }
    friend bool operator==(const PointNumber &a, const std::string &b) { return a.view() == b; }

private:
    std::array<char, Capacity + 1> mText{};
    std::uint8_t mSize = 0;
};

} // namespace kubato
