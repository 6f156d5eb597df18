#include "common/largememory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace kubato {

namespace {

// Below this a block is left to fill its pages as it goes.
constexpr std::size_t PrefaultWorthy = std::size_t{256} << 10;

// The whole pages inside a block of PrefaultWorthy bytes or more; empty for a smaller one.
struct WholePages {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;

    WholePages(const void *data, std::size_t bytes)
    {
        if (bytes < PrefaultWorthy) {
            return;
        }
        const std::size_t page = 4096;
        begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) / page * page;
        end = (reinterpret_cast<std::uintptr_t>(data) + bytes) / page * page;
    }
    bool empty() const { return end <= begin; }
    void advise(int advice) const
    {
        // Advice only: on a system without large pages or without populating, the pages are
        // mapped one by one as they are written.
        ::madvise(reinterpret_cast<void *>(begin), end - begin, advice);
    }
};

} // namespace

void adviseLargePages(const void *data, std::size_t bytes)
{
#ifdef MADV_HUGEPAGE
    if (const WholePages pages(data, bytes); !pages.empty()) {
        pages.advise(MADV_HUGEPAGE);
    }
#else
    (void)data;
    (void)bytes;
#endif
}

void prefaultPages(const void *data, std::size_t bytes)
{
    adviseLargePages(data, bytes);
#ifdef MADV_POPULATE_WRITE
    if (const WholePages pages(data, bytes); !pages.empty()) {
        pages.advise(MADV_POPULATE_WRITE);
    }
#endif
}

ZeroedPages::ZeroedPages(std::size_t bytes) : mBytes(bytes)
{
    if (bytes == 0) {
        return;
    }
    void *data = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (data == MAP_FAILED) {
        throw std::bad_alloc();
    }
    prefaultPages(data, bytes);
    mData = data;
}

ZeroedPages::~ZeroedPages()
{
    if (mData != nullptr) {
        ::munmap(mData, mBytes);
    }
}

ZeroedPages::ZeroedPages(ZeroedPages &&other) noexcept
    : mData(std::exchange(other.mData, nullptr)), mBytes(std::exchange(other.mBytes, 0))
{}

ZeroedPages &ZeroedPages::operator=(ZeroedPages &&other) noexcept
{
    if (this != &other) {
        if (mData != nullptr) {
            ::munmap(mData, mBytes);
        }
        mData = std::exchange(other.mData, nullptr);
        mBytes = std::exchange(other.mBytes, 0);
    }
    return *this;
}

} // namespace kubato
