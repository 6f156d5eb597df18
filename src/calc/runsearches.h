#pragma once

// The three searches of a run that, in their literal form, compare all pairs of points, all
// pairs of triangles, or scan the point table once per triangle. They sit behind this seam so
// that a faster implementation can run the same stages and be compared, finding for finding,
// with the literal one, which stays the reference.

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "calc/pointtable.h"
#include "calc/runobserver.h"
#include "calc/triangletable.h"

namespace kubato {

// Called after the last pair of a first index (a row) has been visited, with that index.
using RowProgress = std::function<void(long row)>;

// The progress of a search over count rows as the status line tells it: each time a row lies
// beyond the next multiple of step, "<stage> : <multiple> von <count> geprüft".
RowProgress rowProgress(StatusLine &status, std::string_view stage, long step, long count);

// Tells the progress of a search over count rows that is over: every row that pairs with a
// later one, 0 to count - 2, in order. Nothing without a progress.
void reportAllRows(long count, const RowProgress &progress);

// Two points at one place in plan (equal y and x), first < second; sameHeight when z is
// equal as well. Equality is exact equality of the stored values.
struct PointPair {
    long first = 0;
    long second = 0;
    bool sameHeight = false;
    bool operator==(const PointPair &) const = default;
};

struct DuplicatePointFindings {
    long planCount = 0;  // pairs with equal y and x
    long spaceCount = 0; // pairs with equal y, x and z
    // The pairs in the order of the pairwise visit (first ascending, then second ascending)
    // as far as a listing with the given limit writes or cuts off for them: every plan pair
    // up to the limit-th, and beyond it the pairs whose space count is still at most the limit.
    std::vector<PointPair> listed;
    bool operator==(const DuplicatePointFindings &) const = default;
};

// Two triangles with the same three point texts position by position, first < second.
struct TrianglePair {
    long first = 0;
    long second = 0;
    bool operator==(const TrianglePair &) const = default;
};

struct DuplicateTriangleFindings {
    long count = 0;
    // The first pairs in the order of the pairwise visit, at most as many as the limit.
    std::vector<TrianglePair> listed;
    bool operator==(const DuplicateTriangleFindings &) const = default;
};

// Index of the first point-table entry with the number of each corner (p1, p2, p3), or -1.
using CornerEntries = std::array<long, 3>;

// Looks up the corners of one triangle after another in one point table.
class CornerFinder {
public:
    virtual ~CornerFinder() = default;
    virtual CornerEntries find(const TTriangle &triangle) const = 0;
    // The corners of a run of triangles, entries[v] for triangles[v], as find gives them. Calls
    // for different runs may go on side by side on different threads, but not beside find.
    virtual void findRange(std::span<const TTriangle> triangles,
                           std::span<CornerEntries> entries) const;
};

class RunSearches {
public:
    virtual ~RunSearches() = default;
    virtual DuplicatePointFindings findDuplicatePoints(const TPointTable &points, long listLimit,
                                                       const RowProgress &progress) const = 0;
    // The triangles' corners must be in text order already: they are compared position by
    // position.
    virtual DuplicateTriangleFindings findDuplicateTriangles(const TTriangleTable &triangles,
                                                             long listLimit,
                                                             const RowProgress &progress) const = 0;
    // The finder refers to points, which must outlive it.
    virtual std::unique_ptr<CornerFinder> cornerFinder(const TPointTable &points) const = 0;
};

// The literal searches: every pair visited, every look-up a scan from the table's start.
class ReferenceSearches final : public RunSearches {
public:
    DuplicatePointFindings findDuplicatePoints(const TPointTable &points, long listLimit,
                                               const RowProgress &progress) const override;
    DuplicateTriangleFindings findDuplicateTriangles(const TTriangleTable &triangles,
                                                     long listLimit,
                                                     const RowProgress &progress) const override;
    std::unique_ptr<CornerFinder> cornerFinder(const TPointTable &points) const override;
};

} // namespace kubato
