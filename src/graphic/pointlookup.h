#pragma once

// Finding a triangle corner in the graphic's point table. The drawing asks through
// PointLookup only, so a faster index can take its place; findPointLinear is the literal scan
// that defines the answer and stays as the oracle to compare a faster index against.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "graphic/graphictables.h"

namespace kubato {

// Scans the table from its start and returns the index of the first point whose number equals
// the given one byte by byte, or nothing when no point has it. When a number occurs twice,
// the first occurrence places the corner.
std::optional<std::size_t> findPointLinear(std::span<const GraphicPoint> points,
                                           std::string_view number);

// The look-up a drawing uses. The table must outlive it and stay unchanged.
class PointLookup {
public:
    explicit PointLookup(std::span<const GraphicPoint> points) : mPoints(points) {}
    // The same answer as findPointLinear.
    std::optional<std::size_t> find(std::string_view number) const;

private:
    std::span<const GraphicPoint> mPoints;
};

} // namespace kubato
