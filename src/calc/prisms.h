#pragma once

// Stage 6 of a run: the prism of every triangle between the triangle and the level reference
// plane at KOBHVol, the findings of the corner look-up and of the control values, and the
// prism lines of the result list.

#include <array>

#include "calc/pointtable.h"
#include "calc/resultlist.h"
#include "calc/runobserver.h"
#include "calc/runsearches.h"
#include "calc/triangletable.h"
#include "common/textlist.h"

namespace kubato {

// One corner of a triangle; a corner that is not found keeps y = x = z = -2.0.
struct TCorner {
    double y = -2.0;
    double x = -2.0;
    double z = -2.0;
    bool found = false;
};

using TCorners = std::array<TCorner, 3>;

struct TPrismValues {
    double zMittl = 0;  // mean height of the corners above the reference plane, m
    double aGrund = 0;  // plan area, m2
    double aDeck = 0;   // sloped area, m2
    double volumen = 0; // m3
};

// The four values of the prism over a triangle with these corners.
TPrismValues prismValues(const TCorners &corners, double kobhVol);

// The differences |1-2|, |1-3|, |2-3| of one axis with every difference below the control
// value set to 0; the axis is exceeded when any of them stays above 0.
std::array<double, 3> controlDifferences(double a1, double a2, double a3, double controlValue);

// What stage 6 leaves for the end of the run.
struct PrismStageResult {
    THorizonSums SectionSums;
    THorizonSums FirstSums;
    int CurrentKZ = 0;
    bool CoordMissing = false;
};

PrismStageResult ComputePrisms(const TTriangleTable &triangles, const TPointTable &points,
                               double kwyx, double kwz, double kobhVol, const RunSearches &searches,
                               ResultListWriter &writer, TextList &protocol, TextList &result,
                               StatusLine &status);
// The same with the corner finder of these points made already, as the run makes it while
// the duplicate triangles are still being searched.
PrismStageResult ComputePrisms(const TTriangleTable &triangles, const TPointTable &points,
                               double kwyx, double kwz, double kobhVol, const CornerFinder &finder,
                               ResultListWriter &writer, TextList &protocol, TextList &result,
                               StatusLine &status);

} // namespace kubato
