#pragma once

// An ordered list of text lines (Windows-1252 bytes): the protocol list, the result list and
// the message list. Lines are kept back to back in one buffer, so a run that appends millions
// of lines does not allocate per line.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/format.h"

namespace kubato {

class TextList {
public:
    void clear();
    void append(std::string_view line);
    // Appends one formatted line.
    void appendf(const char *fmt, ...) KUBATO_PRINTF(2, 3);

    std::size_t count() const { return mEnds.size(); }
    bool empty() const { return mEnds.empty(); }
    // Line i, counted from 0; i must be below count().
    std::string_view line(std::size_t i) const;
    // The whole text: the lines joined by CR LF, with no break after the last line.
    std::string text() const;
    // All lines as separate strings (for tests and windows).
    std::vector<std::string> lines() const;

    bool operator==(const TextList &other) const = default;

private:
    std::string mBuffer;
    std::vector<std::size_t> mEnds;
};

} // namespace kubato
