#include "calc/fastsearches.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

#include "common/textindex.h"

namespace kubato {

namespace {

constexpr std::uint32_t NoEntry = 0xffffffff;

// For every entry the next later entry with an equal key (NoEntry after the last), and the
// number of pairs of equal entries. Walking from an entry along next visits its partners in
// ascending order, which is the order of the pairwise search within one row. A field for
// every entry: the points of a job with two horizons share their places by the hundred
// thousand.
class EqualChains {
public:
    // Both fields start as zero pages from the system, so nothing has to be written before
    // the search: an entry keeps its partner plus one, 0 for none.
    explicit EqualChains(std::size_t count)
        : mNextPlusOne(count * sizeof(std::uint32_t)), mEarlier(count * sizeof(std::uint32_t))
    {}

    // A later entry equal to last, which was the last of its chain so far.
    void link(std::uint32_t last, std::uint32_t e)
    {
        setNext(last, e);
        earlierOf()[e] = earlierOf()[last] + 1;
        // A new entry forms as many new pairs as it has earlier equals.
        pairs += static_cast<long>(earlierOf()[e]);
    }
    void finish() {}

    std::uint32_t next(std::size_t e) const { return mNextPlusOne.as<std::uint32_t>()[e] - 1; }
    void setNext(std::size_t e, std::uint32_t partner)
    {
        mNextPlusOne.as<std::uint32_t>()[e] = partner + 1;
    }
    // How many earlier entries equal an entry: 0 for the first of a chain.
    std::uint32_t earlier(std::size_t e) const { return mEarlier.as<std::uint32_t>()[e]; }

    long pairs = 0;

private:
    std::uint32_t *earlierOf() { return mEarlier.as<std::uint32_t>(); }

    ZeroedPages mNextPlusOne;
    ZeroedPages mEarlier;
};

// The same kept as the links alone, for a search in which few entries have a partner, as the
// triangles of a mesh: no field for every entry, which millions of entries would need in vain.
class EqualLinks {
public:
    struct Link {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
        std::uint32_t earlier = 0; // how many earlier entries equal to
    };

    explicit EqualLinks(std::size_t) {}

    void link(std::uint32_t last, std::uint32_t e)
    {
        // The links come in ascending order of their later entry, so the link that made last
        // the end of its chain, if any, is found by bisection.
        const auto into =
            std::lower_bound(mLinks.begin(), mLinks.end(), last,
                             [](const Link &l, std::uint32_t entry) { return l.to < entry; });
        const std::uint32_t earlier =
            (into != mLinks.end() && into->to == last ? into->earlier : 0) + 1;
        mLinks.push_back({last, e, earlier});
        mPairs += static_cast<long>(earlier);
    }
    // After the last link: the links in ascending order of their earlier entry.
    void finish()
    {
        std::sort(mLinks.begin(), mLinks.end(),
                  [](const Link &a, const Link &b) { return a.from < b.from; });
    }

    std::uint32_t next(std::uint32_t e) const
    {
        const auto at =
            std::lower_bound(mLinks.begin(), mLinks.end(), e,
                             [](const Link &l, std::uint32_t entry) { return l.from < entry; });
        return at != mLinks.end() && at->from == e ? at->to : NoEntry;
    }
    // One link for each entry with a later partner, in ascending order of the entry.
    const std::vector<Link> &links() const { return mLinks; }
    long pairs() const { return mPairs; }

private:
    std::vector<Link> mLinks;
    long mPairs = 0;
};

// Entries for which included is false equal no entry, not even themselves.
template <class Chains, class HashOf, class Equal, class Included>
Chains chainEqualEntries(std::size_t count, HashOf hashOf, Equal equal, Included included)
{
    Chains chains(count);
    HashSlots slots(count);
    visitHashed(count, slots, hashOf, [&](std::size_t e, std::uint64_t hash) {
        if (!included(e)) {
            return;
        }
        const std::uint32_t tag = HashSlots::tagOf(hash);
        for (std::size_t s = slots.first(hash);; s = slots.next(s)) {
            HashSlots::Slot &slot = slots[s];
            if (slot.entryPlusOne == 0) {
                slot = {static_cast<std::uint32_t>(e + 1), tag};
                return;
            }
            const std::size_t last = slot.entryPlusOne - 1;
            if (slot.tag == tag && equal(last, e)) {
                chains.link(static_cast<std::uint32_t>(last), static_cast<std::uint32_t>(e));
                slot.entryPlusOne = static_cast<std::uint32_t>(e + 1);
                return;
            }
        }
    });
    chains.finish();
    return chains;
}

// The bits of a coordinate as a hash key; 0.0 and -0.0 compare equal, so they hash alike.
std::uint64_t coordinateKey(double v)
{
    return std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v);
}

std::uint64_t planHash(const TPoint &p)
{
    return combineHash(mixBits(coordinateKey(p.y)), coordinateKey(p.x));
}

std::uint64_t triangleHash(const TTriangle &t)
{
    return mixBits((foldNumber(t.p1) * 0x9e3779b97f4a7c15ULL + foldNumber(t.p2)) *
                       0xc2b2ae3d27d4eb4fULL +
                   foldNumber(t.p3));
}

// Points equal in space are equal in plan as well, so the space search goes through the plan
// chains: the few points of a short chain are compared with each other, and only the points
// of long chains are hashed again.
EqualChains spaceChains(const TPointTable &points, const EqualChains &plan)
{
    constexpr std::size_t ShortChain = 8;
    EqualChains space(points.size());
    const auto sameSpace = [&](std::uint32_t a, std::uint32_t b) {
        return points[a].z == points[b].z; // false when z is NaN
    };
    std::vector<std::uint32_t> longChains;
    std::vector<std::uint32_t> chain;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (plan.earlier(i) != 0 || plan.next(i) == NoEntry) {
            continue; // not the first of a chain of two or more
        }
        chain.clear();
        for (std::uint32_t e = static_cast<std::uint32_t>(i); e != NoEntry; e = plan.next(e)) {
            chain.push_back(e);
        }
        if (chain.size() > ShortChain) {
            longChains.insert(longChains.end(), chain.begin(), chain.end());
            continue;
        }
        for (std::size_t a = 0; a < chain.size(); ++a) {
            for (std::size_t b = a + 1; b < chain.size(); ++b) {
                if (sameSpace(chain[a], chain[b])) {
                    ++space.pairs;
                    if (space.next(chain[a]) == NoEntry) {
                        space.setNext(chain[a], chain[b]);
                    }
                }
            }
        }
    }
    std::sort(longChains.begin(), longChains.end());
    const auto point = [&](std::size_t k) -> const TPoint & { return points[longChains[k]]; };
    const EqualChains among = chainEqualEntries<EqualChains>(
        longChains.size(),
        [&](std::size_t k) { return combineHash(planHash(point(k)), coordinateKey(point(k).z)); },
        [&](std::size_t a, std::size_t b) {
            return point(a).y == point(b).y && point(a).x == point(b).x && point(a).z == point(b).z;
        },
        [&](std::size_t k) { return !std::isnan(point(k).z); });
    space.pairs += among.pairs;
    for (std::size_t k = 0; k < longChains.size(); ++k) {
        if (among.next(k) != NoEntry) {
            space.setNext(longChains[k], longChains[among.next(k)]);
        }
    }
    return space;
}

// The pairs of equal points that the listings need, in the order of the pairwise visit: while
// the plan listing still lists, every plan pair of a row; after that only the space pairs,
// until the space listing is full too. A row costs one step beyond the pairs it gives.
std::vector<PointPair> listedPointPairs(const TPointTable &points, const EqualChains &plan,
                                        const EqualChains &space, long listLimit)
{
    std::vector<PointPair> listed;
    long planSeen = 0;
    long spaceSeen = 0;
    const std::size_t n = points.size();
    for (std::size_t i = 0; i < n && (planSeen < listLimit || spaceSeen < listLimit); ++i) {
        // Partners up to this one have been visited as plan pairs in this row.
        std::size_t visitedUpTo = i;
        if (planSeen < listLimit) {
            for (std::uint32_t j = plan.next(i); j != NoEntry; j = plan.next(j)) {
                const bool sameHeight = points[i].z == points[j].z;
                ++planSeen;
                if (sameHeight) {
                    ++spaceSeen;
                }
                listed.push_back({static_cast<long>(i), static_cast<long>(j), sameHeight});
                visitedUpTo = j;
                if (planSeen >= listLimit) {
                    break;
                }
            }
            if (planSeen < listLimit) {
                continue;
            }
        }
        // A space partner is a plan partner as well, so the space chain of a row is part of
        // its plan chain; those visited above are skipped.
        for (std::uint32_t j = space.next(i); j != NoEntry && spaceSeen < listLimit;
             j = space.next(j)) {
            if (j <= visitedUpTo) {
                continue;
            }
            ++spaceSeen;
            listed.push_back({static_cast<long>(i), static_cast<long>(j), true});
        }
    }
    return listed;
}

// Finds corners through an index of the first entry of each point number. A mesh names its
// points over and over, mostly in triangles that stand next to each other in the text (the two
// halves of a quadrilateral share two corners, neighbouring quadrilaterals two more), and a
// survey lists neighbouring points one after the other; so the last few corners found, and
// the entry after each, are asked first. Such a guess is taken only when the entry holds the
// number and is the first entry with it, which the index noted when it was built, so it gives
// what the index gives. The rest go to the index, the three of a triangle side by side, so
// that waiting for memory happens once for all of them. What a walk through the triangles
// remembers and fetches ahead is its own: walks over different ranges share only the index,
// which they read.
class IndexedCornerFinder final : public CornerFinder {
public:
    explicit IndexedCornerFinder(const TPointTable &points)
        : mPoints(&points), mIndex(points.size(), PointNumberOf{&points}, &mFirst)
    {}

    CornerEntries find(const TTriangle &triangle) const override { return find(mWalk, triangle); }

    void findRange(std::span<const TTriangle> triangles,
                   std::span<CornerEntries> entries) const override
    {
        Walk walk;
        for (std::size_t v = 0; v < triangles.size(); ++v) {
            // Fetching ahead pays only while the guesses miss; where they hit, it would fill
            // the caches with slots never read.
            if (walk.missing > MissingToFetchAhead && v + Lookahead < triangles.size()) {
                announce(walk, triangles[v + Lookahead]);
            }
            entries[v] = find(walk, triangles[v]);
        }
    }

private:
    struct PointNumberOf {
        const TPointTable *points;
        const PointNumber &operator()(std::size_t e) const { return (*points)[e].number; }
    };

    using Index = FirstTextIndex<PointNumberOf>;

    static constexpr std::size_t Lookahead = 32;
    // Announced triangles are kept until they are asked for, and a little longer.
    static constexpr std::size_t Remembered = 2 * Lookahead;
    struct Announced {
        const TTriangle *triangle = nullptr;
        std::array<std::uint64_t, 3> hashes{};
    };
    // The entries of the corners found lately, each the first with its number.
    static constexpr std::size_t RecentCount = 8;
    static constexpr std::size_t NoRecent = static_cast<std::size_t>(-1);

    // How the guesses of a walk fare: each corner that goes to the index adds MissWeight, each
    // guessed one takes one off, within MissingLimit; above MissingToFetchAhead the walk
    // fetches ahead.
    static constexpr int MissWeight = 8;
    static constexpr int MissingLimit = 256;
    static constexpr int MissingToFetchAhead = 32;

    // What one walk through the triangles remembers; it changes no answer.
    struct Walk {
        int missing = 0;
        std::array<std::size_t, RecentCount> recent = filledRecent();
        std::size_t nextRecent = 0;
        std::array<Announced, Remembered> announced{};
        std::size_t announcedCount = 0;
    };

    // Fetches in two steps ahead of use: the index slots of an announced triangle at once, and
    // the point entries they lead to half the look-ahead later, when the slots have arrived.
    // The hashes are kept for the look-up itself, which finds them by the triangle's address
    // when it comes as announced, the look-ahead later.
    void announce(Walk &walk, const TTriangle &upcoming) const
    {
        Announced &now = walk.announced[walk.announcedCount % Remembered];
        now.triangle = &upcoming;
        now.hashes = {Index::hashOf(upcoming.p1), Index::hashOf(upcoming.p2),
                      Index::hashOf(upcoming.p3)};
        for (const std::uint64_t hash : now.hashes) {
            mIndex.prefetch(hash);
        }
        if (walk.announcedCount >= Lookahead / 2) {
            const Announced &earlier =
                walk.announced[(walk.announcedCount - Lookahead / 2) % Remembered];
            for (const std::uint64_t hash : earlier.hashes) {
                prefetchEntry(mIndex.candidate(hash));
            }
        }
        ++walk.announcedCount;
    }

    CornerEntries find(Walk &walk, const TTriangle &triangle) const
    {
        const std::array<const PointNumber *, 3> numbers{&triangle.p1, &triangle.p2, &triangle.p3};
        CornerEntries entries{-1, -1, -1};
        std::array<bool, 3> known{};
        for (std::size_t c = 0; c < 3; ++c) {
            known[c] = guess(walk, *numbers[c], entries[c]);
            walk.missing = known[c] ? std::max(walk.missing - 1, 0)
                                    : std::min(walk.missing + MissWeight, MissingLimit);
        }
        if (known[0] && known[1] && known[2]) {
            return entries;
        }
        std::array<std::uint64_t, 3> hashes{};
        const Announced *announced =
            walk.announcedCount > Lookahead
                ? &walk.announced[(walk.announcedCount - 1 - Lookahead) % Remembered]
                : nullptr;
        if (announced != nullptr && announced->triangle == &triangle) {
            hashes = announced->hashes;
        } else {
            for (std::size_t c = 0; c < 3; ++c) {
                hashes[c] = Index::hashOf(*numbers[c]);
            }
        }
        for (std::size_t c = 0; c < 3; ++c) {
            if (!known[c]) {
                mIndex.prefetch(hashes[c]);
            }
        }
        std::array<std::size_t, 3> candidates{};
        for (std::size_t c = 0; c < 3; ++c) {
            if (known[c]) {
                continue;
            }
            candidates[c] = mIndex.candidate(hashes[c]);
            prefetchEntry(candidates[c]);
        }
        for (std::size_t c = 0; c < 3; ++c) {
            if (known[c]) {
                continue;
            }
            if (const std::optional<std::size_t> e =
                    mIndex.find(*numbers[c], hashes[c], candidates[c])) {
                entries[c] = static_cast<long>(*e);
                remember(walk, *e);
            }
        }
        return entries;
    }

    void prefetchEntry(std::size_t candidate) const
    {
        if (const std::optional<std::size_t> e = mIndex.candidateEntry(candidate)) {
            const TPoint &point = (*mPoints)[*e];
            __builtin_prefetch(&point.number);
            __builtin_prefetch(&point.z);
        }
    }

    static std::array<std::size_t, RecentCount> filledRecent()
    {
        std::array<std::size_t, RecentCount> recent{};
        recent.fill(NoRecent);
        return recent;
    }

    static void remember(Walk &walk, std::size_t entry)
    {
        walk.recent[walk.nextRecent] = entry;
        walk.nextRecent = (walk.nextRecent + 1) % RecentCount;
    }

    // A corner found lately, or the entry after one, when it holds the number and is the first
    // entry with it; the latest are asked first, and while the guesses miss only the last two.
    bool guess(Walk &walk, const PointNumber &number, long &entry) const
    {
        const TPointTable &points = *mPoints;
        const std::size_t asked = walk.missing > MissingToFetchAhead ? 2 : RecentCount;
        for (std::size_t k = 1; k <= asked; ++k) {
            const std::size_t r = walk.recent[(walk.nextRecent + RecentCount - k) % RecentCount];
            if (r == NoRecent) {
                break;
            }
            if (points[r].number == number) {
                entry = static_cast<long>(r);
                return true;
            }
            if (r + 1 < points.size() && points[r + 1].number == number && mFirst[r + 1]) {
                entry = static_cast<long>(r + 1);
                remember(walk, r + 1);
                return true;
            }
        }
        return false;
    }

    const TPointTable *mPoints;
    // Whether each entry is the first with its number; filled by the index as it is built.
    std::vector<bool> mFirst;
    Index mIndex;
    // The walk of find, asked one triangle at a time on one thread.
    mutable Walk mWalk;
};

bool tooLargeForIndex(std::size_t entries)
{
    return entries > HashSlots::MaxEntries;
}

} // namespace

DuplicatePointFindings FastSearches::findDuplicatePoints(const TPointTable &points, long listLimit,
                                                         const RowProgress &progress) const
{
    if (tooLargeForIndex(points.size())) {
        return ReferenceSearches().findDuplicatePoints(points, listLimit, progress);
    }
    // A NaN equals nothing, so a point with one in the compared coordinates pairs with none.
    const EqualChains plan = chainEqualEntries<EqualChains>(
        points.size(), [&](std::size_t e) { return planHash(points[e]); },
        [&](std::size_t a, std::size_t b) {
            return points[a].y == points[b].y && points[a].x == points[b].x;
        },
        [&](std::size_t e) { return !std::isnan(points[e].y) && !std::isnan(points[e].x); });
    const EqualChains space = spaceChains(points, plan);
    DuplicatePointFindings findings;
    findings.planCount = plan.pairs;
    findings.spaceCount = space.pairs;
    findings.listed = listedPointPairs(points, plan, space, listLimit);
    reportAllRows(static_cast<long>(points.size()), progress);
    return findings;
}

DuplicateTriangleFindings FastSearches::findDuplicateTriangles(const TTriangleTable &triangles,
                                                               long listLimit,
                                                               const RowProgress &progress) const
{
    if (tooLargeForIndex(triangles.size())) {
        return ReferenceSearches().findDuplicateTriangles(triangles, listLimit, progress);
    }
    const EqualLinks equal = chainEqualEntries<EqualLinks>(
        triangles.size(), [&](std::size_t e) { return triangleHash(triangles[e]); },
        [&](std::size_t a, std::size_t b) {
            const TTriangle &s = triangles[a];
            const TTriangle &t = triangles[b];
            return s.p1 == t.p1 && s.p2 == t.p2 && s.p3 == t.p3;
        },
        [](std::size_t) { return true; });

    DuplicateTriangleFindings findings;
    findings.count = equal.pairs();
    long seen = 0;
    for (const EqualLinks::Link &row : equal.links()) {
        if (seen >= listLimit) {
            break;
        }
        for (std::uint32_t j = row.to; j != NoEntry && seen < listLimit; j = equal.next(j)) {
            ++seen;
            findings.listed.push_back({static_cast<long>(row.from), static_cast<long>(j)});
        }
    }
    reportAllRows(static_cast<long>(triangles.size()), progress);
    return findings;
}

std::unique_ptr<CornerFinder> FastSearches::cornerFinder(const TPointTable &points) const
{
    if (tooLargeForIndex(points.size())) {
        return ReferenceSearches().cornerFinder(points);
    }
    return std::make_unique<IndexedCornerFinder>(points);
}

} // namespace kubato
