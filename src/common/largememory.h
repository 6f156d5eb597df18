#pragma once

// Memory for the large buffers of big jobs. A job of a million points has texts and tables of
// hundreds of megabytes, and the system hands out their pages one fault per four kilobytes
// as they are first written; asked for the whole block at once, it maps the pages in one go
// at a fraction of that cost.

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kubato {

// Has the system map the whole pages inside a block that is about to be filled, as large
// (2 MB) pages where it offers them: a table of hundreds of megabytes then needs a few hundred
// mappings instead of tens of thousands, and the scattered look-ups of the hash tables miss
// the processor's address cache far less. Only for blocks of a quarter megabyte and more
// (smaller ones come page by page as they are written, as they do where the system cannot).
void prefaultPages(const void *data, std::size_t bytes);

// Asks for large pages for a block that is filled from its start as the work goes on. Unlike
// prefaultPages, nothing is mapped before it is written, so a block reserved for the most a
// text can give costs only what it comes to hold.
void adviseLargePages(const void *data, std::size_t bytes);

// Reserves room for up to most entries of a table filled from its start, with large pages:
// the first mapped entries are mapped at once, the rest only as they are written.
template <class T> void reserveLarge(std::vector<T> &table, std::size_t mapped, std::size_t most)
{
    table.reserve(most);
    adviseLargePages(table.data(), table.capacity() * sizeof(T));
    prefaultPages(table.data(), std::min(mapped, table.capacity()) * sizeof(T));
}

// Zeroed memory straight from the system, mapped at once, for a large table such as an index.
class ZeroedPages {
public:
    ZeroedPages() = default;
    explicit ZeroedPages(std::size_t bytes);
    ~ZeroedPages();
    ZeroedPages(ZeroedPages &&other) noexcept;
    ZeroedPages &operator=(ZeroedPages &&other) noexcept;
    ZeroedPages(const ZeroedPages &) = delete;
    ZeroedPages &operator=(const ZeroedPages &) = delete;

    // The memory as an array of a type for which all zero bytes are a valid value.
    template <class T> T *as() const { return static_cast<T *>(mData); }

private:
    void *mData = nullptr;
    std::size_t mBytes = 0;
};

} // namespace kubato
