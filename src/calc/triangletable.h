#pragma once

// The computation's table of triangles, in the order of the triangle text; a line with a
// fourth point (a quadrilateral) gives two triangles, the second directly after the first.

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "common/pointnumber.h"
#include "input/trianglemesh.h"

namespace kubato {

struct TTriangle {
    std::int32_t kz = 0;     // horizon code KZ of the line
    std::int32_t number = 0; // running number of the line
    PointNumber p1;          // point numbers of the corners, every blank removed
    PointNumber p2;
    PointNumber p3;
    // kz * 100000 + number + 10000 for the first triangle of a line, + 20000 for the second
    // triangle of a quadrilateral line.
    std::int32_t ident = 0;
};

// Millions of entries pass through every stage: three numbers in place and three integers.
static_assert(sizeof(TTriangle) <= 40, "a triangle entry stays small");

using TTriangleTable = std::vector<TTriangle>;

struct TriangleTableFill {
    TTriangleTable table;
    // Index of the triangle at which the KZ last changed to a different positive value: the
    // first triangle of the lower horizon when the text holds the upper one first.
    long upperCount = 0;
};

// Builds the triangle table from the lines a triangle check reads, so that the check of an
// accepted text leaves the table the run needs.
class TriangleTableBuilder final : public MeshReceiver {
public:
    void expect(std::size_t usual, std::size_t most) override;
    void line(const MeshLine &line) override;
    TriangleTableFill take() { return std::move(mFill); }

private:
    TriangleTableFill mFill;
    bool mFirstSeen = false;
    std::int32_t mCurrentKZ = 0;
};

// Fills the triangle table from a triangle text as its check reads it. The table has exactly
// as many entries as the text yields, whatever count a check reported for it.
TriangleTableFill fillTriangleTable(std::string_view text);

} // namespace kubato
