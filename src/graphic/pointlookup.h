#pragma once

// Finding a triangle corner in the graphic's point table. The drawing asks through
// PointLookup only; findPointLinear is the literal scan that defines the answer and stays as
// the oracle to compare the index against.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "common/textindex.h"
#include "graphic/graphictables.h"

namespace kubato {

// Scans the table from its start and returns the index of the first point whose number equals
// the given one byte by byte, or nothing when no point has it. When a number occurs twice,
// the first occurrence places the corner.
std::optional<std::size_t> findPointLinear(std::span<const GraphicPoint> points,
                                           std::string_view number);

// The look-up a drawing uses: an index of the first point of each number, built once per
// drawing in one pass over the table, so that a mesh of millions of triangles costs time in
// proportion to its size rather than to triangles times points. The table must outlive it and
// stay unchanged.
class PointLookup {
public:
    explicit PointLookup(std::span<const GraphicPoint> points);
    // The same answer as findPointLinear.
    std::optional<std::size_t> find(std::string_view number) const;

private:
    struct NumberOf {
        std::span<const GraphicPoint> points;
        std::string_view operator()(std::size_t e) const { return points[e].number; }
    };

    std::span<const GraphicPoint> mPoints;
    // Absent only for a table too large for the index, which is then scanned.
    std::optional<FirstTextIndex<NumberOf>> mIndex;
};

} // namespace kubato
