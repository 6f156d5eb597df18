#pragma once

// The computation's table of points, in the order in which they stand in the coordinate text.

#include <string_view>
#include <vector>

#include "common/pointnumber.h"
#include "input/coordinatelist.h"

namespace kubato {

struct TPoint {
    PointNumber number; // every blank removed
    double y = 0;       // metres
    double x = 0;
    double z = 0;
};

using TPointTable = std::vector<TPoint>;

// Fills the point table from a coordinate text: one entry per DA30 line; per DA45 line one
// for the first point and one more where columns 43-49 hold a second point number. The table
// has exactly as many entries as the text yields, whatever count a check reported for it.
TPointTable fillPointTable(std::string_view text, CoordinateType type);

} // namespace kubato
