#pragma once

// The lines of a loaded text and the fixed columns of one line. The checks, the counts, the
// computation run and the control graphic all split texts here, so they all see the same
// lines: CR LF, a lone CR and a lone LF each end a line; a non-empty rest after the last
// break is a line of its own; a break at the very end adds no empty line.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/pointnumber.h"

namespace kubato {

// Width of the line buffer through which every line of a REB text is read.
inline constexpr int LineWidth = 80;

// Walks the lines of a text without copying them.
class LineSplitter {
public:
    explicit LineSplitter(std::string_view text) : mText(text) {}
    // Gives the next line (without its break) and returns true, or returns false at the end.
    bool next(std::string_view &line);

private:
    std::string_view mText;
    std::size_t mPos = 0;
};

// How many lines a text has, told from its size alone: as many as lines of LineWidth columns
// with CR LF make, as REB files are usually written, and at most as many as lines that end in
// column lastColumn with a break of one byte. Enough to make a table once at its full size
// without a pass of its own over the text.
struct LineBounds {
    std::size_t usual = 0;
    std::size_t most = 0;
};
LineBounds lineBounds(std::string_view text, int lastColumn);

// The lines of a text, as views into it.
std::vector<std::string_view> splitLines(std::string_view text);

// A text in any line-break convention as the windows hold it: every line followed by CR LF.
// Splitting the result gives back exactly the same lines, an empty last line included.
std::string terminatedText(std::string_view text);
// The same for a text that is not needed afterwards: one that already ends every line with
// CR LF is given back as it is, without a copy.
std::string terminatedText(std::string &&text);

// One line read through the blank-filled buffer of LineWidth columns: a short line reads as
// blanks up to column 80, and columns beyond 80 belong to no field. Columns count from 1 and
// ranges include both ends.
class FixedLine {
public:
    explicit FixedLine(std::string_view line);

    char column(int c) const { return mColumns[static_cast<std::size_t>(c - 1)]; }
    std::string_view columns(int from, int to) const
    {
        return {mColumns.data() + from - 1, static_cast<std::size_t>(to - from + 1)};
    }
    // True when every column of the range holds the blank (the space character).
    bool blank(int from, int to) const;
    // The eight columns from column from on as one word, the first in the lowest byte; false
    // when they reach beyond column 80.
    bool word(int from, std::uint64_t &word) const;

private:
    std::array<char, LineWidth> mColumns;
};

// Builds a line of LineWidth blanks with texts placed into its columns (example blocks,
// sample files and test lines).
class ColumnLine {
public:
    ColumnLine() : mText(LineWidth, ' ') {}
    // Places text with its first character in column col.
    ColumnLine &at(int col, std::string_view text);
    // Places text right-aligned so that it ends in column to.
    ColumnLine &right(int to, std::string_view text);
    const std::string &str() const { return mText; }

private:
    std::string mText;
};

// A number field (point numbers, at most eight columns): the characters of the columns with
// every blank left out.
PointNumber numberField(const FixedLine &line, int from, int to);

// A coordinate field: the columns read by decimal conversion, times 0.001 (millimetres in
// the text, metres in the tables).
double coordinateField(const FixedLine &line, int from, int to);

} // namespace kubato
