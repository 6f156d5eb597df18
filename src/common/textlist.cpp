#include "common/textlist.h"

#include <cassert>

namespace kubato {

void TextList::clear()
{
    mBuffer.clear();
    mEnds.clear();
}

void TextList::append(std::string_view line)
{
    mBuffer.append(line);
    mEnds.push_back(mBuffer.size());
}

void TextList::appendf(const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    appendFormatV(mBuffer, fmt, args);
    va_end(args);
    mEnds.push_back(mBuffer.size());
}

std::string_view TextList::line(std::size_t i) const
{
    assert(i < mEnds.size());
    const std::size_t begin = i == 0 ? 0 : mEnds[i - 1];
    return std::string_view(mBuffer).substr(begin, mEnds[i] - begin);
}

std::string TextList::text() const
{
    std::string out;
    if (mEnds.empty()) {
        return out;
    }
    out.reserve(mBuffer.size() + 2 * mEnds.size());
    for (std::size_t i = 0; i < mEnds.size(); ++i) {
        if (i > 0) {
            out += "\r\n";
        }
        out += line(i);
    }
    return out;
}

std::vector<std::string> TextList::lines() const
{
    std::vector<std::string> out;
    out.reserve(mEnds.size());
    for (std::size_t i = 0; i < mEnds.size(); ++i) {
        out.emplace_back(line(i));
    }
    return out;
}

} // namespace kubato
