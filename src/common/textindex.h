#pragma once

// Hashing for the look-ups that large jobs make by point number: a hash of a byte text, a mix
// for keys made of several parts, and an index that answers "which is the first entry with
// this text" in constant time on average. The index keeps no copy of the texts: it asks the
// caller's table for them, so it costs eight bytes per slot and nothing per text.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

#include "common/largememory.h"
#include "common/pointnumber.h"

namespace kubato {

// Spreads the bits of a 64-bit value over all others (the finaliser of MurmurHash3).
inline std::uint64_t mixBits(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

// Combines a running hash with the next part of a key.
inline std::uint64_t combineHash(std::uint64_t h, std::uint64_t part)
{
    return mixBits(h ^ (part + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2)));
}

// Folds the bytes of a text into 64 bits, without mixing them: equal texts fold alike, and
// texts of up to 8 bytes and equal length fold apart. Point numbers have at most 8 bytes, so
// this is two loads; hashText mixes the result, and keys of several texts fold each of them
// and mix once.
inline std::uint64_t foldText(std::string_view text)
{
    const auto load32 = [&](std::size_t at) {
        std::uint32_t word = 0;
        std::memcpy(&word, text.data() + at, 4);
        return std::uint64_t{word};
    };
    const auto byte = [&](std::size_t at) {
        return std::uint64_t{static_cast<unsigned char>(text[at])};
    };
    const std::size_t n = text.size();
    std::uint64_t h = n * 0x9e3779b97f4a7c15ULL;
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        h = (h ^ (load32(i) | load32(i + 4) << 32)) * 0xff51afd7ed558ccdULL;
    }
    // The rest of up to 7 bytes without a call to copy a variable length: two loads that
    // overlap, or three single bytes, together hold every byte of the rest.
    const std::size_t rest = n - i;
    if (rest >= 4) {
        h ^= load32(i) | load32(n - 4) << 32;
    } else if (rest > 0) {
        h ^= byte(i) | byte(i + rest / 2) << 8 | byte(n - 1) << 16;
    }
    return h;
}

inline std::uint64_t hashText(std::string_view text)
{
    return mixBits(foldText(text));
}

// Folds a point number, its places as one word and its size, without mixing: two loads.
inline std::uint64_t foldNumber(const PointNumber &number)
{
    return number.word() * 0x9e3779b97f4a7c15ULL + number.size();
}

// The hash of a key of an index: a text or a point number.
inline std::uint64_t hashKey(std::string_view text)
{
    return hashText(text);
}
inline std::uint64_t hashKey(const PointNumber &number)
{
    return mixBits(foldNumber(number));
}

// Open addressing with linear probing over a power-of-two number of slots, at most half full.
// A slot holds the entry's index plus one (0 is empty) and the upper half of its hash, so
// that most unequal probes are told apart without touching the caller's table.
class HashSlots {
public:
    struct Slot {
        std::uint32_t entryPlusOne = 0;
        std::uint32_t tag = 0;
    };

    // Tables with more entries than this are too large for 32-bit slots; callers keep to a
    // plain scan for them.
    static constexpr std::size_t MaxEntries = 0x7fffffff;

    explicit HashSlots(std::size_t entries)
    {
        std::size_t capacity = 16;
        while (capacity < 2 * entries) {
            capacity *= 2;
        }
        mSlots = ZeroedPages(capacity * sizeof(Slot));
        mMask = capacity - 1;
    }

    std::size_t first(std::uint64_t hash) const { return static_cast<std::size_t>(hash) & mMask; }
    // Asks the processor to fetch the first slot of a hash ahead of its use: a large table
    // lives outside the caches, and a pass that prefetches a few keys ahead overlaps their
    // misses instead of waiting for each in turn.
    void prefetch(std::uint64_t hash) const { __builtin_prefetch(&(*this)[first(hash)]); }
    std::size_t next(std::size_t slot) const { return (slot + 1) & mMask; }
    static std::uint32_t tagOf(std::uint64_t hash)
    {
        return static_cast<std::uint32_t>(hash >> 32);
    }

    Slot &operator[](std::size_t slot) { return mSlots.as<Slot>()[slot]; }
    const Slot &operator[](std::size_t slot) const { return mSlots.as<Slot>()[slot]; }

private:
    ZeroedPages mSlots;
    std::size_t mMask = 0;
};

// Calls visit(entry, hash) for the entries 0 to count - 1 in order, with hashOf(entry)
// computed a few entries ahead and the entry's first slot prefetched.
template <class HashOf, class Visit>
void visitHashed(std::size_t count, const HashSlots &slots, HashOf hashOf, Visit visit)
{
    constexpr std::size_t Ahead = 16;
    std::uint64_t ring[Ahead] = {};
    for (std::size_t e = 0; e < count && e < Ahead; ++e) {
        ring[e] = hashOf(e);
        slots.prefetch(ring[e]);
    }
    for (std::size_t e = 0; e < count; ++e) {
        const std::uint64_t hash = ring[e % Ahead];
        if (e + Ahead < count) {
            const std::uint64_t later = hashOf(e + Ahead);
            ring[e % Ahead] = later;
            slots.prefetch(later);
        }
        visit(e, hash);
    }
}

// The first entry of a table with a given text. KeyOf maps an entry index to its text (a
// std::string_view or a PointNumber); the table must outlive the index and stay unchanged.
template <class KeyOf> class FirstTextIndex {
public:
    using Key = std::remove_cvref_t<std::invoke_result_t<KeyOf, std::size_t>>;

    // firsts, if given, comes back with count flags: whether each entry is the first with its
    // text, the one find gives for it.
    FirstTextIndex(std::size_t count, KeyOf keyOf, std::vector<bool> *firsts = nullptr)
        : mSlots(count), mKeyOf(keyOf)
    {
        if (firsts != nullptr) {
            firsts->assign(count, false);
        }
        visitHashed(
            count, mSlots, [&](std::size_t e) { return hashKey(mKeyOf(e)); },
            [&](std::size_t e, std::uint64_t hash) {
                if (insert(e, hash) && firsts != nullptr) {
                    (*firsts)[e] = true;
                }
            });
    }

    static std::uint64_t hashOf(const Key &text) { return hashKey(text); }
    // Prefetches what a find of a text with this hash will read first.
    void prefetch(std::uint64_t hash) const { mSlots.prefetch(hash); }

    std::optional<std::size_t> find(const Key &text) const
    {
        const std::uint64_t hash = hashKey(text);
        return find(text, hash, candidate(hash));
    }

    // A find in two steps, so that several can overlap their waits: candidate reads only the
    // index and gives the first slot that may hold the text; the caller can prefetch its
    // entry (candidateEntry) and then finish with find.
    std::size_t candidate(std::uint64_t hash) const
    {
        const std::uint32_t tag = HashSlots::tagOf(hash);
        std::size_t s = mSlots.first(hash);
        while (mSlots[s].entryPlusOne != 0 && mSlots[s].tag != tag) {
            s = mSlots.next(s);
        }
        return s;
    }
    // The entry the candidate slot holds, if any.
    std::optional<std::size_t> candidateEntry(std::size_t slot) const
    {
        if (mSlots[slot].entryPlusOne == 0) {
            return std::nullopt;
        }
        return mSlots[slot].entryPlusOne - 1;
    }
    std::optional<std::size_t> find(const Key &text, std::uint64_t hash,
                                    std::size_t candidate) const
    {
        const std::uint32_t tag = HashSlots::tagOf(hash);
        for (std::size_t s = candidate;; s = mSlots.next(s)) {
            const HashSlots::Slot &slot = mSlots[s];
            if (slot.entryPlusOne == 0) {
                return std::nullopt;
            }
            if (slot.tag == tag && mKeyOf(slot.entryPlusOne - 1) == text) {
                return slot.entryPlusOne - 1;
            }
        }
    }

private:
    // True when the entry is the first with its text.
    bool insert(std::size_t e, std::uint64_t hash)
    {
        const Key &key = mKeyOf(e);
        const std::uint32_t tag = HashSlots::tagOf(hash);
        for (std::size_t s = mSlots.first(hash);; s = mSlots.next(s)) {
            HashSlots::Slot &slot = mSlots[s];
            if (slot.entryPlusOne == 0) {
                slot = {static_cast<std::uint32_t>(e + 1), tag};
                return true;
            }
            // A later entry with a text already held is never found: the first one wins.
            if (slot.tag == tag && mKeyOf(slot.entryPlusOne - 1) == key) {
                return false;
            }
        }
    }

    HashSlots mSlots;
    KeyOf mKeyOf;
};

} // namespace kubato
