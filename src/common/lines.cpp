#include "common/lines.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/largememory.h"
#include "common/numbers.h"

namespace kubato {

namespace {

// Where the first CR or LF at or after from stands, or size when there is none. A text of
// millions of lines is split several times (open, check, run), so both breaks are looked for
// in one pass, sixteen bytes a step.
std::size_t findBreak(const char *data, std::size_t from, std::size_t size)
{
    std::size_t i = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (found != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(static_cast<unsigned>(found)));
        }
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == '\r' || data[i] == '\n') {
            return i;
        }
    }
    return size;
}

} // namespace

bool LineSplitter::next(std::string_view &line)
{
    if (mPos >= mText.size()) {
        return false;
    }
    const std::size_t brk = findBreak(mText.data(), mPos, mText.size());
    if (brk >= mText.size()) {
        line = mText.substr(mPos);
        mPos = mText.size();
        return true;
    }
    line = mText.substr(mPos, brk - mPos);
    mPos = brk + 1;
    if (mText[brk] == '\r' && mPos < mText.size() && mText[mPos] == '\n') {
        ++mPos;
    }
    return true;
}

LineBounds lineBounds(std::string_view text, int lastColumn)
{
    const std::size_t most = text.size() / static_cast<std::size_t>(lastColumn + 1) + 1;
    const std::size_t usual = text.size() / static_cast<std::size_t>(LineWidth + 2);
    return {std::min(usual, most), most};
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    LineSplitter splitter(text);
    std::string_view line;
    while (splitter.next(line)) {
        lines.push_back(line);
    }
    return lines;
}

std::string terminatedText(std::string_view text)
{
    // Built in one pass without a list of the lines: a text of a million lines would
    // otherwise hold sixteen bytes more per line while it is copied.
    std::string out;
    out.reserve(text.size() + 2);
    prefaultPages(out.data(), out.capacity());
    LineSplitter splitter(text);
    std::string_view line;
    while (splitter.next(line)) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string terminatedText(std::string &&text)
{
    LineSplitter splitter(text);
    std::string_view line;
    bool terminated = true;
    while (terminated && splitter.next(line)) {
        const auto end = static_cast<std::size_t>(line.data() - text.data()) + line.size();
        terminated = text.compare(end, 2, "\r\n") == 0;
    }
    if (terminated) {
        return std::move(text);
    }
    return terminatedText(std::string_view(text));
}

FixedLine::FixedLine(std::string_view line)
{
    // A full line, the usual case, is one copy of fixed length, which compiles to a few moves
    // instead of a call; every line of a text passes here once per check, count and fill.
    if (line.size() >= static_cast<std::size_t>(LineWidth)) {
        std::memcpy(mColumns.data(), line.data(), LineWidth);
        return;
    }
    mColumns.fill(' ');
    std::copy_n(line.data(), line.size(), mColumns.data());
}

namespace {

// The lowest n bytes of a word set, n from 0 to 8.
std::uint64_t lowBytes(std::size_t n)
{
    return n >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1;
}

constexpr std::uint64_t Blanks = 0x2020202020202020ULL;

} // namespace

bool FixedLine::word(int from, std::uint64_t &word) const
{
    if (from - 1 + 8 > LineWidth) {
        return false;
    }
    std::memcpy(&word, mColumns.data() + from - 1, sizeof word);
    return true;
}

bool FixedLine::blank(int from, int to) const
{
    // The checks ask this several times a line; a field of up to eight columns is one word.
    const auto width = static_cast<std::size_t>(to - from + 1);
    if (std::uint64_t bytes = 0; width <= 8 && word(from, bytes)) {
        return ((bytes ^ Blanks) & lowBytes(width)) == 0;
    }
    const std::string_view range = columns(from, to);
    return std::all_of(range.begin(), range.end(), [](char c) { return c == ' '; });
}

ColumnLine &ColumnLine::at(int col, std::string_view text)
{
    const auto start = static_cast<std::size_t>(col - 1);
    if (mText.size() < start + text.size()) {
        mText.resize(start + text.size(), ' ');
    }
    mText.replace(start, text.size(), text);
    return *this;
}

ColumnLine &ColumnLine::right(int to, std::string_view text)
{
    return at(to - static_cast<int>(text.size()) + 1, text);
}

PointNumber numberField(const FixedLine &line, int from, int to)
{
    // A field of up to eight columns is read as one word. Most numbers stand in one piece
    // between blanks, and then the word shifted down to the first character is the number.
    const auto width = static_cast<std::size_t>(to - from + 1);
    if (std::uint64_t bytes = 0; width <= PointNumber::Capacity && line.word(from, bytes)) {
        bytes &= lowBytes(width);
        // The high bit of every byte of the field that is not a blank.
        constexpr std::uint64_t Low7 = 0x7f7f7f7f7f7f7f7fULL;
        const std::uint64_t x = bytes ^ Blanks;
        const std::uint64_t kept = (((x & Low7) + Low7) | x) & ~Low7 & lowBytes(width);
        if (kept == 0) {
            return PointNumber();
        }
        const auto first = static_cast<std::size_t>(std::countr_zero(kept) / 8);
        const auto size = static_cast<std::size_t>((63 - std::countl_zero(kept)) / 8) - first + 1;
        // In one piece when every byte from the first kept to the last is kept.
        if (kept == ((lowBytes(size) << (8 * first)) & ~Low7)) {
            return PointNumber::fromWord((bytes >> (8 * first)) & lowBytes(size), size);
        }
    }
    // Blanks inside the number: the characters are gathered in a buffer first, so the number
    // is written in one step.
    char kept[LineWidth];
    std::size_t count = 0;
    for (const char c : line.columns(from, to)) {
        if (c != ' ') {
            kept[count++] = c;
        }
    }
    return PointNumber(std::string_view(kept, count));
}

double coordinateField(const FixedLine &line, int from, int to)
{
    return toDecimal(line.columns(from, to)) * 0.001;
}

} // namespace kubato
