#pragma once

// The computation's table of points, in the order in which they stand in the coordinate text.

#include <string_view>
#include <utility>
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

// Builds the point table from the points a coordinate check reads: one entry per DA30 line;
// per DA45 line one for the first point and one more where columns 43-49 hold a second point
// number. The check of an accepted text thus leaves the table the run needs.
class PointTableBuilder final : public CoordinateReceiver {
public:
    void expect(std::size_t usual, std::size_t most) override;
    void point(const PointNumber &number, double y, double x, double z) override;
    TPointTable take() { return std::move(mTable); }

private:
    TPointTable mTable;
};

// Fills the point table from a coordinate text as its check reads it. The table has exactly
// as many entries as the text yields, whatever count a check reported for it.
TPointTable fillPointTable(std::string_view text, CoordinateType type);

} // namespace kubato
