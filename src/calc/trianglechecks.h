#pragma once

// Stages 3 to 5 of a run: the triangle counts of the upper and lower horizon, the canonical
// order of every triangle's corners, and the duplicate triangles.

#include <string_view>

#include "calc/runobserver.h"
#include "calc/runsearches.h"
#include "calc/triangletable.h"
#include "common/textlist.h"
#include "input/controlvalues.h"

namespace kubato {

struct HorizonCounts {
    long upper = 0;
    long lower = 0;
};

// Divides the triangles into the upper and the lower horizon by the entered KZ values alone;
// upperCount is the index of the last change to a different positive KZ (triangle table fill).
HorizonCounts horizonCounts(long triangleCount, long upperCount, std::int32_t kzo,
                            std::int32_t kzu);

// Stage 3: the counts and their protocol lines.
void countHorizons(const TriangleTableFill &fill, const TCalcParams &params, TextList &protocol,
                   StatusLine &status);

// Point numbers compare as texts, byte by byte as unsigned codes; a prefix sorts first. So
// "10" sorts before "9", and "007" and "7" are different points.
inline bool sortsBefore(std::string_view a, std::string_view b)
{
    return a.compare(b) < 0;
}

// Stage 4: brings p1, p2, p3 of every triangle into text order.
void SortTrianglePoints(TTriangleTable &triangles, StatusLine &status);
// The same in two parts, so that the sorting can go on beside stage 2: the status text and
// the sorting itself.
void showSortingStage(StatusLine &status);
void sortCorners(TTriangleTable &triangles);

// Stage 5: lists the pairs of triangles with the same three points and their count.
void FindDuplicateTriangles(const TTriangleTable &triangles, const RunSearches &searches,
                            TextList &protocol, StatusLine &status);
// The same in two parts, so that the search can go on beside stage 2: the search, which
// tells nothing, and the stage with its status texts (the progress as the search would have
// told it) and protocol lines.
DuplicateTriangleFindings searchDuplicateTriangles(const TTriangleTable &triangles,
                                                   const RunSearches &searches);
void reportDuplicateTriangles(const TTriangleTable &triangles,
                              const DuplicateTriangleFindings &findings, TextList &protocol,
                              StatusLine &status);

} // namespace kubato
