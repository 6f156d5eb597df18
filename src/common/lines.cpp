#include "common/lines.h"

#include <algorithm>

#include "common/numbers.h"

namespace kubato {

bool LineSplitter::next(std::string_view &line)
{
    if (mPos >= mText.size()) {
        return false;
    }
    const std::size_t brk = mText.find_first_of("\r\n", mPos);
    if (brk == std::string_view::npos) {
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

std::string joinTerminated(const std::vector<std::string_view> &lines)
{
    std::size_t size = 0;
    for (const auto line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const auto line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string terminatedText(std::string_view text)
{
    return joinTerminated(splitLines(text));
}

FixedLine::FixedLine(std::string_view line)
{
    mColumns.fill(' ');
    std::copy_n(line.data(), std::min<std::size_t>(line.size(), LineWidth), mColumns.data());
}

bool FixedLine::blank(int from, int to) const
{
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

std::string numberField(const FixedLine &line, int from, int to)
{
    std::string number;
    for (const char c : line.columns(from, to)) {
        if (c != ' ') {
            number += c;
        }
    }
    return number;
}

double coordinateField(const FixedLine &line, int from, int to)
{
    return toDecimal(line.columns(from, to)) * 0.001;
}

} // namespace kubato
