#pragma once

// The searches of a run for large jobs: equal points and equal triangles are grouped by
// hashing, and corners are found through an index of the first entry of each point number.
// The findings come out as the pairwise searches give them: the same counts, the same pairs in
// the order of the pairwise visit, and a progress call for every row, so the protocol list
// and the status texts of a run do not tell the two apart. Time and memory grow linearly with
// the tables.

#include "calc/runsearches.h"

namespace kubato {

class FastSearches final : public RunSearches {
public:
    DuplicatePointFindings findDuplicatePoints(const TPointTable &points, long listLimit,
                                               const RowProgress &progress) const override;
    DuplicateTriangleFindings findDuplicateTriangles(const TTriangleTable &triangles,
                                                     long listLimit,
                                                     const RowProgress &progress) const override;
    std::unique_ptr<CornerFinder> cornerFinder(const TPointTable &points) const override;
};

} // namespace kubato
