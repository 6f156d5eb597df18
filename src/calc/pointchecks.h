#pragma once

// Stage 2 of a run: duplicate points, the minimum, maximum and mean of each coordinate, and the
// reference height of the volumes.

#include <cmath>

#include "calc/pointtable.h"
#include "calc/runobserver.h"
#include "calc/runsearches.h"
#include "common/textlist.h"
#include "input/controlvalues.h"

namespace kubato {

// The lowest height taken down to a whole metre.
inline double KOBHzminOf(double lowestHeight)
{
    return std::floor(lowestHeight);
}

// The reference height of all prism volumes: the lower of the entered one and the one from the
// lowest point, so that it never lies above the lowest point's whole metre.
inline double KOBHVolOf(double kobh, double kobhZmin)
{
    return kobh < kobhZmin ? kobh : kobhZmin;
}

// Runs stage 2 on the point table and returns KOBHVol. Uses KOBH, KWYX and KWZ of params.
double checkPointTable(const TPointTable &points, const TCalcParams &params,
                       const RunSearches &searches, TextList &protocol, StatusLine &status);

} // namespace kubato
